// Gradients, edge frames and image buffers drawn into device contexts, and the exported engine.
#include <Ostrel.h>
#include <t32Base.h>
#include "gradient/GradientDraw.h"
#include <algorithm>
#include <cstdlib>
#include <vector>
#include "Canvas.h"
#include "gradient_host.h"

using namespace ostrel_test;
using namespace gradient_test;

namespace {

const COLORREF kBackground = RGB(1, 254, 3);  // a colour no test gradient produces
const COLORREF kStart = RGB(250, 10, 0), kEnd = RGB(0, 20, 240);

COLORREF PatternColor(int x, int y) { return RGB(10 + x * 20, 200 - y * 30, (x * 7 + y * 13) & 0xFF); }

// A 24-bit buffer of w x h whose pixel (x, y) is PatternColor(x, y).
HANDLE PatternBuffer(int w, int h) {
  HANDLE hBuf = NULL;
  if (!buf32Alloc(&hBuf, 24, w, h, BUF32_ALLOC_ZERO, NULL)) return NULL;
  std::vector<BYTE> rgb;
  for (int i = 0; i < w * h; ++i)
    for (BYTE b : {GetRValue(PatternColor(i % w, i / w)), GetGValue(PatternColor(i % w, i / w)),
                   GetBValue(PatternColor(i % w, i / w))})
      rgb.push_back(b);
  buf32MergeMem(hBuf, 0, 0, w, h, rgb.data());
  return hBuf;
}

// Pixels of the canvas outside rc that no longer show the background.
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
    Canvas canvas(20, 16, kBackground);
    DrawGradientRect(CDC::FromHandle(canvas.dc()), rc, kStart, kEnd, c.dir, 0);
    Pixels px = canvas.Read();
    EXPECT_EQ(0, PaintedOutside(px, rc));
    EXPECT_EQ(0, px.Count(rc, kBackground));
    EXPECT_EQ(kStart, px.At(c.atStart.x, c.atStart.y));
    EXPECT_EQ(kEnd, px.At(c.atEnd.x, c.atEnd.y));
    // Straight directions: rows (vertical) or columns (horizontal) are one colour.
    for (int y = t; y <= b && c.dir <= GRADDIR_HORIZONTAL; ++y)
      for (int x = l; x <= r; ++x)
        EXPECT_EQ(c.dir == GRADDIR_VERTICAL ? px.At(l, y) : px.At(x, t), px.At(x, y)) << x << "," << y;
  }
}

TEST(DrawGradientRect, ShiftMovesTheMiddleAndKeepsTheEndsAndEmptyRectanglesDrawNothing) {
  const RECT rc = {0, 0, 3, 21};
  Canvas plain(3, 21, kBackground), shifted(3, 21);
  DrawGradientRect(CDC::FromHandle(plain.dc()), rc, kStart, kEnd, GRADDIR_VERTICAL, 0);
  DrawGradientRect(CDC::FromHandle(shifted.dc()), rc, kStart, kEnd, GRADDIR_VERTICAL, 50);
  // The start colour holds on longer: more red left in the middle row.
  EXPECT_GT(GetRValue(shifted.At(1, 10)), GetRValue(plain.At(1, 10)));

  Canvas untouched(10, 10, kBackground);
  for (const RECT& rc : {RECT{2, 2, 2, 8}, RECT{2, 2, 8, 2}, RECT{8, 8, 2, 2}})
    DrawGradientRect(CDC::FromHandle(untouched.dc()), rc, kStart, kEnd, GRADDIR_VERTICAL, 0);
  DrawGradientRect(NULL, RECT{0, 0, 5, 5}, kStart, kEnd, GRADDIR_VERTICAL, 0);
  EXPECT_EQ(0, untouched.Painted());
}

TEST(DrawEdgeFrame, RaisedAndSunkenPixelsAndNothingWithoutARectangleOrDC) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  ASSERT_NE(light, dark);
  const RECT rc = {3, 2, 13, 9};
  for (BOOL bRaised : {TRUE, FALSE}) {
    Canvas canvas(16, 12, kBackground);
    HGDIOBJ penBefore = GetCurrentObject(canvas.dc(), OBJ_PEN);
    DrawEdgeFrame(canvas.dc(), &rc, bRaised);
    EXPECT_EQ(penBefore, GetCurrentObject(canvas.dc(), OBJ_PEN));
    // Top row and left column in the first colour, right column and bottom row in the other.
    const COLORREF first = bRaised ? light : dark, second = bRaised ? dark : light;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool in = x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
        const COLORREF want = !in                                       ? kBackground
                              : y == rc.top || x == rc.left             ? first
                              : x == rc.right - 1 || y == rc.bottom - 1 ? second
                                                                        : kBackground;
        EXPECT_EQ(want, canvas.At(x, y)) << (bRaised ? "raised " : "sunken ") << x << "," << y;
      }
  }
  Canvas untouched(8, 8, kBackground);
  DrawEdgeFrame(untouched.dc(), NULL, TRUE);
  DrawEdgeFrame(NULL, &rc, TRUE);
  EXPECT_EQ(0, untouched.Painted());
}

TEST(DrawBufferToDC, ShowsTheTopLeftPartOneToOneBlackBeyondAndAMessageForAnUnusableBuffer) {
  HANDLE hBuf = PatternBuffer(6, 5);
  ASSERT_NE((HANDLE)NULL, hBuf);
  Canvas canvas(16, 12, kBackground);
  const RECT rc = {3, 2, 7, 5};  // 4 x 3 of the 6 x 5 buffer
  EXPECT_TRUE(DrawBufferToDC(hBuf, rc, canvas.dc()));
  Pixels px = canvas.Read();
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(PatternColor(x, y), px.At(3 + x, 2 + y)) << x << "," << y;
  EXPECT_EQ(0, PaintedOutside(px, rc));

  Canvas large(16, 12, kBackground);
  EXPECT_TRUE(DrawBufferToDC(hBuf, RECT{0, 0, 8, 7}, large.dc()));
  EXPECT_EQ(PatternColor(5, 4), large.At(5, 4));
  EXPECT_EQ(RGB(0, 0, 0), large.At(6, 0));
  EXPECT_EQ(RGB(0, 0, 0), large.At(0, 5));
  buf32Free(hBuf);

  // A buffer that cannot be locked (the freed one, or none): message 10101 and nothing drawn.
  char expected[256] = "";
  ASSERT_GT(LoadStringA(GetModuleHandleA("qsComm.dll"), 10101, expected, sizeof expected), 0);
  for (HANDLE hStale : {hBuf, (HANDLE)NULL}) {
    Canvas untouched(8, 8, kBackground);
    EXPECT_EQ(expected, AnswerBox(
                            [&] {
                              EXPECT_FALSE(DrawBufferToDC(hStale, RECT{0, 0, 4, 4}, untouched.dc()));
                            },
                            IDOK));
    EXPECT_EQ(0, untouched.Painted());
  }
}

TEST(DrawBufferInRect, StretchesTheWholeBufferOverTheRectangle) {
  HANDLE hBuf = PatternBuffer(2, 2);
  ASSERT_NE((HANDLE)NULL, hBuf);
  Canvas canvas(30, 30, kBackground);
  const RECT rc = {2, 4, 22, 24};
  DrawBufferInRect(canvas.dc(), hBuf, 0, rc.left, rc.top, rc.right, rc.bottom);
  Pixels px = canvas.Read();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) {
      // Quadrant centres, away from any blending at the seams.
      const COLORREF want = PatternColor(x, y), got = px.At(rc.left + 5 + x * 10, rc.top + 5 + y * 10);
      EXPECT_LE(std::max({abs(GetRValue(want) - GetRValue(got)), abs(GetGValue(want) - GetGValue(got)),
                          abs(GetBValue(want) - GetBValue(got))}),
                2)
          << x << "," << y;
    }
  EXPECT_EQ(0, PaintedOutside(px, rc));
  buf32Free(hBuf);

  Canvas untouched(10, 10, kBackground);
  DrawBufferInRect(untouched.dc(), NULL, 0, 0, 0, 10, 10);
  EXPECT_EQ(0, untouched.Painted());
}

TEST(CGradientEngine, FillsABufferLikeTheRenderer) {
  const int w = 9, h = 6;
  GFILL_OPTION opt = MakeGradOption(RGB(255, 0, 0), RGB(0, 0, 255), 40, GRADDIR_DIAGONAL_UP, GRADLINE_RECT, w, h);
  HANDLE hBuf = NULL;
  ASSERT_TRUE(buf32Alloc(&hBuf, 24, w, h, BUF32_ALLOC_ZERO, NULL));
  EXPECT_EQ(1, CGradientEngine::GFillToBuffer(hBuf, &opt));
  HANDLE hMade = (HANDLE)CreateGradientBuffer(&opt, CRect(0, 0, w, h));
  const std::vector<unsigned char> filled = BufferPixels(hBuf);
  EXPECT_EQ(BufferPixels(hMade), filled);
  EXPECT_EQ((size_t)w * h * 3, filled.size());
  buf32Free(hMade);
  EXPECT_EQ(0, CGradientEngine::GFillToBuffer(NULL, &opt));
  EXPECT_EQ(0, CGradientEngine::GFillToBuffer(hBuf, NULL));
  buf32Free(hBuf);
}
