// CVexTip, the balloon tool tip.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "Canvas.h"
#include "GdiTracker.h"
#include "Input.h"
#include "TipsFixture.h"
#include "tips_test_ids.h"

using namespace ostrel_test;
using namespace tips_test;

namespace {

struct TestTip : public CVexTip {
  using CVexTip::ShowTips;
};

// Rests the mouse on hTool until the tip shows; false when it does not within two seconds.
bool HoverUntilShown(CVexTip& tip, HWND hTool) {
  tip.SetDelayTime(TTDT_INITIAL, 10);
  CPoint pt = CentreOf(hTool);
  InputMove(700, 550);
  InputMove(pt.x, pt.y);
  return PumpUntil([&] { return tip.IsWindowVisible() != FALSE; }, 2000);
}

// Answers the tip's request for callback text (an ANSI parent is asked in ANSI).
struct CallbackParent : public CRecordingParent {
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY && ((NMHDR*)lParam)->code == TTN_GETDISPINFOA) {
      lstrcpyA(((NMTTDISPINFOA*)lParam)->szText, "Live|text");
      return 0;
    }
    return CRecordingParent::WindowProc(message, wParam, lParam);
  }
};

class VexTipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_hSave = AddChild(m_parent, "BUTTON", 0, IDC_TIP_SAVE, 10, 10, 90, 24);
    m_hOpen = AddChild(m_parent, "BUTTON", 0, IDC_TIP_OPEN, 110, 10, 90, 24);
    m_hCallback = AddChild(m_parent, "BUTTON", 0, IDC_TIP_CALLBACK, 210, 10, 90, 24);
    m_hNone = AddChild(m_parent, "BUTTON", 0, IDC_TIP_NONE, 10, 50, 90, 24);
    ASSERT_TRUE(m_tip.Create(&m_parent, TTS_ALWAYSTIP));
  }
  void TearDown() override {
    CVexTip::nArrowDirect = 3;
    CVexTip::m_nTransparent = 5;
    CVexTip::m_crTip = 0;
    m_tip.DestroyWindow();
    m_tip.m_font.DeleteObject();  // as the object's end would
    EXPECT_EQ(0, m_tracker.Outstanding()) << "a tip's whole life leaves no GDI objects";
  }
  CSize BalloonSize(const char* parsedText) {
    CString text(parsedText);
    CSize size = GetTipRect(&m_tip, text, &m_tip.m_font);
    return CSize(size.cx + 18, size.cy + 38);
  }
  CRect TipRect() {
    CRect rc;
    m_tip.GetWindowRect(&rc);
    return rc;
  }

  CallbackParent m_parent;
  GdiTracker m_tracker{"Ostrel.dll", "afx.dll"};
  TestTip m_tip;
  HWND m_hSave = NULL, m_hOpen = NULL, m_hCallback = NULL, m_hNone = NULL;
};

}  // namespace

TEST_F(VexTipTest, ControlsWithAStringGetToolsAndTheWindowUnderAPointMayBeDisabledButNoComboEdit) {
  m_tip.SubTipControl(m_parent.m_hWnd);
  EXPECT_EQ(0, m_tip.GetToolCount()) << "no module: no tools";
  m_tip.SetInstance(GetModuleHandleA(NULL));
  m_tip.SubTipControl(m_parent.m_hWnd);
  EXPECT_EQ(3, m_tip.GetToolCount()) << "every child with a string, none for the one without";
  CString text;
  m_tip.GetText(text, CWnd::FromHandle(m_hSave));
  EXPECT_STREQ("Save|Saves the image||the layers", text);
  EXPECT_EQ(1, m_tip.Clear());
  EXPECT_EQ(0, m_tip.GetToolCount());

  // The second module is searched when the first is not set.
  m_tip.SetInstance(NULL);
  m_tip.SetDefaultInstance(GetModuleHandleA(NULL));
  m_tip.SubTipControl(m_parent.m_hWnd);
  EXPECT_EQ(3, m_tip.GetToolCount());
  m_tip.Clear();
  EXPECT_EQ(1, m_tip.AddRectTool(&m_parent, "Area", CRect(0, 100, 50, 150), 77));
  EXPECT_EQ(0, m_tip.AddRectTool(&m_parent, "Area", NULL, 78));
  EXPECT_EQ(1, m_tip.GetToolCount());

  // The window under a point: disabled controls count, the edit of a drop-down combo does not.
  EnableWindow(m_hNone, FALSE);
  HWND hCombo = AddChild(m_parent, "COMBOBOX", CBS_DROPDOWN, 2150, 120, 50, 120, 150);
  HWND hList = AddChild(m_parent, "COMBOBOX", CBS_DROPDOWNLIST, 2151, 250, 50, 120, 150);
  auto from = [&](CPoint pt) { return (HWND)m_tip.SendMessage(WM_USER + 16, 0, (LPARAM)&pt); };
  EXPECT_EQ(m_hNone, from(CentreOf(m_hNone))) << "disabled button";
  EXPECT_EQ(m_hOpen, from(CentreOf(m_hOpen)));
  RECT rcCombo;
  GetWindowRect(hCombo, &rcCombo);
  EXPECT_EQ(NULL, from(CPoint(rcCombo.left + 10, rcCombo.top + 8))) << "edit of a drop-down combo";
  EXPECT_EQ(hList, from(CentreOf(hList))) << "drop-down list combo";
  CPoint empty(0, 0);
  m_parent.ClientToScreen(&empty);
  empty += CPoint(380, 280);
  EXPECT_EQ(m_parent.m_hWnd, from(empty));
  EXPECT_EQ(1, m_tip.SendMessage(WM_PRINTCLIENT, 0, PRF_ERASEBKGND | PRF_CLIENT));
}

TEST_F(VexTipTest, BalloonIsPlacedBesideThePointerAndMovesAreRefusedUntilItsFirstPaint) {
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  m_tip.SetInstance(GetModuleHandleA(NULL));
  m_tip.m_hToolWnd = m_hOpen;
  m_tip.CreateFont();
  CSize size = BalloonSize("Open");

  const struct {
    POINT at;
    int nArrow;
    CPoint topLeft;
  } places[] = {{{200, 150}, 0, CPoint(200, 163)},
                {{sw - 20, 150}, 1, CPoint(sw - 20 - size.cx, 163)},  // near the right edge
                {{sw - 20, sh - 20}, 3, CPoint(sw - 20 - size.cx, sh - 21 - size.cy)}};
  for (const auto& p : places) {
    SetCursorPos(p.at.x, p.at.y);
    m_tip.BeforeShowTips(m_tip.m_hWnd, IDC_TIP_OPEN);
    EXPECT_EQ(p.nArrow, CVexTip::nArrowDirect) << p.at.x << "," << p.at.y;
    EXPECT_EQ(CRect(p.topLeft, size), TipRect()) << p.at.x << "," << p.at.y;
  }

  // Mark-up is applied before measuring: two lines.
  SetCursorPos(200, 150);
  m_tip.BeforeShowTips(m_tip.m_hWnd, IDC_TIP_SAVE);
  EXPECT_STREQ("Save\nSaves the image|the layers", m_tip.m_strText);
  EXPECT_EQ(BalloonSize("Save\nSaves the image|the layers"), TipRect().Size());

  // No string: the window stays where it is.
  CRect before = TipRect();
  m_tip.BeforeShowTips(m_tip.m_hWnd, IDC_TIP_NONE);
  EXPECT_TRUE(m_tip.m_strText.IsEmpty());
  EXPECT_EQ(before, TipRect());

  // Once shown, moves are refused until the first paint.
  NMHDR nm = {m_tip.m_hWnd, (UINT_PTR)m_hOpen, TTN_SHOW};
  LRESULT result = 0;
  m_tip.SetWindowPos(NULL, 300, 300, 60, 40, SWP_NOZORDER | SWP_NOACTIVATE);
  m_tip.ShowTips(&nm, &result);
  EXPECT_EQ(1, result);
  EXPECT_EQ(m_hOpen, m_tip.m_hToolWnd);
  m_tip.SetWindowPos(NULL, 10, 10, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(CRect(300, 300, 360, 340), TipRect()) << "guarded";
  m_tip.ShowWindow(SW_SHOWNOACTIVATE);
  m_tip.UpdateWindow();
  m_tip.SetWindowPos(NULL, 10, 10, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(CRect(10, 10, 110, 110), TipRect()) << "free after the paint";
}

TEST_F(VexTipTest, BalloonIsBlendedOverTheScreenBelow) {
  HWND hBack = CreateBackdrop(m_parent, 0, 0, 400, 300);
  CPoint origin = CentreOf(hBack) - CPoint(100, 60);
  m_tip.SetWindowPos(NULL, origin.x, origin.y, 160, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  CRect rc;
  m_tip.GetClientRect(&rc);
  CRect rcScreen = rc;
  m_tip.ClientToScreen(&rcScreen);
  Pixels screen = ReadScreen(rcScreen);
  const COLORREF below = screen.At(rc.Width() / 2, rc.Height() / 2);
  ASSERT_EQ(kBackdrop, below);

  Canvas canvas(rc.Width(), rc.Height());
  auto paint = [&](int nTransparent, COLORREF crTip) {
    CVexTip::nArrowDirect = 0;
    CVexTip::SetTransparency(nTransparent);
    CVexTip::SetTipColor(crTip);
    m_tip.Draw(CDC::FromHandle(canvas.dc()), rc);
    return canvas.Read();
  };
  const int cx = rc.Width() / 2, cy = rc.Height() / 2;
  Pixels opaque = paint(10, RGB(200, 100, 50));
  EXPECT_EQ(RGB(200, 100, 50), opaque.At(cx, cy));
  EXPECT_EQ(screen.At(rc.Width() - 2, 4), opaque.At(rc.Width() - 2, 4)) << "outside the balloon";
  EXPECT_EQ(below, paint(0, RGB(200, 100, 50)).At(cx, cy)) << "invisible";
  EXPECT_EQ(RGB((40 + 200) / 2, (160 + 100) / 2, (80 + 50) / 2), paint(5, RGB(200, 100, 50)).At(cx, cy));
  EXPECT_EQ(below, paint(10, RGB(2, 1, 0)).At(cx, cy)) << "the key colour counts as background";
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), paint(10, 0).At(cx, cy)) << "0: the system's tip colour";
  DestroyWindow(hBack);
}

TEST_F(VexTipTest, HoveringAControlShowsItsBalloonAtThePointerWithTheOwnersTextForDollar) {
  HWND hBack = CreateBackdrop(m_parent, 0, 36, 400, 264);
  SetWindowPos(hBack, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  m_tip.SetInstance(GetModuleHandleA(NULL));
  m_tip.SubTipControl(m_parent.m_hWnd);
  m_tip.Activate(FALSE);
  EXPECT_FALSE(HoverUntilShown(m_tip, m_hOpen)) << "an inactive tip shows nothing";
  m_tip.EnableWindow(FALSE);
  m_tip.EnableWindow(TRUE);  // enabling activates it again
  ASSERT_TRUE(HoverUntilShown(m_tip, m_hOpen)) << "the tip did not show";
  CPoint pt = CentreOf(m_hOpen);
  EXPECT_EQ(m_hOpen, m_tip.m_hToolWnd);
  EXPECT_STREQ("Open", m_tip.m_strText);
  CRect rc = TipRect();
  EXPECT_EQ(CRect(CPoint(pt.x, pt.y + 13), BalloonSize("Open")), rc);
  // The balloon's surroundings show the screen below: the window looks shaped.
  Pixels shown = ReadScreen(rc);
  EXPECT_EQ(kBackdrop, shown.At(rc.Width() - 3, 5)) << "above the body, right of the pointer";
  EXPECT_EQ(kBackdrop, shown.At(rc.Width() - 1, rc.Height() - 1)) << "the free margin";
  ASSERT_TRUE(HoverUntilShown(m_tip, m_hCallback)) << "the callback tip did not show";
  EXPECT_STREQ("Live\ntext", m_tip.m_strText) << "the owner's text, with the mark-up applied";
  InputMove(700, 550);
  DestroyWindow(hBack);
}
