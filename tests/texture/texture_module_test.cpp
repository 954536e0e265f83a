// The host's texture module paints tiles: every pattern wraps around at its edges, and the recipe
// alone decides the picture.
#include <gtest/gtest.h>
#include <t32Base.h>
#include <stdlib.h>
#include <vector>
#include "TextureFixture.h"

using namespace texture_test;

namespace {

// A 64 x 64 record filled from a recipe, released at the end of its scope.
struct Filled {
  Entries e = RealEntries();
  void* pRecord = NULL;
  int nResult = 0;
  explicit Filled(const TXTUR_RECIPE& recipe) {
    const TXTUR_HEADER header = SampleHeader(64);
    if (e.create == NULL || !e.create(&pRecord, 0, 0)) return;
    memcpy(pRecord, &header, sizeof header);
    nResult = e.fill(pRecord, TXTUR_RECIPE_SIZE(recipe.nStops), &recipe);
  }
  ~Filled() { e.release(pRecord); }
  std::vector<BYTE> Pixels() const {
    std::vector<BYTE> rgb(64 * 64 * 3);
    if (!buf32GetMem(e.picture(pRecord), 0, 0, 64, 64, rgb.data())) rgb.clear();
    return rgb;
  }
};

// Mean difference of neighbouring columns (or rows): the largest inside the 64 x 64 tile, and
// the one across its wrap-around seam. A tile that wraps has no seam harsher than its own lines.
void Steps(const std::vector<BYTE>& rgb, bool bAcross, double* pInside, double* pSeam) {
  *pInside = 0;
  for (int i = 0; i < 64; i++) {
    double d = 0;
    for (int line = 0; line < 64; line++) {
      const int a = bAcross ? line * 64 + i : i * 64 + line,
                b = bAcross ? line * 64 + (i + 1) % 64 : (i + 1) % 64 * 64 + line;
      for (int c = 0; c < 3; c++) d += abs(rgb[a * 3 + c] - rgb[b * 3 + c]) / 64.0;
    }
    if (i == 63)
      *pSeam = d;
    else if (d > *pInside)
      *pInside = d;
  }
}

TEST(TextureModule, EveryPatternPaintsATileThatWrapsAroundFromItsRecipeAlone) {
  for (int nPattern = TXPAT_WOOD; nPattern <= TXPAT_COUNT; nPattern++) {
    SCOPED_TRACE("pattern " + std::to_string(nPattern));
    TXTUR_RECIPE recipe = SampleRecipe(nPattern);
    recipe.nScale = 16;  // smooth noise, so that a seam stands out
    recipe.nDetail = 1;
    recipe.nStripes = 4;
    Filled texture(recipe);
    ASSERT_EQ(1, texture.nResult);
    EXPECT_EQ(1u, ((const TXTUR_HEADER*)texture.pRecord)->dwFilled);
    const std::vector<BYTE> rgb = texture.Pixels();
    ASSERT_FALSE(rgb.empty());
    for (bool bAcross : {true, false}) {
      double inside = 0, seam = 0;
      Steps(rgb, bAcross, &inside, &seam);
      EXPECT_GT(inside, 1.0) << "a texture, not a flat colour";
      EXPECT_LE(seam, 1.2 * inside + 4.0) << (bAcross ? "left and right" : "top and bottom") << " do not meet";
    }
    EXPECT_EQ(rgb, Filled(recipe).Pixels()) << "the same recipe, the same picture";
    recipe.dwSeed++;
    EXPECT_NE(rgb, Filled(recipe).Pixels()) << "another seed, another picture";
  }
}

}  // namespace
