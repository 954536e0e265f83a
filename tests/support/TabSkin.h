// The host's skin module (host/tabskin), loaded from the executable's folder as a host loads it,
// and what the tests read of it.
#pragma once
#include <windows.h>
#include "Pixels.h"
#include "TestApp.h"

namespace ostrel_test {

const int kTab2 = 3101, kTab3 = 3111, kPageTile = 3120;                    // strips of 207 x 27, 74 x 74 tile
const int kLinesNormal = 3201, kLinesSelected = 3202, kLinesHot = 3203;    // 4 cells of 112 x 24
const int kIconsNormal = 3301, kIconsFocus = 3302, kIconsSelected = 3303;  // 6 cells of 40 x 40

inline HINSTANCE Skin() {
  static HINSTANCE hSkin = LoadLibraryA((ExeFolder() + "TabSkin.dll").c_str());
  return hSkin;
}

inline Pixels SkinBitmap(int nID) { return ReadBitmapResource(Skin(), nID); }

// Pixels of the cx x cy block at (x, y) of shown that differ from the block at (sx, sy) of source.
inline int BlockMismatches(const Pixels& shown, int x, int y, const Pixels& source, int sx, int sy, int cx, int cy) {
  int n = 0;
  for (int j = 0; j < cy; ++j)
    for (int i = 0; i < cx; ++i) n += shown.At(x + i, y + j) != source.At(sx + i, sy + j);
  return n;
}

}  // namespace ostrel_test
