// Lists, arrays and maps: order, removal while iterating, growth and relocation, lookup.
#include <afx.h>
#include <gtest/gtest.h>
#include <set>
#include <string>

static std::string Join(const CStringList& list) {
  std::string out;
  for (POSITION pos = list.GetHeadPosition(); pos != NULL;) out += (LPCTSTR)list.GetNext(pos);
  return out;
}

TEST(ListTest, OrderOfInsertionsAndBackwardWalk) {
  CStringList list;
  POSITION posB = list.AddTail("b");
  list.AddHead("a");
  list.AddTail("d");
  list.InsertAfter(posB, "c");
  list.InsertBefore(list.GetHeadPosition(), "0");
  list.InsertAfter(NULL, "e");  // NULL: at the tail
  EXPECT_EQ("0abcde", Join(list));
  EXPECT_EQ(6, list.GetCount());

  std::string backwards;
  for (POSITION pos = list.GetTailPosition(); pos != NULL;) backwards += (LPCTSTR)list.GetPrev(pos);
  EXPECT_EQ("edcba0", backwards);

  EXPECT_STREQ("c", list.GetAt(list.FindIndex(3)));
  EXPECT_EQ(NULL, list.FindIndex(6));
  EXPECT_EQ(NULL, list.FindIndex(-1));
  EXPECT_EQ(posB, list.Find("b"));
  EXPECT_EQ(NULL, list.Find("b", posB));  // search starts after posB
  list.AddTail(&list);                    // appending a list to itself doubles it once
  EXPECT_EQ("0abcde0abcde", Join(list));
}

TEST(ListTest, RemoveDuringIterationAndFromTheEnds) {
  CPtrList list;
  for (INT_PTR i = 0; i < 10; i++) list.AddTail((void*)i);
  for (POSITION pos = list.GetHeadPosition(); pos != NULL;) {
    POSITION current = pos;
    INT_PTR value = (INT_PTR)list.GetNext(pos);
    if (value % 2 == 0) list.RemoveAt(current);
  }
  ASSERT_EQ(5, list.GetCount());
  EXPECT_EQ((void*)1, list.GetHead());
  EXPECT_EQ((void*)9, list.GetTail());
  EXPECT_EQ((void*)9, list.RemoveTail());
  EXPECT_EQ((void*)1, list.RemoveHead());
  EXPECT_EQ((void*)3, list.GetHead());
  EXPECT_EQ((void*)7, list.GetTail());
  list.RemoveAll();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(NULL, list.GetHeadPosition());
  EXPECT_EQ(NULL, list.RemoveHead());  // empty: a default value, no crash

  CStringList strings;
  strings.AddTail("only");
  EXPECT_STREQ("only", strings.RemoveTail());
  EXPECT_STREQ("", strings.RemoveTail());
  EXPECT_EQ(NULL, strings.GetTailPosition());
}

TEST(ArrayTest, GrowthInsertRemoveKeepStringsIntact) {
  CStringArray array;
  array.SetSize(0, 3);
  for (int i = 0; i < 1000; i++) {
    CString s;
    s.Format("item %d", i);
    EXPECT_EQ(i, array.Add(s));
  }
  array.InsertAt(10, "new", 3);
  array.RemoveAt(0, 5);
  ASSERT_EQ(998, array.GetSize());
  EXPECT_STREQ("item 5", array[0]);
  EXPECT_STREQ("new", array[5]);
  EXPECT_STREQ("new", array[7]);
  EXPECT_STREQ("item 10", array[8]);
  EXPECT_STREQ("item 999", array[array.GetUpperBound()]);
  array.RemoveAt(990, 100);  // clamped to the end
  EXPECT_EQ(990, array.GetSize());
  array.RemoveAt(-1);
  array.RemoveAt(990);
  EXPECT_EQ(990, array.GetSize());

  array.SetAtGrow(1000, "far");
  EXPECT_EQ(1001, array.GetSize());
  EXPECT_TRUE(array[995].IsEmpty());
  array.Add(array[0]);  // an element of the array itself, added while it grows
  EXPECT_STREQ("item 5", array[1001]);
  array.FreeExtra();
  EXPECT_STREQ("far", array[1000]);
  array.SetSize(2);
  EXPECT_EQ(2, array.GetSize());
  EXPECT_STREQ("item 6", array.GetAt(1));
}

TEST(ArrayTest, CopyAppendAndInsertArrays) {
  CDWordArray a, b;
  for (DWORD i = 0; i < 4; i++) a.Add(i);
  b.Copy(a);
  EXPECT_EQ(4, b.Append(a));
  EXPECT_EQ(8, b.GetSize());
  b.Append(b);
  EXPECT_EQ(16, b.GetSize());
  EXPECT_EQ(3u, b[15]);
  a.InsertAt(1, &a);  // inserting an array into itself
  DWORD expected[] = {0, 0, 1, 2, 3, 1, 2, 3};
  ASSERT_EQ(8, a.GetSize());
  for (int i = 0; i < 8; i++) EXPECT_EQ(expected[i], a[i]) << i;
  a.InsertAt(20, 7u);
  EXPECT_EQ(21, a.GetSize());
  EXPECT_EQ(0u, a[19]);
  EXPECT_EQ(7u, a[20]);

  CByteArray bytes;
  bytes.SetSize(3);
  EXPECT_EQ(0, bytes[0] | bytes[1] | bytes[2]);  // new elements start at zero
  CObArray objects;
  EXPECT_TRUE(objects.IsKindOf(RUNTIME_CLASS(CObArray)));
  EXPECT_FALSE(objects.IsKindOf(RUNTIME_CLASS(CPtrArray)));
}

TEST(MapTest, LookupRemoveAndIterateEveryEntryOnce) {
  CMapStringToPtr map;
  for (INT_PTR i = 0; i < 500; i++) {
    CString key;
    key.Format("key%d", (int)i);
    map.SetAt(key, (void*)i);
  }
  map["key7"] = (void*)7000;
  EXPECT_EQ(500, map.GetCount());
  void* value = NULL;
  ASSERT_TRUE(map.Lookup("key7", value));
  EXPECT_EQ((void*)7000, value);
  EXPECT_FALSE(map.Lookup("KEY7", value));
  EXPECT_EQ(NULL, map["absent"]);  // operator[] adds an empty entry
  EXPECT_EQ(501, map.GetCount());
  for (int i = 0; i < 500; i += 2) {
    CString key;
    key.Format("key%d", i);
    EXPECT_TRUE(map.RemoveKey(key));
  }
  EXPECT_FALSE(map.RemoveKey("key0"));

  std::set<std::string> seen;
  POSITION pos = map.GetStartPosition();
  while (pos != NULL) {
    CString key;
    map.GetNextAssoc(pos, key, value);
    EXPECT_TRUE(seen.insert((LPCTSTR)key).second) << (LPCTSTR)key;
  }
  EXPECT_EQ(251u, seen.size());
  EXPECT_EQ(1u, seen.count("key499"));
  EXPECT_EQ(0u, seen.count("key498"));

  CMapWordToPtr words;
  words.InitHashTable(7);
  for (WORD w = 0; w < 100; w++) words[w] = (void*)(INT_PTR)(w * 3);
  EXPECT_TRUE(words.Lookup(99, value));
  EXPECT_EQ((void*)297, value);
  words.RemoveAll();
  EXPECT_EQ(NULL, words.GetStartPosition());
  EXPECT_FALSE(words.Lookup(99, value));
}
