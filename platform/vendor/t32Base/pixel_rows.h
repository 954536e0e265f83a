// Packed pixel rows of 1, 4, 8, 24 and 32 bits: copying runs and filling.
#pragma once
#include <windows.h>
#include <cstdint>

namespace t32 {

// Copies n pixels from src (starting at pixel sx) to dst (starting at pixel dx).
void CopyPixels(BYTE* dst, int dx, const BYTE* src, int sx, int n, int bits);
// Sets n pixels of row starting at pixel x to the colour value.
void FillPixels(BYTE* row, int x, int n, int bits, DWORD value);
// Reads one pixel as a colour value (the inverse of FillPixels).
DWORD GetPixelValue(const BYTE* row, int x, int bits);
// Bytes of a packed row of w pixels.
inline int PackedRowBytes(int w, int bits) { return int((int64_t(w) * bits + 7) / 8); }

}  // namespace t32
