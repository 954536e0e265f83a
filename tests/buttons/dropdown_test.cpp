// The owner-drawn button's picture drop-down: identifiers with a base, the menu cut from one strip,
// where it opens, the choice reaching the parent and the face, and bad item lists.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "ButtonFixture.h"
#include "Input.h"
#include "Pixels.h"
#include "ShownMenu.h"

using namespace ostrel_test;

namespace {

// Brush shapes: strip 880 has a 40 x 28 row per item for the face, strip 881 a 64 x 26 row per
// menu item; both have four state columns.
UINT g_ids[4] = {65535, 65536, 65537, 65538};  // base 2, commands 1 to 4

class CProbeButton : public COkButton {
 public:
  using COkButton::m_menuPopup;
  UINT CheckedItems() const {  // bit k: item k is checked
    UINT nBits = 0;
    for (int k = 0; k < 4; ++k) nBits |= (m_menuPopup.GetMenuState(k, MF_BYPOSITION) & MF_CHECKED) ? 1u << k : 0;
    return nBits;
  }
};

class DropDownTest : public ButtonFixture {
 protected:
  void Make(CProbeButton& button, int x, int y) {
    Item(501, x, y);
    ASSERT_TRUE(button.Create(&m_parent, 501, COkButton::BITMAP_CUSTOM, 880, _ButtonVexBmpInst));
    ASSERT_TRUE(button.CreateSubDB(g_ids, 4, 881, _ButtonVexBmpInst));
  }
  // Clicks the button and chooses item nPos of its menu (-1: closes it).
  static ShownMenu ClickAndChoose(CWnd& button, int nPos) {
    ShownMenu shown = WhileMenuShown([&] { SendClick(button.m_hWnd, 5, 5); }, nPos);
    EXPECT_FALSE(shown.timedOut);
    return shown;
  }
};

TEST_F(DropDownTest, ChoiceReachesTheParentAndTheFace) {
  CProbeButton button;
  Make(button, 10, 10);
  CRect rcButton;
  button.GetWindowRect(&rcButton);
  EXPECT_EQ(CSize(40, 28), rcButton.Size());  // one row of the face strip
  m_parent.Clear();
  ShownMenu shown = ClickAndChoose(button, 1);
  EXPECT_EQ(rcButton.left, shown.window.left);  // below the button, from its left edge
  EXPECT_EQ(rcButton.bottom, shown.window.top);
  Pixels menuStrip = BitmapPixels(_ButtonVexBmpInst, 881);
  ASSERT_EQ(4u, shown.items.size());
  for (int k = 0; k < 4; ++k) {
    int x = shown.items[k].rect.left - shown.origin.x, y = shown.items[k].rect.top - shown.origin.y;
    int column = k == 0 ? 3 : 0;  // the first item starts checked
    EXPECT_TRUE(ShowsCell(shown.pixels, x, y, menuStrip, 64 * column, 26 * k, 20, 20)) << k;
  }
  EXPECT_EQ(65536, button.GetCurMenuID());
  EXPECT_EQ(0x2u, button.CheckedItems());
  ASSERT_EQ(1u, m_parent.Commands(0).size());
  EXPECT_EQ(0u, m_parent.Commands(0)[0].wParam);  // the low 16 bits of 65536, code 0
  EXPECT_EQ((LPARAM)button.m_hWnd, m_parent.Commands(0)[0].lParam);
  Pixels strip = BitmapPixels(_ButtonVexBmpInst, 880), face = ReadClient(button.m_hWnd);
  int nShownRow = -1;  // the strip row whose cell, in any state column, the face shows
  for (int cell = 0; cell < 16; ++cell)
    if (ShowsCell(face, 0, 0, strip, 40 * (cell % 4), 28 * (cell / 4), 40, 28)) nShownRow = cell / 4;
  EXPECT_EQ(1, nShownRow);

  ClickAndChoose(button, -1);  // dismissed: nothing changes, nothing is said
  EXPECT_EQ(65536, button.GetCurMenuID());
  EXPECT_EQ(1u, m_parent.Commands(0).size());
}

TEST_F(DropDownTest, OpensTowardsTheRoomAndKeepsItsListAgainstBadOnes) {
  CProbeButton button;
  CRect rcParent;
  m_parent.GetClientRect(&rcParent);
  Make(button, rcParent.right - 45, rcParent.bottom - 30);  // the parent's bottom-right corner
  CRect rcButton;
  button.GetWindowRect(&rcButton);
  ShownMenu shown = ClickAndChoose(button, -1);
  EXPECT_EQ(rcButton.right, shown.window.right);
  EXPECT_EQ(rcButton.top, shown.window.bottom);

  EXPECT_FALSE(button.SetCurMenuID(2));  // a command without its base is not an identifier
  EXPECT_TRUE(button.SetCurMenuID(65537));
  EXPECT_EQ(0x4u, button.CheckedItems());
  MEASUREITEMSTRUCT mis = {ODT_MENU, 0, 3, 0, 0, 0};
  button.SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis);
  EXPECT_EQ((UINT)(64 - GetSystemMetrics(SM_CXMENUCHECK)), mis.itemWidth);
  EXPECT_EQ(26u, mis.itemHeight);
  EXPECT_FALSE(button.CreateSubDB(g_ids, 0, 881, _ButtonVexBmpInst));
  EXPECT_FALSE(button.CreateSubDB(NULL, 3, 881, _ButtonVexBmpInst));
  EXPECT_EQ(4, (int)button.m_menuPopup.GetMenuItemCount());  // the old list stays
  EXPECT_EQ(65537, button.GetCurMenuID());
}

}  // namespace
