// The host's skin module with the list strips, loaded as a host does, and what the tests read of it.
#pragma once
#include <windows.h>
#include "Pixels.h"
#include "TestApp.h"

namespace ostrel_test {

// Ids of TabSkin.dll (host/tabskin).
const int kLinesNormal = 3201, kLinesSelected = 3202, kLinesHot = 3203;    // 4 cells of 112 x 24
const int kIconsNormal = 3301, kIconsFocus = 3302, kIconsSelected = 3303;  // 6 cells of 40 x 40

inline HINSTANCE Skin() {
  static HINSTANCE hSkin = LoadLibraryA((ExeFolder() + "TabSkin.dll").c_str());
  return hSkin;
}

inline Pixels SkinBitmap(int nID) {
  HBITMAP hBmp = LoadBitmapA(Skin(), MAKEINTRESOURCEA(nID));
  Pixels px = ReadBitmap(hBmp);
  DeleteObject(hBmp);
  return px;
}

// Pixels of the cx x cy block at (x, y) of shown that differ from the block at (sx, sy) of source.
inline int BlockMismatches(const Pixels& shown, int x, int y, const Pixels& source, int sx, int sy, int cx, int cy) {
  int n = 0;
  for (int j = 0; j < cy; ++j)
    for (int i = 0; i < cx; ++i)
      if (shown.At(x + i, y + j) != source.At(sx + i, sy + j)) ++n;
  return n;
}

}  // namespace ostrel_test
