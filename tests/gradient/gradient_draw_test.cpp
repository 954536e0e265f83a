// Gradients and image buffers drawn into device contexts: exact rectangles in every direction, the
// failure message of an unusable buffer, stretching.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "gradient/GradientDraw.h"
#include <t32Base.h>
#include <string>
#include "ModalDriver.h"
#include "canvas.h"

using namespace ostrel_test;
using namespace gradient_test;

namespace {

const COLORREF kStart = RGB(250, 10, 0), kEnd = RGB(0, 20, 240);

// Every pixel of the canvas outside rc still shows the background.
int PaintedOutside(const Pixels& px, const RECT& rc) {
  RECT all = {0, 0, px.Width(), px.Height()};
  return px.Width() * px.Height() - px.Count(all, kBackground) - (rc.right - rc.left) * (rc.bottom - rc.top) +
         px.Count(rc, kBackground);
}

}  // namespace

TEST(DrawGradientRect, FillsExactlyItsRectangleInEveryDirection) {
  const RECT rc = {4, 3, 11, 8};  // 7 x 5: odd both ways
  const int l = rc.left, t = rc.top, r = rc.right - 1, b = rc.bottom - 1;
  const struct {
    int dir;
    POINT atStart, atEnd;
  } cases[] = {
      {GRADDIR_VERTICAL, {l, t}, {r, b}},
      {GRADDIR_HORIZONTAL, {l, b}, {r, t}},
      {GRADDIR_DIAGONAL_DOWN, {l, t}, {r, b}},
      {GRADDIR_DIAGONAL_UP, {l, b}, {r, t}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dir);
    BackgroundCanvas canvas(20, 16);
    CDC* pDC = CDC::FromHandle(canvas.dc());
    DrawGradientRect(pDC, rc, kStart, kEnd, c.dir, 0);
    Pixels px = canvas.Read();
    EXPECT_EQ(0, PaintedOutside(px, rc));
    EXPECT_EQ(0, px.Count(rc, kBackground));
    EXPECT_EQ(kStart, px.At(c.atStart.x, c.atStart.y));
    EXPECT_EQ(kEnd, px.At(c.atEnd.x, c.atEnd.y));
  }
  // Straight directions: rows (vertical) or columns (horizontal) are one colour.
  BackgroundCanvas vertical(20, 16), horizontal(20, 16);
  DrawGradientRect(CDC::FromHandle(vertical.dc()), rc, kStart, kEnd, GRADDIR_VERTICAL, 0);
  DrawGradientRect(CDC::FromHandle(horizontal.dc()), rc, kStart, kEnd, GRADDIR_HORIZONTAL, 0);
  Pixels v = vertical.Read(), hz = horizontal.Read();
  for (int y = t; y <= b; ++y)
    for (int x = l; x <= r; ++x) {
      EXPECT_EQ(v.At(l, y), v.At(x, y));
      EXPECT_EQ(hz.At(x, t), hz.At(x, y));
    }
}

TEST(DrawGradientRect, ShiftMovesTheMiddleAndKeepsTheEndsAndEmptyRectanglesDrawNothing) {
  const RECT rc = {0, 0, 3, 21};
  BackgroundCanvas plain(3, 21), shifted(3, 21);
  DrawGradientRect(CDC::FromHandle(plain.dc()), rc, kStart, kEnd, GRADDIR_VERTICAL, 0);
  DrawGradientRect(CDC::FromHandle(shifted.dc()), rc, kStart, kEnd, GRADDIR_VERTICAL, 50);
  Pixels a = plain.Read(), s = shifted.Read();
  EXPECT_EQ(a.At(1, 0), s.At(1, 0));
  EXPECT_EQ(a.At(1, 20), s.At(1, 20));
  // The start colour holds on longer: more red left in the middle row.
  EXPECT_GT(GetRValue(s.At(1, 10)), GetRValue(a.At(1, 10)));

  BackgroundCanvas untouched(10, 10);  // empty rectangles and no DC draw nothing
  for (const RECT& rc : {RECT{2, 2, 2, 8}, RECT{2, 2, 8, 2}, RECT{8, 8, 2, 2}})
    DrawGradientRect(CDC::FromHandle(untouched.dc()), rc, kStart, kEnd, GRADDIR_VERTICAL, 0);
  DrawGradientRect(NULL, RECT{0, 0, 5, 5}, kStart, kEnd, GRADDIR_VERTICAL, 0);
  EXPECT_EQ(0, untouched.Painted());
}

TEST(DrawBufferToDC, ShowsTheTopLeftPartOneToOne) {
  HANDLE hBuf = MakePatternBuffer(6, 5);
  ASSERT_NE((HANDLE)NULL, hBuf);
  BackgroundCanvas canvas(16, 12);
  const RECT rc = {3, 2, 7, 5};  // 4 x 3 of the 6 x 5 buffer
  EXPECT_TRUE(DrawBufferToDC(hBuf, rc, canvas.dc()));
  Pixels px = canvas.Read();
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(PatternColor(x, y), px.At(3 + x, 2 + y)) << x << "," << y;
  EXPECT_EQ(0, PaintedOutside(px, rc));

  // A rectangle larger than the buffer: the part beyond it is black.
  BackgroundCanvas large(16, 12);
  EXPECT_TRUE(DrawBufferToDC(hBuf, RECT{0, 0, 8, 7}, large.dc()));
  Pixels lp = large.Read();
  EXPECT_EQ(PatternColor(5, 4), lp.At(5, 4));
  EXPECT_EQ(RGB(0, 0, 0), lp.At(6, 0));
  EXPECT_EQ(RGB(0, 0, 0), lp.At(0, 5));
  buf32Free(hBuf);
}

TEST(DrawBufferToDC, UnlockableBufferShowsMessage10101AndDrawsNothing) {
  char expected[256] = "";
  ASSERT_GT(LoadStringA(GetModuleHandleA("qsComm.dll"), 10101, expected, sizeof expected), 0);
  HANDLE hGone = MakePatternBuffer(4, 4);
  buf32Free(hGone);  // a stale handle cannot be locked
  for (HANDLE hBuf : {hGone, (HANDLE)NULL}) {
    BackgroundCanvas canvas(8, 8);
    std::string shown;
    ModalDriver driver(
        ModalDriver::ClassIs("#32770"),
        [&shown](HWND hBox) {
          shown = MessageBoxText(hBox);
          PressButton(hBox, IDOK);
        },
        5000);
    EXPECT_FALSE(DrawBufferToDC(hBuf, RECT{0, 0, 4, 4}, canvas.dc()));
    EXPECT_TRUE(driver.Acted());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(expected, shown);
    EXPECT_EQ(0, canvas.Painted());
  }
}

TEST(DrawBufferInRect, StretchesTheWholeBufferOverTheRectangle) {
  HANDLE hBuf = MakePatternBuffer(2, 2);
  ASSERT_NE((HANDLE)NULL, hBuf);
  BackgroundCanvas canvas(30, 30);
  const RECT rc = {2, 4, 22, 24};
  DrawBufferInRect(canvas.dc(), hBuf, 0, rc.left, rc.top, rc.right, rc.bottom);
  Pixels px = canvas.Read();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) {
      // Quadrant centres, well away from any blending at the seams.
      EXPECT_TRUE(Near(PatternColor(x, y), px.At(rc.left + 5 + x * 10, rc.top + 5 + y * 10), 2)) << x << "," << y;
    }
  EXPECT_EQ(0, PaintedOutside(px, rc));
  buf32Free(hBuf);

  BackgroundCanvas untouched(10, 10);
  DrawBufferInRect(untouched.dc(), NULL, 0, 0, 0, 10, 10);
  EXPECT_EQ(0, untouched.Painted());
}
