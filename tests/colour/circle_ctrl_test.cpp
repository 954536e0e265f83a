// The angle dial.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <vector>
#include "GdiTracker.h"
#include "Pixels.h"
#include "RecordingParent.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

const int kDialId = 77;

// Rim points whose angle by the dial's own arithmetic is the named one.
const POINT kRim0 = {81, 42}, kRim10 = {80, 35}, kRim90 = {42, 3}, kRim180 = {3, 42}, kRim350 = {79, 48};

// Every angle the dial paints, in order (read through its own message at each WM_PAINT).
std::vector<int>* g_painted = NULL;
WNDPROC g_dialProc = NULL;
LRESULT CALLBACK RecordPaints(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT && g_painted != NULL)
    g_painted->push_back((int)CallWindowProcA(g_dialProc, hWnd, CCM_GETANGLE, 0, 0));
  return CallWindowProcA(g_dialProc, hWnd, msg, wParam, lParam);
}

// From `from` to `to` one degree at a time in direction `dir` (+1 or -1), across 0.
std::vector<int> Steps(int from, int to, int dir) {
  std::vector<int> v{from};
  while (v.back() != to) v.push_back((v.back() + dir + 360) % 360);
  return v;
}

CRect InParent(HWND hWnd) {
  CRect rc;
  GetWindowRect(hWnd, &rc);
  MapWindowPoints(NULL, GetParent(hWnd), (POINT*)&rc, 2);
  return rc;
}

class CircleCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_hDial = CreateWindowExA(0, CIRCLECTRL_CLASS, "", WS_CHILD | WS_VISIBLE, 100, 100, 84, 84, m_parent.m_hWnd,
                              (HMENU)(INT_PTR)kDialId, NULL, NULL);
    ASSERT_NE(m_hDial, (HWND)NULL);
    UpdateWindow(m_hDial);
    m_parent.Clear();
  }
  void TearDown() override { DestroyWindow(m_hDial); }
  int Angle() { return (int)SendMessageA(m_hDial, CCM_GETANGLE, 0, 0); }
  void Mouse(UINT msg, POINT p) {
    SendMessageA(m_hDial, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(p.x, p.y));
  }
  LRESULT Setup(CIRCLECTRL_SETUP setup) {
    setup.nAngle = setup.nAngle ? setup.nAngle : 360;  // 360: keep the angle
    return SendMessageA(m_hDial, CCM_SETUP, 0, (LPARAM)&setup);
  }
  // The notification codes the parent got, in order.
  std::vector<int> Codes() {
    std::vector<int> codes;
    for (const RecordedMessage& m : m_parent.Of(WM_COMMAND)) {
      EXPECT_TRUE(LOWORD(m.wParam) == kDialId && (HWND)m.lParam == m_hDial);
      codes.push_back(HIWORD(m.wParam));
    }
    return codes;
  }
  // Angles painted while the dial sweeps from `from` to the rim point `to`, repeats folded.
  std::vector<int> Sweep(int from, POINT to) {
    SendMessageA(m_hDial, CCM_SETANGLE, from, 0);
    std::vector<int> painted, folded;
    g_painted = &painted;
    g_dialProc = (WNDPROC)SetWindowLongPtrA(m_hDial, GWLP_WNDPROC, (LONG_PTR)RecordPaints);
    Mouse(WM_LBUTTONDOWN, to);
    Mouse(WM_LBUTTONUP, to);
    SetWindowLongPtrA(m_hDial, GWLP_WNDPROC, (LONG_PTR)g_dialProc);
    g_painted = NULL;
    for (int a : painted)
      if (folded.empty() || folded.back() != a) folded.push_back(a);
    return folded;
  }

  CRecordingParent m_parent;
  HWND m_hDial = NULL;
};

TEST_F(CircleCtrlTest, SizeFollowsTheFaceAndPrivateMessagesSetUpAndAngle) {
  HWND hDial = CreateWindowExA(0, CIRCLECTRL_CLASS, "", WS_CHILD, 10, 10, 100, 60, m_parent.m_hWnd, NULL, NULL, NULL);
  EXPECT_EQ(CRect(18, -2, 102, 82), InParent(hDial));  // the face's 84 x 84 about the centre asked for
  DestroyWindow(hDial);

  GdiTracker tracker({"Ostrel.dll"});  // replaced faces and markers are let go
  EXPECT_EQ(1, SendMessageA(m_hDial, CCM_SETUP, 0, 0)) << "face and marker loaded";
  CIRCLECTRL_SETUP setup = {};
  setup.hInst = _ClrBoxInst;
  setup.nFaceId = 101;
  setup.rcFace = {10, 10, 70, 70};
  setup.nMarkerId = 102;
  setup.rcMarker = {0, 0, 6, 6};
  setup.nAngle = 200;
  EXPECT_EQ(1, Setup(setup));
  EXPECT_EQ(CRect(112, 112, 172, 172), InParent(m_hDial));
  EXPECT_EQ(200, Angle());
  setup.nFaceId = 9999;  // a face the module does not have: none, and painting goes on
  EXPECT_EQ(0, Setup(setup));
  PumpMessages();

  ValidateRect(m_hDial, NULL);
  EXPECT_EQ(200, SendMessageA(m_hDial, CCM_SETANGLE, 45, 0));
  EXPECT_FALSE(GetUpdateRect(m_hDial, NULL, FALSE)) << "no repaint without lParam";
  EXPECT_EQ(45, SendMessageA(m_hDial, CCM_SETANGLE, 120, 1));
  int angle = -5;
  EXPECT_EQ(120, SendMessageA(m_hDial, CCM_GETANGLE, 0, (LPARAM)&angle));
  EXPECT_EQ(120, angle);
  EXPECT_TRUE(Codes().empty()) << "setting the angle does not notify";
  DestroyWindow(m_hDial);
  EXPECT_EQ(0, tracker.Outstanding());
}

TEST_F(CircleCtrlTest, RimPressesAndDragsSetTheAngleAndNotify) {
  for (POINT at : {kRim90, kRim180}) {
    Mouse(WM_LBUTTONDOWN, at);
    EXPECT_EQ(m_hDial, GetCapture());
    Mouse(WM_LBUTTONUP, at);
    EXPECT_EQ((HWND)NULL, GetCapture());
  }
  EXPECT_EQ(180, Angle());
  EXPECT_EQ((std::vector<int>{CCN_PRESSED, CCN_RELEASED, CCN_PRESSED, CCN_RELEASED}), Codes());

  m_parent.Clear();
  Mouse(WM_LBUTTONDOWN, {42 + 20, 42});  // more than a marker width inside the rim: ignored
  Mouse(WM_MOUSEMOVE, {70, 42});
  Mouse(WM_LBUTTONUP, {70, 42});
  EXPECT_EQ(180, Angle());
  EXPECT_TRUE(Codes().empty());
  Mouse(WM_LBUTTONDOWN, kRim0);
  Mouse(WM_MOUSEMOVE, {42, 30});  // inside the rim, straight up from the centre
  EXPECT_EQ(90, Angle());
  Mouse(WM_LBUTTONUP, {30, 42});
  Mouse(WM_MOUSEMOVE, {20, 20});  // no longer dragging
  EXPECT_EQ(180, Angle());
  EXPECT_EQ((std::vector<int>{CCN_PRESSED, CCN_DRAGGED, CCN_RELEASED}), Codes());
}

TEST_F(CircleCtrlTest, SweepTakesTheShorterWayRoundInSteps) {
  EXPECT_EQ(Steps(350, 10, 1), Sweep(350, kRim10));
  EXPECT_EQ(Steps(10, 350, -1), Sweep(10, kRim350));
  EXPECT_EQ(Steps(0, 180, 1), Sweep(0, kRim180));  // a half turn runs counter-clockwise

  CIRCLECTRL_SETUP setup = {};
  setup.nStep = 3;
  Setup(setup);
  EXPECT_EQ(std::vector<int>({0, 3, 6, 9, 10}), Sweep(0, kRim10));  // stops at the exact angle
  setup.nStyle = CIRCLECTRL_NOANIMATE;
  setup.nStep = 11;  // out of range: ignored
  Setup(setup);
  EXPECT_EQ(std::vector<int>({90}), Sweep(0, kRim90));
}

TEST_F(CircleCtrlTest, PaintsFaceMarkerAndRedLineAndShowsTheDragCursorOverTheRim) {
  Pixels face = BitmapPixels(_ClrBoxInst, 101), marker = BitmapPixels(_ClrBoxInst, 102);
  const COLORREF red = RGB(255, 0, 0);
  SendMessageA(m_hDial, CCM_SETANGLE, 0, 1);
  Pixels at0 = ReadClient(m_hDial);
  for (int x = 44; x < 76; ++x) EXPECT_EQ(red, at0.At(x, 42)) << "x " << x;
  EXPECT_EQ(marker.At(4, 4), at0.At(80, 42)) << "marker centred at (80, 42)";
  EXPECT_EQ(face.At(42, 60), at0.At(42, 60));
  EXPECT_EQ(RGB(0, 0, 0), at0.At(41, 41)) << "centre mark";
  SendMessageA(m_hDial, CCM_SETANGLE, 90, 1);
  Pixels at90 = ReadClient(m_hDial);
  for (int y = 10; y < 40; ++y) EXPECT_EQ(red, at90.At(42, y)) << "y " << y;
  EXPECT_EQ(face.At(60, 42), at90.At(60, 42)) << "the old line is gone";
  EXPECT_EQ(marker.At(4, 4), at90.At(42, 4));

  EXPECT_EQ(0, SendMessageA(m_hDial, WM_SETCURSOR, (WPARAM)m_hDial, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  SendMessageA(m_hDial, WM_MOUSEMOVE, 0, MAKELPARAM(kRim0.x, kRim0.y));
  EXPECT_EQ(LoadCursorA(_ClrBoxInst, MAKEINTRESOURCEA(1027)), GetCursor());
  SendMessageA(m_hDial, WM_MOUSEMOVE, 0, MAKELPARAM(42, 42));
  EXPECT_EQ(LoadCursorA(NULL, (LPCSTR)IDC_ARROW), GetCursor());
}

}  // namespace
