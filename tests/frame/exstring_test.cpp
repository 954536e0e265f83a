// CExString: the excluded character on every assignment form, and loading by module.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <string>
#include "frame_test_ids.h"

namespace {

TEST(ExString, ExcludedCharacterIsDroppedByEveryLaterTextAssignment) {
  CExString s;
  s.Exclude('&');
  s = "A && B&C";
  EXPECT_STREQ("A  BC", (const char*)s) << "one single and one doubled ampersand, blanks kept";
  s = CString("&x&&y&");
  EXPECT_STREQ("xy", (const char*)s);
  s = (const unsigned char*)"&&";
  EXPECT_STREQ("", (const char*)s);
  s = '&';
  EXPECT_TRUE(s.IsEmpty()) << "the excluded character alone";
  s = 'q';
  EXPECT_STREQ("q", (const char*)s);
  const unsigned short wide[] = {'F', 0xE9, '&', 'e', 0};
  s = wide;
  CString expected(wide);  // the same ANSI conversion, with the ampersand
  expected.Remove('&');
  EXPECT_STREQ((const char*)expected, (const char*)s);
  s.Exclude('\x81');
  s = "\x81\x40z\x81";
  EXPECT_STREQ("\x40z", (const char*)s) << "lead bytes equal to the character go as well";

  // Exclude takes effect at the next assignment, and copies keep it.
  EXPECT_EQ(0, CExString().m_chExclude);
  s.Exclude(0);
  s = "a-b";
  EXPECT_EQ(1, s.Exclude('-'));
  EXPECT_STREQ("a-b", (const char*)s);
  CExString copy(s);
  EXPECT_STREQ("a-b", (const char*)copy);
  EXPECT_EQ('-', copy.m_chExclude);
  copy = "c-d";
  EXPECT_STREQ("cd", (const char*)copy);
  s.Exclude(0);
  s = "e-f";
  EXPECT_STREQ("e-f", (const char*)s);
}

TEST(ExString, LoadStringExcludesUpTo253CharactersOnlyAndEmptiesTheTextForAMissingId) {
  const HINSTANCE hExe = GetModuleHandleA(NULL);
  CExString s;
  s.Exclude('&');
  EXPECT_EQ(1, s.LoadString(hExe, IDS_TEST_SHORT));
  EXPECT_STREQ("Exit  close", (const char*)s);

  EXPECT_EQ(1, s.LoadString(hExe, IDS_TEST_253));
  char raw[1024];
  ASSERT_EQ(253, LoadStringA(hExe, IDS_TEST_253, raw, sizeof raw));
  CString stripped(raw);
  stripped.Remove('&');
  EXPECT_STREQ((const char*)stripped, (const char*)s);

  // Longer texts take the other path, which keeps every character.
  for (UINT id : {IDS_TEST_254, IDS_TEST_700}) {
    LoadStringA(hExe, id, raw, sizeof raw);
    EXPECT_EQ(1, s.LoadString(hExe, id));
    EXPECT_STREQ(raw, (const char*)s) << "id " << id << ": the long path does not exclude";
  }
  EXPECT_EQ(0, s.LoadString(hExe, IDS_TEST_MISSING));
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(1, s.LoadString(_ClrBoxInst, 16267));
  EXPECT_STREQ("The required library cannot be found.", (const char*)s);
}

}  // namespace
