#include "pixel_rows.h"
#include <cstring>

namespace t32 {

namespace {

// Sub-byte pixels: index x of a row packed leftmost-first in the high bits.
int SubBytePixel(const BYTE* row, int x, int bits) {
  int bit = x * bits;
  int shift = 8 - bits - (bit & 7);
  return (row[bit >> 3] >> shift) & ((1 << bits) - 1);
}

void SetSubBytePixel(BYTE* row, int x, int bits, int v) {
  int bit = x * bits;
  int shift = 8 - bits - (bit & 7);
  BYTE mask = BYTE(((1 << bits) - 1) << shift);
  row[bit >> 3] = BYTE((row[bit >> 3] & ~mask) | ((v << shift) & mask));
}

}  // namespace

void CopySubBytePixels(BYTE* dst, int dx, const BYTE* src, int sx, int n, int bits) {
  int perByte = 8 / bits;
  if (dx % perByte == 0 && sx % perByte == 0) {
    int whole = n / perByte;
    memcpy(dst + dx / perByte, src + sx / perByte, whole);
    for (int i = whole * perByte; i < n; ++i) SetSubBytePixel(dst, dx + i, bits, SubBytePixel(src, sx + i, bits));
    return;
  }
  for (int i = 0; i < n; ++i) SetSubBytePixel(dst, dx + i, bits, SubBytePixel(src, sx + i, bits));
}

void FillPixels(BYTE* row, int x, int n, int bits, DWORD value) {
  if (n <= 0) return;
  if (bits < 8) {
    for (int i = 0; i < n; ++i) SetSubBytePixel(row, x + i, bits, int(value));
    return;
  }
  BYTE px[4] = {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
  int bpp = bits / 8;
  BYTE* p = row + size_t(x) * bpp;
  if (bpp == 1) {
    memset(p, px[0], n);
    return;
  }
  memcpy(p, px, bpp);
  // Double the filled run each step.
  size_t done = bpp, total = size_t(n) * bpp;
  while (done < total) {
    size_t chunk = done < total - done ? done : total - done;
    memcpy(p + done, p, chunk);
    done += chunk;
  }
}

DWORD GetPixelValue(const BYTE* row, int x, int bits) {
  if (bits < 8) return DWORD(SubBytePixel(row, x, bits));
  const BYTE* p = row + size_t(x) * (bits / 8);
  switch (bits) {
    case 8:
      return p[0];
    case 24:
      return DWORD(p[0]) | DWORD(p[1]) << 8 | DWORD(p[2]) << 16;
    default:
      return DWORD(p[0]) | DWORD(p[1]) << 8 | DWORD(p[2]) << 16 | DWORD(p[3]) << 24;
  }
}

}  // namespace t32
