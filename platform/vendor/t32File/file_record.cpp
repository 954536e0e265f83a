// File records, line reading and format information.
#include "t32File.h"
#include "wic_image.h"
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

static_assert(sizeof(TFFILEDATA) == 1024, "file record size");
static_assert(offsetof(TFFILEDATA, nFileSize) == 568 && offsetof(TFFILEDATA, nBitsPerPixel) == 588 &&
                  offsetof(TFFILEDATA, nXResolution) == 600 && offsetof(TFFILEDATA, nColorType) == 608 &&
                  offsetof(TFFILEDATA, hPalette) == 612,
              "file record layout");
static_assert(offsetof(TFFORMATINFO, szName) == 32, "format record layout");

namespace {

struct FormatEntry {
  int id;
  const char* extension;
  const char* name;
};

const FormatEntry kFormats[] = {
    {TF_FORMAT_BMP, "bmp", "Windows Bitmap"},
    {TF_FORMAT_PNG, "png", "Portable Network Graphics"},
    {TF_FORMAT_JPEG, "jpg", "JPEG"},
    {TF_FORMAT_GIF, "gif", "Graphics Interchange Format"},
    {TF_FORMAT_TIFF, "tif", "Tagged Image File Format"},
    {TF_FORMAT_ICO, "ico", "Windows Icon"},
};

bool FileSize(const char* path, int* size) {
  HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER li;
  bool ok = GetFileSizeEx(f, &li) && li.QuadPart < 0x7FFFFFFF;
  CloseHandle(f);
  *size = ok ? int(li.QuadPart) : 0;
  return ok;
}

HPALETTE MakePalette(const std::vector<COLORREF>& colors) {
  if (colors.empty()) return nullptr;
  std::vector<BYTE> mem(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
  LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(mem.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = WORD(colors.size());
  PALETTEENTRY* entries = lp->palPalEntry;
  for (size_t i = 0; i < colors.size(); ++i)
    entries[i] = {GetRValue(colors[i]), GetGValue(colors[i]), GetBValue(colors[i]), 0};
  return CreatePalette(lp);
}

int TenThousandths(double dpi) { return dpi > 0 && dpi < 200000 ? int(std::lround(dpi * 10000)) : 0; }

// Clipped read rectangle of the range, or false when it is not a part of the image.
bool RangeRect(const DSFILEIORANGE& r, int width, int height, WICRect* rc) {
  if (r.nLeft == 0 && r.nTop == 0 && r.nRight == 0 && r.nBottom == 0) {
    *rc = {0, 0, width, height};
    return true;
  }
  if (r.nLeft < 0 || r.nTop < 0 || r.nRight > width || r.nBottom > height || r.nLeft >= r.nRight || r.nTop >= r.nBottom)
    return false;
  *rc = {r.nLeft, r.nTop, r.nRight - r.nLeft, r.nBottom - r.nTop};
  return true;
}

}  // namespace

T32FILE_API HGLOBAL T32API tfFileGetFileData(const char* pszFile, int nOption) {
  int size = 0;
  if (!pszFile || nOption != 0 || strlen(pszFile) >= sizeof(TFFILEDATA::szName) || !FileSize(pszFile, &size))
    return nullptr;
  tf::ComScope com;
  tf::WicImage image;
  if (!image.Open(pszFile) || !image.CheckDecodes()) return nullptr;
  const tf::ImageFacts& f = image.Facts();
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(TFFILEDATA));
  TFFILEDATA* rec = h ? static_cast<TFFILEDATA*>(GlobalLock(h)) : nullptr;
  if (!rec) {
    if (h) GlobalFree(h);
    return nullptr;
  }
  rec->nFormat = f.format;
  strcpy(rec->szName, pszFile);
  rec->nFileSize = size;
  rec->nFrames = f.frames;
  rec->nBitsPerPixel = f.storedBits;
  rec->nWidth = f.width;
  rec->nHeight = f.height;
  rec->nXResolution = TenThousandths(f.dpiX);
  rec->nYResolution = TenThousandths(f.dpiY);
  rec->nColorType = f.colorType;
  rec->hPalette = HandleToLong(MakePalette(f.palette));
  rec->nPaletteEntries = int(f.palette.size());
  rec->nLineBits = f.lineBits;
  GlobalUnlock(h);
  return h;
}

T32FILE_API int T32API tfFileFreeFileData(HGLOBAL hData) {
  TFFILEDATA* rec = hData ? static_cast<TFFILEDATA*>(GlobalLock(hData)) : nullptr;
  if (!rec) return 0;
  if (rec->hPalette) DeleteObject(LongToHandle(LONG(rec->hPalette)));
  GlobalUnlock(hData);
  GlobalFree(hData);
  return 1;
}

T32FILE_API int T32API tfFileRead(HGLOBAL hData, DSFILEIORANGE* pRange, TFLINEPROC proc) {
  if (!hData || !pRange || !proc || pRange->nLineFormat != TF_LINES_FOR_BUFFER ||
      (pRange->nOrder != TF_ORDER_TOP_DOWN && pRange->nOrder != TF_ORDER_BOTTOM_UP))
    return 0;
  char name[sizeof(TFFILEDATA::szName)];
  if (GlobalSize(hData) < sizeof(TFFILEDATA)) return 0;
  TFFILEDATA* rec = static_cast<TFFILEDATA*>(GlobalLock(hData));
  if (!rec) return 0;
  memcpy(name, rec->szName, sizeof(name));
  name[sizeof(name) - 1] = 0;
  GlobalUnlock(hData);

  tf::ComScope com;
  tf::WicImage image;
  WICRect rc;
  if (!image.Open(name) || !RangeRect(*pRange, image.Facts().width, image.Facts().height, &rc)) return 0;
  const unsigned bits = unsigned(image.Facts().lineBits);
  const unsigned lineBytes = (unsigned(rc.Width) * bits + 7) / 8;
  pRange->nLinesRead = 0;
  bool ok = image.ReadRows(rc, pRange->nOrder == TF_ORDER_BOTTOM_UP, [&](int row, unsigned char* line) {
    int percent = int(int64_t(pRange->nLinesRead) * 100 / rc.Height);
    if (!proc(pRange, unsigned(rc.Height), unsigned(row), unsigned(rc.Width), lineBytes, &line, (unsigned short)bits,
              percent, 0))
      return false;
    ++pRange->nLinesRead;
    return true;
  });
  return ok ? 1 : 0;
}

T32FILE_API HGLOBAL T32API tfFileGetFormatInfo(int nFormat) {
  for (const FormatEntry& e : kFormats) {
    if (e.id != nFormat) continue;
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 96);
    TFFORMATINFO* info = h ? static_cast<TFFORMATINFO*>(GlobalLock(h)) : nullptr;
    if (!info) {
      if (h) GlobalFree(h);
      return nullptr;
    }
    info->nFormat = e.id;
    strcpy(info->szExtension, e.extension);
    strcpy(info->szName, e.name);
    GlobalUnlock(h);
    return h;
  }
  return nullptr;
}
