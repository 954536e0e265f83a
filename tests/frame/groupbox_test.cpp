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

int TextHeight(HWND hBox, HFONT hFont) {
  HDC hDC = GetDC(hBox);
  HGDIOBJ old = hFont ? SelectObject(hDC, hFont) : NULL;
  TEXTMETRICA tm;
  GetTextMetricsA(hDC, &tm);
  if (old) SelectObject(hDC, old);
  ReleaseDC(hBox, hDC);
  return tm.tmHeight;
}

// Checks both outlines of frame F = (0, top, w, h).
void ExpectFrame(HWND hBox, int top, COLORREF light, COLORREF dark) {
  InvalidateRect(hBox, NULL, FALSE);
  const Pixels px = ReadClient(hBox);
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

TEST(GroupBox, TheCaptionBreaksTheEdgePensFollowThePanelStyleAndADeletedFontFallsBack) {
  CRecordingParent parent;
  GdiTracker tracker({"Ostrel.dll"});
  HWND hBox = CreateWindowExA(0, GROUPBOX_CLASS, "Old caption", WS_CHILD | WS_VISIBLE, 20, 20, 120, 80, parent.m_hWnd,
                              NULL, NULL, NULL);
  SendMessageA(hBox, WM_SETFONT, 0, 0);  // back to the DC's font
  EXPECT_TRUE(GetWindowLongA(hBox, GWL_STYLE) & WS_DISABLED) << "it never takes the mouse";
  const int th = TextHeight(hBox, NULL), top = th / 2;
  HDC hDC = GetDC(hBox);
  SIZE extent;
  GetTextExtentPoint32A(hDC, "Old caption", 11, &extent);
  ReleaseDC(hBox, hDC);
  Pixels px = ReadClient(hBox);
  EXPECT_EQ(kWarmDark, px.At(3, top));
  EXPECT_NE(kWarmDark, px.At(6 + extent.cx, top));
  EXPECT_EQ(kWarmDark, px.At(7 + extent.cx, top));

  // A new caption repaints the parent's strip behind the old one.
  UpdateWindow(parent.m_hWnd);
  ValidateRect(parent.m_hWnd, NULL);
  SetWindowTextA(hBox, "");
  HRGN hUpdate = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(parent.m_hWnd, hUpdate, FALSE);
  EXPECT_TRUE(PtInRegion(hUpdate, 20, 20));
  EXPECT_TRUE(PtInRegion(hUpdate, 139, 20 + th - 1));
  EXPECT_FALSE(PtInRegion(hUpdate, 20, 20 + th));
  EXPECT_FALSE(PtInRegion(hUpdate, 140, 20));
  DeleteObject(hUpdate);
  char text[32];
  GetWindowTextA(hBox, text, sizeof text);
  EXPECT_STREQ("", text);

  ExpectFrame(hBox, top, kWarmLight, kWarmDark);
  px = ReadClient(hBox);
  EXPECT_EQ(kWarmDark, px.At(3, top)) << "an empty caption leaves a 3-pixel gap";
  for (int x = 4; x < 7; ++x) EXPECT_NE(kWarmDark, px.At(x, top)) << "x " << x;
  EXPECT_EQ(kWarmDark, px.At(7, top));
  static int style = 2;
  pVexPrefernPanelStyle = &style;
  ExpectFrame(hBox, top, kNeutralLight, kNeutralDark);
  style = 1;
  ExpectFrame(hBox, top, kWarmLight, kWarmDark);
  pVexPrefernPanelStyle = NULL;

  // One font for every frame; when it is deleted, the one before it takes over.
  HFONT hBig = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HFONT hSmall = CreateFontA(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  EXPECT_EQ(0, SendMessageA(hBox, WM_SETFONT, (WPARAM)hBig, 0));
  SendMessageA(hBox, WM_SETFONT, (WPARAM)hSmall, 0);
  const int bigTop = TextHeight(hBox, hBig) / 2, smallTop = TextHeight(hBox, hSmall) / 2;
  ASSERT_NE(bigTop, smallTop);
  ExpectFrame(hBox, smallTop, kWarmLight, kWarmDark);
  DeleteObject(hSmall);
  ExpectFrame(hBox, bigTop, kWarmLight, kWarmDark);
  SendMessageA(hBox, WM_SETFONT, 0, 0);
  DeleteObject(hBig);
  DestroyWindow(hBox);
  EXPECT_EQ(0, tracker.Outstanding());
}

}  // namespace
