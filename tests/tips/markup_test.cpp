// The tip mark-up and the line split, with the system's lead bytes and with a double-byte code page.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <string>
#include <vector>
#include "tips/TipMarkup.h"

namespace {

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
