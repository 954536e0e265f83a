// t32RectDrawColorBar: a two-colour bar, one colour per row (or column).
#include "dib_table.h"
#include "t32Base.h"
#include <cstdint>
#include <new>
#include <vector>

using namespace t32;

namespace {

BYTE Channel(BYTE from, BYTE to, int t, int n) { return BYTE((int64_t(from) * (n - t) + int64_t(to) * t) / n); }

}  // namespace

T32BASE_API int T32API t32RectDrawColorBar(HDC hdc, const RECT* prc, COLORREF crFrom, COLORREF crTo, int nDirection,
                                           int nReserved) {
  (void)nReserved;
  if (!hdc || !prc || (nDirection != 0 && nDirection != 1)) return 0;
  int w = prc->right - prc->left, h = prc->bottom - prc->top;
  if (w <= 0 || h <= 0) return 0;
  bool vertical = nDirection == 0;
  int n = vertical ? h : w;
  std::vector<DWORD> line;
  try {
    line.resize(n);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  for (int t = 0; t < n; ++t) {
    BYTE r = Channel(GetRValue(crFrom), GetRValue(crTo), t, n);
    BYTE g = Channel(GetGValue(crFrom), GetGValue(crTo), t, n);
    BYTE b = Channel(GetBValue(crFrom), GetBValue(crTo), t, n);
    line[t] = DWORD(b) | DWORD(g) << 8 | DWORD(r) << 16;
  }
  // One column (or row) of colours, repeated across the bar.
  DibInfo dib;
  InitDibHeader(dib, vertical ? 1 : n, vertical ? n : 1, 32);
  int oldMode = SetStretchBltMode(hdc, COLORONCOLOR);
  int ok = StretchDIBits(hdc, prc->left, prc->top, w, h, 0, 0, vertical ? 1 : n, vertical ? n : 1, line.data(),
                         reinterpret_cast<BITMAPINFO*>(&dib), DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(hdc, oldMode);
  return ok ? 1 : 0;
}
