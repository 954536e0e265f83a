// Packed pixel rows of 1, 4, 8, 24 and 32 bits: copying runs and filling.
#pragma once
#include <windows.h>
#include <cstdint>
#include <intrin.h>

namespace t32 {

// Copies n pixels of 1 or 4 bits from src (starting at pixel sx) to dst (starting at pixel dx).
void CopySubBytePixels(BYTE* dst, int dx, const BYTE* src, int sx, int n, int bits);
// Copies n pixels from src (starting at pixel sx) to dst (starting at pixel dx). Whole-byte pixels
// go with the string move, inline: the fastest copy of a run of a few hundred bytes.
inline void CopyPixels(BYTE* dst, int dx, const BYTE* src, int sx, int n, int bits) {
  if (n <= 0) return;
  if (bits < 8) return CopySubBytePixels(dst, dx, src, sx, n, bits);
  const int bpp = bits / 8;
  __movsb(dst + size_t(dx) * bpp, src + size_t(sx) * bpp, size_t(n) * bpp);
}
// Sets n pixels of row starting at pixel x to the colour value.
void FillPixels(BYTE* row, int x, int n, int bits, DWORD value);
// Reads one pixel as a colour value (the inverse of FillPixels).
DWORD GetPixelValue(const BYTE* row, int x, int bits);
// Bytes of a packed row of w pixels.
inline int PackedRowBytes(int w, int bits) { return int((int64_t(w) * bits + 7) / 8); }

}  // namespace t32
