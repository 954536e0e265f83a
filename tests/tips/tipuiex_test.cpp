// CTipUIEx, the on-demand tip.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "Input.h"
#include "TipsFixture.h"
#include "tips_test_ids.h"

using namespace ostrel_test;
using namespace tips_test;

namespace {

// Counts how often the window is shown.
struct CountingTip : public CTipUIEx {
  int shows = 0;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_WINDOWPOSCHANGED && (((WINDOWPOS*)lParam)->flags & SWP_SHOWWINDOW)) shows++;
    return CTipUIEx::WindowProc(message, wParam, lParam);
  }
};

class TipUIExTest : public ::testing::Test {
 protected:
  void SetUp() override { m_hTarget = AddChild(m_parent, "BUTTON", 0, 2300, 60, 60, 80, 30); }
  CSize BalloonSize(UINT nID) {
    CString text;
    text.LoadString(nID);
    CSize size = GetTipRect(&m_tip, text, CFont::FromHandle(m_tip.m_hFont));
    return CSize(size.cx + 18, size.cy + 38);
  }
  // Until the tip shows and the tick after the showing has stopped the timer.
  bool WaitShownAndSettled() {
    return PumpUntil([&] { return m_tip.IsWindowVisible() && !m_tip.m_bTimer; }, 3000);
  }

  CRecordingParent m_parent;
  CountingTip m_tip;
  HWND m_hTarget = NULL;
};

}  // namespace

TEST_F(TipUIExTest, OneTipPerBurstOfShowsBelowTheTargetOverTheScreenHiddenByAnyClickThroughItsHook) {
  HWND hBack = CreateBackdrop(m_parent, 0, 0, 400, 300);
  SetWindowPos(hBack, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ASSERT_EQ(1, m_tip.Create(&m_parent, CWnd::FromHandle(m_hTarget)));
  EXPECT_EQ(m_tip.m_hWnd, CTipUIEx::m_hTipWnd);
  EXPECT_EQ((DWORD)WS_POPUP, m_tip.GetStyle() & (WS_POPUP | WS_CHILD | WS_CAPTION));
  for (int id : {0, -3}) {
    m_tip.Show(id, 0);
    EXPECT_TRUE(m_tip.m_bTimer);
    EXPECT_TRUE(PumpUntil([&] { return !m_tip.m_bTimer; })) << "the first tick stops the timer";
  }
  EXPECT_FALSE(m_tip.IsWindowVisible());
  EXPECT_EQ(0, m_tip.shows);
  m_tip.Show(IDS_TIPEX_SHORT, 0);
  m_tip.Show(IDS_TIPEX_BARS, 7);
  ASSERT_TRUE(WaitShownAndSettled());
  EXPECT_EQ(1, m_tip.shows);
  EXPECT_EQ(7, m_tip.m_nParam);
  EXPECT_EQ(-1, m_tip.m_nStringID);
  // The bars are not mark-up here: the size is that of one line.
  CRect rc;
  m_tip.GetWindowRect(&rc);
  EXPECT_EQ(BalloonSize(IDS_TIPEX_BARS), rc.Size());
  CPoint centre = CentreOf(m_hTarget);
  EXPECT_EQ(0, m_tip.m_nArrow);
  EXPECT_EQ(CPoint(centre.x + 1 - 40, centre.y + 13), rc.TopLeft());
  Pixels shown = ReadScreen(rc);
  EXPECT_EQ(kBackdrop, shown.At(rc.Width() - 3, 5)) << "outside the balloon";
  EXPECT_EQ(kBackdrop, shown.At(0, rc.Height() - 15)) << "the black outline on the body's left edge";
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), shown.At(rc.Width() - 12, rc.Height() - 8)) << "inside the body";

  CPoint away(700, 550);
  MainWnd()->ClientToScreen(&away);
  for (bool right : {false, true}) {
    if (right) m_tip.Show(IDS_TIPEX_SHORT, 0);
    ASSERT_TRUE(WaitShownAndSettled());
    EXPECT_FALSE(m_tip.m_bClosed);
    InputClick(away.x, away.y, right);
    EXPECT_FALSE(m_tip.IsWindowVisible()) << (right ? "right" : "left") << " click";
    EXPECT_TRUE(m_tip.m_bClosed);
  }
  m_tip.DestroyWindow();
  EXPECT_EQ(NULL, CTipUIEx::m_hTipWnd);
  EXPECT_EQ(NULL, CTipUIEx::m_hPrevHook) << "hook removed with the window";
  DestroyWindow(hBack);
}

TEST_F(TipUIExTest, TargetInTheBottomRightCornerPutsTheTipAboveAndLeft) {
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  CWnd target;
  ASSERT_TRUE(target.CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP, sw - 40, sh - 40, 30, 30,
                              MainWnd()->m_hWnd, NULL));
  target.ShowWindow(SW_SHOWNOACTIVATE);
  ASSERT_EQ(1, m_tip.Create(MainWnd(), &target));
  m_tip.Show(IDS_TIPEX_SHORT, 0);
  ASSERT_TRUE(WaitShownAndSettled());
  CSize size = BalloonSize(IDS_TIPEX_SHORT);
  const int xc = sw - 25, yc = sh - 25;
  EXPECT_EQ(3, m_tip.m_nArrow);
  CRect rc;
  m_tip.GetWindowRect(&rc);
  EXPECT_EQ(CRect(CPoint(xc - size.cx + 1 - 15, yc - size.cy + 1 - 15), size), rc);
  m_tip.DestroyWindow();
  target.DestroyWindow();
}
