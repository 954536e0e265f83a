// The icon list: loading its strips once, the normal and selected cells, the hover look that the
// host's command-UI updates move with the pointer.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <string>
#include <utility>
#include "GdiTracker.h"
#include "Input.h"
#include "RecordingParent.h"
#include "SkinHost.h"

using namespace ostrel_test;

namespace {

const int kIcon = 40, kIcons = 6;

class IconListTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_NE(Skin(), (HINSTANCE)NULL); }

  // Four icons wide, one high, with a scroll bar below.
  void Create(CIconList& list) {
    CRect rc(0, 0, 4 * kIcon + 4, kIcon + 4 + GetSystemMetrics(SM_CYHSCROLL));
    rc.OffsetRect(10, 10);
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_MULTICOLUMN | LBS_NOINTEGRALHEIGHT | WS_HSCROLL, rc, &m_parent, 5));
  }
  BOOL SetBitmaps(CIconList& list, int nFocus = kIconsFocus, int nCount = kIcons) {
    return list.SetBitmaps(Skin(), kIconsNormal, nFocus, kIconsSelected, 0, nCount);
  }

  // Which strip item nItem shows: 'N'ormal, 'F'ocus, 'S'elected, or '?'.
  char Look(CIconList& list, int nItem) {
    Pixels shown = ReadClient(list.m_hWnd);
    CRect rc;
    list.GetItemRect(nItem, &rc);
    const std::pair<char, const Pixels*> strips[] = {{'N', &m_normal}, {'F', &m_focus}, {'S', &m_selected}};
    for (const auto& strip : strips)
      if (BlockMismatches(shown, rc.left, rc.top, *strip.second, kIcon * nItem, 0, kIcon, kIcon) == 0)
        return strip.first;
    return '?';
  }

  // The pointer goes to (x, y) of the list's client area; then the host's idle update runs.
  void Hover(CIconList& list, int x, int y) {
    CPoint pt(x, y);
    list.ClientToScreen(&pt);
    InputMove(pt.x, pt.y);
    CCmdUI cmdUI;
    list.OnUpdateUI(&cmdUI);
  }

  CRecordingParent m_parent;
  Pixels m_normal = SkinBitmap(kIconsNormal), m_focus = SkinBitmap(kIconsFocus),
         m_selected = SkinBitmap(kIconsSelected);
};

TEST_F(IconListTest, StripsAreSetOnceAndNeverHalfway) {
  GdiTracker tracker({"Ostrel.dll", "afx.dll"});
  {
    CIconList list;
    Create(list);
    EXPECT_FALSE(SetBitmaps(list, 9999));  // no such strip: the others are let go
    EXPECT_FALSE(SetBitmaps(list, kIconsFocus, 0));
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(tracker.Outstanding(), 0);

    EXPECT_TRUE(SetBitmaps(list));
    EXPECT_TRUE(list.SetBitmaps(NULL, 1, 2, 3, 0, 2));  // the first success stands
    EXPECT_EQ(list.GetCount(), kIcons);
    EXPECT_EQ(list.GetItemHeight(0), kIcon);
    EXPECT_EQ(list.GetStyle() & LBS_OWNERDRAWFIXED, (DWORD)LBS_OWNERDRAWFIXED);
    EXPECT_TRUE(list.GetExStyle() & WS_EX_CLIENTEDGE);
    ReadClient(list.m_hWnd);
  }
  EXPECT_EQ(tracker.Outstanding(), 0);
  EXPECT_EQ(tracker.DCsHeld(), 0);
}

TEST_F(IconListTest, HoverLookFollowsThePointerButNeverTheSelectedIcon) {
  CIconList list;
  Create(list);
  ASSERT_TRUE(SetBitmaps(list));
  list.SetCurSel(1);
  MainWnd()->SetForegroundWindow();
  EXPECT_EQ(std::string() + Look(list, 0) + Look(list, 1) + Look(list, 2) + Look(list, 3), "NSNN");

  Hover(list, 2 * kIcon + 5, 20);
  EXPECT_EQ(Look(list, 2), 'F');
  Hover(list, 3 * kIcon + 5, 20);
  EXPECT_EQ(std::string() + Look(list, 2) + Look(list, 3), "NF");
  Hover(list, kIcon + 5, 20);  // the selected icon
  EXPECT_EQ(std::string() + Look(list, 1) + Look(list, 3), "SN");
  Hover(list, 5, 20);
  EXPECT_EQ(Look(list, 0), 'F');
  Hover(list, 5, -20);  // outside
  EXPECT_EQ(Look(list, 0), 'N');

  // Scrolled by two, the first position is icon 2.
  list.SetTopIndex(2);
  Hover(list, 5, 20);
  EXPECT_EQ(Look(list, 2), 'F');
}

}  // namespace
