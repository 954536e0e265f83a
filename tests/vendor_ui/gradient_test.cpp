// The gradient renderer as the gradient boxes call it, into t32Base buffers (also across cells).
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "qsComm.h"
#include "t32Base.h"

namespace {

const COLORREF kColours[][2] = {
    {RGB(10, 200, 30), RGB(250, 5, 140)}, {RGB(0, 0, 0), RGB(255, 255, 255)}, {RGB(255, 255, 0), RGB(0, 64, 255)}};

GFILL_OPTION Record(COLORREF from, COLORREF to, int x1, int y1, int x2, int y2, int nShift = 0,
                    BOOL bSandwich = FALSE) {
  GFILL_OPTION o = {};
  GFillSetDefaultParams(&o);
  o.clrStart = from;
  o.clrEnd = to;
  o.ptStart = {x1, y1};
  o.ptEnd = {x2, y2};
  o.bSandwich = bSandwich;
  o.nColorShift = nShift;
  return o;
}

// A direction (0 vertical .. 3 diagonal up) as drawn into a w x h rectangle.
GFILL_OPTION DirectionRecord(int nDir, int w, int h, COLORREF from, COLORREF to, int nShift = 0) {
  const int line[4][4] = {{w / 2, 0, w / 2, h}, {0, h / 2, w, h / 2}, {0, 0, w, h}, {0, h, w, 0}};
  return Record(from, to, line[nDir][0], line[nDir][1], line[nDir][2], line[nDir][3], nShift);
}

struct Image {
  int w = 0, h = 0;
  std::vector<unsigned char> rgb;
  COLORREF At(int x, int y) const {
    const unsigned char* p = &rgb[(size_t(y) * w + x) * 3];
    return RGB(p[0], p[1], p[2]);
  }
};

// The record drawn into a new w x h buffer, for a rectangle at (x, y).
Image Render(GFILL_OPTION o, int w, int h, int x = 0, int y = 0) {
  Image img;
  img.w = w;
  img.h = h;
  img.rgb.assign(size_t(w) * h * 3, 0xCD);
  HANDLE hBuf = CreateGradientBuffer(&o, {x, y, x + w, y + h});
  EXPECT_TRUE(hBuf && buf32GetMem(hBuf, 0, 0, w, h, img.rgb.data()));
  buf32Free(hBuf);
  return img;
}

int Channel(COLORREF c, int n) { return (c >> (8 * n)) & 0xFF; }

TEST(Gradient, EndColoursAreExactInEveryDirectionAndShift) {
  const int sizes[][2] = {{10, 10}, {5, 7}, {33, 2}, {1, 9}, {300, 129}};
  for (auto& size : sizes)
    for (auto& c : kColours)
      for (int nShift = 0; nShift <= 100; nShift += 20) {
        const int w = size[0], h = size[1];
        SCOPED_TRACE(testing::Message() << w << "x" << h << " shift " << nShift);
        const Image v = Render(DirectionRecord(0, w, h, c[0], c[1], nShift), w, h);
        const Image hz = Render(DirectionRecord(1, w, h, c[0], c[1], nShift), w, h);
        const Image down = Render(DirectionRecord(2, w, h, c[0], c[1], nShift), w, h);
        const Image up = Render(DirectionRecord(3, w, h, c[0], c[1], nShift), w, h);
        for (int x = 0; x < w; ++x) ASSERT_TRUE(v.At(x, 0) == c[0] && (h == 1 || v.At(x, h - 1) == c[1])) << x;
        for (int y = 0; y < h; ++y) ASSERT_TRUE(hz.At(0, y) == c[0] && (w == 1 || hz.At(w - 1, y) == c[1])) << y;
        EXPECT_EQ(c[0], down.At(0, 0));
        EXPECT_EQ(c[1], down.At(w - 1, h - 1));
        EXPECT_EQ(c[0], up.At(0, h - 1));
        EXPECT_EQ(c[1], up.At(w - 1, 0));
      }
}

TEST(Gradient, BlendIsMonotonicAndSandwichIsSymmetric) {
  for (auto& c : kColours) {
    const Image img = Render(Record(c[0], c[1], 0, 0, 300, 0, 30), 300, 1);  // three cells wide
    for (int n = 0; n < 3; ++n) {
      const int sign = Channel(c[1], n) >= Channel(c[0], n) ? 1 : -1;
      for (int x = 1; x < img.w; ++x) ASSERT_GE(sign * (Channel(img.At(x, 0), n) - Channel(img.At(x - 1, 0), n)), 0);
    }
    const Image sw = Render(Record(c[0], c[1], 0, 0, 301, 0, 40, TRUE), 301, 3);  // the halves in different cells
    EXPECT_EQ(c[0], sw.At(0, 1));
    EXPECT_EQ(c[0], sw.At(300, 1));
    EXPECT_EQ(c[1], sw.At(150, 1));  // the end colour exactly in the middle
    for (int x = 0; x <= 300; ++x) ASSERT_EQ(sw.At(x, 2), sw.At(300 - x, 2)) << x;
  }
}

TEST(Gradient, EachShiftStepHoldsTheStartColourLonger) {
  int nLast = 256;
  for (int nShift = 0; nShift <= 100; nShift += 10) {
    const Image img = Render(Record(RGB(0, 0, 0), RGB(255, 255, 255), 0, 0, 101, 0, nShift), 101, 1);
    const int nMiddle = Channel(img.At(50, 0), 1);
    EXPECT_TRUE(nShift > 0 || abs(nMiddle * 2 - 255) <= 2) << nMiddle;  // 0 is the plain linear blend
    EXPECT_LT(nMiddle, nLast) << "shift " << nShift;
    nLast = nMiddle;
  }
  // Out-of-range shifts are clamped.
  const Image over = Render(Record(0, RGB(255, 255, 255), 0, 0, 101, 0, 1000), 101, 1);
  const Image top = Render(Record(0, RGB(255, 255, 255), 0, 0, 101, 0, 100), 101, 1);
  EXPECT_EQ(top.rgb, over.rgb);
}

TEST(ResetGradRange, A10By10RecordRescaledDrawsLikeOneBuiltAtTheNewSize) {
  // The gradient box's 10 x 10 lines, by direction.
  const int box[4][4] = {{0, 0, 0, 10}, {0, 0, 10, 0}, {0, 0, 10, 10}, {0, 10, 10, 0}};
  const int w = 37, h = 23;
  for (int nDir = 0; nDir < 4; ++nDir) {
    GFILL_OPTION o = Record(kColours[0][0], kColours[0][1], box[nDir][0], box[nDir][1], box[nDir][2], box[nDir][3], 30);
    ResetGradRange(&o, w, h);
    const GFILL_OPTION built = DirectionRecord(nDir, w, h, kColours[0][0], kColours[0][1], 30);
    EXPECT_EQ(Render(built, w, h).rgb, Render(o, w, h).rgb) << "direction " << nDir;
    // Rescaling a rectangle's record back and forth keeps it.
    GFILL_OPTION again = built;
    ResetGradRange(&again, 10, 10);
    ResetGradRange(&again, w, h);
    EXPECT_EQ(Render(built, w, h).rgb, Render(again, w, h).rgb) << "direction " << nDir;
  }
}

TEST(GradientBuffers, AFillLeavesTheRecordTakesOnlyTwentyFourBitBuffersAndCopesWithAnyLine) {
  const GFILL_OPTION o = Record(kColours[2][0], kColours[2][1], 20, 300, 280, 10, 50, TRUE);
  GFILL_OPTION copy = o;
  for (int bits : {24, 8}) {
    HANDLE hBuf = nullptr;
    ASSERT_TRUE(buf32Alloc(&hBuf, bits, 16, 16, 0, nullptr));
    EXPECT_EQ(bits == 24 ? 1 : 0, GFillToBuf(hBuf, &copy, nullptr));
    buf32Free(hBuf);
  }
  EXPECT_EQ(0, memcmp(&o, &copy, sizeof o));
  EXPECT_EQ(Render(o, 40, 30).rgb, Render(o, 40, 30, 100, 50).rgb) << "the rectangle's place does not matter";
  // A line of no length fills with the start colour; wild ends draw without overflow.
  const Image dot = Render(Record(RGB(1, 2, 3), RGB(9, 9, 9), 5, 5, 5, 5), 7, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 7; ++x) ASSERT_EQ(RGB(1, 2, 3), dot.At(x, y));
  Render(Record(0, RGB(255, 0, 0), INT_MIN, INT_MAX, INT_MAX, INT_MIN), 9, 9);  // draws, without overflow
}

}  // namespace
