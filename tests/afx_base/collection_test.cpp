// Lists and arrays: removal while walking, and growth from the container's own elements.
#include <afx.h>
#include <gtest/gtest.h>
#include <string>

TEST(Collections, RemovalWhileWalkingAndSelfReferences) {
  CPtrList ptrs;
  for (INT_PTR i = 0; i < 10; i++) ptrs.AddTail((void*)i);
  for (POSITION pos = ptrs.GetHeadPosition(); pos != NULL;) {
    POSITION current = pos;
    if ((INT_PTR)ptrs.GetNext(pos) % 2 == 0) ptrs.RemoveAt(current);
  }
  EXPECT_EQ((void*)9, ptrs.RemoveTail());
  EXPECT_EQ((void*)1, ptrs.RemoveHead());
  ptrs.RemoveAll();
  EXPECT_EQ(NULL, ptrs.RemoveHead());  // empty: a default value, no crash

  CStringList list;
  list.AddTail("a");
  list.AddTail("b");
  list.AddTail(&list);  // appending a list to itself doubles it once
  std::string joined;
  for (POSITION pos = list.GetHeadPosition(); pos != NULL;) joined += (LPCTSTR)list.GetNext(pos);
  EXPECT_EQ("abab", joined);

  CStringArray array;
  array.SetSize(0, 3);
  for (int i = 0; i < 1000; i++) array.Add("item");
  array.SetAt(0, "first");
  array.RemoveAt(990, 100);  // clamped to the end
  array.Add(array[0]);       // an element of the array itself, added while it grows
  ASSERT_EQ(991, array.GetSize());
  EXPECT_STREQ("first", array[990]);

  CDWordArray a;
  for (DWORD i = 0; i < 4; i++) a.Add(i);
  a.InsertAt(1, &a);  // inserting an array into itself
  const DWORD expected[] = {0, 0, 1, 2, 3, 1, 2, 3};
  ASSERT_EQ(8, a.GetSize());
  for (int i = 0; i < 8; i++) EXPECT_EQ(expected[i], a[i]) << i;
}
