#include "canvas.h"
#include <t32Base.h>
#include <cstdlib>
#include <vector>

namespace gradient_test {

COLORREF PatternColor(int x, int y) { return RGB(10 + x * 20, 200 - y * 30, (x * 7 + y * 13) & 0xFF); }

HANDLE MakePatternBuffer(int w, int h) {
  HANDLE hBuf = NULL;
  if (!buf32Alloc(&hBuf, 24, w, h, BUF32_ALLOC_ZERO, NULL)) return NULL;
  std::vector<BYTE> rows((size_t)w * h * 3);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      BYTE* p = &rows[((size_t)y * w + x) * 3];
      COLORREF c = PatternColor(x, y);
      p[0] = GetRValue(c);
      p[1] = GetGValue(c);
      p[2] = GetBValue(c);
    }
  }
  buf32MergeMem(hBuf, 0, 0, w, h, rows.data());
  return hBuf;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace gradient_test
