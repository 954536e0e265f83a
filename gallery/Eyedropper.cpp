#include "Eyedropper.h"

int __cdecl PickScreenColour(unsigned long* pColor, CWnd* pOwner) {
  if (pColor == NULL || pOwner == NULL) return 0;
  HCURSOR hOld = ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_CROSS));
  pOwner->SetCapture();
  int picked = 0;
  MSG msg;
  while (::GetCapture() == pOwner->m_hWnd && ::GetMessageA(&msg, NULL, 0, 0)) {
    if (msg.message == WM_LBUTTONDOWN) {
      DWORD pos = ::GetMessagePos();
      HDC hScreen = ::GetDC(NULL);
      COLORREF color = ::GetPixel(hScreen, (short)LOWORD(pos), (short)HIWORD(pos));
      ::ReleaseDC(NULL, hScreen);
      if (color != CLR_INVALID) {
        *pColor = color;
        picked = 1;
      }
      break;
    }
    if (msg.message == WM_RBUTTONDOWN || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) break;
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) continue;  // the pick owns the mouse
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  if (::GetCapture() == pOwner->m_hWnd) ::ReleaseCapture();
  ::SetCursor(hOld);
  return picked;
}
