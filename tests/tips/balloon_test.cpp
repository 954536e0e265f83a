// The balloon outline and the text layout, read back from a recorded metafile (the path's points
// and the text positions) and from pixels drawn into a bitmap.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <vector>
#include "TestApp.h"

namespace {

struct Recorded {
  std::vector<POINT> path;   // every point of the path, in order
  std::vector<POINT> texts;  // reference point of each text output
};

int CALLBACK CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* rec, int, LPARAM lParam) {
  Recorded& out = *(Recorded*)lParam;
  switch (rec->iType) {
    case EMR_MOVETOEX:
    case EMR_LINETO: {
      const POINTL& p = ((const EMRLINETO*)rec)->ptl;
      out.path.push_back({p.x, p.y});
      break;
    }
    case EMR_POLYBEZIERTO: {
      const EMRPOLYBEZIERTO* r = (const EMRPOLYBEZIERTO*)rec;
      for (DWORD i = 0; i < r->cptl; i++) out.path.push_back({r->aptl[i].x, r->aptl[i].y});
      break;
    }
    case EMR_POLYBEZIERTO16: {
      const EMRPOLYBEZIERTO16* r = (const EMRPOLYBEZIERTO16*)rec;
      for (DWORD i = 0; i < r->cpts; i++) out.path.push_back({r->apts[i].x, r->apts[i].y});
      break;
    }
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: {
      const POINTL& p = ((const EMREXTTEXTOUTA*)rec)->emrtext.ptlReference;
      out.texts.push_back({p.x, p.y});
      break;
    }
  }
  return 1;
}

template <class Draw>
Recorded Record(Draw draw) {
  HDC hdc = CreateEnhMetaFileA(NULL, NULL, NULL, NULL);
  draw(hdc);
  HENHMETAFILE hemf = CloseEnhMetaFile(hdc);
  Recorded out;
  RECT rc = {0, 0, 1, 1};
  EnumEnhMetaFile(NULL, hemf, CollectRecord, &out, &rc);
  DeleteEnhMetaFile(hemf);
  return out;
}

Recorded Balloon(int nDirect, CRect rc, int bFillOnly) {
  return Record(
      [&](HDC hdc) { CreateArrowRegion(nDirect, hdc, (HBRUSH)GetStockObject(WHITE_BRUSH), 1, 0, rc, bFillOnly); });
}

bool Has(const std::vector<POINT>& pts, size_t at, POINT a, POINT b, POINT c) {
  return at + 2 < pts.size() && pts[at].x == a.x && pts[at].y == a.y && pts[at + 1].x == b.x && pts[at + 1].y == b.y &&
         pts[at + 2].x == c.x && pts[at + 2].y == c.y;
}
// Index of the pointer (three consecutive points a, b, c) in the path, or -1.
int FindPointer(const std::vector<POINT>& pts, POINT a, POINT b, POINT c) {
  for (size_t i = 0; i < pts.size(); i++)
    if (Has(pts, i, a, b, c)) return (int)i;
  return -1;
}

void ExpectBodySpan(const std::vector<POINT>& pts, int pointerAt, int top, int bottom) {
  int minY = 1 << 30, maxY = -(1 << 30);
  for (size_t i = 0; i < pts.size(); i++) {
    if ((int)i == pointerAt + 1) continue;  // the pointer's tip
    if (pts[i].y < minY) minY = pts[i].y;
    if (pts[i].y > maxY) maxY = pts[i].y;
  }
  EXPECT_EQ(top, minY);
  EXPECT_EQ(bottom, maxY);
}

}  // namespace

TEST(BalloonPath, PointerOnTopStartsBelowItAndRoundsEveryCorner) {
  Recorded r = Balloon(0, CRect(0, 0, 200, 60), 0);
  ASSERT_EQ(19u, r.path.size()) << "move, four corners of three points, pointer and edges";
  EXPECT_EQ(0, r.path[0].x);
  EXPECT_EQ(27, r.path[0].y);
  // First corner: control points (0, 27) and (0, 20), end (7, 20).
  EXPECT_TRUE(Has(r.path, 1, {0, 27}, {0, 20}, {7, 20}));
  int at = FindPointer(r.path, {13, 20}, {4, 3}, {26, 20});
  EXPECT_EQ(4, at) << "pointer right after the first corner";
  ExpectBodySpan(r.path, at, 20, 60);
  EXPECT_NE(-1, FindPointer(r.path, {200, 53}, {200, 60}, {193, 60})) << "bottom-right corner";
}

TEST(BalloonPath, PointerPointsOfEveryDirectionAndBothVariants) {
  const CRect rc(10, 5, 210, 65);  // L 10, T 5, R 210, B 65
  struct Case {
    int dir, fillOnly;
    POINT a, tip, b;
  } cases[] = {
      {1, 0, {184, 25}, {206, 2}, {197, 25}}, {2, 0, {36, 45}, {14, 68}, {23, 45}},
      {0, 1, {23, 25}, {14, 5}, {39, 25}},    {1, 1, {181, 25}, {206, 5}, {197, 25}},
      {2, 1, {39, 45}, {14, 65}, {23, 45}},   {3, 1, {196, 45}, {206, 65}, {184, 45}},
  };
  for (const Case& c : cases)
    EXPECT_NE(-1, FindPointer(Balloon(c.dir, rc, c.fillOnly).path, c.a, c.tip, c.b))
        << "direction " << c.dir << " fill only " << c.fillOnly;
  // Narrow balloons widen the pointer's base; so narrow that it would turn round: R - 7.
  EXPECT_NE(-1, FindPointer(Balloon(0, CRect(0, 0, 30, 60), 0).path, {7, 20}, {4, 3}, {20, 20}));
  EXPECT_NE(-1, FindPointer(Balloon(3, CRect(0, 0, 30, 60), 0).path, {23, 40}, {26, 57}, {10, 40}));
  EXPECT_NE(-1, FindPointer(Balloon(0, CRect(0, 0, 16, 60), 0).path, {7, 20}, {4, 3}, {9, 20}));
  Recorded below = Balloon(3, CRect(0, 0, 200, 60), 0);
  ExpectBodySpan(below.path, FindPointer(below.path, {187, 40}, {196, 57}, {171, 40}), 0, 40);
}

TEST(BalloonPixels, FillOutlineAndTheAreaOutside) {
  const int w = 200, h = 60;
  BITMAPINFO bmi = {};
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  DWORD* bits = NULL;
  HBITMAP hbm = CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, (void**)&bits, NULL, 0);
  HDC hdc = CreateCompatibleDC(NULL);
  HGDIOBJ old = SelectObject(hdc, hbm);
  memset(bits, 0, w * h * 4);
  HBRUSH hbr = CreateSolidBrush(RGB(0, 0, 255));
  EXPECT_EQ(1, CreateArrowRegion(0, hdc, hbr, 1, RGB(255, 0, 0), CRect(0, 0, w - 3, h - 3), 0));
  GdiFlush();
  auto at = [&](int x, int y) { return bits[y * w + x] & 0xFFFFFF; };  // 0x00RRGGBB
  EXPECT_EQ(0x0000FFu, at(100, 40)) << "body";
  EXPECT_EQ(0x0000FFu, at(12, 14)) << "inside the pointer";
  EXPECT_EQ(0u, at(100, 10)) << "above the body";
  EXPECT_EQ(0u, at(24, 8)) << "beside the pointer";
  EXPECT_EQ(0u, at(1, 21)) << "cut by the rounded corner";
  EXPECT_EQ(0u, at(w - 2, h - 2)) << "the 3 pixels left free";
  EXPECT_EQ(0xFF0000u, at(100, 20)) << "outline on the top edge";
  SelectObject(hdc, old);
  DeleteDC(hdc);
  DeleteObject(hbm);
  DeleteObject(hbr);
}

class TipTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_font.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HDC hdc = GetDC(NULL);
    HGDIOBJ old = SelectObject(hdc, m_font.GetSafeHandle());
    GetTextExtentPoint32A(hdc, "Red", 3, &m_red);
    GetTextExtentPoint32A(hdc, "Green and blue", 14, &m_green);
    SelectObject(hdc, old);
    ReleaseDC(NULL, hdc);
  }
  std::vector<POINT> TextPositions(CString text, CFont* pFont, int nDirect) {
    return Record([&](HDC hdc) {
             CDC dc;
             dc.Attach(hdc);
             DrawTipText(&dc, text, pFont, nDirect);
             dc.Detach();
           })
        .texts;
  }
  CFont m_font;
  SIZE m_red, m_green;
};

TEST_F(TipTextTest, LinesStartAtSevenBelowOrAboveThePointer) {
  std::vector<POINT> below = TextPositions("Red\nGreen and blue", &m_font, 0);
  ASSERT_EQ(2u, below.size());
  EXPECT_EQ(7, below[0].x);
  EXPECT_EQ(27, below[0].y);
  EXPECT_EQ(7, below[1].x);
  EXPECT_EQ(27 + m_red.cy, below[1].y);
  std::vector<POINT> above = TextPositions("Red\nGreen and blue", &m_font, 2);
  ASSERT_EQ(2u, above.size());
  EXPECT_EQ(7, above[0].y);
  EXPECT_EQ(7 + m_red.cy, above[1].y);
}

TEST_F(TipTextTest, NothingIsDrawnWithoutTextOrFont) {
  EXPECT_TRUE(TextPositions("", &m_font, 0).empty());
  EXPECT_TRUE(TextPositions("Red", NULL, 0).empty());
  DrawTipText(NULL, "Red", &m_font, 0);  // no device context: no crash
}

TEST_F(TipTextTest, TipRectIsTheWidestLineAndTheSumOfHeights) {
  CString two("Red\nGreen and blue"), none;
  CSize size = GetTipRect(ostrel_test::MainWnd(), two, &m_font);
  EXPECT_EQ(m_green.cx, size.cx);
  EXPECT_EQ(m_red.cy + m_green.cy, size.cy);
  EXPECT_EQ(CSize(0, 0), GetTipRect(ostrel_test::MainWnd(), none, &m_font));
}
