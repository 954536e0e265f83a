// The text edit's focus and click codes to its parent.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "Input.h"
#include "RecordingParent.h"

using namespace ostrel_test;

TEST(TextEditTest, FocusChangesAndClicksReachTheParentWithTheirCodes) {
  CRecordingParent parent;
  CTextEdit edit;
  CEdit other;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 10, 150, 34), &parent, 7));
  ASSERT_TRUE(other.Create(WS_VISIBLE | WS_BORDER, CRect(10, 50, 150, 74), &parent, 8));
  other.SetFocus();
  parent.Clear();

  edit.SetFocus();
  other.SetFocus();
  SendClick(edit.m_hWnd, 5, 5);
  auto set = parent.Commands(TEXTEDIT_SETFOCUS), kill = parent.Commands(TEXTEDIT_KILLFOCUS),
       down = parent.Commands(TEXTEDIT_LBUTTONDOWN);
  ASSERT_TRUE(set.size() == 2 && kill.size() == 1 && down.size() == 1);  // set by SetFocus, then by the click
  EXPECT_EQ(set[0].wParam, MAKEWPARAM(7, TEXTEDIT_SETFOCUS));
  EXPECT_EQ((HWND)set[0].lParam, other.m_hWnd);   // the window that lost it
  EXPECT_EQ((HWND)kill[0].lParam, other.m_hWnd);  // the window that gains it
  EXPECT_EQ(down[0].wParam, MAKEWPARAM(7, TEXTEDIT_LBUTTONDOWN));
  EXPECT_EQ(down[0].lParam, 0);
  EXPECT_EQ(CWnd::GetFocus(), &edit);  // the click's default processing took place
}
