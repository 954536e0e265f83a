// The exported engine renders a record into an existing buffer exactly as the renderer does.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <t32Base.h>
#include <vector>

namespace {

std::vector<BYTE> PixelsOf(HANDLE hBuf, int w, int h) {
  std::vector<BYTE> bytes((size_t)w * h * 3);
  buf32GetMem(hBuf, 0, 0, w, h, bytes.data());
  return bytes;
}

}  // namespace

TEST(CGradientEngine, FillsABufferLikeTheRenderer) {
  const int w = 9, h = 6;
  GFILL_OPTION opt = MakeGradOption(RGB(255, 0, 0), RGB(0, 0, 255), 40, GRADDIR_DIAGONAL_UP, GRADLINE_RECT, w, h);
  HANDLE hBuf = NULL;
  ASSERT_TRUE(buf32Alloc(&hBuf, 24, w, h, BUF32_ALLOC_ZERO, NULL));
  EXPECT_EQ(1, CGradientEngine::GFillToBuffer(hBuf, &opt));
  RECT rc = {0, 0, w, h};
  HANDLE hMade = (HANDLE)CreateGradientBuffer(&opt, rc);
  ASSERT_NE((HANDLE)NULL, hMade);
  std::vector<BYTE> filled = PixelsOf(hBuf, w, h);
  EXPECT_EQ(PixelsOf(hMade, w, h), filled);
  // Bottom-left pixel holds the start colour (bytes R, G, B).
  const BYTE* bottomLeft = &filled[(size_t)(h - 1) * w * 3];
  EXPECT_EQ(255, bottomLeft[0]);
  EXPECT_EQ(0, bottomLeft[2]);
  buf32Free(hMade);

  EXPECT_EQ(0, CGradientEngine::GFillToBuffer(NULL, &opt));
  EXPECT_EQ(0, CGradientEngine::GFillToBuffer(hBuf, NULL));
  buf32Free(hBuf);
}
