// Item lists in memory: ids, types and their order, selection limits, the iterator.
#include <gtest/gtest.h>

#include "list_helpers.h"
#include "t32Base.h"

using namespace list_test;
using V = std::vector<int>;

TEST(ItemList, ItemsKeepCopiesIdsAreNotReusedAndBadArgumentsChangeNothing) {
  CIIList list;
  const int a = AddSolid(list, RGB(255, 0, 0)), b = AddSolid(list, RGB(0, 255, 0));
  EXPECT_EQ(RGB(255, 0, 0), PictureColor(list, a));  // the caller's buffer is already freed
  EXPECT_EQ(1, list.DeleteII(b, 0));
  EXPECT_EQ(0, list.DeleteII(b, 0));
  EXPECT_EQ(NULL, list.GetIIBuffer(b));
  EXPECT_EQ(2, AddSolid(list, RGB(1, 2, 3)));
  EXPECT_EQ(V({a, 2}), Order(list, 0));  // deleting also left the type

  _IIDATA bad;
  memset(&bad, 0, sizeof bad);
  EXPECT_EQ(-1, list.AddII(NULL));
  EXPECT_EQ(-1, list.AddII(&bad));  // mode 0
  bad.nMode = IIBUF_COPY;
  memset(bad.szName, 'x', sizeof bad.szName);  // not terminated
  EXPECT_EQ(-1, list.AddII(&bad));
  EXPECT_EQ(0, list.TypeAddII(0, a));  // already a member
  EXPECT_EQ(0, list.SetIIWH(10, IILIST_MAX_WH + 1));
  EXPECT_EQ(V({a, 2}), Order(list, 0));
  int w = 0, h = 0;
  list.RetrieveIIWH(w, h);
  EXPECT_EQ(64, w);
}

TEST(ItemList, TypesKeepTheirOwnOrderAndSelectionsRespectTheLimit) {
  CIIList list;
  const int a = AddSolid(list, 0, 0), b = AddSolid(list, 0, 0), c = AddSolid(list, 0, 1);
  EXPECT_EQ(1, list.TypeAddII(1, a));
  EXPECT_EQ(V({a, b}), Order(list, 0));
  EXPECT_EQ(V({c, a}), Order(list, 1));
  int small[1] = {-5};
  _ORDER part = {1, small};
  EXPECT_EQ(1, list.TypeGetOrder(0, &part));  // fills only what fits
  EXPECT_EQ(a, small[0]);
  EXPECT_EQ(1, list.TypeDeleteII(1, a));
  EXPECT_EQ(1, list.SetMaxTypeNum(1));  // type 1 goes with its memberships
  EXPECT_EQ(-1, list.TypeGetCount(1));
  EXPECT_EQ(1, list.TypeAddII(0, c));
  EXPECT_EQ(V({a, b, c}), Order(list, 0));

  EXPECT_EQ(1, list.TypeSetSelectII(0, b, TRUE));
  EXPECT_EQ(0, list.TypeSetSelectII(0, c, TRUE));  // one at a time by default
  EXPECT_EQ(1, list.SetMulSelectNum(2));
  int abc[3] = {c, a, b};
  _ORDER three = {3, abc}, two = {2, abc};
  EXPECT_EQ(0, list.TypeSetSelect(0, &three));
  EXPECT_EQ(1, list.TypeSetSelect(0, &two));
  EXPECT_EQ(V({a, c}), Selected(list, 0));  // in position order, not in the order given
  int stranger[1] = {77};
  _ORDER bad = {1, stranger};
  EXPECT_EQ(0, list.TypeSetSelect(0, &bad));
  EXPECT_EQ(V({a, c}), Selected(list, 0));
  EXPECT_EQ(1, list.SetMulSelectNum(1));  // trims the selection
  EXPECT_EQ(1, list.TypeGetSelectCount(0));

  EXPECT_EQ(1, list.SetMulSelectNum(IIMULSEL_ANY));
  EXPECT_EQ(1, list.TypeSetSelect(0, &three));
  // Deleting while iterating is safe: the iterator works on a snapshot.
  CIIList::iteratorTypeSelect it(&list, 0);
  for (it.First(); !it.IsDone(); it.Next()) list.DeleteII(*it.CurrentItem(), 0);
  EXPECT_EQ(0, list.GetIICount());
  EXPECT_EQ(NULL, it.CurrentItem());
}
