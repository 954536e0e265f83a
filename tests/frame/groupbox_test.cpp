// The group frame: its pens for each panel style, the caption gap, repainting behind a new caption,
// the shared caption font and its fall-back.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "GdiTracker.h"
#include "Pixels.h"
#include "RecordingParent.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

const COLORREF kWarmLight = 0x00B0ECFF, kWarmDark = 0x0000406F;
const COLORREF kNeutralLight = 0x00ECECEC, kNeutralDark = 0x00373737;

class GroupBoxTest : public ::testing::Test {
 protected:
  void TearDown() override {
    pVexPrefernPanelStyle = NULL;
    if (m_hBox != NULL) DestroyWindow(m_hBox);
  }
  HWND Create(const char* caption, int w = 120, int h = 80) {
    m_hBox = CreateWindowExA(0, GROUPBOX_CLASS, caption, WS_CHILD | WS_VISIBLE, 20, 20, w, h, m_parent.m_hWnd, NULL,
                             NULL, NULL);
    return m_hBox;
  }
  int TextHeight(HFONT hFont) {
    HDC hDC = GetDC(m_hBox);
    HGDIOBJ old = hFont ? SelectObject(hDC, hFont) : NULL;
    TEXTMETRICA tm;
    GetTextMetricsA(hDC, &tm);
    if (old) SelectObject(hDC, old);
    ReleaseDC(m_hBox, hDC);
    return tm.tmHeight;
  }
  // Checks both outlines of frame F = (0, top, w, h).
  void ExpectFrame(const Pixels& px, int top, COLORREF light, COLORREF dark) {
    int w = px.Width(), h = px.Height(), midY = (top + h) / 2;
    EXPECT_EQ(dark, px.At(0, midY)) << "left edge";
    EXPECT_EQ(light, px.At(1, midY)) << "inner light line";
    EXPECT_EQ(dark, px.At(w - 2, midY)) << "right edge";
    EXPECT_EQ(light, px.At(w - 1, midY)) << "outer light line";
    EXPECT_EQ(dark, px.At(w / 2, h - 2)) << "bottom edge";
    EXPECT_EQ(light, px.At(w / 2, h - 1));
    EXPECT_EQ(dark, px.At(w / 2, top)) << "top edge";
    EXPECT_EQ(light, px.At(w / 2, top + 1));
    EXPECT_EQ(light, px.At(0, h - 1)) << "bottom-left corner dot";
    EXPECT_EQ(light, px.At(w - 1, top)) << "top-right corner dot";
  }

  CRecordingParent m_parent;
  HWND m_hBox = NULL;
};

TEST_F(GroupBoxTest, PensFollowThePanelStyleAndAreLetGo) {
  GdiTracker tracker({"Ostrel.dll"});
  SendMessageA(Create(""), WM_SETFONT, 0, 0);  // back to the DC's font
  EXPECT_TRUE(GetWindowLongA(m_hBox, GWL_STYLE) & WS_DISABLED) << "it never takes the mouse";
  int top = TextHeight(NULL) / 2;
  Pixels px = ReadClient(m_hBox);
  ExpectFrame(px, top, kWarmLight, kWarmDark);
  EXPECT_EQ(kWarmDark, px.At(3, top)) << "an empty caption leaves a 3-pixel gap";
  for (int x = 4; x < 7; ++x) EXPECT_NE(kWarmDark, px.At(x, top)) << "x " << x;
  EXPECT_EQ(kWarmDark, px.At(7, top));

  int style = 2;
  pVexPrefernPanelStyle = &style;
  InvalidateRect(m_hBox, NULL, FALSE);
  ExpectFrame(ReadClient(m_hBox), top, kNeutralLight, kNeutralDark);
  style = 1;
  InvalidateRect(m_hBox, NULL, FALSE);
  ExpectFrame(ReadClient(m_hBox), top, kWarmLight, kWarmDark);
  DestroyWindow(m_hBox);
  m_hBox = NULL;
  EXPECT_EQ(0, tracker.Outstanding());
}

TEST_F(GroupBoxTest, CaptionBreaksTheTopEdgeAndANewOneRepaintsTheParentBehindTheOld) {
  SendMessageA(Create("Old caption"), WM_SETFONT, 0, 0);
  HDC hDC = GetDC(m_hBox);
  SIZE extent;
  GetTextExtentPoint32A(hDC, "Old caption", 11, &extent);
  ReleaseDC(m_hBox, hDC);
  const int th = TextHeight(NULL);
  Pixels px = ReadClient(m_hBox);
  EXPECT_EQ(kWarmDark, px.At(3, th / 2));
  EXPECT_NE(kWarmDark, px.At(6 + extent.cx, th / 2));
  EXPECT_EQ(kWarmDark, px.At(7 + extent.cx, th / 2));

  UpdateWindow(m_parent.m_hWnd);
  ValidateRect(m_parent.m_hWnd, NULL);
  SetWindowTextA(m_hBox, "New");
  HRGN hUpdate = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(m_parent.m_hWnd, hUpdate, FALSE);
  EXPECT_TRUE(PtInRegion(hUpdate, 20, 20));
  EXPECT_TRUE(PtInRegion(hUpdate, 139, 20 + th - 1));
  EXPECT_FALSE(PtInRegion(hUpdate, 20, 20 + th));
  EXPECT_FALSE(PtInRegion(hUpdate, 140, 20));
  DeleteObject(hUpdate);
  char text[32];
  GetWindowTextA(m_hBox, text, sizeof text);
  EXPECT_STREQ("New", text);
}

TEST_F(GroupBoxTest, DeletedFontFallsBackToTheOneBefore) {
  HFONT hBig = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HFONT hSmall = CreateFontA(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  Create("");
  EXPECT_EQ(0, SendMessageA(m_hBox, WM_SETFONT, (WPARAM)hBig, 0));
  SendMessageA(m_hBox, WM_SETFONT, (WPARAM)hSmall, 0);
  int bigTop = TextHeight(hBig) / 2, smallTop = TextHeight(hSmall) / 2;
  ASSERT_NE(bigTop, smallTop);
  InvalidateRect(m_hBox, NULL, FALSE);
  EXPECT_EQ(kWarmDark, ReadClient(m_hBox).At(60, smallTop));

  DeleteObject(hSmall);
  InvalidateRect(m_hBox, NULL, FALSE);
  Pixels px = ReadClient(m_hBox);
  EXPECT_EQ(kWarmDark, px.At(60, bigTop)) << "top edge placed by the earlier font";
  SendMessageA(m_hBox, WM_SETFONT, 0, 0);
  DeleteObject(hBig);
}

}  // namespace
