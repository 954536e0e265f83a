// Balloon tips: every control of the page carries a CVexTip tip from the gallery's string table
// (mark-up included; the disabled button too, the drop-down combo's parts not); the opacity, colour
// and outline settings change every tip at once; the corner buttons show a CTipUIEx beside a target
// in each corner of the screen; a preview draws the balloon with its four pointer directions.
#include "../GalleryPage.h"
#include "TipsPage.h"
#include <Ostrel.h>
#include <commctrl.h>

namespace {

const COLORREF kSky = RGB(200, 228, 255);
const COLORREF kRose = RGB(255, 214, 222);
const char* const kCornerNames[4] = {"top-left", "top-right", "bottom-left", "bottom-right"};
const int kTargetWidth = 70, kTargetHeight = 22;

}  // namespace

class CTipsPage : public CGalleryPage {
 public:
  CTipsPage() : CGalleryPage(IDD_TIPS_PAGE, IDS_TIPS_PAGE, "tips") {}

  void PrepareShot() override {
    SendDlgItemMessage(IDC_TIPS_OPACITY, TBM_SETPOS, TRUE, 8);
    CheckRadioButton(IDC_TIPS_COLOR_SYSTEM, IDC_TIPS_COLOR_ROSE, IDC_TIPS_COLOR_SKY);
    ApplyLook();
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    static const char* const kStyles[] = {"Plain", "Bold", "Outline"};
    for (const char* style : kStyles) {
      SendDlgItemMessage(IDC_TIPS_DROPDOWN, CB_ADDSTRING, 0, (LPARAM)style);
      SendDlgItemMessage(IDC_TIPS_DROPLIST, CB_ADDSTRING, 0, (LPARAM)style);
    }
    SendDlgItemMessage(IDC_TIPS_DROPLIST, CB_SETCURSEL, 0, 0);
    SetDlgItemText(IDC_TIPS_EDIT, "Background");
    SendDlgItemMessage(IDC_TIPS_OPACITY, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendDlgItemMessage(IDC_TIPS_OPACITY, TBM_SETPOS, TRUE, CVexTip::m_nTransparent);
    CheckRadioButton(IDC_TIPS_COLOR_SYSTEM, IDC_TIPS_COLOR_ROSE,
                     CVexTip::m_crTip == kSky    ? IDC_TIPS_COLOR_SKY
                     : CVexTip::m_crTip == kRose ? IDC_TIPS_COLOR_ROSE
                                                 : IDC_TIPS_COLOR_SYSTEM);
    CheckDlgButton(IDC_TIPS_THICK, CVexTip::m_nBorder > 1);

    if (m_tip.Create(this, TTS_ALWAYSTIP)) {
      m_tip.SetInstance(AfxGetResourceHandle());
      m_tip.SubTipControl(m_hWnd);
      Log("%d controls carry tips", m_tip.GetToolCount());
    }
    if (m_target.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", "Target",
                          WS_POPUP | WS_BORDER | SS_CENTER | SS_CENTERIMAGE, 0, 0, kTargetWidth, kTargetHeight,
                          GetTopLevelParent()->GetSafeHwnd(), NULL))
      m_onDemand.Create(this, &m_target);
    ShowOpacity();
    return TRUE;
  }

  void ShowOpacity() { SetDlgItemInt(IDC_TIPS_OPACITY_TEXT, CVexTip::m_nTransparent); }

  // Takes the settings of the page into the tips' shared look.
  void ApplyLook() {
    CVexTip::SetTransparency((int)SendDlgItemMessage(IDC_TIPS_OPACITY, TBM_GETPOS, 0, 0));
    unsigned long crTip = IsDlgButtonChecked(IDC_TIPS_COLOR_SKY)    ? kSky
                          : IsDlgButtonChecked(IDC_TIPS_COLOR_ROSE) ? kRose
                                                                    : 0;
    CVexTip::SetTipColor(crTip);
    CVexTip::m_nBorder = IsDlgButtonChecked(IDC_TIPS_THICK) ? 2 : 1;
    ShowOpacity();
    CWnd* pPreview = GetDlgItem(IDC_TIPS_PREVIEW);
    if (pPreview != NULL) pPreview->Invalidate();
  }

  afx_msg void OnHScroll(UINT /*nSBCode*/, UINT /*nPos*/, CScrollBar* /*pScrollBar*/) {
    int nOld = CVexTip::m_nTransparent;
    ApplyLook();
    if (nOld != CVexTip::m_nTransparent) Log("opacity %d of 10", CVexTip::m_nTransparent);
  }
  afx_msg void OnLookChanged() {
    ApplyLook();
    Log("tip colour 0x%06lX (0: the system's), outline %d pixel(s)", (unsigned long)CVexTip::m_crTip,
        CVexTip::m_nBorder);
  }

  void ShowInCorner(int nCorner) {
    const int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
    int x = (nCorner & 1) ? sw - kTargetWidth : 0;
    int y = (nCorner & 2) ? sh - kTargetHeight : 0;
    m_target.SetWindowPos(&CWnd::wndTopMost, x, y, kTargetWidth, kTargetHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_onDemand.Show(IDS_TIPS_ONDEMAND_TL + nCorner, 0);
    Log("on-demand tip %d beside the %s target", IDS_TIPS_ONDEMAND_TL + nCorner, kCornerNames[nCorner]);
  }
  afx_msg void OnCornerTL() { ShowInCorner(0); }
  afx_msg void OnCornerTR() { ShowInCorner(1); }
  afx_msg void OnCornerBL() { ShowInCorner(2); }
  afx_msg void OnCornerBR() { ShowInCorner(3); }

  // The balloon as the tips draw it, with each of the four pointer directions, on a striped ground.
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS) {
    if (nIDCtl != IDC_TIPS_PREVIEW) {
      CGalleryPage::OnDrawItem(nIDCtl, lpDIS);
      return;
    }
    HDC hdc = lpDIS->hDC;
    CRect rc(lpDIS->rcItem);
    for (int x = rc.left; x < rc.right; x += 8) {
      CRect stripe(x, rc.top, x + 4, rc.bottom);
      ::FillRect(hdc, &stripe, ::GetSysColorBrush(COLOR_BTNSHADOW));
    }
    HBRUSH hbr = ::CreateSolidBrush(CVexTip::m_crTip != 0 ? CVexTip::m_crTip : ::GetSysColor(COLOR_INFOBK));
    CDC* pDC = CDC::FromHandle(hdc);
    const int w = rc.Width() / 4;
    for (int nDirect = 0; nDirect < 4; nDirect++) {
      CRect cell(rc.left + nDirect * w + 2, rc.top, rc.left + (nDirect + 1) * w - 4, rc.bottom);
      CreateArrowRegion(nDirect, hdc, hbr, CVexTip::m_nBorder, CVexTip::m_BorderColor, cell, 0);
      POINT oldOrg;
      ::SetViewportOrgEx(hdc, cell.left, cell.top, &oldOrg);
      CString text;
      text.Format("Pointer %d", nDirect);
      DrawTipText(pDC, text, m_tip.m_font.GetSafeHandle() != NULL ? &m_tip.m_font : GetFont(), nDirect);
      ::SetViewportOrgEx(hdc, oldOrg.x, oldOrg.y, NULL);
    }
    ::DeleteObject(hbr);
  }

  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) {
    CGalleryPage::OnShowWindow(bShow, nStatus);
    if (!bShow) {
      m_onDemand.CloseTip();
      m_target.ShowWindow(SW_HIDE);
    }
  }

  afx_msg void OnDestroy() {
    m_onDemand.DestroyWindow();
    m_target.DestroyWindow();
    m_tip.DestroyWindow();
    CGalleryPage::OnDestroy();
  }

  CVexTip m_tip;
  CWnd m_target;
  CTipUIEx m_onDemand;

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipsPage, CGalleryPage)
ON_WM_HSCROLL()
ON_BN_CLICKED(IDC_TIPS_COLOR_SYSTEM, OnLookChanged)
ON_BN_CLICKED(IDC_TIPS_COLOR_SKY, OnLookChanged)
ON_BN_CLICKED(IDC_TIPS_COLOR_ROSE, OnLookChanged)
ON_BN_CLICKED(IDC_TIPS_THICK, OnLookChanged)
ON_BN_CLICKED(IDC_TIPS_CORNER_TL, OnCornerTL)
ON_BN_CLICKED(IDC_TIPS_CORNER_TR, OnCornerTR)
ON_BN_CLICKED(IDC_TIPS_CORNER_BL, OnCornerBL)
ON_BN_CLICKED(IDC_TIPS_CORNER_BR, OnCornerBR)
ON_WM_DRAWITEM()
ON_WM_SHOWWINDOW()
ON_WM_DESTROY()
END_MESSAGE_MAP()

GALLERY_PAGE(CTipsPage, 80);
