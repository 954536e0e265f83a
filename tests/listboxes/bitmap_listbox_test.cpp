// The bitmap list box: cutting the strips, the normal, selected and hot cells, its background.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "Input.h"
#include "RecordingParent.h"
#include "TabSkin.h"

using namespace ostrel_test;

namespace {

const int kCellWidth = 112, kCellHeight = 24;

class BitmapListBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_NE(Skin(), (HINSTANCE)NULL); }
  void SetUp() override {
    ASSERT_TRUE(m_list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOTIFY, CRect(10, 10, 130, 160), &m_parent, 5));
  }

  BOOL Associate(int nCells) {
    return m_list.AssociateBitmaps(Skin(), kLinesNormal, kLinesSelected, kLinesHot, nCells);
  }

  CRecordingParent m_parent;
  CBitmapListBox m_list;
};

TEST_F(BitmapListBoxTest, StripsMustDivideIntoTheCells) {
  EXPECT_FALSE(m_list.AssociateBitmaps(NULL, kLinesNormal, kLinesSelected, kLinesHot, 4));
  EXPECT_FALSE(m_list.AssociateBitmaps(Skin(), 9999, kLinesSelected, kLinesHot, 4));  // no such strip
  EXPECT_FALSE(Associate(0));
  EXPECT_FALSE(Associate(3));  // 448 pixels
  EXPECT_FALSE(CBitmapListBox().AssociateBitmaps(Skin(), kLinesNormal, kLinesSelected, kLinesHot, 4)) << "no window";
  EXPECT_EQ(m_list.GetCount(), 0);

  EXPECT_TRUE(Associate(4));
  EXPECT_EQ(m_list.GetCount(), 4);
  EXPECT_EQ(m_list.GetItemHeight(0), kCellHeight);
}

TEST_F(BitmapListBoxTest, ItemsShowTheirCellOfTheNormalSelectedOrHotStrip) {
  ASSERT_TRUE(Associate(4));
  m_list.SetCurSel(2);
  Pixels normal = SkinBitmap(kLinesNormal), selected = SkinBitmap(kLinesSelected), hot = SkinBitmap(kLinesHot);
  auto expectCells = [&](const Pixels* looks[4]) {
    Pixels shown = ReadClient(m_list.m_hWnd);
    for (int i = 0; i < 4; ++i) {
      CRect rc;
      m_list.GetItemRect(i, &rc);
      EXPECT_TRUE(ShowsCell(shown, rc.left, rc.top, *looks[i], kCellWidth * i, 0, kCellWidth, kCellHeight))
          << "item " << i;
    }
  };
  SendMouse(m_list.m_hWnd, WM_MOUSEMOVE, 20, kCellHeight + 5);  // over item 1
  const Pixels* hotOne[4] = {&normal, &hot, &selected, &normal};
  expectCells(hotOne);
  SendMouse(m_list.m_hWnd, WM_MOUSEMOVE, 20, 2 * kCellHeight + 5);  // over the selected item
  const Pixels* hotSelected[4] = {&normal, &normal, &selected, &normal};
  expectCells(hotSelected);

  // Below the items the list shows white.
  Pixels shown = ReadClient(m_list.m_hWnd);
  EXPECT_EQ(shown.Count(CRect(0, 4 * kCellHeight + 2, 100, 140), RGB(255, 255, 255)), 100 * 42);
}

}  // namespace
