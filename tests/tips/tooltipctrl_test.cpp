// The framework's tool-tip wrapper.
#include <gtest/gtest.h>
#include <afxcmn.h>
#include <Ostrel.h>
#include "TipsFixture.h"
#include "tips_test_ids.h"

using namespace ostrel_test;
using namespace tips_test;

TEST(ToolTipCtrl, WindowAndRectangleToolsAreFoundAndRemoved) {
  CRecordingParent parent;
  HWND hButton = AddChild(parent, "BUTTON", 0, 2400, 10, 10, 80, 24);
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&parent));
  EXPECT_TRUE(tip.GetStyle() & WS_POPUP);
  EXPECT_TRUE(tip.AddTool(CWnd::FromHandle(hButton), "Button tip"));
  EXPECT_TRUE(tip.AddTool(&parent, "Area tip", CRect(100, 100, 150, 150), 7));
  EXPECT_FALSE(tip.AddTool(NULL, "nothing"));
  EXPECT_EQ(2, tip.GetToolCount());

  CToolInfo ti;
  ASSERT_TRUE(tip.GetToolInfo(ti, CWnd::FromHandle(hButton)));
  EXPECT_EQ((UINT)(TTF_IDISHWND | TTF_SUBCLASS), ti.uFlags & (TTF_IDISHWND | TTF_SUBCLASS));
  EXPECT_EQ(parent.m_hWnd, ti.hwnd) << "a window tool belongs to its parent";
  ASSERT_TRUE(tip.GetToolInfo(ti, &parent, 7));
  EXPECT_EQ(CRect(100, 100, 150, 150), CRect(ti.rect));
  EXPECT_EQ(0u, ti.uFlags & TTF_IDISHWND);

  TOOLINFOA hit;
  EXPECT_TRUE(tip.HitTest(&parent, CPoint(120, 120), &hit));
  EXPECT_EQ((UINT_PTR)7, hit.uId);
  EXPECT_FALSE(tip.HitTest(&parent, CPoint(20, 200), &hit));
  tip.SetToolRect(&parent, 7, CRect(0, 200, 40, 240));
  EXPECT_TRUE(tip.HitTest(&parent, CPoint(20, 220), NULL));

  CString text;
  tip.UpdateTipText("New text", &parent, 7);
  tip.GetText(text, &parent, 7);
  EXPECT_STREQ("New text", text);
  tip.UpdateTipText(IDC_TIP_OPEN, CWnd::FromHandle(hButton));
  tip.GetText(text, CWnd::FromHandle(hButton));
  EXPECT_STREQ("Open", text) << "string id from the resources";

  tip.DelTool(&parent, 7);
  EXPECT_EQ(1, tip.GetToolCount());
  EXPECT_TRUE(tip.EnumTools(0, ti));
  EXPECT_EQ((UINT_PTR)hButton, ti.uId);
  EXPECT_FALSE(tip.EnumTools(1, ti));
}
