// The angle dial: geometry, presses and drags, the sweep, the private messages, painting.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <vector>
#include "Pixels.h"
#include "RecordingParent.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

const int kDialId = 77;

// Rim points whose angle by the dial's own arithmetic is the named one.
const POINT kRim0 = {81, 42}, kRim10 = {80, 35}, kRim90 = {42, 3}, kRim180 = {3, 42}, kRim269 = {42, 81},
            kRim350 = {79, 48};

// A set-up record naming the library's own face and marker, showing the given parts of them.
CIRCLECTRL_SETUP LibraryBitmaps(RECT rcFace, RECT rcMarker) {
  CIRCLECTRL_SETUP setup = {};
  setup.nAngle = 360;  // keep the angle
  setup.hInst = _ClrBoxInst;
  setup.nFaceId = 101;
  setup.rcFace = rcFace;
  setup.nMarkerId = 102;
  setup.rcMarker = rcMarker;
  return setup;
}

// Every angle the dial paints, in order (read through its own message at each WM_PAINT).
std::vector<int>* g_painted = NULL;
WNDPROC g_dialProc = NULL;
LRESULT CALLBACK RecordPaints(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT && g_painted != NULL)
    g_painted->push_back((int)CallWindowProcA(g_dialProc, hWnd, CCM_GETANGLE, 0, 0));
  return CallWindowProcA(g_dialProc, hWnd, msg, wParam, lParam);
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
  void TearDown() override {
    g_painted = NULL;
    if (IsWindow(m_hDial)) DestroyWindow(m_hDial);
  }
  int Angle() { return (int)SendMessageA(m_hDial, CCM_GETANGLE, 0, 0); }
  void Press(POINT p) { SendMessageA(m_hDial, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
  void Move(POINT p) { SendMessageA(m_hDial, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
  void Release(POINT p) { SendMessageA(m_hDial, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }
  void SetStep(int step) {
    CIRCLECTRL_SETUP setup = {};
    setup.nStep = step;
    setup.nAngle = 360;  // keep the angle
    SendMessageA(m_hDial, CCM_SETUP, 0, (LPARAM)&setup);
  }
  // Angles painted while the dial sweeps from `from` to the rim point `to`, repeats folded.
  std::vector<int> Sweep(int from, POINT to) {
    SendMessageA(m_hDial, CCM_SETANGLE, from, 0);
    std::vector<int> painted;
    g_painted = &painted;
    g_dialProc = (WNDPROC)SetWindowLongPtrA(m_hDial, GWLP_WNDPROC, (LONG_PTR)RecordPaints);
    Press(to);
    Release(to);
    SetWindowLongPtrA(m_hDial, GWLP_WNDPROC, (LONG_PTR)g_dialProc);
    g_painted = NULL;
    std::vector<int> folded;
    for (int a : painted)
      if (folded.empty() || folded.back() != a) folded.push_back(a);
    return folded;
  }
  static std::vector<int> Range(int from, int to, int step = 1) {
    std::vector<int> v;
    for (int a = from; step > 0 ? a <= to : a >= to; a += step) v.push_back(a);
    return v;
  }
  static std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }

  CRecordingParent m_parent;
  HWND m_hDial = NULL;
};

TEST_F(CircleCtrlTest, CreatedSizeIsFixedAboutTheCentre) {
  HWND hDial = CreateWindowExA(0, CIRCLECTRL_CLASS, "", WS_CHILD, 10, 10, 100, 60, m_parent.m_hWnd, NULL, NULL, NULL);
  RECT rc;
  GetWindowRect(hDial, &rc);
  MapWindowPoints(NULL, m_parent.m_hWnd, (POINT*)&rc, 2);
  EXPECT_EQ(18, rc.left);
  EXPECT_EQ(-2, rc.top);
  EXPECT_EQ(84, rc.right - rc.left);
  EXPECT_EQ(84, rc.bottom - rc.top);
  DestroyWindow(hDial);
}

TEST_F(CircleCtrlTest, PressesOnTheRimSetTheAngleAndNotify) {
  struct Case {
    POINT at;
    int angle;
  } cases[] = {{kRim90, 90}, {kRim180, 180}, {kRim269, 269}, {kRim0, 0}};
  for (const Case& c : cases) {
    m_parent.Clear();
    Press(c.at);
    EXPECT_EQ(c.angle, Angle()) << "press at " << c.at.x << "," << c.at.y;
    EXPECT_EQ(m_hDial, GetCapture());
    Release(c.at);
    EXPECT_EQ((HWND)NULL, GetCapture());
    auto cmds = m_parent.Of(WM_COMMAND);
    ASSERT_EQ(2u, cmds.size());
    EXPECT_EQ(MAKEWPARAM(kDialId, CCN_PRESSED), cmds[0].wParam);
    EXPECT_EQ((LPARAM)m_hDial, cmds[0].lParam);
    EXPECT_EQ(MAKEWPARAM(kDialId, CCN_RELEASED), cmds[1].wParam);
  }
}

TEST_F(CircleCtrlTest, OnlyARimPressStartsADragThatFollowsThePointer) {
  Press({42 + 20, 42});  // 20 from the centre: more than a marker width inside the rim
  Move({70, 42});
  Release({70, 42});
  EXPECT_EQ(0, Angle());
  EXPECT_TRUE(m_parent.Of(WM_COMMAND).empty());
  Press(kRim0);
  Move({42, 30});  // inside the rim, straight up from the centre
  EXPECT_EQ(90, Angle());
  Release({30, 42});
  EXPECT_EQ(180, Angle());
  auto cmds = m_parent.Of(WM_COMMAND);
  ASSERT_EQ(3u, cmds.size());
  EXPECT_EQ(CCN_DRAGGED, HIWORD(cmds[1].wParam));
  EXPECT_EQ(CCN_RELEASED, HIWORD(cmds[2].wParam));
  Move({20, 20});  // no longer dragging
  EXPECT_EQ(180, Angle());
  EXPECT_EQ(3u, m_parent.Of(WM_COMMAND).size());
}

TEST_F(CircleCtrlTest, SweepTakesTheShorterWayRoundInSteps) {
  EXPECT_EQ(Join(Range(350, 359), Range(0, 10)), Sweep(350, kRim10));
  EXPECT_EQ(Join(Range(10, 0, -1), Range(359, 350, -1)), Sweep(10, kRim350));
  EXPECT_EQ(Range(0, 180), Sweep(0, kRim180));  // a half turn runs counter-clockwise
  EXPECT_EQ(Join(Range(180, 359), {0}), Sweep(180, kRim0));
  // In steps, stopping at the exact angle; without animation at once.
  SetStep(3);
  EXPECT_EQ(std::vector<int>({0, 3, 6, 9, 10}), Sweep(0, kRim10));
  EXPECT_EQ(10, Angle());

  CIRCLECTRL_SETUP setup = {};
  setup.nStyle = CIRCLECTRL_NOANIMATE;
  setup.nStep = 11;  // out of range: ignored
  setup.nAngle = 360;
  SendMessageA(m_hDial, CCM_SETUP, 0, (LPARAM)&setup);
  EXPECT_EQ(std::vector<int>({90}), Sweep(0, kRim90));
}

TEST_F(CircleCtrlTest, PrivateMessages) {
  int angle = -5;
  EXPECT_EQ(0, SendMessageA(m_hDial, CCM_GETANGLE, 0, (LPARAM)&angle));
  EXPECT_EQ(0, angle);

  EXPECT_EQ(-1, SendMessageA(m_hDial, CCM_SETANGLE, 360, 1));
  EXPECT_EQ(-1, SendMessageA(m_hDial, CCM_SETANGLE, (WPARAM)-1, 1));
  EXPECT_EQ(0, Angle());

  ValidateRect(m_hDial, NULL);
  EXPECT_EQ(0, SendMessageA(m_hDial, CCM_SETANGLE, 45, 0));
  EXPECT_FALSE(GetUpdateRect(m_hDial, NULL, FALSE)) << "no repaint without lParam";
  EXPECT_EQ(45, SendMessageA(m_hDial, CCM_SETANGLE, 120, 1));
  EXPECT_EQ(120, Angle());
  EXPECT_TRUE(m_parent.Of(WM_COMMAND).empty()) << "setting the angle does not notify";

  EXPECT_EQ(1, SendMessageA(m_hDial, CCM_SETUP, 0, 0)) << "face and marker loaded";
  CIRCLECTRL_SETUP setup = {};
  setup.nAngle = 200;
  setup.nStep = 5;
  EXPECT_EQ(1, SendMessageA(m_hDial, CCM_SETUP, 0, (LPARAM)&setup));
  EXPECT_EQ(200, Angle());
}

TEST_F(CircleCtrlTest, SetupReplacesBitmapsAndResizesAboutTheCentre) {
  RECT before;
  GetWindowRect(m_hDial, &before);
  CIRCLECTRL_SETUP setup = LibraryBitmaps({10, 10, 70, 70}, {0, 0, 6, 6});
  EXPECT_EQ(1, SendMessageA(m_hDial, CCM_SETUP, 0, (LPARAM)&setup));
  RECT after;
  GetWindowRect(m_hDial, &after);
  EXPECT_EQ(60, after.right - after.left);
  EXPECT_EQ(60, after.bottom - after.top);
  EXPECT_EQ((before.left + before.right) / 2 - 30, after.left);
  EXPECT_EQ((before.top + before.bottom) / 2 - 30, after.top);

  // A face the module does not have leaves the dial without one.
  setup.nFaceId = 9999;
  EXPECT_EQ(0, SendMessageA(m_hDial, CCM_SETUP, 0, (LPARAM)&setup));
  PumpMessages();  // painting without a face must not fail
}

TEST_F(CircleCtrlTest, CursorOverTheRim) {
  HCURSOR hDrag = LoadCursorA(_ClrBoxInst, MAKEINTRESOURCEA(1027));
  ASSERT_NE((HCURSOR)NULL, hDrag);
  EXPECT_EQ(0, SendMessageA(m_hDial, WM_SETCURSOR, (WPARAM)m_hDial, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  SendMessageA(m_hDial, WM_MOUSEMOVE, 0, MAKELPARAM(kRim0.x, kRim0.y));
  EXPECT_EQ(hDrag, GetCursor());
  SendMessageA(m_hDial, WM_MOUSEMOVE, 0, MAKELPARAM(42, 42));
  EXPECT_EQ(LoadCursorA(NULL, (LPCSTR)IDC_ARROW), GetCursor());
}

TEST_F(CircleCtrlTest, PaintsFaceMarkerAndRedLine) {
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
}

}  // namespace
