// Colour boxes.
#include <gtest/gtest.h>
#include <vector>
#include "Input.h"
#include "Pixels.h"
#include "ProbeBoxes.h"
#include "RecordingParent.h"
#include "PrintGeometry.h"

using namespace ostrel_test;

namespace {

const UINT kId = 31;
unsigned long kPalette[8] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x404040, 0xC0C0C0};

class ClrBoxesTest : public ::testing::Test {
 protected:
  // A box of cx x cy at (10, 10) of the recording parent, painted once (the layout is made at paint).
  void Make(CProbeBoxes& box, int type, int cx, int cy, int count = 8, unsigned align = 0,
            unsigned long* palette = kPalette) {
    ASSERT_TRUE(box.Create(kId, CRect(10, 10, 10 + cx, 10 + cy), &m_parent, type, palette, count, align));
    box.UpdateWindow();
    m_parent.Clear();
  }
  void Move(CWnd& box, CPoint p) { SendMouse(box.m_hWnd, WM_MOUSEMOVE, p.x, p.y); }
  std::vector<unsigned long> Palette(CClrBoxes& box) {
    std::vector<unsigned long> out(8, 0xABCDEF);
    EXPECT_EQ(1, box.GetPalette(out.data()));
    return out;
  }

  CRecordingParent m_parent;
};

TEST_F(ClrBoxesTest, CreationRefusesBadTypesAndCountsAndEvensThePalette) {
  CProbeBoxes refused;
  EXPECT_EQ(0, refused.Create(kId, CRect(0, 0, 20, 20), &m_parent, 1, NULL, 0, 0));
  EXPECT_TRUE(::IsWindow(refused.m_hWnd));
  EXPECT_EQ(CLRBOX_UNCREATED, refused.Type());
  EXPECT_EQ(0, refused.EnableWindow(0));  // changes nothing, not even the window's state
  EXPECT_TRUE(refused.IsWindowEnabled());
  CProbeBoxes none;
  EXPECT_EQ(0, none.Create(kId, CRect(0, 0, 40, 40), &m_parent, CLRBOX_PALETTE, kPalette, 0, 0));

  // Palettes come in pairs of cells; one colour makes a simple box.
  CProbeBoxes seven, one, oneNull(0x123456);
  Make(seven, CLRBOX_PALETTE, 200, 40, 7);
  EXPECT_EQ(6, seven.Count());
  std::vector<unsigned long> expected(kPalette, kPalette + 6);
  expected.insert(expected.end(), {0xABCDEF, 0xABCDEF});
  EXPECT_EQ(expected, Palette(seven));
  Make(one, CLRBOX_PALETTE, 40, 40, 1);
  EXPECT_EQ(CLRBOX_SIMPLE, one.Type());
  EXPECT_EQ(kPalette[0], one.GetColor());
  Make(oneNull, CLRBOX_PALETTE, 40, 40, 1, 0, NULL);
  EXPECT_EQ(0x123456u, oneNull.GetColor());
}

TEST_F(ClrBoxesTest, LayoutsPlaceTheUseBoxAndACustomOneMustFit) {
  CProbeBoxes box, below, right;
  Make(box, CLRBOX_PALETTE, 200, 40, 8, 0);
  EXPECT_EQ(CRect(176, 20, 200, 40), box.Cell(7));
  box.SetUseWH(50, 30);  // fits: the cells share what is left
  box.Invalidate();
  box.UpdateWindow();
  EXPECT_EQ(CRect(0, 0, 50, 30), box.Use());
  EXPECT_EQ(CRect(58, 0, 93, 20), box.Cell(0));
  box.SetUseWH(195, 30);  // too wide: the automatic box again
  box.Invalidate();
  box.UpdateWindow();
  EXPECT_EQ(CRect(0, 0, 96, 40), box.Use());
  Make(below, CLRBOX_PALETTE, 60, 100, 6, 2);
  EXPECT_EQ(CRect(0, 0, 60, 46), below.Use());
  EXPECT_EQ(CRect(30, 84, 60, 99), below.Cell(5));
  Make(right, CLRBOX_PALETTE, 80, 60, 8, 5);
  EXPECT_EQ(CRect(40, 0, 80, 28), right.Use());
  EXPECT_EQ(CRect(60, 46, 80, 60), right.Cell(7));
}

struct CActivationTip : CVexTip {
  std::vector<WPARAM> activations;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == TTM_ACTIVATE) activations.push_back(wParam);
    return CVexTip::WindowProc(msg, wParam, lParam);
  }
};

TEST_F(ClrBoxesTest, PaletteRegionPaintingHoverClicksDisablingAndTipsOffWhilePainting) {
  CProbeBoxes box(0x00336699);
  Make(box, CLRBOX_PALETTE, 200, 40, 8, 0);
  HRGN hRgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(ERROR, GetWindowRgn(box.m_hWnd, hRgn));
  EXPECT_TRUE(PtInRegion(hRgn, 50, 20));    // use box
  EXPECT_FALSE(PtInRegion(hRgn, 100, 20));  // the 8-pixel gap
  EXPECT_TRUE(PtInRegion(hRgn, 110, 5));    // cell 0
  DeleteObject(hRgn);
  POINT gap = {100, 20};  // a click in the gap reaches the parent, not the box
  ClientToScreen(box.m_hWnd, &gap);
  EXPECT_NE(box.m_hWnd, WindowFromPoint(gap));
  Pixels px = ReadClient(box.m_hWnd);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), px.At(0, 0));
  EXPECT_EQ(0x00336699u, px.At(48, 20));
  EXPECT_EQ(kPalette[0], px.At(116, 10));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), px.At(105, 1));  // inner frame of the double bound

  Move(box, box.CellCentre(2));
  EXPECT_EQ(2, box.HotCell());
  EXPECT_EQ(box.m_hWnd, GetCapture());
  // The hot cell is drawn raised: a highlight line at its top-left.
  px = ReadDC(CClientDC(&box).GetSafeHdc(), 0, 0, 200, 40);
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), px.At(box.Cell(2).left, box.Cell(2).top + 5));
  Move(box, box.Use().CenterPoint());
  EXPECT_EQ(8, box.HotCell());
  Move(box, CPoint(100, 20));  // the gap: inside the client, hot nothing, still captured
  EXPECT_EQ(-1, box.HotCell());
  EXPECT_EQ(box.m_hWnd, GetCapture());
  Move(box, CPoint(250, 20));
  EXPECT_EQ((HWND)NULL, GetCapture());

  // A cell click: the press, then one colour change.
  CPoint at = box.CellCentre(5);
  SendClick(box.m_hWnd, at.x, at.y);
  std::vector<RecordedMessage> told;
  for (const auto& m : m_parent.Messages())
    if (m.message == CLRBOX_GETFOCUS || m.message == CLRBOX_COLORCHANGE) told.push_back(m);
  ASSERT_EQ(2u, told.size());
  EXPECT_TRUE(told[0].message == CLRBOX_GETFOCUS && told[0].wParam == kId && told[0].lParam == 0);
  EXPECT_TRUE(told[1].message == CLRBOX_COLORCHANGE && told[1].wParam == kId);
  EXPECT_EQ((LPARAM)kPalette[5], told[1].lParam);
  EXPECT_EQ(kPalette[5], box.GetColor());
  EXPECT_EQ(1, box.ColourChanges);

  m_parent.Clear();
  SendClick(box.m_hWnd, 100, 20);  // the gap: a press, no change
  EXPECT_TRUE(m_parent.Of(CLRBOX_COLORCHANGE).empty());
  EXPECT_EQ(1u, m_parent.Of(CLRBOX_GETFOCUS).size());
  EXPECT_EQ(1, box.SetColor(0x00010203));  // set by the program: nobody is told
  EXPECT_EQ(1, box.SetPalette(kPalette));
  box.UpdateWindow();
  EXPECT_EQ(0x00010203u, box.GetColor());
  EXPECT_TRUE(m_parent.Of(CLRBOX_COLORCHANGE).empty());
  EXPECT_EQ(1, box.ColourChanges);

  // Disabled, every colour shows the inactive one; enabled, every colour is back.
  const COLORREF inactive = GetSysColor(COLOR_INACTIVECAPTION);
  box.EnableWindow(0);
  box.EnableWindow(0);  // a second disable must not save the inactive colours
  EXPECT_EQ(std::vector<unsigned long>(8, inactive), Palette(box));
  EXPECT_EQ(inactive, box.GetColor());
  EXPECT_EQ(inactive, ReadClient(box.m_hWnd).At(116, 10));
  box.EnableWindow(1);
  EXPECT_EQ(std::vector<unsigned long>(kPalette, kPalette + 8), Palette(box));
  EXPECT_EQ(0x00010203u, box.GetColor());
  EXPECT_TRUE(m_parent.Of(CLRBOX_COLORCHANGE).empty());
  CProbeBoxes single(0x00112233);
  Make(single, CLRBOX_NOPICKER, 30, 20);
  single.EnableWindow(0);
  EXPECT_EQ(inactive, single.GetColor());
  single.EnableWindow(1);
  EXPECT_EQ(0x00112233u, single.GetColor());

  // The palette switches its tips off while it paints; a single box does not.
  CActivationTip tip;
  ASSERT_TRUE(tip.Create(&m_parent));
  box.SetUpdateTips(&tip);
  single.SetUpdateTips(&tip);
  single.Invalidate();
  single.UpdateWindow();
  EXPECT_TRUE(tip.activations.empty());
  box.Invalidate();
  box.UpdateWindow();
  EXPECT_EQ((std::vector<WPARAM>{0, 1}), tip.activations);
}

int g_dropperCalls = 0;
int __cdecl PickTeal(unsigned long* pColor, CClrBoxes* pBox) {
  g_dropperCalls++;
  if (pBox == NULL) return 0;
  *pColor = 0x00808000;
  return 1;
}

TEST_F(ClrBoxesTest, TheEyedropperFollowsTheWorkspaceDocument) {
  int document = 0;
  WsSetCurrentDocument(NULL);
  CProbeBoxes box;
  Make(box, CLRBOX_NOPICKER, 30, 20);
  g_dropperCalls = 0;
  box.AddEyeDropper((void*)PickTeal);
  SendClick(box.m_hWnd, 5, 5);
  EXPECT_EQ(0, g_dropperCalls);  // no document: no eyedropper
  EXPECT_TRUE(m_parent.Of(CLRBOX_COLORCHANGE).empty());

  WsSetCurrentDocument(&document);
  SendClick(box.m_hWnd, 5, 5);
  EXPECT_EQ(1, g_dropperCalls);
  EXPECT_EQ(0x00808000u, box.GetColor());
  auto changes = m_parent.Of(CLRBOX_COLORCHANGE);
  ASSERT_EQ(1u, changes.size());
  EXPECT_EQ((LPARAM)0x00808000, changes[0].lParam);

  WsSetCurrentDocument(NULL);
  SendClick(box.m_hWnd, 5, 5);
  EXPECT_EQ(1, g_dropperCalls);
}

}  // namespace
