// A live gradient: the page builds a renderer record from the direction, shift and sandwich
// controls, renders it through CGradientEngine into an image buffer of the view's size and shows
// the buffer with a display pass.
#include "../GalleryPage.h"
#include "GradientPage.h"
#include <Ostrel.h>
#include <commctrl.h>
#include <t32Base.h>

namespace {

const int kShiftSteps = 10;  // the trackbar runs 0..10; the shift is ten times its position

struct ColourPair {
  const char* name;
  COLORREF clrStart, clrEnd;
};
const ColourPair kPairs[] = {
    {"sunset", RGB(255, 200, 40), RGB(120, 20, 90)},
    {"sea", RGB(10, 40, 120), RGB(120, 230, 220)},
    {"leaf", RGB(240, 250, 200), RGB(20, 110, 40)},
    {"steel", RGB(250, 250, 250), RGB(40, 50, 70)},
};

const char* const kDirectionNames[] = {"vertical", "horizontal", "diagonal down", "diagonal up"};

// Shows a 24-bit buffer 1:1 at rc of hDC.
void ShowBuffer(HDC hDC, HANDLE hBuffer, const RECT& rc, int w, int h) {
  BUF32INFO info = {};
  if (!buf32GetInfo(hBuffer, &info)) return;
  CByteArray rows;
  rows.SetSize((INT_PTR)info.nTotalBytes);
  if (!buf32GetMem(hBuffer, 0, 0, w, h, rows.GetData())) return;
  HANDLE hDisp = NULL;
  if (!disp32ShowInit(&hDisp, hDC, info.nBitsPerPixel, rc, NULL, DISP32_FIT_NONE, 0)) return;
  disp32ShowData(hDisp, rows.GetData(), 0, 0, h, info.nRowBytes);
  disp32ShowEnd(hDisp);
}

}  // namespace

class CGradientPage : public CGalleryPage {
 public:
  CGradientPage() : CGalleryPage(IDD_GRADIENT_PAGE, IDS_GRADIENT_PAGE, "gradient") {}

  void PrepareShot() override {
    m_grad.nDirection = GRADDIR_DIAGONAL_DOWN;
    m_grad.nColorShift = 30;
    m_nPair = 0;
    ShowControls();
    Redraw();
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    SendDlgItemMessage(IDC_GRAD_SHIFT, TBM_SETRANGE, TRUE, MAKELPARAM(0, kShiftSteps));
    SendDlgItemMessage(IDC_GRAD_SHIFT, TBM_SETPAGESIZE, 0, 1);
    m_grad = {kPairs[0].clrStart, kPairs[0].clrEnd, 0, GRADDIR_VERTICAL};
    ShowControls();
    return TRUE;
  }

  void ShowControls() {
    CheckRadioButton(IDC_GRAD_DIR_VERTICAL, IDC_GRAD_DIR_UP, IDC_GRAD_DIR_VERTICAL + m_grad.nDirection);
    SendDlgItemMessage(IDC_GRAD_SHIFT, TBM_SETPOS, TRUE, m_grad.nColorShift / 10);
    CheckDlgButton(IDC_GRAD_SANDWICH, m_bSandwich ? BST_CHECKED : BST_UNCHECKED);
    CString text;
    text.Format("Shift: %d", m_grad.nColorShift);
    SetDlgItemText(IDC_GRAD_SHIFT_TEXT, text);
  }

  // The record for the view's current size, as the engine gets it.
  GFILL_OPTION Record(int w, int h) const {
    GFILL_OPTION opt = MakeGradOption(m_grad, GRADLINE_RECT, w, h);
    opt.bSandwich = m_bSandwich;
    return opt;
  }

  void Redraw() {
    if (CWnd* pView = GetDlgItem(IDC_GRAD_VIEW)) pView->Invalidate(FALSE);
  }

  void Changed(const char* what) {
    ShowControls();
    Redraw();
    CRect rc;
    GetDlgItem(IDC_GRAD_VIEW)->GetClientRect(&rc);
    GFILL_OPTION opt = Record(rc.Width(), rc.Height());
    Log("%s: %s, shift %d, sandwich %s, line (%ld,%ld)-(%ld,%ld) in %d x %d", what, kDirectionNames[m_grad.nDirection],
        m_grad.nColorShift, m_bSandwich ? "on" : "off", opt.ptStart.x, opt.ptStart.y, opt.ptEnd.x, opt.ptEnd.y,
        rc.Width(), rc.Height());
  }

  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDraw) {
    if (nIDCtl != IDC_GRAD_VIEW) return;
    const RECT rc = pDraw->rcItem;
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HANDLE hBuffer = NULL;
    if (w <= 0 || h <= 0 || !buf32Alloc(&hBuffer, 24, w, h, BUF32_ALLOC_ZERO, NULL)) return;
    GFILL_OPTION opt = Record(w, h);
    if (CGradientEngine::GFillToBuffer(hBuffer, &opt)) ShowBuffer(pDraw->hDC, hBuffer, rc, w, h);
    buf32Free(hBuffer);
  }

  afx_msg void OnDirection(UINT nID) {
    m_grad.nDirection = (int)(nID - IDC_GRAD_DIR_VERTICAL);
    Changed("direction");
  }

  afx_msg void OnHScroll(UINT, UINT, CScrollBar* pBar) {
    if (pBar == NULL || pBar->GetDlgCtrlID() != IDC_GRAD_SHIFT) return;
    int nShift = (int)SendDlgItemMessage(IDC_GRAD_SHIFT, TBM_GETPOS) * 10;
    if (nShift == m_grad.nColorShift) return;
    m_grad.nColorShift = nShift;
    Changed("shift");
  }

  afx_msg void OnSandwich() {
    m_bSandwich = IsDlgButtonChecked(IDC_GRAD_SANDWICH) ? TRUE : FALSE;
    Changed("sandwich");
  }

  afx_msg void OnColours() {
    m_nPair = (m_nPair + 1) % (int)(sizeof kPairs / sizeof kPairs[0]);
    m_grad.clrStart = kPairs[m_nPair].clrStart;
    m_grad.clrEnd = kPairs[m_nPair].clrEnd;
    Changed(kPairs[m_nPair].name);
  }

  afx_msg void OnSwap() {
    COLORREF clr = m_grad.clrStart;
    m_grad.clrStart = m_grad.clrEnd;
    m_grad.clrEnd = clr;
    Changed("swap colours");
  }

  DECLARE_MESSAGE_MAP()

 private:
  SGRADOPTION m_grad = {};
  BOOL m_bSandwich = FALSE;
  int m_nPair = 0;
};

BEGIN_MESSAGE_MAP(CGradientPage, CGalleryPage)
ON_WM_DRAWITEM()
ON_WM_HSCROLL()
ON_CONTROL_RANGE(BN_CLICKED, IDC_GRAD_DIR_VERTICAL, IDC_GRAD_DIR_UP, OnDirection)
ON_BN_CLICKED(IDC_GRAD_SANDWICH, OnSandwich)
ON_BN_CLICKED(IDC_GRAD_COLOURS, OnColours)
ON_BN_CLICKED(IDC_GRAD_SWAP, OnSwap)
END_MESSAGE_MAP()

GALLERY_PAGE(CGradientPage, 40);
