// Painting an icon button: the face, the edge of its state and the bitmap cell.
#include "IconBtn.h"

namespace {

COLORREF Blend(COLORREF a, COLORREF b) {
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

// The cell drawn with its transparent colour left out; embossed when disabled.
void DrawCell(HDC hdc, HDC hdcBitmap, const RECT& rcCell, int x, int y, bool bEnabled) {
  const int w = rcCell.right - rcCell.left, h = rcCell.bottom - rcCell.top;
  if (bEnabled) {
    TransparentBlt(hdc, x, y, w, h, hdcBitmap, rcCell.left, rcCell.top, w, h, ICONBTN_TRANSPARENT);
    return;
  }
  // The disabled look is drawn from a copy on white: white is what DrawState leaves out.
  HDC hdcCell = CreateCompatibleDC(hdc);
  HBITMAP hCell = CreateCompatibleBitmap(hdc, w, h);
  if (hdcCell != NULL && hCell != NULL) {
    HGDIOBJ hOld = SelectObject(hdcCell, hCell);
    RECT rcWhite = {0, 0, w, h};
    FillRect(hdcCell, &rcWhite, (HBRUSH)GetStockObject(WHITE_BRUSH));
    TransparentBlt(hdcCell, 0, 0, w, h, hdcBitmap, rcCell.left, rcCell.top, w, h, ICONBTN_TRANSPARENT);
    SelectObject(hdcCell, hOld);
    DrawStateA(hdc, NULL, NULL, (LPARAM)hCell, 0, x, y, w, h, DST_BITMAP | DSS_DISABLED);
  }
  if (hCell != NULL) DeleteObject(hCell);
  if (hdcCell != NULL) DeleteDC(hdcCell);
}

void DrawPicture(HWND hWnd, HDC hdc, const IconButtonState& state, const RECT& rcClient, int nOffset) {
  if (state.nBitmap == 0) return;
  HINSTANCE hInst = (HINSTANCE)GetWindowLongPtrA(hWnd, GWLP_HINSTANCE);
  HBITMAP hBitmap = (HBITMAP)LoadImageA(hInst, MAKEINTRESOURCEA(state.nBitmap), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
  if (hBitmap == NULL) return;  // a button without its picture still works
  HDC hdcBitmap = CreateCompatibleDC(hdc);
  if (hdcBitmap != NULL) {
    HGDIOBJ hOld = SelectObject(hdcBitmap, hBitmap);
    const int w = state.rcCell.right - state.rcCell.left, h = state.rcCell.bottom - state.rcCell.top;
    const int x = (rcClient.right - w) / 2 + nOffset, y = (rcClient.bottom - h) / 2 + nOffset;
    DrawCell(hdc, hdcBitmap, state.rcCell, x, y, IsWindowEnabled(hWnd) != FALSE);
    SelectObject(hdcBitmap, hOld);
    DeleteDC(hdcBitmap);
  }
  DeleteObject(hBitmap);
}

}  // namespace

void PaintIconButton(HWND hWnd, HDC hdc, const IconButtonState& state) {
  RECT rc;
  GetClientRect(hWnd, &rc);
  const bool bEnabled = IsWindowEnabled(hWnd) != FALSE;
  const bool bChecked = state.nCheck == BST_CHECKED;
  const bool bSunken = bEnabled && (state.bPushed || bChecked);
  const COLORREF clrFace = GetSysColor(COLOR_BTNFACE);
  const COLORREF clrBack = bChecked && !state.bPushed ? Blend(clrFace, GetSysColor(COLOR_BTNHIGHLIGHT)) : clrFace;
  SetBkColor(hdc, clrBack);
  ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
  if (bSunken)
    DrawEdge(hdc, &rc, BDR_SUNKENOUTER, BF_RECT);
  else if (bEnabled && state.bHot)
    DrawEdge(hdc, &rc, BDR_RAISEDINNER, BF_RECT);
  DrawPicture(hWnd, hdc, state, rc, bSunken ? 1 : 0);
  if (GetFocus() == hWnd) {
    RECT rcFocus = rc;
    InflateRect(&rcFocus, -2, -2);
    DrawFocusRect(hdc, &rcFocus);
  }
}
