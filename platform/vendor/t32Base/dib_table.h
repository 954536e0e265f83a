// DIB headers and colour tables for the display pass and the colour bar.
#pragma once
#include <windows.h>

namespace t32 {

struct DibInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};

// Top-down DIB header of the given size and depth (24 or 32 bits, or a
// palette depth whose table must then be filled).
void InitDibHeader(DibInfo& info, int width, int height, int bits);
// Colour table for a palette depth: from hPalette, or the default table.
void FillColorTable(DibInfo& info, int bits, HPALETTE hPalette);

}  // namespace t32
