// The angle dial "TVCIRCLECTRL" and the group frame "TVGBOXCTRL", both placed by class name in the
// page's template; the angle follows the dial's notifications, buttons send its three messages.
#include "../GalleryPage.h"
#include "DialPage.h"
#include <Ostrel.h>

namespace {

const int kPanelStyleGrey = 2;  // the style value for which group frames use the grey pens
const int kShotAngle = 135;

const char* NotificationName(int nCode) {
  switch (nCode) {
    case CCN_PRESSED:
      return "pressed";
    case CCN_DRAGGED:
      return "dragged";
    case CCN_RELEASED:
      return "released";
    default:
      return "unknown";
  }
}

}  // namespace

class CDialPage : public CGalleryPage {
 public:
  CDialPage() : CGalleryPage(IDD_DIAL_PAGE, IDS_DIAL_PAGE, "dial") {}

  void PrepareShot() override {
    SetDlgItemInt(IDC_ANGLE_EDIT, kShotAngle);
    OnSetAngle();
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    SetDlgItemInt(IDC_ANGLE_EDIT, kShotAngle);
    SetDlgItemInt(IDC_STEP_EDIT, 3);
    CheckRadioButton(IDC_STYLE_WARM, IDC_STYLE_GREY,
                     Host()->PanelStyle() == kPanelStyleGrey ? IDC_STYLE_GREY : IDC_STYLE_WARM);
    ShowAngle();
    return TRUE;
  }

  LRESULT SendToDial(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessage(IDC_DIAL, nMsg, wParam, lParam);
  }

  void ShowAngle() {
    int nAngle = (int)SendToDial(CCM_GETANGLE, 0, 0);
    CString text;
    text.Format("Angle: %d\260", nAngle);
    SetDlgItemText(IDC_ANGLE_TEXT, text);
  }

  void OnDialNotify(int nCode) {
    ShowAngle();
    Log("dial %s, angle %d", NotificationName(nCode), (int)SendToDial(CCM_GETANGLE, 0, 0));
  }
  afx_msg void OnDialPressed() { OnDialNotify(CCN_PRESSED); }
  afx_msg void OnDialDragged() { OnDialNotify(CCN_DRAGGED); }
  afx_msg void OnDialReleased() { OnDialNotify(CCN_RELEASED); }

  afx_msg void OnGetAngle() {
    int nStored = -1;
    LRESULT nResult = SendToDial(CCM_GETANGLE, 0, (LPARAM)&nStored);
    Log("384 get angle: returned %d, stored %d", (int)nResult, nStored);
  }

  afx_msg void OnSetAngle() {
    BOOL bValid = FALSE;
    int nAngle = (int)GetDlgItemInt(IDC_ANGLE_EDIT, &bValid, TRUE);
    if (!bValid) {
      Log("386 set angle: enter a number first");
      return;
    }
    LRESULT nOld = SendToDial(CCM_SETANGLE, (WPARAM)nAngle, 1);
    if (nOld == -1) {
      Log("386 set angle %d: refused (-1), angle unchanged", nAngle);
    } else {
      Log("386 set angle %d: previous angle %d", nAngle, (int)nOld);
    }
    ShowAngle();
  }

  afx_msg void OnSetup() {
    CIRCLECTRL_SETUP setup = {};
    BOOL bValid = FALSE;
    setup.nStep = GetDlgItemInt(IDC_STEP_EDIT, &bValid, FALSE);
    setup.nStyle = IsDlgButtonChecked(IDC_NO_SWEEP) ? CIRCLECTRL_NOANIMATE : 0;
    setup.nAngle = 360;  // out of range: keeps the current angle
    LRESULT nResult = SendToDial(CCM_SETUP, 0, (LPARAM)&setup);
    Log("385 set up: step %lu%s, returned %d", (unsigned long)setup.nStep,
        setup.nStyle == CIRCLECTRL_NOANIMATE ? ", sweep off" : "", (int)nResult);
  }

  afx_msg void OnStyleWarm() { SetPanelStyle(0); }
  afx_msg void OnStyleGrey() { SetPanelStyle(kPanelStyleGrey); }
  void SetPanelStyle(int nStyle) {
    Host()->SetPanelStyle(nStyle);
    Log("panel style %d: %s frames", nStyle, nStyle == kPanelStyleGrey ? "grey" : "warm");
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDialPage, CGalleryPage)
ON_CONTROL(CCN_PRESSED, IDC_DIAL, OnDialPressed)
ON_CONTROL(CCN_DRAGGED, IDC_DIAL, OnDialDragged)
ON_CONTROL(CCN_RELEASED, IDC_DIAL, OnDialReleased)
ON_BN_CLICKED(IDC_GET_ANGLE, OnGetAngle)
ON_BN_CLICKED(IDC_SET_ANGLE, OnSetAngle)
ON_BN_CLICKED(IDC_SETUP, OnSetup)
ON_BN_CLICKED(IDC_STYLE_WARM, OnStyleWarm)
ON_BN_CLICKED(IDC_STYLE_GREY, OnStyleGrey)
END_MESSAGE_MAP()

GALLERY_PAGE(CDialPage, 10);
