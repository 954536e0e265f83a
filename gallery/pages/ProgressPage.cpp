// The progress bar: a simulated long operation of nested segments reports through SimplePCB,
// NestedBegin and NestedEnd; the bar's panel opens for the run, and the Cancel button (served by
// its own thread) or Escape stops it when the run is interruptable.
#include <Ostrel.h>
#include "../GalleryPage.h"
#include "ProgressPage.h"

namespace {

enum { PCB_BEGIN = 1, PCB_DOING = 2, PCB_END = 4 };
const int kDefaultStepMs = 15;
const unsigned int kPercentStep = 4;
const UINT_PTR kShotTimer = 1;
const UINT kShotDelayMs = 60;
double kTopLevel[3] = {0.2, 0.5, 0.3};
double kHalves[2] = {0.5, 0.5};

int Report(int nMsg, unsigned int nPercent = 0) { return CProgress::SimplePCB(nMsg, nPercent, 0, NULL); }

}  // namespace

// The host's panel under the bar: the library's percent-box tile stretched to the panel's height.
class CProgressPanel : public CWnd {
 public:
  BOOL Create(CWnd* pParent, const CRect& rc) {
    return CWnd::Create(AfxRegisterWndClass(0, ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW)), "", WS_CHILD, rc, pParent, 0);
  }

 protected:
  afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    HBITMAP hTile = ::LoadBitmapA(_ClrBoxInst, MAKEINTRESOURCEA(22026));
    BITMAP bm = {};
    if (hTile == NULL || ::GetObjectA(hTile, sizeof(bm), &bm) == 0 || bm.bmWidth <= 0) {
      pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    } else {
      HDC hSrc = ::CreateCompatibleDC(pDC->m_hDC);
      HGDIOBJ hOld = ::SelectObject(hSrc, hTile);
      for (int x = 0; x < rc.right; x += bm.bmWidth)
        ::StretchBlt(pDC->m_hDC, x, 0, bm.bmWidth, rc.Height(), hSrc, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
      ::SelectObject(hSrc, hOld);
      ::DeleteDC(hSrc);
    }
    if (hTile != NULL) ::DeleteObject(hTile);
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProgressPanel, CWnd)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

class CProgressPage : public CGalleryPage {
 public:
  CProgressPage() : CGalleryPage(IDD_PROGRESS_PAGE, IDS_PROGRESS_PAGE, "progress") {}

  // Half-way through the middle segment's first half, left running for the picture.
  void PrepareShot() override {
    if (!m_bReady) return;
    PlaceBar();
    m_bar.NestedBegin(3, kTopLevel);
    Report(PCB_BEGIN);
    Report(PCB_DOING, 100);
    Report(PCB_END);
    m_bar.NestedBegin(2, kHalves);
    Report(PCB_BEGIN);
    Report(PCB_DOING, 60);
    // A repaint of the whole page blanks the bar until the percentage and the cell count change
    // again, as in a live run: the next report comes just after that repaint.
    SetTimer(kShotTimer, kShotDelayMs, NULL);
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    CheckDlgButton(IDC_PRG_INTERRUPTABLE, BST_CHECKED);
    SetDlgItemInt(IDC_PRG_STEP_MS, kDefaultStepMs);
    CRect rc;
    GetDlgItem(IDC_PRG_PANEL_PLACE)->GetWindowRect(&rc);
    ScreenToClient(&rc);
    if (_ButtonVexBmpInst == NULL) {
      Log("ButtonBmp.dll is missing: the bar has no Cancel button and is not made");
      return TRUE;
    }
    m_panel.Create(this, rc);
    CRect rcBar(0, 0, rc.Width(), rc.Height());
    m_bReady = m_bar.Create(IDC_PRG_BAR, rcBar, &m_panel);
    if (!m_bReady) Log("CProgress::Create failed (is there another bar in this process?)");
    return TRUE;
  }

  void PlaceBar() {
    CRect rc;
    m_panel.GetClientRect(&rc);
    m_bar.ResizeProgress(rc);
  }

  // One segment of the current level: begin, doing in steps, end. FALSE when the run was stopped.
  BOOL RunSegment(int nStepMs) {
    if (!Report(PCB_BEGIN)) return FALSE;
    for (unsigned int n = 0; n <= 100; n += kPercentStep) {
      ::Sleep(nStepMs);
      if (!Report(PCB_DOING, n)) return FALSE;
      m_nLastPercent = CProgress::m_nPercent;
    }
    return Report(PCB_END);
  }

  afx_msg void OnRun() {
    if (!m_bReady) return;
    int nStepMs = (int)GetDlgItemInt(IDC_PRG_STEP_MS, NULL, FALSE);
    BOOL bInterruptable = IsDlgButtonChecked(IDC_PRG_INTERRUPTABLE) == BST_CHECKED;
    m_nLastPercent = 0;
    PlaceBar();
    BOOL bDone = m_bar.NestedBegin(3, kTopLevel);
    m_bar.SetInterruptable(bInterruptable);
    Log("run: %s", bInterruptable ? "interruptable" : "not interruptable");
    bDone = bDone && RunSegment(nStepMs);
    if (bDone) {
      bDone = m_bar.NestedBegin(2, kHalves) && RunSegment(nStepMs) && RunSegment(nStepMs);
      if (bDone) m_bar.NestedEnd();
      Log("middle segment done: %d%%", CProgress::m_nPercent);
    }
    bDone = bDone && RunSegment(nStepMs);
    m_bar.NestedEnd();
    if (bDone)
      Log("run finished; bar idle again: %s", m_bar.IsBarRunning() ? "no" : "yes");
    else
      Log("run stopped at %d%% (Cancel or Escape); bar idle again: %s", m_nLastPercent,
          m_bar.IsBarRunning() ? "no" : "yes");
  }

  afx_msg void OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kShotTimer) return;
    KillTimer(kShotTimer);
    Report(PCB_DOING, 100);
  }

  CProgressPanel m_panel;
  CProgress m_bar;
  BOOL m_bReady = FALSE;
  int m_nLastPercent = 0;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProgressPage, CGalleryPage)
ON_BN_CLICKED(IDC_PRG_RUN, OnRun)
ON_WM_TIMER()
END_MESSAGE_MAP()

GALLERY_PAGE(CProgressPage, 20);
