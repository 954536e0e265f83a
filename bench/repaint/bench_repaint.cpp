// A full repaint (erase and paint) of each custom control at a typical size, timed against a
// standard control of the same size in the same run: a button, a group frame or a list box. The
// control and its standard take turns round by round; each figure is the ratio of their best times.
#include <Ostrel.h>
#include <Drevnic.h>
#include <t32Base.h>
#include "../BenchClock.h"
#include "../BenchHost.h"
#include "../BenchReport.h"
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kPaints = 10;

HWND Standard(CWnd& host, const char* pszClass, const char* pszText, DWORD dwStyle, const CRect& rc) {
  return ::CreateWindowExA(0, pszClass, pszText, WS_CHILD | WS_VISIBLE | dwStyle, rc.left, rc.top, rc.Width(),
                           rc.Height(), host.m_hWnd, NULL, NULL, NULL);
}

double TimeRepaints(HWND hWnd) {
  for (int i = 0; i < kPaints; i++) {
    ::InvalidateRect(hWnd, NULL, TRUE);
    ::UpdateWindow(hWnd);
  }
  ::GdiFlush();
  return 0;
}

void Compare(const char* pszWhat, HWND hCustom, HWND hStandard, const char* pszStandard) {
  if (hCustom == NULL || hStandard == NULL) {
    printf("%-34s could not be made\n", pszWhat);
    return;
  }
  const std::vector<double> t =
      BestSecondsInTurn({[&] { TimeRepaints(hCustom); }, [&] { TimeRepaints(hStandard); }}, 31);
  printf("%-34s %8.3f ms a paint   %5.2f x %s\n", pszWhat, t[0] / kPaints * 1e3, t[0] / t[1], pszStandard);
  PrintTarget((std::string(pszWhat) + " repaint vs " + pszStandard).c_str(), "%.2f x", t[0] / t[1], "<= 2 x",
              t[0] / t[1] <= 2.0);
}

// A group of controls on the host; each one is destroyed with the host window.
std::vector<std::unique_ptr<CWnd>> g_controls;

HWND Keep(CWnd* pWnd, bool bMade) {
  g_controls.emplace_back(pWnd);
  return bMade ? pWnd->m_hWnd : NULL;
}

HWND ColourBoxes(CWnd& host, unsigned nType, unsigned nAlign, const CRect& rc) {
  static unsigned long palette[8] = {0xFF, 0xFF00, 0xFF0000, 0xFFFF, 0xFF00FF, 0xFFFF00, 0x808080, 0};
  CClrBoxes* p = new CClrBoxes(0x00336699);
  return Keep(p, p->Create(200, rc, &host, nType, palette, 8, nAlign) != 0);
}

HWND OkButton(CWnd& host, const CRect& rc) {
  Standard(host, "BUTTON", "Apply", BS_PUSHBUTTON, rc);
  COkButton* p = new COkButton;
  ::SetWindowLongPtrA(::GetWindow(host.m_hWnd, GW_CHILD), GWLP_ID, 201);
  return Keep(p, p->Create(&host, 201, COkButton::BITMAP_CUSTOM, 0, NULL) != 0);
}

// The progress bar on its panel, half way.
class CBarPanel : public CWnd {
 public:
  HWND Make(CWnd& host, const CRect& rc) {
    if (!CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, rc, &host, 202)) return NULL;
    CRect rcBar(0, 0, rc.Width(), rc.Height());
    if (!m_bar.Create(203, rcBar, this)) return NULL;
    m_bar.ResizeProgress(rcBar);
    CProgress::SimplePCB(1, 0, 0, NULL);
    CProgress::SimplePCB(2, 40, 0, NULL);
    return m_bar.m_hWnd;
  }
  CProgress m_bar;
};

// The maker's item list in its strip window: a dozen gradient thumbnails.
class CItemStrip : public CIIListWindow {
 public:
  HWND Make(CWnd& host, const CRect& rc) {
    if (!Create(T32IIO_CLASSNAME, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL, rc, &host, 204)) return NULL;
    m_list.SetIIWH(34, 34);
    for (int i = 0; i < 12; i++) {
      _IIDATA item = {};
      snprintf(item.szName, sizeof item.szName, "item %d", i);
      const DWORD color = RGB(20 * i, 255 - 20 * i, 128);
      item.nMode = IIBUF_ADOPT;
      buf32Alloc(&item.hBuffer, 24, 34, 34, BUF32_ALLOC_FILL, &color);
      const int nItem = m_list.AddII(&item);
      if (nItem >= 0) m_list.TypeAddII(0, nItem);
    }
    return AttachIIList(&m_list) ? m_hWnd : NULL;
  }
  CIIList m_list;
};

// The balloon tip shown with a two-line text, away from the controls.
HWND BalloonTip(CWnd& host, CVexTip& tip, const CRect& rc) {
  if (!tip.Create(&host)) return NULL;
  tip.CreateFont();
  tip.m_strText = "Colour of the sky\nclick to change";
  ::SetWindowPos(tip.m_hWnd, HWND_TOPMOST, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return tip.m_hWnd;
}

}  // namespace

int main() {
  StartBenchHost();
  CWnd host;
  host.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "bench_repaint",
                WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 900, 700, NULL, NULL);

  printf("%d full repaints a round; target: no more than 2 x the standard control of the same size\n", kPaints);
  // Each custom control at its place, its standard 320 pixels below.
  auto below = [](CRect rc) { return rc + CPoint(0, 320); };
  auto button = [&](const CRect& rc) { return Standard(host, "BUTTON", "", BS_PUSHBUTTON, below(rc)); };
  const CRect dial(10, 10, 94, 94), frame(110, 10, 310, 90), okButton(330, 10, 420, 34), bar(440, 10, 460, 130),
      panel(480, 10, 780, 70), strip(480, 100, 680, 180), boxes(10, 200, 210, 280), tip(600, 400, 760, 460);
  Compare("angle dial 84 x 84",
          CreateWindowExA(0, "TVCIRCLECTRL", "", WS_CHILD | WS_VISIBLE, dial.left, dial.top, dial.Width(),
                          dial.Height(), host.m_hWnd, NULL, NULL, NULL),
          button(dial), "a button");
  Compare("group frame 200 x 80",
          CreateWindowExA(0, "TVGBOXCTRL", "Frame", WS_CHILD | WS_VISIBLE, frame.left, frame.top, frame.Width(),
                          frame.Height(), host.m_hWnd, NULL, NULL, NULL),
          Standard(host, "BUTTON", "Frame", BS_GROUPBOX, below(frame)), "a group frame");
  Compare("owner-drawn button 90 x 24", OkButton(host, okButton),
          Standard(host, "BUTTON", "Apply", BS_PUSHBUTTON, below(okButton)), "a button");
  const struct {
    const char* pszName;
    unsigned nType, nAlign;
  } boxTypes[] = {
      {"colour box, simple 200 x 80", CLRBOX_SIMPLE, 0},      {"colour box, no picker 200 x 80", CLRBOX_NOPICKER, 0},
      {"colour boxes, layout 0 200 x 80", CLRBOX_PALETTE, 0}, {"colour boxes, layout 1 200 x 80", CLRBOX_PALETTE, 1},
      {"colour boxes, layout 2 200 x 80", CLRBOX_PALETTE, 2}, {"colour boxes, layout 3 200 x 80", CLRBOX_PALETTE, 3},
      {"colour boxes, layout 4 200 x 80", CLRBOX_PALETTE, 4}, {"colour boxes, layout 5 200 x 80", CLRBOX_PALETTE, 5}};
  const HWND hBoxesStandard = button(boxes);
  for (const auto& type : boxTypes) {
    const HWND hBoxes = ColourBoxes(host, type.nType, type.nAlign, boxes);
    Compare(type.pszName, hBoxes, hBoxesStandard, "a button");
    if (hBoxes) ::DestroyWindow(hBoxes);
  }
  CColorBar* pBar = new CColorBar;
  const bool bBar = pBar->Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, bar, &host, 205) != 0;
  if (bBar) pBar->CreateColorBar();
  Compare("colour bar 20 x 120", Keep(pBar, bBar), button(bar), "a button");
  CBarPanel progress;
  Compare("progress bar 300 x 60", progress.Make(host, panel), button(panel), "a button");
  CItemStrip items;
  Compare("item-list strip 200 x 80", items.Make(host, strip),
          Standard(host, "LISTBOX", "", WS_BORDER | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, below(strip)), "a list box");
  CVexTip balloon;
  const HWND hTipStandard = ::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "Colour of the sky\nclick to change",
                                              WS_POPUP | WS_BORDER | WS_VISIBLE, tip.left, tip.top - 100, tip.Width(),
                                              tip.Height(), host.m_hWnd, NULL, NULL, NULL);
  Compare("balloon tip 160 x 60", BalloonTip(host, balloon, tip), hTipStandard, "a static");
  ::DestroyWindow(hTipStandard);
  balloon.DestroyWindow();
  items.AttachIIList(NULL);
  host.DestroyWindow();
  return 0;
}
