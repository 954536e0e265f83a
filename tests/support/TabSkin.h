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

inline Pixels SkinBitmap(int nID) { return BitmapPixels(Skin(), (UINT)nID); }

}  // namespace ostrel_test
