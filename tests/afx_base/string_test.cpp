// CString: formatting, buffers, edits at the edges, self-aliasing, conversion, resources, and the
// allocation failure the library catches.
#include <afx.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <string>

extern "C++" AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

TEST(CStringTest, FormatAndBuffers) {
  std::string big(5000, 'x');
  CString s;
  s.Format("<%s|%d|%05.1f|%I64d>", big.c_str(), -42, 3.14159, (__int64)1 << 40);
  EXPECT_EQ("<" + big + "|-42|003.1|1099511627776>", (LPCTSTR)s);

  s = "abc";
  strcpy(s.GetBuffer(100) + 3, "defghij");
  s.ReleaseBuffer();  // length from the terminating zero
  EXPECT_EQ(10, s.GetLength());
  s.GetBuffer(1);  // a smaller request keeps the text
  s.ReleaseBuffer(4);
  EXPECT_STREQ("abcd", s);
  memset(s.GetBufferSetLength(5), 'z', 5);
  EXPECT_STREQ("zzzzz", s);
}

TEST(CStringTest, EditsAtTheEdges) {
  CString s("aaaaa");
  EXPECT_EQ(2, s.Replace("aa", "b"));  // non-overlapping, left to right
  EXPECT_STREQ("bba", s);
  EXPECT_EQ(0, s.Replace("", "q"));
  EXPECT_EQ(2, s.Replace("b", ""));
  EXPECT_EQ(1, s.Remove('a'));
  EXPECT_TRUE(s.IsEmpty());

  CString t("abcabc");
  EXPECT_EQ(3, t.Find('a', 1));
  EXPECT_EQ(-1, t.Find('a', 6));
  EXPECT_EQ(-1, t.Find("abc", 4));
  EXPECT_EQ(5, t.ReverseFind('c'));
  EXPECT_EQ(2, t.FindOneOf("xc"));
  EXPECT_STREQ("", t.Mid(10, 2));
  EXPECT_STREQ("ab", t.Mid(-3, 2));
  EXPECT_STREQ("abcabc", t.Right(100));
  EXPECT_STREQ("", t.Left(-1));
  EXPECT_STREQ("ab", t.SpanExcluding("c"));

  CString w("world");
  EXPECT_EQ(6, w.Insert(-5, 'W'));
  EXPECT_EQ(12, w.Insert(100, " hello"));
  EXPECT_EQ(5, w.Delete(5, 100));
  EXPECT_STREQ("Wworl", w);
  CString u(" \t xx \r\n");
  u.TrimLeft();
  u.TrimRight();
  EXPECT_STREQ("xx", u);
  EXPECT_TRUE(CString("B") < "a");  // byte order
  EXPECT_EQ(0, CString("AbC").CompareNoCase("aBc"));
}

TEST(CStringTest, CopiesAndSelfReferencesAreIndependent) {
  CString a("abc");
  CString b = a;
  b.SetAt(0, 'x');
  EXPECT_STREQ("abc", a);
  a = (LPCTSTR)a + 1;  // source inside the string's own buffer
  EXPECT_STREQ("bc", a);
  for (int i = 0; i < 4; i++) a += (LPCTSTR)a;  // growth while appending from itself
  EXPECT_EQ(32, a.GetLength());
  EXPECT_STREQ("bcbcbcbcbcbcbcbcbcbcbcbcbcbcbcbc", a);
  EXPECT_STREQ("a---b", "a" + CString('-', 3) + "b");
  EXPECT_TRUE(CString((LPCSTR)NULL).IsEmpty());
}

TEST(CStringTest, WideTextIsConvertedToTheAnsiCodePage) {
  EXPECT_STREQ("Hello", CString(L"Hello"));
  EXPECT_TRUE(CString((const wchar_t*)NULL).IsEmpty());
  if (GetACP() == 1252) {
    EXPECT_STREQ("caf\xe9 \x80", CString(L"caf\u00e9 \u20ac"));
    EXPECT_STREQ("?", CString(L"\u4e00"));  // not in the code page: the default character
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
  EXPECT_TRUE(s.LoadString(2));  // longer than the first buffer
  EXPECT_EQ(313, s.GetLength());
  EXPECT_STREQ("end", s.Right(3));
  EXPECT_FALSE(s.LoadString(999));
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_STREQ("Hello", CString(MAKEINTRESOURCE(1)));
  s.Format(3, 2, "pears");
  EXPECT_STREQ("2 apples and pears", s);

  CString field;
  EXPECT_TRUE(AfxExtractSubString(field, "a|bc||d", 2, '|'));
  EXPECT_STREQ("", field);
  EXPECT_TRUE(AfxExtractSubString(field, "a|bc||d", 3, '|'));
  EXPECT_STREQ("d", field);
  EXPECT_FALSE(AfxExtractSubString(field, "a|bc||d", 4, '|'));
  EXPECT_FALSE(AfxExtractSubString(field, NULL, 0));
}
