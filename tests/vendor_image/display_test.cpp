// Colour bar and display pass, read back from a DIB section.
#include <gtest/gtest.h>
#include "dib_canvas.h"
#include "t32Base.h"
#include <vector>

namespace {

// The colour bar control's colour at height y of a bar H high.
COLORREF BarColour(int y, int H) { return RGB((H - y) * 255 / H & 255, 0, y * 255 / H & 255); }

TEST(ColorBar, MatchesTheBarFormulaOnEveryRow) {
  for (int H : {256, 100, 37}) {
    DibCanvas c(12, H + 4);
    RECT rc = {1, 0, 11, H};
    ASSERT_TRUE(t32RectDrawColorBar(c.dc(), &rc, 0x000000FF, 0x00FF0000, 0, 0));
    for (int y = 0; y < H; ++y) {
      ASSERT_EQ(BarColour(y, H), c.At(1, y)) << "H=" << H << " y=" << y;
      ASSERT_EQ(BarColour(y, H), c.At(10, y)) << "H=" << H << " y=" << y;
    }
    EXPECT_EQ(RGB(1, 2, 3), c.At(0, 5));  // nothing outside the rectangle
    EXPECT_EQ(RGB(1, 2, 3), c.At(11, 5));
    EXPECT_EQ(RGB(1, 2, 3), c.At(5, H));
  }
  DibCanvas c(4, 4);
  RECT empty = {2, 2, 2, 4};
  EXPECT_FALSE(t32RectDrawColorBar(c.dc(), &empty, 0xFF, 0xFF0000, 0, 0));
  EXPECT_FALSE(t32RectDrawColorBar(c.dc(), nullptr, 0xFF, 0xFF0000, 0, 0));
}

TEST(Display, TwentyFourBitRowsLandExactlyInTheRectangle) {
  const int w = 37, h = 5;
  std::vector<BYTE> px(w * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      BYTE* p = &px[(y * w + x) * 3];
      p[0] = BYTE(x * 6);
      p[1] = BYTE(y * 40);
      p[2] = BYTE(x + y);
    }
  DibCanvas c(50, 20);
  RECT rc = {3, 4, 3 + 30, 4 + 5};  // narrower than the data: clipped at 30
  HANDLE d = nullptr;
  ASSERT_TRUE(disp32ShowInitEx(&d, c.dc(), 24, rc, nullptr, 0, 0, 0, 0));
  ASSERT_TRUE(disp32ShowData(d, px.data(), 0, 0, h, w * 3));
  ASSERT_TRUE(disp32ShowEnd(d));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(RGB(x * 6, y * 40, x + y), c.At(3 + x, 4 + y)) << x << "," << y;
  EXPECT_EQ(RGB(1, 2, 3), c.At(33, 4));
  EXPECT_EQ(RGB(1, 2, 3), c.At(3, 9));
  EXPECT_FALSE(disp32ShowData(d, px.data(), 0, 0, h, w * 3));  // pass is closed
  EXPECT_FALSE(disp32ShowEnd(d));
}

TEST(Display, RowsShownInPiecesAndAtAnOffset) {
  BYTE rowA[3 * 2] = {255, 0, 0, 255, 0, 0}, rowB[3 * 2] = {0, 0, 255, 0, 0, 255};
  DibCanvas c(10, 10);
  RECT rc = {0, 0, 10, 10};
  HANDLE d = nullptr;
  ASSERT_TRUE(disp32ShowInit(&d, c.dc(), 24, rc, nullptr, DISP32_FIT_NONE, 0));
  ASSERT_TRUE(disp32ShowData(d, rowA, 4, 2, 1, 6));
  ASSERT_TRUE(disp32ShowData(d, rowB, 4, 3, 1, 6));
  disp32ShowEnd(d);
  EXPECT_EQ(RGB(255, 0, 0), c.At(5, 2));
  EXPECT_EQ(RGB(0, 0, 255), c.At(5, 3));
  EXPECT_EQ(RGB(1, 2, 3), c.At(6, 2));
}

TEST(Display, PaletteDepthsUseThePaletteOrTheDefaultTable) {
  const COLORREF cols[4] = {RGB(10, 20, 30), RGB(200, 100, 50), RGB(0, 255, 0), RGB(9, 9, 9)};
  HPALETTE pal = MakePalette(cols, 4);
  ASSERT_NE(nullptr, pal);

  DibCanvas c(8, 3);
  RECT rc = {0, 0, 8, 3};
  const BYTE idx8[5] = {0, 1, 2, 3, 1};
  HANDLE d = nullptr;
  ASSERT_TRUE(disp32ShowInit(&d, c.dc(), 8, rc, pal, 0, 0));
  ASSERT_TRUE(disp32ShowData(d, idx8, 0, 0, 1, 5));  // 5-byte rows, not 4-aligned
  disp32ShowEnd(d);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(cols[idx8[x]], c.At(x, 0)) << x;

  // Without a palette: 4 bits use the VGA colours, 1 bit black and white.
  auto showRow = [&](int bits, const BYTE* row, int bytes, int y) {
    ASSERT_TRUE(disp32ShowInit(&d, c.dc(), bits, rc, nullptr, 0, 0));
    ASSERT_TRUE(disp32ShowData(d, row, 0, y, 1, bytes));
    disp32ShowEnd(d);
  };
  const BYTE nib[2] = {0x9C, 0xF0};
  showRow(4, nib, 2, 1);
  const COLORREF wantNib[3] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(255, 255, 255)};
  const BYTE bitsRow[1] = {0xA0};
  showRow(1, bitsRow, 1, 2);
  const COLORREF wantBits[3] = {RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)};
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(wantNib[x], c.At(x, 1)) << x;
    EXPECT_EQ(wantBits[x], c.At(x, 2)) << x;
  }
  DeleteObject(pal);
}

TEST(Display, StretchFillsTheRectangleAndBadPassesFail) {
  const BYTE px[2 * 2 * 3] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  DibCanvas c(40, 40);
  RECT rc = {0, 0, 40, 40};
  HANDLE d = nullptr;
  ASSERT_TRUE(disp32ShowInit(&d, c.dc(), 24, rc, nullptr, DISP32_FIT_STRETCH, 0));
  ASSERT_TRUE(disp32ShowData(d, px, 0, 0, 2, 6));
  disp32ShowEnd(d);
  EXPECT_EQ(RGB(255, 0, 0), c.At(2, 2));
  EXPECT_EQ(RGB(0, 255, 0), c.At(37, 2));
  EXPECT_EQ(RGB(0, 0, 255), c.At(2, 37));
  EXPECT_EQ(RGB(255, 255, 255), c.At(37, 37));

  EXPECT_FALSE(disp32ShowInit(&d, c.dc(), 16, rc, nullptr, 0, 0));
  EXPECT_FALSE(disp32ShowInit(&d, nullptr, 24, rc, nullptr, 0, 0));
  EXPECT_FALSE(disp32ShowInit(nullptr, c.dc(), 24, rc, nullptr, 0, 0));
  RECT empty = {5, 5, 5, 9};
  EXPECT_FALSE(disp32ShowInit(&d, c.dc(), 24, empty, nullptr, 0, 0));
  EXPECT_FALSE(disp32ShowData(nullptr, px, 0, 0, 2, 6));
}

}  // namespace
