// Colour boxes: creation, layouts and the window region, hover and capture, clicks and their
// notifications, enabling, the eyedropper's document switch.
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

  CRecordingParent m_parent;
};

TEST_F(ClrBoxesTest, CreationRefusesBadTypesAndParentsAndEvensThePalette) {
  CProbeBoxes refused;
  EXPECT_EQ(0, refused.Create(kId, CRect(0, 0, 20, 20), &m_parent, 1, NULL, 0, 0));
  EXPECT_TRUE(::IsWindow(refused.m_hWnd));
  EXPECT_EQ(CLRBOX_UNCREATED, refused.Type());
  EXPECT_EQ(0, refused.EnableWindow(0));  // changes nothing, not even the window's state
  EXPECT_TRUE(refused.IsWindowEnabled());

  // Palettes come in pairs of cells; one colour makes a simple box.
  CProbeBoxes seven, one, oneNull(0x123456);
  Make(seven, CLRBOX_PALETTE, 200, 40, 7);
  EXPECT_EQ(6, seven.Count());
  unsigned long out[8];
  for (auto& c : out) c = 0xABCDEF;
  EXPECT_EQ(1, seven.GetPalette(out));
  for (int i = 0; i < 6; i++) EXPECT_EQ(kPalette[i], out[i]);
  EXPECT_EQ(0xABCDEFu, out[6]);

  Make(one, CLRBOX_PALETTE, 40, 40, 1);
  EXPECT_EQ(CLRBOX_SIMPLE, one.Type());
  EXPECT_EQ(kPalette[0], one.GetColor());
  Make(oneNull, CLRBOX_PALETTE, 40, 40, 1, 0, NULL);
  EXPECT_EQ(0x123456u, oneNull.GetColor());

  CProbeBoxes none;
  EXPECT_EQ(0, none.Create(kId, CRect(0, 0, 40, 40), &m_parent, CLRBOX_PALETTE, kPalette, 0, 0));
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

TEST_F(ClrBoxesTest, GapsLieOutsideTheWindowRegionAndPaintingFollowsTheLayout) {
  CProbeBoxes box(0x00336699);
  Make(box, CLRBOX_PALETTE, 200, 40, 8, 0);
  HRGN hRgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(ERROR, GetWindowRgn(box.m_hWnd, hRgn));
  EXPECT_TRUE(PtInRegion(hRgn, 50, 20));    // use box
  EXPECT_FALSE(PtInRegion(hRgn, 100, 20));  // the 8-pixel gap
  EXPECT_TRUE(PtInRegion(hRgn, 110, 5));    // cell 0
  DeleteObject(hRgn);
  // A click in the gap reaches the parent, not the box.
  POINT gap = {100, 20};
  ClientToScreen(box.m_hWnd, &gap);
  EXPECT_NE(box.m_hWnd, WindowFromPoint(gap));

  Pixels px = ReadClient(box.m_hWnd);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), px.At(0, 0));
  EXPECT_EQ(0x00336699u, px.At(48, 20));
  EXPECT_EQ(kPalette[0], px.At(116, 10));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), px.At(105, 1));  // inner frame of the double bound
}

TEST_F(ClrBoxesTest, HoverFollowsThePointerAndCaptureEndsWhenItLeaves) {
  CProbeBoxes box;
  Make(box, CLRBOX_PALETTE, 200, 40, 8, 0);
  Move(box, box.CellCentre(2));
  EXPECT_EQ(2, box.HotCell());
  EXPECT_EQ(box.m_hWnd, GetCapture());
  // The hot cell is drawn raised: a highlight line at its top-left.
  Pixels px = ReadDC(CClientDC(&box).GetSafeHdc(), 0, 0, 200, 40);
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), px.At(box.Cell(2).left, box.Cell(2).top + 5));
  Move(box, box.Use().CenterPoint());
  EXPECT_EQ(8, box.HotCell());
  Move(box, CPoint(100, 20));  // the gap: inside the client, hot nothing, still captured
  EXPECT_EQ(-1, box.HotCell());
  EXPECT_EQ(box.m_hWnd, GetCapture());
  Move(box, CPoint(250, 20));
  EXPECT_EQ((HWND)NULL, GetCapture());
  EXPECT_FALSE(box.Captured());
}

TEST_F(ClrBoxesTest, ACellClickSendsOneColourChangeAndSetColorNone) {
  CProbeBoxes box;
  Make(box, CLRBOX_PALETTE, 200, 40, 8, 0);
  CPoint at = box.CellCentre(5);
  SendClick(box.m_hWnd, at.x, at.y);
  auto changes = m_parent.Of(CLRBOX_COLORCHANGE);
  ASSERT_EQ(1u, changes.size());
  EXPECT_EQ(kId, changes[0].wParam);
  EXPECT_EQ((LPARAM)kPalette[5], changes[0].lParam);
  auto presses = m_parent.Of(CLRBOX_GETFOCUS);
  ASSERT_EQ(1u, presses.size());
  EXPECT_EQ(kId, presses[0].wParam);
  EXPECT_EQ(0, presses[0].lParam);
  for (const auto& m : m_parent.Messages()) {  // the press is reported before the change
    if (m.message == CLRBOX_COLORCHANGE) FAIL() << "change before press";
    if (m.message == CLRBOX_GETFOCUS) break;
  }
  EXPECT_EQ(kPalette[5], box.GetColor());
  EXPECT_EQ(1, box.ColourChanges);

  m_parent.Clear();
  SendClick(box.m_hWnd, 100, 20);  // the gap: a press, no change
  EXPECT_TRUE(m_parent.Of(CLRBOX_COLORCHANGE).empty());
  EXPECT_EQ(1u, m_parent.Of(CLRBOX_GETFOCUS).size());

  m_parent.Clear();
  EXPECT_EQ(1, box.SetColor(0x00010203));
  EXPECT_EQ(1, box.SetPalette(kPalette));
  box.UpdateWindow();
  EXPECT_EQ(0x00010203u, box.GetColor());
  EXPECT_TRUE(m_parent.Of(CLRBOX_COLORCHANGE).empty());
  EXPECT_EQ(1, box.ColourChanges);
}

TEST_F(ClrBoxesTest, DisablingShowsTheInactiveColourAndEnablingRestoresEveryColour) {
  const COLORREF inactive = GetSysColor(COLOR_INACTIVECAPTION);
  CProbeBoxes box(0x00445566);
  Make(box, CLRBOX_PALETTE, 200, 40, 8, 0);
  box.EnableWindow(0);
  box.EnableWindow(0);  // a second disable must not save the inactive colours
  unsigned long out[8];
  box.GetPalette(out);
  for (int i = 0; i < 8; i++) EXPECT_EQ(inactive, out[i]) << "cell " << i;
  EXPECT_EQ(inactive, box.GetColor());
  EXPECT_EQ(inactive, ReadClient(box.m_hWnd).At(116, 10));
  box.EnableWindow(1);
  box.GetPalette(out);
  for (int i = 0; i < 8; i++) EXPECT_EQ(kPalette[i], out[i]) << "cell " << i;
  EXPECT_EQ(0x00445566u, box.GetColor());
  EXPECT_TRUE(m_parent.Of(CLRBOX_COLORCHANGE).empty());

  CProbeBoxes single(0x00112233);
  Make(single, CLRBOX_NOPICKER, 30, 20);
  single.EnableWindow(0);
  EXPECT_EQ(inactive, single.GetColor());
  single.EnableWindow(1);
  EXPECT_EQ(0x00112233u, single.GetColor());
}

std::vector<WPARAM>* g_activations = NULL;
WNDPROC g_tipProc = NULL;
LRESULT CALLBACK RecordActivations(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == TTM_ACTIVATE && g_activations != NULL) g_activations->push_back(wParam);
  return CallWindowProcA(g_tipProc, hWnd, msg, wParam, lParam);
}

TEST_F(ClrBoxesTest, APaletteSwitchesItsTipsOffWhileItPaints) {
  CVexTip tip;
  ASSERT_TRUE(tip.Create(&m_parent));
  std::vector<WPARAM> activations;
  g_activations = &activations;
  g_tipProc = (WNDPROC)SetWindowLongPtrA(tip.m_hWnd, GWLP_WNDPROC, (LONG_PTR)RecordActivations);
  CProbeBoxes palette, single;
  Make(palette, CLRBOX_PALETTE, 200, 40);
  Make(single, CLRBOX_SIMPLE, 30, 20);
  palette.SetUpdateTips(&tip);
  single.SetUpdateTips(&tip);
  single.Invalidate();
  single.UpdateWindow();
  EXPECT_TRUE(activations.empty());
  palette.Invalidate();
  palette.UpdateWindow();
  EXPECT_EQ((std::vector<WPARAM>{0, 1}), activations);
  SetWindowLongPtrA(tip.m_hWnd, GWLP_WNDPROC, (LONG_PTR)g_tipProc);
  g_activations = NULL;
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
