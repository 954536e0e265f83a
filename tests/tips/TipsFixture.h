// What the tip tests share: a parent with buttons, screen reading and a solid backdrop.
#pragma once
#include <afxwin.h>
#include "Pixels.h"
#include "RecordingParent.h"
#include "TestApp.h"
#include "PrintGeometry.h"

namespace tips_test {

inline HWND AddChild(CWnd& parent, const char* cls, DWORD style, int id, int x, int y, int w, int h) {
  return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent.m_hWnd, (HMENU)(INT_PTR)id,
                         GetModuleHandleA(NULL), NULL);
}

inline CPoint CentreOf(HWND hWnd) {
  RECT rc;
  GetWindowRect(hWnd, &rc);
  return CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

// The screen's pixels of a screen rectangle.
inline ostrel_test::Pixels ReadScreen(const RECT& rc) {
  HDC hdc = GetDC(NULL);
  ostrel_test::Pixels px = ostrel_test::ReadDC(hdc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  ReleaseDC(NULL, hdc);
  return px;
}

// A child window filled with one colour.
inline HWND CreateBackdrop(CWnd& parent, COLORREF color, int x, int y, int w, int h) {
  static HBRUSH s_brush = NULL;
  static COLORREF s_color = CLR_INVALID;
  if (s_color != color) {
    if (s_brush != NULL) DeleteObject(s_brush);
    s_brush = CreateSolidBrush(color);
    s_color = color;
  }
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(NULL);
  wc.lpszClassName = "TipsBackdrop";
  RegisterClassA(&wc);
  HWND hWnd = CreateWindowExA(0, "TipsBackdrop", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, w, h, parent.m_hWnd,
                              NULL, GetModuleHandleA(NULL), NULL);
  SetClassLongPtrA(hWnd, GCLP_HBRBACKGROUND, (LONG_PTR)s_brush);
  InvalidateRect(hWnd, NULL, TRUE);
  UpdateWindow(hWnd);
  return hWnd;
}

}  // namespace tips_test
