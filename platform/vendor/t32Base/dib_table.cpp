#include "dib_table.h"
#include <cstring>

namespace t32 {

namespace {

const COLORREF kVga16[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                             0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

RGBQUAD Quad(BYTE r, BYTE g, BYTE b) {
  RGBQUAD q = {b, g, r, 0};
  return q;
}

}  // namespace

void InitDibHeader(DibInfo& info, int width, int height, int bits) {
  memset(&info.header, 0, sizeof(info.header));
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = -height;  // top row first
  info.header.biPlanes = 1;
  info.header.biBitCount = WORD(bits);
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = bits <= 8 ? (1u << bits) : 0;
}

void FillColorTable(DibInfo& info, int bits, HPALETTE hPalette) {
  int n = 1 << bits;
  memset(info.colors, 0, sizeof(info.colors));
  PALETTEENTRY entries[256];
  UINT got = hPalette ? GetPaletteEntries(hPalette, 0, n, entries) : 0;
  if (got) {
    for (UINT i = 0; i < got; ++i) info.colors[i] = Quad(entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
    return;
  }
  for (int i = 0; i < n; ++i) {
    if (bits == 1)
      info.colors[i] = i ? Quad(255, 255, 255) : Quad(0, 0, 0);
    else if (bits == 4)
      info.colors[i] = Quad(GetRValue(kVga16[i]), GetGValue(kVga16[i]), GetBValue(kVga16[i]));
    else
      info.colors[i] = Quad(BYTE(i), BYTE(i), BYTE(i));
  }
}

}  // namespace t32
