// Pictures (t32Base buffers) and palettes an item owns, to and from their plain form.
#include <stddef.h>
#include <string.h>

#include "list_state.h"
#include "t32Base.h"

bool IIReadPicture(HANDLE hBuffer, IIFilePicture& pic) {
  BUF32INFO info;
  if (hBuffer == NULL || !buf32GetInfo(hBuffer, &info)) return false;
  pic.nBits = info.nBitsPerPixel;
  pic.nWidth = info.nWidth;
  pic.nHeight = info.nHeight;
  pic.pixels.resize((size_t)IIPictureBytes(pic.nBits, pic.nWidth, pic.nHeight));
  return !pic.pixels.empty() && buf32GetMem(hBuffer, 0, 0, pic.nWidth, pic.nHeight, pic.pixels.data());
}

HANDLE IIMakePicture(const IIFilePicture& pic) {
  HANDLE hBuffer = NULL;
  if (!buf32Alloc(&hBuffer, pic.nBits, pic.nWidth, pic.nHeight, BUF32_ALLOC_ZERO, NULL)) return NULL;
  if (!buf32MergeMem(hBuffer, 0, 0, pic.nWidth, pic.nHeight, pic.pixels.data())) {
    buf32Free(hBuffer);
    return NULL;
  }
  return hBuffer;
}

std::vector<PALETTEENTRY> IIPaletteEntries(HPALETTE hPalette) {
  UINT n = hPalette ? GetPaletteEntries(hPalette, 0, 0, NULL) : 0;
  std::vector<PALETTEENTRY> entries(n > 256 ? 256 : n);
  if (!entries.empty()) GetPaletteEntries(hPalette, 0, (UINT)entries.size(), entries.data());
  return entries;
}

HPALETTE IIMakePalette(const std::vector<PALETTEENTRY>& entries) {
  if (entries.empty() || entries.size() > 256) return NULL;
  std::vector<unsigned char> mem(offsetof(LOGPALETTE, palPalEntry) + entries.size() * sizeof(PALETTEENTRY));
  LOGPALETTE* pLog = (LOGPALETTE*)mem.data();
  pLog->palVersion = 0x300;
  pLog->palNumEntries = (WORD)entries.size();
  memcpy(mem.data() + offsetof(LOGPALETTE, palPalEntry), entries.data(), entries.size() * sizeof(PALETTEENTRY));
  return CreatePalette(pLog);
}

HANDLE IICopyBuffer(HANDLE hBuffer) {
  IIFilePicture pic;
  return IIReadPicture(hBuffer, pic) ? IIMakePicture(pic) : NULL;
}

HPALETTE IICopyPalette(HPALETTE hPalette) { return IIMakePalette(IIPaletteEntries(hPalette)); }
