// The window DCs: the paint DC validates what it painted, client and window DCs are released.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "print_geometry.h"

namespace {

const COLORREF kPaint = RGB(30, 160, 90);
RECT g_paintRect;

LRESULT CALLBACK PaintingProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    CPaintDC dc(CWnd::FromHandle(hWnd));
    g_paintRect = dc.m_ps.rcPaint;
    dc.FillSolidRect(&dc.m_ps.rcPaint, kPaint);
    return 0;
  }
  return DefWindowProcA(hWnd, msg, wParam, lParam);
}

}  // namespace

TEST(WindowDCTest, PaintClientAndWindowDCs) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PaintingProc;
  wc.hInstance = GetModuleHandleA(NULL);
  wc.lpszClassName = "AfxBaseTestPaint";
  RegisterClassA(&wc);
  HWND hWnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40, NULL, NULL,
                              wc.hInstance, NULL);
  ASSERT_NE(nullptr, hWnd);
  InvalidateRect(hWnd, NULL, FALSE);
  UpdateWindow(hWnd);
  EXPECT_EQ(CRect(0, 0, 60, 40), CRect(g_paintRect));
  EXPECT_FALSE(GetUpdateRect(hWnd, NULL, FALSE));  // EndPaint validated the window
  {
    CClientDC dc(CWnd::FromHandle(hWnd));
    EXPECT_EQ(kPaint, dc.GetPixel(30, 20));
    EXPECT_EQ(hWnd, dc.GetWindow()->GetSafeHwnd());
  }
  {
    CWindowDC dc(CWnd::FromHandle(hWnd));
    EXPECT_EQ(kPaint, dc.GetPixel(0, 0));
  }
  {
    CClientDC screen(NULL);
    EXPECT_GT(screen.GetDeviceCaps(BITSPIXEL), 0);
  }
  DestroyWindow(hWnd);
  AfxDeleteTempMaps();
}
