// CString: formatting, buffers, edits past the ends, self-aliasing, conversion, resources, and the
// allocation failure the library catches.
#include <afx.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <string>

extern "C++" AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

TEST(CStringTest, FormatBuffersEditsPastTheEndsAndAFailedAllocation) {
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

  CString t("aaaaa");
  EXPECT_EQ(2, t.Replace("aa", "b"));  // non-overlapping, left to right
  EXPECT_STREQ("bba", t);
  EXPECT_EQ(0, t.Replace("", "q"));
  CString w("world");
  EXPECT_EQ(6, w.Insert(-5, 'W'));
  EXPECT_EQ(12, w.Insert(100, " hello"));
  EXPECT_EQ(5, w.Delete(5, 100));
  EXPECT_STREQ("Wworl", w);
  EXPECT_STREQ("", w.Mid(10, 2));
  EXPECT_STREQ("Ww", w.Mid(-3, 2));
  EXPECT_EQ(-1, w.Find('W', 6));

  s = "keep";  // a request that cannot be met throws and keeps the text
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

TEST(CStringTest, CopiesAndSelfReferencesAreIndependent) {
  CString a("abc");
  CString b = a;
  b.SetAt(0, 'x');
  EXPECT_STREQ("abc", a);
  a = (LPCTSTR)a + 1;  // source inside the string's own buffer
  EXPECT_STREQ("bc", a);
  for (int i = 0; i < 4; i++) a += (LPCTSTR)a;  // growth while appending from itself
  EXPECT_STREQ("bcbcbcbcbcbcbcbcbcbcbcbcbcbcbcbc", a);
  EXPECT_TRUE(CString((LPCSTR)NULL).IsEmpty());
  EXPECT_TRUE(CString((const wchar_t*)NULL).IsEmpty());
  if (GetACP() == 1252) {
    EXPECT_STREQ("caf\xe9 \x80", CString(L"caf\u00e9 \u20ac"));
    EXPECT_STREQ("?", CString(L"\u4e00"));  // not in the code page: the default character
  }
}

TEST(CStringTest, LoadString) {
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
}
