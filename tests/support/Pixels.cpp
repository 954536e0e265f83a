#include "Pixels.h"

namespace ostrel_test {

COLORREF Pixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
  DWORD v = m_bits[(size_t)y * m_width + x];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int Pixels::Count(const RECT& rc, COLORREF color) const {
  int n = 0;
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x)
      if (At(x, y) == color) ++n;
  return n;
}

HBITMAP CreateDib32(HDC hDC, int w, int h, DWORD** ppBits) {
  BITMAPINFO bmi = {};
  BITMAPINFOHEADER& bh = bmi.bmiHeader;
  bh.biSize = sizeof bh, bh.biWidth = w, bh.biHeight = -h, bh.biPlanes = 1, bh.biBitCount = 32;
  return CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, (void**)ppBits, NULL, 0);
}

Pixels ReadDC(HDC hDC, int x, int y, int w, int h) {
  Pixels pixels(w, h);
  if (w <= 0 || h <= 0) return pixels;
  DWORD* bits = NULL;
  HBITMAP hDib = CreateDib32(hDC, w, h, &bits);
  HDC hMemDC = CreateCompatibleDC(hDC);
  HGDIOBJ hOld = SelectObject(hMemDC, hDib);
  BitBlt(hMemDC, 0, 0, w, h, hDC, x, y, SRCCOPY);
  GdiFlush();
  memcpy(pixels.Bits().data(), bits, (size_t)w * h * 4);
  for (DWORD& v : pixels.Bits()) v &= 0x00FFFFFF;
  SelectObject(hMemDC, hOld);
  DeleteDC(hMemDC);
  DeleteObject(hDib);
  return pixels;
}

Pixels BitmapPixels(HINSTANCE hInst, UINT nID) {
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

Pixels ReadClient(HWND hWnd) {
  UpdateWindow(hWnd);
  GdiFlush();
  RECT rc;
  GetClientRect(hWnd, &rc);
  HDC hDC = GetDC(hWnd);
  Pixels pixels = ReadDC(hDC, 0, 0, rc.right, rc.bottom);
  ReleaseDC(hWnd, hDC);
  return pixels;
}

bool ShowsCell(const Pixels& shown, int x, int y, const Pixels& strip, int cellX, int cellY, int cx, int cy) {
  for (int j = 0; j < cy; ++j)
    for (int i = 0; i < cx; ++i)
      if (shown.At(x + i, y + j) != strip.At(cellX + i, cellY + j)) return false;
  return cx > 0 && cy > 0;
}

}  // namespace ostrel_test
