#include "dib_canvas.h"
#include <vector>

HPALETTE MakePalette(const COLORREF* colours, int n) {
  std::vector<BYTE> mem(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
  LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(mem.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = WORD(n);
  PALETTEENTRY* e = lp->palPalEntry;
  for (int i = 0; i < n; ++i) e[i] = {GetRValue(colours[i]), GetGValue(colours[i]), GetBValue(colours[i]), 0};
  return CreatePalette(lp);
}
