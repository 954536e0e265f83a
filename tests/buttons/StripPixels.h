// Pixels of the button-bitmap module's strips, to compare what a button or its menu shows with
// the cell it should have been copied from.
#pragma once
#include <windows.h>
#include "Pixels.h"

namespace ostrel_test {

// All pixels of bitmap nID of hInst (empty when it is missing).
inline Pixels BitmapPixels(HINSTANCE hInst, UINT nID) {
  HBITMAP hBmp = LoadBitmapA(hInst, MAKEINTRESOURCEA(nID));
  BITMAP bm = {};
  if (hBmp == NULL || !GetObjectA(hBmp, sizeof bm, &bm)) return Pixels();
  HDC hDC = CreateCompatibleDC(NULL);
  HGDIOBJ hOld = SelectObject(hDC, hBmp);
  Pixels pixels = ReadDC(hDC, 0, 0, bm.bmWidth, bm.bmHeight);
  SelectObject(hDC, hOld);
  DeleteDC(hDC);
  DeleteObject(hBmp);
  return pixels;
}

// Whether the cx x cy pixels at (x, y) of `shown` equal those at (cellX, cellY) of `strip`.
inline bool ShowsCell(const Pixels& shown, int x, int y, const Pixels& strip, int cellX, int cellY, int cx, int cy) {
  for (int j = 0; j < cy; ++j)
    for (int i = 0; i < cx; ++i)
      if (shown.At(x + i, y + j) != strip.At(cellX + i, cellY + j)) return false;
  return cx > 0 && cy > 0;
}

}  // namespace ostrel_test
