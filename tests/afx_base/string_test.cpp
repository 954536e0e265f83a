// CString: buffer handling, edits at the edges, formatting, conversion and resources.
#include <afx.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <string>

extern "C++" AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

TEST(CStringTest, FormatProducesTextOfAnyLength) {
  std::string big(5000, 'x');
  CString s;
  s.Format("<%s|%d|%05.1f|%I64d>", big.c_str(), -42, 3.14159, (__int64)1 << 40);
  std::string expected = "<" + big + "|-42|003.1|1099511627776>";
  EXPECT_EQ(expected, (LPCTSTR)s);
  EXPECT_EQ((int)expected.size(), s.GetLength());
  s.Format("%s", "");
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, GetBufferAndReleaseBuffer) {
  CString s("abc");
  char* p = s.GetBuffer(100);
  strcpy(p + 3, "defghij");
  s.ReleaseBuffer();  // length from the terminating zero
  EXPECT_STREQ("abcdefghij", s);
  EXPECT_EQ(10, s.GetLength());
  s.GetBuffer(1);  // a smaller request keeps the text
  s.ReleaseBuffer(4);
  EXPECT_STREQ("abcd", s);

  CString empty;
  strcpy(empty.GetBuffer(0), "");
  empty.ReleaseBuffer();
  EXPECT_TRUE(empty.IsEmpty());

  CString sized;
  memset(sized.GetBufferSetLength(5), 'z', 5);
  EXPECT_STREQ("zzzzz", sized);
  sized.FreeExtra();
  EXPECT_STREQ("zzzzz", sized);
}

TEST(CStringTest, ReplaceRemoveFindAtTheEdges) {
  CString s("aaaaa");
  EXPECT_EQ(2, s.Replace("aa", "b"));  // non-overlapping, left to right
  EXPECT_STREQ("bba", s);
  EXPECT_EQ(1, s.Replace("a", "xyz"));
  EXPECT_STREQ("bbxyz", s);
  EXPECT_EQ(0, s.Replace("", "q"));
  EXPECT_EQ(0, s.Replace("nothere", "q"));
  EXPECT_EQ(2, s.Replace("b", ""));
  EXPECT_STREQ("xyz", s);
  EXPECT_EQ(1, s.Remove('y'));
  EXPECT_STREQ("xz", s);

  CString t("abcabc");
  EXPECT_EQ(3, t.Find('a', 1));
  EXPECT_EQ(-1, t.Find('a', 6));
  EXPECT_EQ(-1, t.Find('a', -1));
  EXPECT_EQ(3, t.Find("abc", 1));
  EXPECT_EQ(-1, t.Find("abc", 4));
  EXPECT_EQ(5, t.ReverseFind('c'));
  EXPECT_EQ(2, t.FindOneOf("xc"));
  EXPECT_EQ(-1, t.Find((LPCTSTR)NULL));

  EXPECT_STREQ("", t.Mid(6));
  EXPECT_STREQ("", t.Mid(10, 2));
  EXPECT_STREQ("ab", t.Mid(-3, 2));
  EXPECT_STREQ("cabc", t.Mid(2, 100));
  EXPECT_STREQ("", t.Left(-1));
  EXPECT_STREQ("abcabc", t.Right(100));
  EXPECT_STREQ("bc", t.Right(2));
  EXPECT_STREQ("ab", t.SpanIncluding("ba"));
  EXPECT_STREQ("abcabc", t.SpanIncluding("cab"));
  EXPECT_STREQ("ab", t.SpanExcluding("c"));
}

TEST(CStringTest, InsertDeleteTrimAndCase) {
  CString s("world");
  EXPECT_EQ(6, s.Insert(-5, 'W'));
  EXPECT_EQ(12, s.Insert(100, " hello"));
  EXPECT_STREQ("Wworld hello", s);
  EXPECT_EQ(11, s.Delete(0));
  EXPECT_EQ(5, s.Delete(5, 100));
  EXPECT_STREQ("world", s);
  EXPECT_EQ(5, s.Delete(9, 1));

  CString t(" \t xx yy \r\n");
  t.TrimLeft();
  t.TrimRight();
  EXPECT_STREQ("xx yy", t);
  t.TrimLeft("x");
  t.TrimRight('y');
  EXPECT_STREQ(" ", t);
  t = "AbC";
  t.MakeReverse();
  EXPECT_STREQ("CbA", t);
  t.MakeUpper();
  EXPECT_STREQ("CBA", t);
  EXPECT_EQ(0, t.CompareNoCase("cba"));
  EXPECT_TRUE(CString("B") < "a");  // byte order
  EXPECT_TRUE("abc" == CString("abc"));
  EXPECT_TRUE(CString("abd") > CString("abc"));
}

TEST(CStringTest, CopiesAndAliasesAreIndependent) {
  CString a("abc");
  CString b = a;
  b.SetAt(0, 'x');
  b.GetBuffer(50)[1] = 'y';
  b.ReleaseBuffer();
  EXPECT_STREQ("abc", a);
  EXPECT_STREQ("xyc", b);
  EXPECT_NE((LPCTSTR)a, (LPCTSTR)b);

  a = a;
  EXPECT_STREQ("abc", a);
  a = (LPCTSTR)a + 1;  // source inside the string's own buffer
  EXPECT_STREQ("bc", a);
  a += a;
  EXPECT_STREQ("bcbc", a);
  for (int i = 0; i < 3; i++) a += (LPCTSTR)a;  // growth while appending from itself
  EXPECT_EQ(32, a.GetLength());
  EXPECT_STREQ("bcbcbcbcbcbcbcbcbcbcbcbcbcbcbcbc", a);

  CString c('-', 3);
  EXPECT_STREQ("---x", c + 'x');
  EXPECT_STREQ("x---", 'x' + c);
  EXPECT_STREQ("a---b", "a" + c + "b");
  EXPECT_EQ(0, CString('q', 0).GetLength());
  EXPECT_TRUE(CString((LPCSTR)NULL).IsEmpty());
}

TEST(CStringTest, WideTextIsConvertedToTheAnsiCodePage) {
  CString s(L"Hello, world");
  EXPECT_STREQ("Hello, world", s);
  const unsigned short units[] = {'O', 'K', 0};
  s = units;
  EXPECT_STREQ("OK", s);
  s = (const wchar_t*)NULL;
  EXPECT_TRUE(s.IsEmpty());
  if (GetACP() == 1252) {
    CString e(L"caf\u00e9 \u20ac");
    EXPECT_STREQ("caf\xe9 \x80", e);
    CString missing(L"\u4e00");  // not in the code page: the default character
    EXPECT_STREQ("?", missing);
  }
}

TEST(CStringTest, AllocationFailureThrowsAndKeepsTheText) {
  CString s("keep");
  bool thrown = false;
  TRY { s.GetBuffer(INT_MAX); }
  CATCH(CMemoryException, e) {
    thrown = true;
    e->Delete();
  }
  END_CATCH
  EXPECT_TRUE(thrown);
  EXPECT_STREQ("keep", s);
}

TEST(CStringTest, LoadStringAndSubstrings) {
  AfxSetResourceHandle(GetModuleHandleA(NULL));
  CString s;
  EXPECT_TRUE(s.LoadString(1));
  EXPECT_STREQ("Hello", s);
  EXPECT_TRUE(s.LoadString(2));  // longer than the first buffer
  EXPECT_EQ(313, s.GetLength());
  EXPECT_STREQ("end", s.Right(3));
  EXPECT_FALSE(s.LoadString(999));
  EXPECT_TRUE(s.IsEmpty());
  CString r(MAKEINTRESOURCE(1));
  EXPECT_STREQ("Hello", r);
  r.Format(3, 2, "pears");
  EXPECT_STREQ("2 apples and pears", r);

  CString field;
  EXPECT_TRUE(AfxExtractSubString(field, "a|bc||d", 1, '|'));
  EXPECT_STREQ("bc", field);
  EXPECT_TRUE(AfxExtractSubString(field, "a|bc||d", 2, '|'));
  EXPECT_STREQ("", field);
  EXPECT_TRUE(AfxExtractSubString(field, "a|bc||d", 3, '|'));
  EXPECT_STREQ("d", field);
  EXPECT_FALSE(AfxExtractSubString(field, "a|bc||d", 4, '|'));
  EXPECT_FALSE(AfxExtractSubString(field, NULL, 0));
}
