// Lists and arrays: order, removal while iterating, growth from the container's own elements.
#include <afx.h>
#include <gtest/gtest.h>
#include <string>

static std::string Join(const CStringList& list) {
  std::string out;
  for (POSITION pos = list.GetHeadPosition(); pos != NULL;) out += (LPCTSTR)list.GetNext(pos);
  return out;
}

TEST(ListTest, InsertionsRemovalWhileWalkingAndEmptyEnds) {
  CStringList list;
  POSITION posB = list.AddTail("b");
  list.AddHead("a");
  list.InsertAfter(posB, "c");
  list.InsertBefore(list.GetHeadPosition(), "0");
  EXPECT_EQ("0abc", Join(list));
  EXPECT_EQ(NULL, list.Find("b", posB));  // search starts after posB
  EXPECT_EQ(NULL, list.FindIndex(4));
  list.AddTail(&list);  // appending a list to itself doubles it once
  EXPECT_EQ("0abc0abc", Join(list));

  CPtrList ptrs;
  for (INT_PTR i = 0; i < 10; i++) ptrs.AddTail((void*)i);
  for (POSITION pos = ptrs.GetHeadPosition(); pos != NULL;) {
    POSITION current = pos;
    if ((INT_PTR)ptrs.GetNext(pos) % 2 == 0) ptrs.RemoveAt(current);
  }
  EXPECT_EQ(5, ptrs.GetCount());
  EXPECT_EQ((void*)9, ptrs.RemoveTail());
  EXPECT_EQ((void*)1, ptrs.RemoveHead());
  ptrs.RemoveAll();
  EXPECT_EQ(NULL, ptrs.RemoveHead());  // empty: a default value, no crash
}

TEST(ArrayTest, GrowthInsertRemoveAndSelfReference) {
  CStringArray array;
  array.SetSize(0, 3);
  for (int i = 0; i < 1000; i++) {
    CString s;
    s.Format("item %d", i);
    array.Add(s);
  }
  array.InsertAt(10, "new", 3);
  array.RemoveAt(0, 5);
  ASSERT_EQ(998, array.GetSize());
  EXPECT_STREQ("item 5", array[0]);
  EXPECT_STREQ("new", array[7]);
  EXPECT_STREQ("item 10", array[8]);
  array.RemoveAt(990, 100);  // clamped to the end
  EXPECT_EQ(990, array.GetSize());
  array.SetAtGrow(1000, "far");
  EXPECT_TRUE(array[995].IsEmpty());
  array.Add(array[0]);  // an element of the array itself, added while it grows
  EXPECT_STREQ("item 5", array[1001]);

  CDWordArray a;
  for (DWORD i = 0; i < 4; i++) a.Add(i);
  a.InsertAt(1, &a);  // inserting an array into itself
  const DWORD expected[] = {0, 0, 1, 2, 3, 1, 2, 3};
  ASSERT_EQ(8, a.GetSize());
  for (int i = 0; i < 8; i++) EXPECT_EQ(expected[i], a[i]) << i;
  a.Append(a);
  EXPECT_EQ(16, a.GetSize());
}
