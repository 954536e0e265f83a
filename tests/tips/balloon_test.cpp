// The balloon's pixels, its text layout (read back from a recorded metafile) and the mark-up.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <string>
#include <vector>
#include "Canvas.h"
#include "TestApp.h"
#include "tips/TipMarkup.h"

namespace {

// Reference point of each text output, in order.
int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* rec, int, LPARAM lParam) {
  if (rec->iType == EMR_EXTTEXTOUTA || rec->iType == EMR_EXTTEXTOUTW) {
    const POINTL& p = ((const EMREXTTEXTOUTA*)rec)->emrtext.ptlReference;
    ((std::vector<POINT>*)lParam)->push_back({p.x, p.y});
  }
  return 1;
}

CString Parsed(const char* text) {
  CString s(text);
  EXPECT_EQ(1, Parse(s));
  return s;
}

// Lead bytes as in Shift-JIS: 0x81..0x9F and 0xE0..0xFC. Its trail bytes include "|" (0x7C).
bool ShiftJisLead(unsigned char ch) { return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC); }

std::string Markup(const char* text) {
  std::vector<char> out(strlen(text) + 1);
  ApplyTipMarkup(text, out.data(), ShiftJisLead);
  return out.data();
}

}  // namespace

TEST(BalloonPixels, FillOutlineAndTheAreaOutside) {
  const int w = 200, h = 60;
  const COLORREF blue = RGB(0, 0, 255), red = RGB(255, 0, 0), black = 0;
  HBRUSH hbr = CreateSolidBrush(blue);
  {
    ostrel_test::Canvas c(w, h, black);
    EXPECT_EQ(1, CreateArrowRegion(0, c.dc(), hbr, 1, red, CRect(0, 0, w - 3, h - 3), 0));
    EXPECT_EQ(blue, c.At(100, 40)) << "body";
    EXPECT_EQ(black, c.At(100, 10)) << "above the body";
    EXPECT_EQ(black, c.At(1, 21)) << "cut by the rounded corner";
    EXPECT_EQ(black, c.At(w - 2, h - 2)) << "the 3 pixels left free";
    EXPECT_EQ(red, c.At(100, 20)) << "outline on the top edge";
  }
  // Each direction's pointer at its own corner, none at the other corner of that side.
  const struct {
    POINT in, out;
  } pointers[] = {{{12, 14}, {181, 14}}, {{181, 14}, {12, 14}}, {{15, 43}, {182, 43}}, {{182, 43}, {15, 43}}};
  for (int dir = 0; dir < 4; dir++) {
    ostrel_test::Canvas c(w, h, black);
    CreateArrowRegion(dir, c.dc(), hbr, 1, red, CRect(0, 0, w - 3, h - 3), 0);
    EXPECT_EQ(blue, c.At(pointers[dir].in.x, pointers[dir].in.y)) << "direction " << dir;
    EXPECT_EQ(black, c.At(pointers[dir].out.x, pointers[dir].out.y)) << "direction " << dir;
  }
  ostrel_test::Canvas narrow(w, h, black);  // too narrow for the usual base: it spans from the corner
  CreateArrowRegion(0, narrow.dc(), hbr, 1, red, CRect(0, 0, 30, h - 3), 0);
  EXPECT_EQ(blue, narrow.At(7, 14)) << "narrow";
  DeleteObject(hbr);
}

TEST(TipText, LinesStartAtSevenBelowOrAboveThePointerAndSizeTheTip) {
  CFont font;
  font.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  CClientDC dc(ostrel_test::MainWnd());
  dc.SelectObject(&font);
  const CSize red = dc.GetTextExtent("Red"), green = dc.GetTextExtent("Green and blue");
  for (int nDirect : {0, 2}) {  // below the pointer, above it
    CDC meta;
    meta.Attach(CreateEnhMetaFileA(NULL, NULL, NULL, NULL));
    DrawTipText(&meta, "Red\nGreen and blue", &font, nDirect);
    HENHMETAFILE hemf = CloseEnhMetaFile(meta.Detach());
    std::vector<POINT> texts;
    RECT rc = {0, 0, 1, 1};
    EnumEnhMetaFile(NULL, hemf, CollectText, &texts, &rc);
    DeleteEnhMetaFile(hemf);
    ASSERT_EQ(2u, texts.size());
    const int top = nDirect == 0 ? 27 : 7;
    EXPECT_EQ(7, texts[1].x);
    EXPECT_EQ(top, texts[0].y);
    EXPECT_EQ(top + red.cy, texts[1].y);
  }
  // The tip's size: the widest line by the sum of the heights.
  CString two("Red\nGreen and blue");
  EXPECT_EQ(CSize(green.cx, red.cy + green.cy), GetTipRect(ostrel_test::MainWnd(), two, &font));
}

TEST(TipMarkup, BarsBreakLinesDoubleBarsStay) {
  EXPECT_STREQ("A|B\nC", Parsed("A||B|C"));
  EXPECT_STREQ("End|", Parsed("End|")) << "a last bar stays";
  EXPECT_STREQ("|\nx", Parsed("|||x"));
  // Code page 1252 has no lead bytes: 0x81 is a character of its own.
  EXPECT_STREQ("\x81\nx", Parsed("\x81|x"));
}

TEST(TipMarkup, DoubleByteCharactersAreKeptWhole) {
  EXPECT_EQ("\x83|a\nb", Markup("\x83|a|b")) << "a trail byte that is a bar";
  EXPECT_EQ("\x83|\x83|", Markup("\x83|\x83|"));
  EXPECT_EQ("x\x83", Markup("x\x83")) << "a lead byte at the end";
}

TEST(TipMarkup, LinesSplitAtLineBreaksOnly) {
  std::vector<std::string> lines;
  auto collect = [&](const char* p, int n) { lines.push_back(std::string(p, n)); };
  const char text[] = "ab\n\x83\ncd";  // 0x83 0x0A is one character in the double-byte test
  ForEachTipLine(text, (int)strlen(text), ShiftJisLead, collect);
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ("ab", lines[0]);
  EXPECT_EQ("\x83\ncd", lines[1]);
}
