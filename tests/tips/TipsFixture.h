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
  CRect rc;
  GetWindowRect(hWnd, &rc);
  return rc.CenterPoint();
}

// The screen's pixels of a screen rectangle.
inline ostrel_test::Pixels ReadScreen(const RECT& rc) {
  HDC hdc = GetDC(NULL);
  ostrel_test::Pixels px = ostrel_test::ReadDC(hdc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  ReleaseDC(NULL, hdc);
  return px;
}

const COLORREF kBackdrop = RGB(40, 160, 80);

// A child window filled with kBackdrop.
inline HWND CreateBackdrop(CWnd& parent, int x, int y, int w, int h) {
  static HBRUSH s_brush = CreateSolidBrush(kBackdrop);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(NULL);
  wc.hbrBackground = s_brush;
  wc.lpszClassName = "TipsBackdrop";
  RegisterClassA(&wc);
  HWND hWnd = CreateWindowExA(0, "TipsBackdrop", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, w, h, parent.m_hWnd,
                              NULL, GetModuleHandleA(NULL), NULL);
  UpdateWindow(hWnd);
  return hWnd;
}

}  // namespace tips_test
