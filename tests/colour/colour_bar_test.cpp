// The colour bar.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <vector>
#include "GdiTracker.h"
#include "Input.h"
#include "Pixels.h"
#include "RecordingParent.h"

using namespace ostrel_test;

namespace {

struct Notified : CColorBarNotify {
  std::vector<unsigned long> colors;
  void OnColorBarChange(unsigned long color) override { colors.push_back(color); }
};

class ColourBarTest : public ::testing::Test {
 protected:
  void Make(int width, int height) {
    ASSERT_TRUE(m_bar.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(30, 20, 30 + width, 20 + height),
                             &m_parent, 5));
    m_bar.m_pNotify = &m_notified;
  }
  void Press(int y, int x = 10) { SendMouse(m_bar.m_hWnd, WM_LBUTTONDOWN, x, y, MK_LBUTTON); }
  void Release(int y, int x = 10) { SendMouse(m_bar.m_hWnd, WM_LBUTTONUP, x, y); }
  // The pixels of a sample bitmap made and let go; empty when none is made.
  Pixels Sample(CColorBarMaker& maker) {
    HDC hScreen = GetDC(NULL), hdc = CreateCompatibleDC(NULL);
    HBITMAP hbm = maker.Make(hScreen);
    HGDIOBJ old = SelectObject(hdc, hbm);
    Pixels px = hbm != NULL ? ReadDC(hdc, 0, 0, 240, 30) : Pixels();
    SelectObject(hdc, old);
    maker.Delete(hbm);
    DeleteDC(hdc);
    ReleaseDC(NULL, hScreen);
    return px;
  }

  CRecordingParent m_parent;
  CColorBar m_bar;
  Notified m_notified;
};

TEST_F(ColourBarTest, MarkerHeightGivesRedToBlueAndSetColorIsItsInverse) {
  Make(20, 100);
  m_bar.setColor(0x0000FF);  // before the first paint
  ReadClient(m_bar.m_hWnd);
  EXPECT_EQ(m_bar.m_nY, 0);
  struct {
    int y;
    COLORREF color;
  } cases[] = {{0, 0x0000FF}, {50, 0x7F007F}, {100, 0xFF0000}, {25, RGB(191, 0, 63)}, {37, RGB(160, 0, 94)}};
  for (auto& k : cases) {
    Press(k.y);
    EXPECT_EQ(GetCapture(), m_bar.m_hWnd);
    EXPECT_EQ(m_bar.getColor(), k.color) << "y " << k.y;
    Release(k.y);
    EXPECT_EQ(GetCapture(), (HWND)NULL);
    EXPECT_EQ(m_notified.colors.back(), k.color) << "y " << k.y;
    m_bar.m_nY = 60;
    m_bar.setColor(k.color);
    EXPECT_EQ(m_bar.getColor(), k.color) << "y " << k.y;
  }
  EXPECT_EQ(m_notified.colors.size(), 5u);
  m_bar.setColor(RGB(0, 200, 0));  // no red or blue: the marker stays
  EXPECT_EQ(m_bar.m_nY, 37);
}

TEST_F(ColourBarTest, PaintsABarAndAMarkerStartingBottomCentreThatMovesWithAButtonOrKeyDown) {
  Make(20, 100);
  EXPECT_EQ(m_bar.m_nX, -1);
  Pixels px = ReadClient(m_bar.m_hWnd);
  EXPECT_EQ(m_bar.m_nX, 10);
  EXPECT_EQ(m_bar.m_nY, 100);
  EXPECT_EQ(px.At(2, 0), 0x0000FFu);
  EXPECT_EQ(px.At(2, 50), RGB(127, 0, 127));
  EXPECT_EQ(px.At(2, 99), RGB(2, 0, 252));
  Press(40);
  Release(40);
  px = ReadClient(m_bar.m_hWnd);
  EXPECT_EQ(px.At(10, 40), m_bar.getColor());  // the marker's fill is the colour
  EXPECT_EQ(px.At(10, 35), 0u);                // outlined with the DC's default black pen
  EXPECT_EQ(px.At(2, 40), RGB(153, 0, 102));   // the bar beside it

  SendMouse(m_bar.m_hWnd, WM_MOUSEMOVE, 10, 90, 0);
  EXPECT_EQ(m_bar.m_nY, 40);
  SendMouse(m_bar.m_hWnd, WM_MOUSEMOVE, 10, 90, MK_SHIFT);
  EXPECT_EQ(m_bar.m_nY, 90);
  SendMouse(m_bar.m_hWnd, WM_LBUTTONDBLCLK, 10, 30, MK_LBUTTON);
  EXPECT_EQ(m_bar.m_nY, 90);
  EXPECT_EQ(m_notified.colors.size(), 1u);  // only the release tells the host
  Press(50);
  Release(-10);  // above the bar each component wraps
  EXPECT_EQ(m_notified.colors.back(), RGB(24, 0, 231));
}

TEST_F(ColourBarTest, SamplesFadeTowardWhiteDiscByDiscOrRingByRingAndAreLetGo) {
  GdiTracker tracker({"Ostrel.dll", "afx.dll"});
  Make(20, 256);
  Press(256);  // blue 255: each transparent disc then has red and green = i * 255 / 8
  Release(256);
  Pixels px = Sample(m_bar.m_transparentMaker);
  for (int i = 0; i < 8; i++) {
    const int v = i * 255 / 8;
    EXPECT_EQ(px.At(15 + 30 * i, 15), RGB(v, v, 255)) << "disc " << i;
  }
  EXPECT_EQ(px.At(29, 15), 0xFFFFFFu);  // between the discs

  Press(0);  // red: the soft discs are pure in the middle, lighter towards the rim
  Release(0);
  px = Sample(m_bar.m_softEdgeMaker);
  for (int i = 0; i < 8; i++) EXPECT_EQ(px.At(15 + 30 * i, 15), 0x0000FFu) << "disc " << i;
  // From disc 7's rim to its middle: 7/8, 6/8 ... 0 of the way to white, ring by ring.
  std::vector<int> rings;
  for (int x = 211; x <= 225; x++) {
    COLORREF c = px.At(x, 15);
    if (c == 0xFFFFFFu) continue;
    EXPECT_EQ(GetRValue(c), 255) << "x " << x;
    EXPECT_EQ(GetGValue(c), GetBValue(c)) << "x " << x;
    if (rings.empty() || rings.back() != GetGValue(c)) rings.push_back(GetGValue(c));
  }
  EXPECT_EQ(rings, (std::vector<int>{223, 191, 159, 127, 95, 63, 31, 0}));
  m_bar.DestroyWindow();
  EXPECT_EQ(tracker.Outstanding(), 0);
  EXPECT_EQ(tracker.DCsHeld(), 0);
}

}  // namespace
