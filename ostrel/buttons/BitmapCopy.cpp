#include "BitmapCopy.h"

BOOL CopyBitmapPart(HDC hDC, int x, int y, int cx, int cy, HBITMAP hBmp, int xSrc, int ySrc) {
  if (hDC == NULL || hBmp == NULL) return FALSE;
  HDC hSource = ::CreateCompatibleDC(hDC);
  if (hSource == NULL) return FALSE;
  HGDIOBJ hOld = ::SelectObject(hSource, hBmp);
  BOOL bCopied = ::BitBlt(hDC, x, y, cx, cy, hSource, xSrc, ySrc, SRCCOPY);
  ::SelectObject(hSource, hOld);
  ::DeleteDC(hSource);
  return bCopied;
}
