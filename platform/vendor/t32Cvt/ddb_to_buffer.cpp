#include "t32Cvt.h"
#include "t32Base.h"
#include <new>
#include <vector>

T32CVT_API int T32API cvt32DDBToBuf(HBITMAP hBitmap, HANDLE* phBuf, HPALETTE hPalette) {
  BITMAP bm;
  if (!phBuf || !hBitmap || GetObjectType(hBitmap) != OBJ_BITMAP || !GetObjectA(hBitmap, sizeof(bm), &bm) ||
      bm.bmWidth <= 0 || bm.bmHeight <= 0)
    return 0;
  if (hPalette && GetObjectType(hPalette) != OBJ_PAL) return 0;
  const int w = bm.bmWidth, h = bm.bmHeight, stride = ((w * 24 + 31) / 32) * 4;
  std::vector<BYTE> dib;
  try {
    dib.resize(size_t(stride) * h);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top row first
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  HDC dc = CreateCompatibleDC(nullptr);
  HPALETTE oldPal = hPalette ? SelectPalette(dc, hPalette, FALSE) : nullptr;
  if (hPalette) RealizePalette(dc);
  int rows = GetDIBits(dc, hBitmap, 0, UINT(h), dib.data(), &bi, DIB_RGB_COLORS);
  if (hPalette) SelectPalette(dc, oldPal, FALSE);
  DeleteDC(dc);
  if (rows != h) return 0;
  HANDLE hBuf = nullptr;
  if (!buf32Alloc(&hBuf, 24, w, h, BUF32_ALLOC_ZERO, nullptr)) return 0;
  for (int y = 0; y < h; ++y) {
    BYTE* row = &dib[size_t(y) * stride];
    for (int x = 0; x < w; ++x) std::swap(row[x * 3], row[x * 3 + 2]);  // B, G, R to R, G, B
    buf32Line(hBuf, y, BUF32_LINE_PACKED, row);
  }
  *phBuf = hBuf;
  return 1;
}
