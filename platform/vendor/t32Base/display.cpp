// Display pass: packed rows drawn into a rectangle of a DC through DIBs.
#include "dib_table.h"
#include "handle_set.h"
#include "pixel_rows.h"
#include "t32Base.h"
#include <algorithm>
#include <new>
#include <cstdint>
#include <cstring>
#include <vector>

using namespace t32;

namespace {

struct Display {
  HDC hdc = nullptr;
  int bits = 0;
  RECT rc = {};
  int fit = DISP32_FIT_NONE;
  HPALETTE oldPalette = nullptr;
  bool paletteSelected = false;
  DibInfo dib;
};

HandleSet<Display>& Displays() {
  static HandleSet<Display> s;
  return s;
}

int DibRowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// Colour rows go to the DIB as 32-bit B, G, R, X: one DWORD a pixel, the
// layout screens and DIB sections use, so the blit itself is a plain copy.
int DibBits(int bits) { return bits == 24 ? 32 : bits; }

// Copies rows into DIB layout: 4-byte aligned rows, colour bytes as B, G, R.
void ToDibRows(const BYTE* src, int srcRowBytes, int rows, int width, int bits, BYTE* dst) {
  int dstRowBytes = DibRowBytes(width, DibBits(bits));
  int bpp = bits / 8;
  for (int y = 0; y < rows; ++y) {
    const BYTE* s = src + size_t(y) * srcRowBytes;
    if (bits < 24) {
      memcpy(dst + size_t(y) * dstRowBytes, s, PackedRowBytes(width, bits));
      continue;
    }
    DWORD* d = reinterpret_cast<DWORD*>(dst + size_t(y) * dstRowBytes);
    for (int x = 0; x < width; ++x, s += bpp) d[x] = DWORD(s[2]) | DWORD(s[1]) << 8 | DWORD(s[0]) << 16;
  }
}

// Converts rows of width pixels and draws them to (dx, dy, dw, dh).
bool DrawRows(Display* d, const BYTE* data, int rowBytes, int width, int rows, int dx, int dy, int dw, int dh) {
  std::vector<BYTE> dib;
  try {
    dib.resize(size_t(DibRowBytes(width, DibBits(d->bits))) * rows);
  } catch (const std::bad_alloc&) {
    return false;
  }
  ToDibRows(data, rowBytes, rows, width, d->bits, dib.data());
  InitDibHeader(d->dib, width, rows, DibBits(d->bits));
  return StretchDIBits(d->hdc, dx, dy, dw, dh, 0, 0, width, rows, dib.data(), reinterpret_cast<BITMAPINFO*>(&d->dib),
                       DIB_RGB_COLORS, SRCCOPY) != 0;
}

int OpenPass(HANDLE* phDisp, HDC hdc, int bits, RECT rc, HPALETTE hPalette, int nFit) {
  if (!phDisp || !hdc || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)) return 0;
  if (rc.right <= rc.left || rc.bottom <= rc.top) return 0;
  if (nFit != DISP32_FIT_NONE && nFit != DISP32_FIT_STRETCH) return 0;
  Display* d = new (std::nothrow) Display;
  if (!d) return 0;
  d->hdc = hdc;
  d->bits = bits;
  d->rc = rc;
  d->fit = nFit;
  if (bits <= 8) FillColorTable(d->dib, bits, hPalette);
  if (hPalette) {
    d->oldPalette = SelectPalette(hdc, hPalette, TRUE);
    d->paletteSelected = true;
    RealizePalette(hdc);
  }
  if (!Displays().Add(d)) {
    delete d;
    return 0;
  }
  *phDisp = d;
  return 1;
}

}  // namespace

T32BASE_API int T32API disp32ShowInit(HANDLE* phDisp, HDC hdc, int nBitsPerPixel, RECT rc, HPALETTE hPalette, int nFit,
                                      int nReserved) {
  (void)nReserved;
  return OpenPass(phDisp, hdc, nBitsPerPixel, rc, hPalette, nFit);
}

T32BASE_API int T32API disp32ShowInitEx(HANDLE* phDisp, HDC hdc, int nBitsPerPixel, RECT rc, HPALETTE hPalette,
                                        int nFit, int nReserved, int nReserved2, int nReserved3) {
  (void)nReserved;
  (void)nReserved2;
  (void)nReserved3;
  return OpenPass(phDisp, hdc, nBitsPerPixel, rc, hPalette, nFit);
}

T32BASE_API int T32API disp32ShowData(HANDLE hDisp, const void* pData, int x, int y, int nRows, int nRowBytes) {
  Display* d = Displays().Find(hDisp);
  if (!d || !pData || x < 0 || y < 0 || nRows <= 0 || nRowBytes <= 0) return 0;
  int width = int(int64_t(nRowBytes) * 8 / d->bits);
  if (width <= 0) return 0;
  const BYTE* data = static_cast<const BYTE*>(pData);
  int rcW = d->rc.right - d->rc.left, rcH = d->rc.bottom - d->rc.top;
  if (d->fit == DISP32_FIT_STRETCH) {
    // Averaging when shrinking; plain pixel copies when enlarging.
    bool shrink = width > rcW || nRows > rcH;
    int oldMode = SetStretchBltMode(d->hdc, shrink ? HALFTONE : COLORONCOLOR);
    POINT oldOrg;
    SetBrushOrgEx(d->hdc, 0, 0, &oldOrg);
    bool ok = DrawRows(d, data, nRowBytes, width, nRows, d->rc.left, d->rc.top, rcW, rcH);
    SetBrushOrgEx(d->hdc, oldOrg.x, oldOrg.y, nullptr);
    SetStretchBltMode(d->hdc, oldMode);
    return ok ? 1 : 0;
  }
  int w = std::min(width, rcW - x), h = std::min(nRows, rcH - y);
  if (w <= 0 || h <= 0) return 1;  // nothing of it falls inside the rectangle
  // A few hundred kilobytes of DIB at a time.
  int chunk = std::max(1, (256 * 1024) / std::max(1, DibRowBytes(w, DibBits(d->bits))));
  for (int row = 0; row < h; row += chunk) {
    int n = std::min(chunk, h - row);
    if (!DrawRows(d, data + size_t(row) * nRowBytes, nRowBytes, w, n, d->rc.left + x, d->rc.top + y + row, w, n))
      return 0;
  }
  return 1;
}

T32BASE_API int T32API disp32ShowEnd(HANDLE hDisp) {
  Display* d = Displays().Find(hDisp);
  if (!d) return 0;
  Displays().Remove(d);
  if (d->paletteSelected) SelectPalette(d->hdc, d->oldPalette, TRUE);
  delete d;
  return 1;
}
