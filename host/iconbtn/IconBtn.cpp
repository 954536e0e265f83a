// IconBtn.dll: registers the icon-button class for the whole process when it loads and removes
// it when it unloads. The window procedure turns mouse, keys and button messages into the
// button's state and BN_CLICKED notifications.
#include "IconBtn.h"
#include <stdio.h>
#include <new>

namespace {

HINSTANCE g_hModule = NULL;

IconButtonState* StateOf(HWND hWnd) { return (IconButtonState*)GetWindowLongPtrA(hWnd, 0); }

bool IsAutoRadio(HWND hWnd) { return (GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON; }

bool IsIconButton(HWND hWnd) {
  char szClass[32] = "";
  GetClassNameA(hWnd, szClass, sizeof szClass);
  return lstrcmpiA(szClass, ICONBTN_CLASS) == 0;
}

void Redraw(HWND hWnd) { InvalidateRect(hWnd, NULL, FALSE); }

// Unchecks the other auto radio icon buttons of hWnd's group.
void UncheckGroup(HWND hWnd) {
  HWND hFirst = hWnd;
  while (!(GetWindowLongA(hFirst, GWL_STYLE) & WS_GROUP)) {
    HWND hPrev = GetWindow(hFirst, GW_HWNDPREV);
    if (hPrev == NULL) break;
    hFirst = hPrev;
  }
  for (HWND h = hFirst; h != NULL; h = GetWindow(h, GW_HWNDNEXT)) {
    if (h != hFirst && (GetWindowLongA(h, GWL_STYLE) & WS_GROUP)) break;
    if (h != hWnd && IsIconButton(h) && IsAutoRadio(h)) SendMessageA(h, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

void SetCheck(HWND hWnd, IconButtonState* pState, int nCheck) {
  nCheck = nCheck == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
  if (pState->nCheck != nCheck) {
    pState->nCheck = nCheck;
    Redraw(hWnd);
  }
  if (nCheck == BST_CHECKED && IsAutoRadio(hWnd)) UncheckGroup(hWnd);
}

void SetPushed(HWND hWnd, IconButtonState* pState, bool bPushed) {
  if (pState->bPushed == bPushed) return;
  pState->bPushed = bPushed;
  Redraw(hWnd);
}

// A click: an auto radio button checks itself, then the parent hears BN_CLICKED.
void Click(HWND hWnd, IconButtonState* pState) {
  if (IsAutoRadio(hWnd)) SetCheck(hWnd, pState, BST_CHECKED);
  HWND hParent = GetParent(hWnd);
  if (hParent != NULL) SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hWnd), BN_CLICKED), (LPARAM)hWnd);
}

bool PointInside(HWND hWnd, LPARAM lParam) {
  RECT rc;
  GetClientRect(hWnd, &rc);
  POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
  return PtInRect(&rc, pt) != FALSE;
}

void TrackHover(HWND hWnd, IconButtonState* pState) {
  if (pState->bHot) return;
  pState->bHot = true;
  TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, hWnd, 0};
  TrackMouseEvent(&tme);
  Redraw(hWnd);
}

UINT DialogCode(HWND hWnd) {
  if (IsAutoRadio(hWnd)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
  const bool bDefault = (GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  return DLGC_BUTTON | (bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT ButtonMessage(HWND hWnd, IconButtonState* pState, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case BM_GETCHECK:
      return pState->nCheck;
    case BM_SETCHECK:
      SetCheck(hWnd, pState, (int)wParam);
      return 0;
    case BM_GETSTATE:
      return pState->nCheck | (pState->bPushed ? BST_PUSHED : 0) | (GetFocus() == hWnd ? BST_FOCUS : 0);
    case BM_SETSTATE:
      SetPushed(hWnd, pState, wParam != 0);
      return 0;
    case BM_SETSTYLE: {
      const LONG lStyle = GetWindowLongA(hWnd, GWL_STYLE);
      SetWindowLongA(hWnd, GWL_STYLE, (lStyle & ~BS_TYPEMASK) | ((LONG)wParam & BS_TYPEMASK));
      if (lParam) Redraw(hWnd);
      return 0;
    }
    case BM_CLICK:
      if (IsWindowEnabled(hWnd)) Click(hWnd, pState);
      return 0;
  }
  return 0;
}

LRESULT InputMessage(HWND hWnd, IconButtonState* pState, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE:
      TrackHover(hWnd, pState);
      if (pState->bMouseDown) SetPushed(hWnd, pState, PointInside(hWnd, lParam));
      return 0;
    case WM_MOUSELEAVE:
      pState->bHot = false;
      Redraw(hWnd);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hWnd);
      SetCapture(hWnd);
      pState->bMouseDown = true;
      SetPushed(hWnd, pState, true);
      return 0;
    case WM_LBUTTONUP: {
      if (!pState->bMouseDown) return 0;
      const bool bClick = PointInside(hWnd, lParam);
      ReleaseCapture();  // WM_CAPTURECHANGED ends the press
      if (bClick) Click(hWnd, pState);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (pState->bMouseDown) {
        pState->bMouseDown = false;
        SetPushed(hWnd, pState, false);
      }
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) SetPushed(hWnd, pState, true);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && pState->bPushed && !pState->bMouseDown) {
        SetPushed(hWnd, pState, false);
        Click(hWnd, pState);
      }
      return 0;
  }
  return 0;
}

LRESULT CALLBACK IconButtonProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  IconButtonState* pState = StateOf(hWnd);
  switch (msg) {
    case WM_NCCREATE: {
      pState = new (std::nothrow) IconButtonState();
      if (pState == NULL) return FALSE;
      SetWindowLongPtrA(hWnd, 0, (LONG_PTR)pState);
      ParseIconButtonText(((CREATESTRUCTA*)lParam)->lpszName, pState);
      break;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrA(hWnd, 0, 0);
      delete pState;
      break;
    case WM_SETTEXT: {
      LRESULT lResult = DefWindowProcA(hWnd, msg, wParam, lParam);
      if (pState != NULL) ParseIconButtonText((const char*)lParam, pState);
      Redraw(hWnd);
      return lResult;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hWnd, &ps);
      if (pState != NULL) PaintIconButton(hWnd, hdc, *pState);
      EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_ENABLE:
    case WM_SETFOCUS:
      Redraw(hWnd);
      return 0;
    case WM_KILLFOCUS:
      if (pState != NULL && !pState->bMouseDown) SetPushed(hWnd, pState, false);
      Redraw(hWnd);
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(hWnd);
    case BM_GETCHECK:
    case BM_SETCHECK:
    case BM_GETSTATE:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_CLICK:
      return pState != NULL ? ButtonMessage(hWnd, pState, msg, wParam, lParam) : 0;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (pState != NULL) return InputMessage(hWnd, pState, msg, wParam, lParam);
      break;
  }
  return DefWindowProcA(hWnd, msg, wParam, lParam);
}

}  // namespace

bool ParseIconButtonText(const char* pszText, IconButtonState* pState) {
  int nId = 0, x = 0, y = 0, w = 0, h = 0;
  char chExtra = 0;
  const bool bValid = pszText != NULL && sscanf(pszText, "%d;%d,%d,%d,%d%c", &nId, &x, &y, &w, &h, &chExtra) == 5 &&
                      nId > 0 && nId <= 0xFFFF && x >= 0 && y >= 0 && w > 0 && h > 0;
  pState->nBitmap = bValid ? nId : 0;
  SetRect(&pState->rcCell, x, y, x + w, y + h);
  if (!bValid) SetRectEmpty(&pState->rcCell);
  return bValid;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    g_hModule = hInstance;
    DisableThreadLibraryCalls(hInstance);
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = IconButtonProc;
    wc.cbWndExtra = sizeof(IconButtonState*);
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.lpszClassName = ICONBTN_CLASS;
    return RegisterClassA(&wc) != 0;
  }
  if (dwReason == DLL_PROCESS_DETACH && lpReserved == NULL) UnregisterClassA(ICONBTN_CLASS, g_hModule);
  return TRUE;
}
