// The colour-source pop-up.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <functional>
#include "GdiTracker.h"
#include "Input.h"
#include "ModalDriver.h"
#include "Pixels.h"
#include "PrintGeometry.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

POINT CentreOnScreen(HWND hWnd, const RECT& rc) {
  POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  ClientToScreen(hWnd, &pt);
  return pt;
}

// Runs the pop-up with the pointer at `cursor`; `act` runs once it is up and must close it (the
// driver's time-out fails the test otherwise). Its hook is gone afterwards whatever the way out.
struct PickerRun {
  INT_PTR result = -99;
  HHOOK hookWhileOpen = NULL;
};

PickerRun RunPicker(CColorPicker& picker, std::function<void(CColorPicker&, HWND)> act, POINT cursor = {300, 200}) {
  SetCursorPos(cursor.x, cursor.y);
  PumpUntil([&] {
    POINT at;
    return GetCursorPos(&at) && at.x == cursor.x && at.y == cursor.y;
  });
  PickerRun run;
  ModalDriver driver([](HWND hWnd) { return hWnd == CColorPicker::m_handle; },
                     [&](HWND hWnd) {
                       run.hookWhileOpen = CColorPicker::hHookMouseFilter;
                       act(picker, hWnd);
                     });
  run.result = picker.DoModal();
  EXPECT_TRUE(driver.Acted() && !driver.TimedOut());
  EXPECT_NE(run.hookWhileOpen, (HHOOK)NULL);
  EXPECT_EQ(CColorPicker::hHookMouseFilter, (HHOOK)NULL);
  EXPECT_EQ(CColorPicker::m_handle, (HWND)NULL);
  EXPECT_FALSE(run.hookWhileOpen != NULL && UnhookWindowsHookEx(run.hookWhileOpen)) << "the hook was left set";
  return run;
}

class PickerTest : public ::testing::Test {
 protected:
  void TearDown() override { CColorPicker::SetDefaultColor(0x00808080); }
};

TEST_F(PickerTest, ItemsAndCellsGiveTheirResultsWithEitherButtonAndCellZeroTheSharedDefault) {
  CColorPicker::SetDefaultColor(0x000000FF);
  struct Case {
    int cell;  // -1: item 1, -2: item 2, the eyedropper's
    bool right;
    INT_PTR result;
    COLORREF color;
  } cases[] = {{10, false, 48, 0x00FF80}, {5, true, 48, 0xFF8000}, {47, false, 48, 0xFFFFFF},
               {0, false, 48, 0x0000FF},  {-1, true, 1, 0x123456}, {-2, false, 2, 0x123456}};
  for (const Case& k : cases) {
    CColorPicker picker(MainWnd());
    picker.m_color = 0x123456;
    picker.m_bEyeDropper = k.cell == -2;
    PickerRun run = RunPicker(picker, [&](CColorPicker& p, HWND hWnd) {
      POINT pt = CentreOnScreen(hWnd, k.cell >= 0 ? p.m_rcCells[k.cell] : p.m_rcItems[-k.cell]);
      InputClick(pt.x, pt.y, k.right);
    });
    EXPECT_EQ(run.result, k.result) << "cell " << k.cell;
    EXPECT_EQ(picker.m_color, k.color) << "cell " << k.cell;
  }
}

TEST_F(PickerTest, EnterEndsWithOneAndEveryOtherWayOutCancels) {
  HWND hOther = CreateWindowExA(0, AfxRegisterWndClass(0), "Other", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 500, 420,
                                200, 120, NULL, NULL, NULL, NULL);
  ASSERT_NE(hOther, (HWND)NULL);
  UpdateWindow(hOther);
  RECT rw;
  GetWindowRect(hOther, &rw);
  // A click in the client on the separator or in the gutter below cell 9.
  auto clickNearCell = [](bool separator) {
    return [separator](CColorPicker& p, HWND hWnd) {
      const RECT& c = p.m_rcCells[9];
      POINT pt = {(c.left + c.right) / 2, separator ? p.m_rcCells[0].top - 4 : c.bottom};
      ClientToScreen(hWnd, &pt);
      InputClick(pt.x, pt.y);
    };
  };
  const std::function<void(CColorPicker&, HWND)> ways[] = {
      [](CColorPicker&, HWND h) { PostMessageA(h, WM_KEYDOWN, VK_RETURN, 0); },
      [](CColorPicker&, HWND h) { PostMessageA(h, WM_KEYDOWN, VK_ESCAPE, 0); },
      clickNearCell(true),
      clickNearCell(false),
      [](CColorPicker&, HWND h) { SendMessageA(h, WM_ACTIVATEAPP, FALSE, 0); },
      [&](CColorPicker&, HWND) {  // another window's caption: swallowed
        InputClick((rw.left + rw.right) / 2, rw.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2);
      },
  };
  for (size_t way = 0; way < sizeof ways / sizeof ways[0]; way++) {
    CColorPicker picker(MainWnd());
    picker.m_color = 0x010203;
    EXPECT_EQ(RunPicker(picker, ways[way]).result, way == 0 ? 1 : -1) << "way " << way;
    EXPECT_EQ(picker.m_color, 0x010203u) << "way " << way;
  }
  DestroyWindow(hOther);
}

// With the eyedropper the pop-up opens near the bottom-right corner: up and left of the pointer.
TEST_F(PickerTest, PlacementHotMarksTheDefaultsPaintAndAnotherPopUpObjectLeaveNothingBehind) {
  GdiTracker tracker({"Ostrel.dll", "afx.dll"});
  CColorPicker::SetDefaultColor(0x000000FF);
  const POINT corner = {GetSystemMetrics(SM_CXSCREEN) - 10, GetSystemMetrics(SM_CYSCREEN) - 10};
  for (BOOL eye = FALSE; eye <= TRUE; eye++) {
    CColorPicker picker(MainWnd());
    picker.m_bEyeDropper = eye;
    CRect placed;
    RunPicker(
        picker,
        [&](CColorPicker& p, HWND hWnd) {
          GetWindowRect(hWnd, &placed);
          EXPECT_EQ(p.m_nItems, 2 + eye);
          EXPECT_EQ(IsWindowVisible(GetDlgItem(hWnd, 1108)), eye);
          POINT item1 = CentreOnScreen(hWnd, p.m_rcItems[1]);
          InputMove(item1.x, item1.y);
          EXPECT_EQ(p.m_nHot, 1);
          EXPECT_TRUE(p.m_bHotItem[1]);
          EXPECT_EQ(ReadClient(GetDlgItem(hWnd, 1107)).At(1, 1), GetSysColor(COLOR_HIGHLIGHT));
          POINT cell0 = CentreOnScreen(hWnd, p.m_rcCells[0]);
          InputMove(cell0.x, cell0.y);
          EXPECT_EQ(p.m_nHot, p.m_nItems);
          EXPECT_FALSE(p.m_bHotItem[1]);
          EXPECT_EQ(ReadClient(GetDlgItem(hWnd, 1107)).At(1, 1), GetSysColor(COLOR_MENU));
          const RECT& c0 = p.m_rcCells[0];
          Pixels px = ReadClient(hWnd);
          EXPECT_EQ(px.At(c0.left - 1, (c0.top + c0.bottom) / 2), 0u);
          EXPECT_EQ(px.At((c0.left + c0.right) / 2, (c0.top + c0.bottom) / 2), 0x0000FFu) << "the default colour";
          // Off every item and cell: the mark goes.
          POINT gap = {c0.right, (c0.top + c0.bottom) / 2};
          ClientToScreen(hWnd, &gap);
          InputMove(gap.x, gap.y);
          EXPECT_EQ(p.m_nHot, -1);
          EXPECT_EQ(ReadClient(hWnd).At(c0.left - 1, (c0.top + c0.bottom) / 2), GetSysColor(COLOR_MENU));
          // Another pop-up object, made and gone, leaves the open one's hook and brush alone.
          HWND hItem = GetDlgItem(hWnd, 1106);
          HDC hDC = GetDC(hItem);
          HGDIOBJ hBrush = (HGDIOBJ)SendMessageA(hWnd, WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)hItem);
          ReleaseDC(hItem, hDC);
          const HHOOK hHook = CColorPicker::hHookMouseFilter;
          { CColorPicker other(MainWnd()); }
          EXPECT_EQ(CColorPicker::hHookMouseFilter, hHook);
          EXPECT_EQ(CColorPicker::m_handle, hWnd);
          EXPECT_EQ(GetObjectType(hBrush), (DWORD)OBJ_BRUSH);
          PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
        },
        eye ? corner : POINT{300, 200});
    if (eye)
      EXPECT_EQ(CPoint(corner), placed.BottomRight());
    else
      EXPECT_EQ(CPoint(300, 200), placed.TopLeft());
  }
  EXPECT_EQ(tracker.Outstanding(), 0);
}

}  // namespace
