// The one-pixel edge frame: which pixel gets which colour, raised and sunken, and the DC's pen.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "gradient/GradientDraw.h"
#include "canvas.h"

using namespace ostrel_test;
using namespace gradient_test;

namespace {

// Expected colour of (x, y) for a frame just inside rc; the background off the frame.
COLORREF FramePixel(const RECT& rc, int x, int y, COLORREF a, COLORREF b) {
  const int l = rc.left, t = rc.top, r = rc.right - 1, bt = rc.bottom - 1;
  if (x < l || x > r || y < t || y > bt) return kBackground;
  if (y == t || x == l) return a;   // top row and left column
  if (x == r || y == bt) return b;  // right column and bottom row
  return kBackground;
}

}  // namespace

TEST(DrawEdgeFrame, RaisedAndSunkenPixelsAndNothingWithoutARectangleOrDC) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  ASSERT_NE(light, dark);
  const RECT rc = {3, 2, 13, 9};
  for (BOOL bRaised : {TRUE, FALSE}) {
    SCOPED_TRACE(bRaised ? "raised" : "sunken");
    BackgroundCanvas canvas(16, 12);
    HGDIOBJ penBefore = GetCurrentObject(canvas.dc(), OBJ_PEN);
    DrawEdgeFrame(canvas.dc(), &rc, bRaised);
    EXPECT_EQ(penBefore, GetCurrentObject(canvas.dc(), OBJ_PEN));
    Pixels px = canvas.Read();
    const COLORREF a = bRaised ? light : dark, b = bRaised ? dark : light;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x) EXPECT_EQ(FramePixel(rc, x, y, a, b), px.At(x, y)) << x << "," << y;
  }
  BackgroundCanvas untouched(8, 8);  // no rectangle or no DC: nothing drawn
  DrawEdgeFrame(untouched.dc(), NULL, TRUE);
  DrawEdgeFrame(NULL, &rc, TRUE);
  EXPECT_EQ(0, untouched.Painted());
}
