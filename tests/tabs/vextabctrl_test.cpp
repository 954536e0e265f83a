// The skinned tab control: strip per selected tab, tiled page, shrinking label font, arrow keys,
// its window class and GDI balance.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <algorithm>
#include <climits>
#include <memory>
#include "GdiTracker.h"
#include "Input.h"
#include "Pixels.h"
#include "RecordingParent.h"
#include "TestApp.h"
#include "tabs_test_ids.h"

using namespace ostrel_test;

namespace {

// Ids of TabSkin.dll (host/tabskin).
const WORD kTab2 = 3101;
const WORD kTab3 = 3111;
const WORD kTile = 3120;
const int kStartHeight = 16;  // its label font's starting height
const int kStripWidth = 207, kStripHeight = 27;

HINSTANCE Skin() {
  static HINSTANCE hSkin = LoadLibraryA((ExeFolder() + "TabSkin.dll").c_str());
  return hSkin;
}

Pixels BitmapPixels(WORD nID) {
  HBITMAP hBmp = LoadBitmapA(Skin(), MAKEINTRESOURCEA(nID));
  Pixels px = ReadBitmap(hBmp);
  DeleteObject(hBmp);
  return px;
}

// Pixels of the strip rows above and below the labels that differ from the picture.
int StripMismatches(const Pixels& shown, const Pixels& strip) {
  int n = 0;
  for (int y : {0, 1, kStripHeight - 2, kStripHeight - 1})
    for (int x = 0; x < kStripWidth; ++x)
      if (shown.At(x, y) != strip.At(x, y)) ++n;
  return n;
}

// Dark label pixels inside rc: their leftmost and rightmost columns (right < left when none).
struct Ink {
  int left = INT_MAX, right = INT_MIN;
  int Width() const { return right >= left ? right - left + 1 : 0; }
};
Ink LabelInk(const Pixels& px, const RECT& rc) {
  Ink ink;
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x) {
      COLORREF c = px.At(x, y);
      if (GetRValue(c) < 60 && GetGValue(c) < 60 && GetBValue(c) < 60) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
      }
    }
  return ink;
}

// Walks messages as a host's loop does: each gets the windows' PreTranslateMessage first. Stops
// once the key-up of vk has been handled (true) or at the deadline.
bool PumpKeyAsHost(WORD vk, DWORD deadlineMs = 3000) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      if (!CWnd::WalkPreTranslateTree(NULL, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      if (msg.message == WM_KEYUP && msg.wParam == vk) return true;
    }
    if (GetTickCount() - start >= deadlineMs) return false;
    MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
  }
}

class VexTabCtrlTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_NE(Skin(), (HINSTANCE)NULL); }

  // A control of nTabs tabs in the host's usual set-up, labelled from nTextId.
  std::unique_ptr<CVexTabCtrl> Make(int nTabs, int nTextId, int cx = 230, int cy = 180) {
    std::unique_ptr<CVexTabCtrl> tab(new CVexTabCtrl);
    tab->m_nLastTab = nTabs - 1;
    tab->m_nTextId = nTextId;
    tab->m_hBmpInst = Skin();
    tab->m_hTextInst = GetModuleHandleA(NULL);
    tab->m_hFontInst = Skin();
    tab->m_nBmp2Id = kTab2;
    tab->m_nBmp3Id = kTab3;
    tab->m_nBackId = kTile;
    tab->LoadTabBmp();
    EXPECT_TRUE(tab->Create(WS_VISIBLE | TCS_FIXEDWIDTH, CRect(10, 10, 10 + cx, 10 + cy), &m_parent, 7));
    tab->SetItemSize(CSize(nTabs <= 2 ? 102 : 68, 25));
    for (int i = 0; i < nTabs; ++i) tab->InsertItem(i, "");
    return tab;
  }

  static Pixels Shown(CVexTabCtrl& tab) {
    tab.Invalidate();
    return ReadClient(tab.m_hWnd);
  }

  CRecordingParent m_parent{20, 20, 420, 320};
};

TEST_F(VexTabCtrlTest, StripPictureFollowsTheSelectedTab) {
  struct Case {
    int nTabs, nSel;
    WORD nExpected;
  } cases[] = {{2, 0, kTab2},     {2, 1, kTab2 + 1}, {2, 5, kTab2 + 1}, {3, 0, kTab3},
               {3, 1, kTab3 + 1}, {3, 2, kTab3 + 2}, {3, 5, kTab3 + 2}};
  for (const Case& c : cases) {
    std::unique_ptr<CVexTabCtrl> tab = Make(c.nTabs, IDS_SHORT_LABELS);
    tab->m_nCurSel = c.nSel;
    Pixels shown = Shown(*tab);
    for (WORD nStrip : {kTab2, (WORD)(kTab2 + 1), kTab3, (WORD)(kTab3 + 1), (WORD)(kTab3 + 2)}) {
      int nMismatches = StripMismatches(shown, BitmapPixels(nStrip));
      if (nStrip == c.nExpected)
        EXPECT_EQ(nMismatches, 0) << c.nTabs << " tabs, selection " << c.nSel;
      else
        EXPECT_GT(nMismatches, 0) << c.nTabs << " tabs, selection " << c.nSel << " looks like strip " << nStrip;
    }
  }
}

TEST_F(VexTabCtrlTest, PageIsTiledFromItsCornerUpToItsEdges) {
  // 150 x 80 below the tabs: three columns by two rows of tiles, the last ones cut off.
  std::unique_ptr<CVexTabCtrl> tab = Make(3, IDS_SHORT_LABELS, 150, kStripHeight + 80);
  CRect tab0;
  tab->GetItemRect(0, &tab0);
  ASSERT_EQ(tab0.bottom, kStripHeight);
  Pixels shown = Shown(*tab);
  Pixels tile = BitmapPixels(kTile);
  int nWrong = 0;
  for (int y = tab0.bottom; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x)
      if (shown.At(x, y) != tile.At(x % 74, (y - tab0.bottom) % 74)) ++nWrong;
  EXPECT_EQ(nWrong, 0);
}

TEST_F(VexTabCtrlTest, LabelFontShrinksUntilTheWidestLabelFits) {
  EXPECT_EQ(Make(3, IDS_SHORT_LABELS)->GetDispFontSize(), kStartHeight);

  std::unique_ptr<CVexTabCtrl> shrinks = Make(3, IDS_LONG_LABELS);
  int nHeight = shrinks->GetDispFontSize();
  EXPECT_LT(nHeight, kStartHeight);
  EXPECT_GE(nHeight, 6);
  // The long label is drawn in that font: it starts a twelfth into its tab and stays within the
  // 80 percent of the tab's width that the font was fitted to, filling most of it.
  CRect tab1;
  shrinks->GetItemRect(1, &tab1);
  Ink ink = LabelInk(Shown(*shrinks), tab1);
  int nSpace = tab1.Width() - 2 * (tab1.Width() / 10);
  EXPECT_GE(ink.left, tab1.left + tab1.Width() / 12);
  EXPECT_LT(ink.Width(), nSpace);
  EXPECT_GT(ink.Width(), nSpace * 2 / 3);

  // No height fits: the font ends at height 1 and the control still paints.
  shrinks.reset();
  std::unique_ptr<CVexTabCtrl> endless = Make(2, IDS_ENDLESS);
  EXPECT_EQ(endless->GetDispFontSize(), 1);
  Shown(*endless);
}

TEST_F(VexTabCtrlTest, ArrowKeysDoNotMoveTheSelectionButClicksDo) {
  std::unique_ptr<CVexTabCtrl> tab = Make(3, IDS_SHORT_LABELS);
  CTabCtrl plain;  // the system's control in the same place moves with the arrows
  ASSERT_TRUE(plain.Create(WS_VISIBLE | TCS_FIXEDWIDTH, CRect(10, 200, 240, 300), &m_parent, 8));
  for (int i = 0; i < 3; ++i) plain.InsertItem(i, "Tab");
  MainWnd()->SetForegroundWindow();

  for (CTabCtrl* pCtrl : {(CTabCtrl*)tab.get(), &plain}) {
    pCtrl->SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), pCtrl);
    InputKey(VK_RIGHT);
    ASSERT_TRUE(PumpKeyAsHost(VK_RIGHT));
  }
  EXPECT_EQ(tab->GetCurSel(), 0);
  EXPECT_EQ(plain.GetCurSel(), 1);

  CRect tab2;
  tab->GetItemRect(2, &tab2);
  m_parent.Clear();
  SendClick(tab->m_hWnd, tab2.CenterPoint().x, tab2.CenterPoint().y);
  EXPECT_EQ(tab->GetCurSel(), 2);
  bool bNotified = false;
  for (const RecordedMessage& m : m_parent.Of(WM_NOTIFY))
    if (((NMHDR*)m.lParam)->code == TCN_SELCHANGE) bNotified = true;
  EXPECT_TRUE(bNotified);
}

TEST_F(VexTabCtrlTest, WindowsUseTheLibrarysClassWithoutBackgroundAndLeaveTheSystemsAlone) {
  for (int round = 0; round < 2; ++round) {  // the second control finds the class registered
    std::unique_ptr<CVexTabCtrl> tab = Make(2, IDS_SHORT_LABELS);
    EXPECT_EQ((HBRUSH)GetClassLongPtrA(tab->m_hWnd, GCLP_HBRBACKGROUND), (HBRUSH)GetStockObject(NULL_BRUSH));
  }
  CTabCtrl plain;
  ASSERT_TRUE(plain.Create(WS_VISIBLE, CRect(0, 0, 100, 60), &m_parent, 9));
  EXPECT_NE((HBRUSH)GetClassLongPtrA(plain.m_hWnd, GCLP_HBRBACKGROUND), (HBRUSH)GetStockObject(NULL_BRUSH));
}

TEST_F(VexTabCtrlTest, BadCountsAndMissingResourcesPaintWithoutFailing) {
  // One tab, and more tabs announced than exist: the two- and three-tab strips are used.
  EXPECT_EQ(StripMismatches(Shown(*Make(1, IDS_SHORT_LABELS)), BitmapPixels(kTab2)), 0);
  std::unique_ptr<CVexTabCtrl> many = Make(3, IDS_SHORT_LABELS);
  many->m_nLastTab = 7;
  many->m_nCurSel = 1;
  EXPECT_EQ(StripMismatches(Shown(*many), BitmapPixels(kTab3 + 1)), 0);
  EXPECT_EQ(many->GetDispFontSize(), kStartHeight);
  many.reset();

  // No pictures, labels or font strings anywhere: nothing to draw, no font height.
  std::unique_ptr<CVexTabCtrl> bare = Make(2, IDS_SHORT_LABELS);
  bare->m_hBmpInst = bare->m_hTextInst = bare->m_hFontInst = NULL;
  bare->LoadTabBmp();
  EXPECT_EQ(bare->m_hbmTab2[0], (HBITMAP)NULL);
  EXPECT_EQ(bare->GetDispFontSize(), 0);
  Shown(*bare);
}

TEST_F(VexTabCtrlTest, FreesItsBitmapsFontsAndDCs) {
  GdiTracker tracker({"Ostrel.dll", "afx.dll"});
  ASSERT_TRUE(tracker.Patched());
  {
    std::unique_ptr<CVexTabCtrl> tab = Make(3, IDS_LONG_LABELS);
    for (int i = 0; i < 20; ++i) {
      tab->m_nCurSel = i % 3;
      Shown(*tab);
    }
    tab->LoadTabBmp();  // loading again replaces the pictures
    Shown(*tab);
  }
  EXPECT_GT(tracker.Created(), 6);
  EXPECT_EQ(tracker.Outstanding(), 0);
  EXPECT_EQ(tracker.DCsHeld(), 0);
}

}  // namespace
