// The skinned tab control.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <memory>
#include "Input.h"
#include "RecordingParent.h"
#include "TabSkin.h"
#include "tabs_test_ids.h"

using namespace ostrel_test;

namespace {

const int kStrips[] = {kTab2, kTab2 + 1, kTab3, kTab3 + 1, kTab3 + 2};
const int kStartHeight = 16;  // the label font's starting height
const int kStripWidth = 207, kStripHeight = 27;

// Whether the strip rows above and below the labels are those of the picture.
bool ShowsStrip(const Pixels& shown, int nStrip) {
  Pixels strip = SkinBitmap(nStrip);
  return ShowsCell(shown, 0, 0, strip, 0, 0, kStripWidth, 2) &&
         ShowsCell(shown, 0, kStripHeight - 2, strip, 0, kStripHeight - 2, kStripWidth, 2);
}

// From the first to the last column of rc that holds dark label pixels.
int InkWidth(const Pixels& px, const RECT& rc) {
  int nFirst = -1, nLast = -2;
  for (int x = rc.left; x < rc.right; ++x)
    for (int y = rc.top; y < rc.bottom; ++y)
      if (GetRValue(px.At(x, y)) + GetGValue(px.At(x, y)) + GetBValue(px.At(x, y)) < 150) {
        if (nFirst < 0) nFirst = x;
        nLast = x;
      }
  return nLast - nFirst + 1;
}

class VexTabCtrlTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_NE(Skin(), (HINSTANCE)NULL); }

  // A control of nTabs tabs as a host sets it up, labelled from nTextId.
  std::unique_ptr<CVexTabCtrl> Make(int nTabs, int nTextId, int cx = 230, int cy = 180) {
    std::unique_ptr<CVexTabCtrl> tab(new CVexTabCtrl);
    tab->m_nLastTab = nTabs - 1;
    tab->m_nTextId = nTextId;
    tab->m_hBmpInst = tab->m_hFontInst = Skin();
    tab->m_hTextInst = GetModuleHandleA(NULL);
    tab->m_nBmp2Id = kTab2;
    tab->m_nBmp3Id = kTab3;
    tab->m_nBackId = kPageTile;
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
  struct {
    int nTabs, nSel, nExpected;
  } cases[] = {{2, 0, kTab2},     {2, 1, kTab2 + 1}, {2, 5, kTab2 + 1}, {3, 0, kTab3},
               {3, 1, kTab3 + 1}, {3, 2, kTab3 + 2}, {3, 5, kTab3 + 2}, {1, 0, kTab2}};
  for (const auto& c : cases) {
    std::unique_ptr<CVexTabCtrl> tab = Make(c.nTabs, IDS_SHORT_LABELS);
    tab->m_nCurSel = c.nSel;
    Pixels shown = Shown(*tab);
    for (int nStrip : kStrips)
      EXPECT_EQ(ShowsStrip(shown, nStrip), nStrip == c.nExpected)
          << c.nTabs << " tabs, selection " << c.nSel << ", strip " << nStrip;
  }
}

TEST_F(VexTabCtrlTest, PageIsTiledFromItsCornerToItsEdges) {
  std::unique_ptr<CVexTabCtrl> tab = Make(3, IDS_SHORT_LABELS, 150, kStripHeight + 80);  // 3 x 2 tiles
  Pixels shown = Shown(*tab), tile = SkinBitmap(kPageTile);
  int nWrong = 0;
  for (int y = kStripHeight; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) nWrong += shown.At(x, y) != tile.At(x % 74, (y - kStripHeight) % 74);
  EXPECT_EQ(nWrong, 0);
}

TEST_F(VexTabCtrlTest, LabelFontShrinksUntilTheWidestLabelFitsArrowKeysNeverReachTheControlButClicksDo) {
  std::unique_ptr<CVexTabCtrl> tab = Make(3, IDS_SHORT_LABELS);
  EXPECT_EQ(tab->GetDispFontSize(), kStartHeight);
  MSG msg = {};
  msg.hwnd = tab->m_hWnd;
  msg.message = WM_KEYDOWN;
  for (WPARAM vk : {VK_LEFT, VK_RIGHT, VK_HOME}) {
    msg.wParam = vk;
    EXPECT_EQ(CWnd::WalkPreTranslateTree(NULL, &msg), vk != VK_HOME) << vk;
  }
  CRect tab2;
  tab->GetItemRect(2, &tab2);
  SendClick(tab->m_hWnd, tab2.CenterPoint().x, tab2.CenterPoint().y);
  EXPECT_EQ(tab->GetCurSel(), 2);
  tab->m_nLastTab = 7;  // more tabs announced than made
  tab->m_nCurSel = 1;
  EXPECT_TRUE(ShowsStrip(Shown(*tab), kTab3 + 1));
  EXPECT_EQ(tab->GetDispFontSize(), kStartHeight);
  tab.reset();

  std::unique_ptr<CVexTabCtrl> shrunk = Make(3, IDS_LONG_LABELS);
  EXPECT_LT(shrunk->GetDispFontSize(), kStartHeight);
  EXPECT_GE(shrunk->GetDispFontSize(), 6);
  // The long label is drawn in that font: within the 80 percent of its tab it was fitted to.
  CRect tab1;
  shrunk->GetItemRect(1, &tab1);
  int nInk = InkWidth(Shown(*shrunk), tab1), nSpace = tab1.Width() - 2 * (tab1.Width() / 10);
  EXPECT_LT(nInk, nSpace);
  EXPECT_GT(nInk, nSpace * 2 / 3);
  shrunk.reset();

  std::unique_ptr<CVexTabCtrl> endless = Make(2, IDS_ENDLESS);  // no height fits
  EXPECT_EQ(endless->GetDispFontSize(), 1);
  Shown(*endless);
  endless->m_hBmpInst = endless->m_hTextInst = endless->m_hFontInst = NULL;  // no resources at all
  endless->LoadTabBmp();
  EXPECT_EQ(endless->GetDispFontSize(), 0);  // no starting height
  Shown(*endless);
}

}  // namespace
