// Owner-drawn buttons: push buttons in the three captioned looks and the three image looks, check
// boxes (two states, caption left, three states), a radio group and disabled buttons. Every
// notification the buttons send is logged with the check state it leaves.
#include <Ostrel.h>
#include "../GalleryPage.h"
#include "ButtonsPage.h"

namespace {

const UINT kThreeStateStrip = 878;  // three rows: checked, unchecked, indeterminate

struct ButtonSpec {
  UINT nID;
  COkButton::BITMAPDEFAULT look;
  UINT nBitmap;  // 0: the built-in strip of the item's kind
};

const ButtonSpec kButtons[] = {
    {IDC_BTN_PUSH, COkButton::BITMAP_CUSTOM, 0},           {IDC_BTN_PUSH_BLUE, COkButton::BITMAP_PUSH_ALT1, 0},
    {IDC_BTN_PUSH_GREEN, COkButton::BITMAP_PUSH_ALT2, 0},  {IDC_BTN_PUSH_DISABLED, COkButton::BITMAP_CUSTOM, 0},
    {IDC_BTN_IMAGE1, COkButton::BITMAP_IMAGE1, 0},         {IDC_BTN_IMAGE2, COkButton::BITMAP_IMAGE2, 0},
    {IDC_BTN_IMAGE3, COkButton::BITMAP_IMAGE3, 0},         {IDC_BTN_CHECK, COkButton::BITMAP_CUSTOM, 0},
    {IDC_BTN_CHECK_LEFT, COkButton::BITMAP_CUSTOM, 0},     {IDC_BTN_CHECK3, COkButton::BITMAP_CUSTOM, kThreeStateStrip},
    {IDC_BTN_CHECK_DISABLED, COkButton::BITMAP_CUSTOM, 0}, {IDC_BTN_RADIO1, COkButton::BITMAP_CUSTOM, 0},
    {IDC_BTN_RADIO2, COkButton::BITMAP_CUSTOM, 0},         {IDC_BTN_RADIO3, COkButton::BITMAP_CUSTOM, 0},
};
const int kButtonCount = sizeof(kButtons) / sizeof(kButtons[0]);

}  // namespace

class CButtonsPage : public CGalleryPage {
 public:
  CButtonsPage() : CGalleryPage(IDD_BUTTONS_PAGE, IDS_BUTTONS_PAGE, "buttons") {}

  void PrepareShot() override {
    SendDlgItemMessage(IDC_BTN_CHECK, BM_SETCHECK, BST_CHECKED);
    SendDlgItemMessage(IDC_BTN_CHECK3, BM_SETCHECK, BST_INDETERMINATE);
    SendDlgItemMessage(IDC_BTN_RADIO2, BM_SETCHECK, BST_CHECKED);
    Invalidate();
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    if (_ButtonVexBmpInst == NULL) {
      Log("ButtonBmp.dll is missing: the buttons stay plain");
      return TRUE;
    }
    for (int i = 0; i < kButtonCount; i++) {
      const ButtonSpec& spec = kButtons[i];
      HINSTANCE hInst = spec.nBitmap != 0 ? _ButtonVexBmpInst : NULL;
      if (!m_buttons[i].Create(this, spec.nID, spec.look, spec.nBitmap, hInst))
        Log("button %u: Create failed", spec.nID);
    }
    m_buttons[0].SendMessage(BM_SETCHECK, BST_CHECKED);  // a push button keeps no check: still 0 below
    // A button made on a disabled item draws enabled until it hears WM_ENABLE.
    for (UINT nID : {IDC_BTN_PUSH_DISABLED, IDC_BTN_CHECK_DISABLED}) {
      GetDlgItem(nID)->EnableWindow(TRUE);
      GetDlgItem(nID)->EnableWindow(FALSE);
    }
    SendDlgItemMessage(IDC_BTN_RADIO1, BM_SETCHECK, BST_CHECKED);
    return TRUE;
  }

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    UINT nID = LOWORD(wParam), nCode = HIWORD(wParam);
    if (nID >= IDC_BTN_FIRST && nID <= IDC_BTN_LAST && (nCode == BN_CLICKED || nCode == BN_PUSHED)) {
      CString name;
      GetDlgItemText(nID, name);
      Log("%u \"%s\" %s, check %d", nID, (const char*)name, nCode == BN_PUSHED ? "BN_PUSHED" : "BN_CLICKED",
          (int)SendDlgItemMessage(nID, BM_GETCHECK));
      return TRUE;
    }
    return CGalleryPage::OnCommand(wParam, lParam);
  }

  afx_msg void OnEnable() {
    BOOL bEnable = IsDlgButtonChecked(IDC_BTN_ENABLE) == BST_CHECKED;
    GetDlgItem(IDC_BTN_PUSH_DISABLED)->EnableWindow(bEnable);
    GetDlgItem(IDC_BTN_CHECK_DISABLED)->EnableWindow(bEnable);
    Log("disabled buttons %s (WM_ENABLE)", bEnable ? "enabled" : "disabled");
  }

  COkButton m_buttons[kButtonCount];
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CButtonsPage, CGalleryPage)
ON_BN_CLICKED(IDC_BTN_ENABLE, OnEnable)
END_MESSAGE_MAP()

GALLERY_PAGE(CButtonsPage, 60);
