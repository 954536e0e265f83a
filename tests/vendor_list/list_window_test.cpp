// The list window, made by Create or taken over from a window the dialog manager made.
#include <gtest/gtest.h>

#include "GdiTracker.h"
#include "Input.h"
#include "Pixels.h"
#include "TestApp.h"
#include "list_helpers.h"

using namespace list_test;
using namespace ostrel_test;

namespace {

const int kCell = 40;  // 32-pixel thumbnails plus a 4-pixel margin on each side

struct ListWindowTest : ::testing::Test {
  void SetUp() override {
    list.SetIIWH(32, 32);
    rc = {10, 10, 410, 10 + kCell + GetSystemMetrics(SM_CYHSCROLL)};
  }
  void Fill(int nItems) {
    for (int i = 0; i < nItems; i++) AddSolid(list, RGB(i % 2 ? 250 : 0, 0, 200));
  }
  BOOL Create(CIIListWindow& wnd) {
    return wnd.Create(T32IIO_CLASSNAME, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL, rc, MainWnd(), 3169);
  }
  // A window of the class made without an object, as a dialog template makes it.
  HWND CreateBare() {
    return CreateWindowA(T32IIO_CLASSNAME, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL, rc.left, rc.top, rc.right - rc.left,
                         rc.bottom - rc.top, MainWnd()->m_hWnd, (HMENU)3169, NULL, NULL);
  }
  LoggingList list;
  RECT rc;
};

TEST_F(ListWindowTest, ThousandItemsPaintAndScrollAndLeaveNoGdiObjects) {
  Fill(1000);
  GdiTracker tracker({"Drevnic.dll", "t32Base.dll", "afx.dll"});
  ASSERT_TRUE(tracker.Patched());
  {
    CIIListWindow wnd;
    ASSERT_TRUE(Create(wnd));
    ASSERT_TRUE(wnd.AttachIIList(&list));
    list.TypeSetSelectII(0, 1, TRUE);
    Pixels px = ReadClient(wnd.m_hWnd);
    const int y = kCell / 2;
    EXPECT_EQ(RGB(0, 0, 200), px.At(kCell / 2, y));
    EXPECT_EQ(RGB(250, 0, 200), px.At(kCell + kCell / 2, y));
    const COLORREF hi = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(0, px.Count({0, 0, kCell, kCell}, hi));
    EXPECT_GT(px.Count({kCell, 0, 2 * kCell, kCell}, hi), 100);  // the selected item's frame

    SCROLLINFO si = {sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(wnd.m_hWnd, SB_HORZ, &si));
    EXPECT_EQ(999, si.nMax);
    EXPECT_EQ(10u, si.nPage);  // 400 pixels show ten whole cells
    wnd.SendMessage(WM_HSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(RGB(0, 0, 200), ReadClient(wnd.m_hWnd).At(kCell / 2, y));  // item 10 is first now
    wnd.SendMessage(WM_HSCROLL, SB_BOTTOM);
    wnd.SendMessage(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(990, GetScrollPos(wnd.m_hWnd, SB_HORZ));
    EXPECT_EQ(1, list.ScrollTo(5));
    EXPECT_EQ(1, list.ScrollTo(500));
    EXPECT_EQ(491, GetScrollPos(wnd.m_hWnd, SB_HORZ));  // moved just far enough to show it
    EXPECT_EQ(0, list.ScrollTo(1000));
    for (int i = 0; i < 50; i++) wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA));
    EXPECT_EQ(441, GetScrollPos(wnd.m_hWnd, SB_HORZ));
    EXPECT_EQ(&list, wnd.DetachIIList());
    EXPECT_EQ(0, list.ScrollTo(1));
  }
  EXPECT_EQ(0, tracker.Outstanding());
  EXPECT_EQ(0, tracker.DCsHeld());
}

TEST_F(ListWindowTest, UserSelectionIsReportedInOrder) {
  Fill(3);
  HWND hWnd = CreateBare();
  CIIListWindow wnd;
  ASSERT_TRUE(wnd.Attach(hWnd));  // the class procedure routes to the attached object
  wnd.AttachIIList(&list);
  SendClick(hWnd, kCell + 5, 5);
  SendClick(hWnd, 390, 5);  // empty space clears the selection
  EXPECT_EQ("sel(1,0)sel(1,1)sel(-1,0)", list.log);

  list.SetMulSelectNum(IIMULSEL_KEEPONE);
  list.TypeSetSelectII(0, 2, TRUE);
  list.log.clear();
  SendClick(hWnd, 390, 5);
  EXPECT_EQ("", list.log);  // one must stay selected
  for (int nKey : {VK_HOME, VK_RIGHT, VK_END, VK_RIGHT}) wnd.SendMessage(WM_KEYDOWN, nKey);
  // The last key finds the end already selected: nothing changes.
  EXPECT_EQ("sel(2,1)sel(0,0)sel(0,1)sel(1,0)sel(1,1)sel(2,0)", list.log);
  list.log.clear();
  SendMouse(hWnd, WM_LBUTTONDBLCLK, kCell + 5, 5);
  SendMouse(hWnd, WM_LBUTTONDBLCLK, 390, 5);
  EXPECT_EQ("dbl(1,1)dbl(-1,1)", list.log);
}

}  // namespace
