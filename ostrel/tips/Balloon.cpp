// The balloon outline (rounded corners of radius 7, pointer 20 pixels high) and its text lines.
#include <Ostrel/Balloon.h>
#include "tips/TipMarkup.h"

namespace {

const int kRadius = 7;
const int kPointer = 20;

// A quarter corner from the current point (from) to `to`, bent toward the rectangle's corner.
void Corner(HDC hdc, POINT from, POINT corner, POINT to) {
  POINT pts[3] = {from, corner, to};
  ::PolyBezierTo(hdc, pts, 3);
}

// x of the pointer's two base points in path order, and its tip.
struct Pointer {
  int base1, base2;
  POINT tip;
};

Pointer PointerOf(int nDirect, const CRect& rc, bool bFillOnly) {
  const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom;
  Pointer p;
  switch (nDirect) {
    case 0:
      p = bFillOnly ? Pointer{L + 13, L + 29, {L + 4, T}} : Pointer{L + 13, L + 26, {L + 4, T + 3}};
      if (p.base1 > R - kRadius || p.base2 > R - kRadius) {
        p.base1 = L + 7;
        p.base2 = bFillOnly ? R - 7 : R - 10;
      }
      if (p.base2 <= p.base1) p.base2 = R - 7;
      break;
    case 1:
      p = bFillOnly ? Pointer{R - 29, R - 13, {R - 4, T}} : Pointer{R - 26, R - 13, {R - 4, T - 3}};
      if (p.base1 < L + kRadius || p.base2 < L + kRadius) {
        p.base1 = bFillOnly ? L + 7 : L + 10;
        p.base2 = R - 7;
      }
      if (p.base2 <= p.base1) p.base2 = R - 7;
      break;
    case 2:
      p = bFillOnly ? Pointer{L + 29, L + 13, {L + 4, B}} : Pointer{L + 26, L + 13, {L + 4, B + 3}};
      if (p.base1 > R - kRadius || p.base2 > R - kRadius) {
        p.base1 = bFillOnly ? R - 7 : R - 10;
        p.base2 = L + 7;
      }
      if (p.base1 <= p.base2) p.base1 = R - 7;
      break;
    default:
      p = bFillOnly ? Pointer{R - 14, R - 26, {R - 4, B}} : Pointer{R - 13, R - 29, {R - 4, B - 3}};
      if (p.base1 < L + kRadius || p.base2 < L + kRadius) {
        p.base1 = R - 7;
        p.base2 = bFillOnly ? L + 7 : L + 10;
      }
      if (p.base1 <= p.base2) p.base1 = R - 7;
      break;
  }
  return p;
}

void PathPointerOnTop(HDC hdc, const CRect& rc, const Pointer& p) {
  const int L = rc.left, T = rc.top + kPointer, R = rc.right, B = rc.bottom;
  ::MoveToEx(hdc, L, T + kRadius, NULL);
  Corner(hdc, {L, T + kRadius}, {L, T}, {L + kRadius, T});
  ::LineTo(hdc, p.base1, T);
  ::LineTo(hdc, p.tip.x, p.tip.y);
  ::LineTo(hdc, p.base2, T);
  ::LineTo(hdc, R - kRadius, T);
  Corner(hdc, {R - kRadius, T}, {R, T}, {R, T + kRadius});
  ::LineTo(hdc, R, B - kRadius);
  Corner(hdc, {R, B - kRadius}, {R, B}, {R - kRadius, B});
  ::LineTo(hdc, L + kRadius, B);
  Corner(hdc, {L + kRadius, B}, {L, B}, {L, B - kRadius});
  ::CloseFigure(hdc);
}

void PathPointerBelow(HDC hdc, const CRect& rc, const Pointer& p) {
  const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom - kPointer;
  ::MoveToEx(hdc, L, T + kRadius, NULL);
  Corner(hdc, {L, T + kRadius}, {L, T}, {L + kRadius, T});
  ::LineTo(hdc, R - kRadius, T);
  Corner(hdc, {R - kRadius, T}, {R, T}, {R, T + kRadius});
  ::LineTo(hdc, R, B - kRadius);
  Corner(hdc, {R, B - kRadius}, {R, B}, {R - kRadius, B});
  ::LineTo(hdc, p.base1, B);
  ::LineTo(hdc, p.tip.x, p.tip.y);
  ::LineTo(hdc, p.base2, B);
  ::LineTo(hdc, L + kRadius, B);
  Corner(hdc, {L + kRadius, B}, {L, B}, {L, B - kRadius});
  ::CloseFigure(hdc);
}

}  // namespace

int CreateArrowRegion(int nDirect, HDC hdc, HBRUSH hbr, int nBorder, unsigned long crBorder, CRect rc, int bFillOnly) {
  Pointer p = PointerOf(nDirect, rc, bFillOnly != 0);
  HPEN hPen = bFillOnly ? NULL : ::CreatePen(PS_SOLID, nBorder, crBorder);
  HGDIOBJ hOldPen = hPen != NULL ? ::SelectObject(hdc, hPen) : NULL;
  HGDIOBJ hOldBrush = ::SelectObject(hdc, hbr);
  ::BeginPath(hdc);
  if (nDirect == 0 || nDirect == 1)
    PathPointerOnTop(hdc, rc, p);
  else
    PathPointerBelow(hdc, rc, p);
  ::EndPath(hdc);
  if (bFillOnly)
    ::FillPath(hdc);
  else
    ::StrokeAndFillPath(hdc);
  if (hOldBrush != NULL) ::SelectObject(hdc, hOldBrush);
  if (hOldPen != NULL) ::SelectObject(hdc, hOldPen);
  if (hPen != NULL) ::DeleteObject(hPen);
  return 1;
}

CSize GetTipRect(CWnd* pWnd, CString& text, CFont* pFont) {
  CSize size(0, 0);
  if (text.IsEmpty()) return size;
  HWND hWnd = pWnd->GetSafeHwnd();
  HDC hdc = ::GetDC(hWnd);
  if (hdc == NULL) return size;
  HGDIOBJ hOldFont = pFont->GetSafeHandle() != NULL ? ::SelectObject(hdc, pFont->GetSafeHandle()) : NULL;
  ForEachTipLine((LPCSTR)text, text.GetLength(), IsAnsiLeadByte, [&](const char* line, int n) {
    SIZE ext = {0, 0};
    ::GetTextExtentPoint32A(hdc, line, n, &ext);
    if (ext.cx > size.cx) size.cx = ext.cx;
    size.cy += ext.cy;
  });
  if (hOldFont != NULL) ::SelectObject(hdc, hOldFont);
  ::ReleaseDC(hWnd, hdc);
  return size;
}

void DrawTipText(CDC* pDC, CString text, CFont* pFont, int nArrowDirect) {
  if (pDC == NULL || pDC->GetSafeHdc() == NULL || pFont == NULL || text.IsEmpty()) return;
  HDC hdc = pDC->GetSafeHdc();
  int nSaved = ::SaveDC(hdc);
  ::SetBkMode(hdc, TRANSPARENT);
  ::SetBkColor(hdc, ::GetSysColor(COLOR_INFOBK));
  ::SetTextColor(hdc, ::GetSysColor(COLOR_INFOTEXT));
  HGDIOBJ hOldFont = pFont->GetSafeHandle() != NULL ? ::SelectObject(hdc, pFont->GetSafeHandle()) : NULL;
  const int top = (nArrowDirect == 0 || nArrowDirect == 1) ? kPointer + kRadius : kRadius;
  int y = 0;
  ForEachTipLine((LPCSTR)text, text.GetLength(), IsAnsiLeadByte, [&](const char* line, int n) {
    SIZE ext = {0, 0};
    ::GetTextExtentPoint32A(hdc, line, n, &ext);
    RECT rc = {kRadius, y + top, kRadius + ext.cx, y + top + ext.cy};
    ::DrawTextA(hdc, line, n, &rc, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    y += ext.cy;
  });
  if (hOldFont != NULL) ::SelectObject(hdc, hOldFont);
  ::RestoreDC(hdc, nSaved);
}
