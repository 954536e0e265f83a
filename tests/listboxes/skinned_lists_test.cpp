// The bitmap list box and the icon list over the host's skin strips.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <string>
#include "GdiTracker.h"
#include "Input.h"
#include "RecordingParent.h"
#include "TabSkin.h"

using namespace ostrel_test;

namespace {

const int kCellWidth = 112, kCellHeight = 24;

// What nItems items from the top show: the letter of the strip whose cell (cx x cy, item i's at
// x = cx * i) each shows, the fourth letter for none.
std::string ListLooks(CListBox& list, const Pixels (&strips)[3], const char* letters, int nItems, int cx, int cy) {
  Pixels shown = ReadClient(list.m_hWnd);
  std::string looks;
  for (int i = list.GetTopIndex(); i < list.GetTopIndex() + nItems; ++i) {
    CRect rc;
    list.GetItemRect(i, &rc);
    int s = 0;
    while (s < 3 && !ShowsCell(shown, rc.left, rc.top, strips[s], cx * i, 0, cx, cy)) ++s;
    looks += letters[s];
  }
  return looks;
}

class SkinnedTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_NE(Skin(), (HINSTANCE)NULL); }
  CRecordingParent m_parent;
};

class BitmapListBoxTest : public SkinnedTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOTIFY, CRect(10, 10, 130, 160), &m_parent, 5));
  }
  BOOL Associate(int nCells) {
    return m_list.AssociateBitmaps(Skin(), kLinesNormal, kLinesSelected, kLinesHot, nCells);
  }
  std::string Looks() { return ListLooks(m_list, m_strips, "NSH?", 4, kCellWidth, kCellHeight); }

  CBitmapListBox m_list;
  Pixels m_strips[3] = {SkinBitmap(kLinesNormal), SkinBitmap(kLinesSelected), SkinBitmap(kLinesHot)};
};

TEST_F(BitmapListBoxTest, StripsMustDivideIntoTheCellsAndItemsShowTheirCellOfEachStrip) {
  EXPECT_FALSE(m_list.AssociateBitmaps(NULL, kLinesNormal, kLinesSelected, kLinesHot, 4));
  EXPECT_FALSE(m_list.AssociateBitmaps(Skin(), 9999, kLinesSelected, kLinesHot, 4));  // no such strip
  EXPECT_FALSE(Associate(0));
  EXPECT_FALSE(Associate(3));  // 448 pixels
  EXPECT_FALSE(CBitmapListBox().AssociateBitmaps(Skin(), kLinesNormal, kLinesSelected, kLinesHot, 4)) << "no window";
  EXPECT_EQ(m_list.GetCount(), 0);

  EXPECT_TRUE(Associate(4));
  EXPECT_EQ(m_list.GetCount(), 4);
  EXPECT_EQ(m_list.GetItemHeight(0), kCellHeight);

  // Each item shows its cell of the normal, selected or hot strip.
  m_list.SetCurSel(2);
  SendMouse(m_list.m_hWnd, WM_MOUSEMOVE, 20, kCellHeight + 5);  // over item 1
  EXPECT_EQ(Looks(), "NHSN");
  SendMouse(m_list.m_hWnd, WM_MOUSEMOVE, 20, 2 * kCellHeight + 5);  // over the selected item
  EXPECT_EQ(Looks(), "NNSN");
  // Below the items the list shows white.
  EXPECT_EQ(ReadClient(m_list.m_hWnd).Count(CRect(0, 4 * kCellHeight + 2, 100, 140), RGB(255, 255, 255)), 100 * 42);
}

const int kIcon = 40, kIcons = 6;

class IconListTest : public SkinnedTest {
 protected:
  // Four icons wide, one high, with a scroll bar below.
  void SetUp() override {
    CRect rc(10, 10, 14 + 4 * kIcon, 14 + kIcon + GetSystemMetrics(SM_CYHSCROLL));
    ASSERT_TRUE(m_list.Create(WS_VISIBLE | LBS_MULTICOLUMN | LBS_NOINTEGRALHEIGHT | WS_HSCROLL, rc, &m_parent, 5));
  }
  BOOL SetBitmaps(int nFocus = kIconsFocus, int nCount = kIcons) {
    return m_list.SetBitmaps(Skin(), kIconsNormal, nFocus, kIconsSelected, 0, nCount);
  }

  std::string Looks(int nItems = 4) { return ListLooks(m_list, m_strips, "NFS?", nItems, kIcon, kIcon); }

  // The pointer to (x, y) of the client area, then the host's idle update.
  void Hover(int x, int y) {
    CPoint pt(x, y);
    m_list.ClientToScreen(&pt);
    InputMove(pt.x, pt.y);
    CCmdUI cmdUI;
    m_list.OnUpdateUI(&cmdUI);
  }

  CIconList m_list;
  Pixels m_strips[3] = {SkinBitmap(kIconsNormal), SkinBitmap(kIconsFocus), SkinBitmap(kIconsSelected)};
};

TEST_F(IconListTest, StripsAreSetOnceAndTheHoverLookFollowsThePointerButNeverTheSelectedIcon) {
  GdiTracker tracker({"Ostrel.dll", "afx.dll"});
  EXPECT_FALSE(SetBitmaps(9999));  // no such strip: the others are let go
  EXPECT_FALSE(SetBitmaps(kIconsFocus, 0));
  EXPECT_EQ(m_list.GetCount(), 0);
  EXPECT_EQ(tracker.Outstanding(), 0);

  EXPECT_TRUE(SetBitmaps());
  EXPECT_TRUE(m_list.SetBitmaps(NULL, 1, 2, 3, 0, 2));  // the first success stands
  EXPECT_EQ(m_list.GetCount(), kIcons);
  EXPECT_EQ(m_list.GetItemHeight(0), kIcon);

  // The hover look follows the pointer, but never onto the selected icon.
  m_list.SetCurSel(1);
  MainWnd()->SetForegroundWindow();
  EXPECT_EQ(Looks(), "NSNN");
  Hover(2 * kIcon + 5, 20);
  EXPECT_EQ(Looks(), "NSFN");
  Hover(kIcon + 5, 20);  // the selected icon
  EXPECT_EQ(Looks(), "NSNN");
  Hover(5, 20);
  EXPECT_EQ(Looks(), "FSNN");
  Hover(5, -20);  // outside
  EXPECT_EQ(Looks(), "NSNN");

  m_list.SetTopIndex(2);  // scrolled by two, the first position is icon 2
  Hover(5, 20);
  EXPECT_EQ(Looks(2), "FN");
}

}  // namespace
