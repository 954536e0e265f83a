// The display pass, read back from a DIB section.
#include <gtest/gtest.h>
#include <vector>
#include "Canvas.h"
#include "image_files.h"
#include "t32Base.h"

using ostrel_test::Canvas;

namespace {

const COLORREF kBack = RGB(1, 2, 3);

TEST(Display, RowsLandInTheRectangleClippedInEveryDepthAndBadPassesFail) {
  const int w = 37, h = 5;
  std::vector<BYTE> px;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) px.insert(px.end(), {BYTE(x * 6), BYTE(y * 40), BYTE(x + y)});
  Canvas c(50, 20, kBack);
  RECT rc = {3, 4, 3 + 30, 4 + 5};  // narrower than the data: clipped at 30
  HANDLE d = nullptr;
  ASSERT_TRUE(disp32ShowInitEx(&d, c.dc(), 24, rc, nullptr, 0, 0, 0, 0));
  ASSERT_TRUE(disp32ShowData(d, px.data(), 0, 0, h, w * 3));
  ASSERT_TRUE(disp32ShowEnd(d));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(RGB(x * 6, y * 40, x + y), c.At(3 + x, 4 + y)) << x << "," << y;
  EXPECT_EQ(kBack, c.At(33, 4));
  EXPECT_EQ(kBack, c.At(3, 9));
  EXPECT_FALSE(disp32ShowData(d, px.data(), 0, 0, h, w * 3));  // the pass is closed
  EXPECT_FALSE(disp32ShowInit(&d, c.dc(), 16, rc, nullptr, 0, 0));
  EXPECT_FALSE(disp32ShowInit(&d, nullptr, 24, rc, nullptr, 0, 0));
  RECT empty = {5, 5, 5, 9};
  EXPECT_FALSE(disp32ShowInit(&d, c.dc(), 24, empty, nullptr, 0, 0));

  // Palette depths use the palette or the default table, in rows 10 to 12.
  const COLORREF cols[4] = {RGB(10, 20, 30), RGB(200, 100, 50), RGB(0, 255, 0), RGB(9, 9, 9)};
  HPALETTE pal = MakePalette(cols, 4);
  rc = {0, 10, 8, 13};
  auto showRow = [&](int bits, HPALETTE hPal, const BYTE* row, int bytes, int y) {
    ASSERT_TRUE(disp32ShowInit(&d, c.dc(), bits, rc, hPal, 0, 0));
    ASSERT_TRUE(disp32ShowData(d, row, 0, y, 1, bytes));
    disp32ShowEnd(d);
  };
  const BYTE idx8[5] = {0, 1, 2, 3, 1};  // 5-byte rows, not 4-aligned
  showRow(8, pal, idx8, 5, 0);
  const BYTE nib[2] = {0x9C, 0xF0};  // without a palette: the VGA colours
  showRow(4, nullptr, nib, 2, 1);
  const BYTE bitsRow[1] = {0xA0};  // one bit: white and black
  showRow(1, nullptr, bitsRow, 1, 2);
  const COLORREF wantNib[3] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(255, 255, 255)};
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(cols[idx8[x]], c.At(x, 10)) << x;
    EXPECT_EQ(wantNib[x], c.At(x, 11)) << x;
    EXPECT_EQ(x == 1 ? RGB(0, 0, 0) : RGB(255, 255, 255), c.At(x, 12)) << x;
  }
  DeleteObject(pal);
}

}  // namespace
