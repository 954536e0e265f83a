// The colour bar with its colour and both sample bitmaps; the colour-source pop-up and the
// colour-picker plug-in, with what they return logged.
#include "../GalleryPage.h"
#include "ColourBarPage.h"
#include <Ostrel.h>

namespace {

const COLORREF kShotColor = RGB(160, 0, 95);

const char* PopUpResultName(INT_PTR nResult) {
  switch (nResult) {
    case 0:
      return "Tarvik Color Picker";
    case 1:
      return "Windows Color Picker";
    case 2:
      return "Eyedropper";
    case 48:
      return "grid colour";
    default:
      return "cancelled";
  }
}

}  // namespace

class CColourBarPage : public CGalleryPage, public CColorBarNotify {
 public:
  CColourBarPage() : CGalleryPage(IDD_COLOURBAR_PAGE, IDS_COLOURBAR_PAGE, "colourbar") {}

  void PrepareShot() override { SetBarColor(kShotColor, "shot"); }

  // The bar's notification: the colour at the marker when the button is released.
  void OnColorBarChange(unsigned long color) override {
    Log("bar released: colour 0x%06lX (red %lu, blue %lu)", color, color & 0xFF, (color >> 16) & 0xFF);
    ShowColor();
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    CWnd* pPlace = GetDlgItem(IDC_CB_BAR);
    CRect rc;
    pPlace->GetWindowRect(&rc);
    ScreenToClient(&rc);
    m_bar.Create(AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_HAND)), "", WS_CHILD | WS_VISIBLE, rc, this,
                 IDC_CB_BAR + 100);
    m_bar.SetWindowPos(pPlace, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // above the frame
    m_bar.CreateColorBar();
    m_bar.m_pNotify = this;
    ShowColor();
    return TRUE;
  }

  void SetBarColor(COLORREF color, const char* pszWhy) {
    m_bar.setColor(color);
    m_bar.UpdateControl();
    Log("%s: setColor 0x%06lX, bar now 0x%06lX", pszWhy, (unsigned long)color, m_bar.getColor());
    ShowColor();
  }

  void ShowColor() {
    CString text;
    text.Format("getColor: 0x%06lX", m_bar.getColor());
    SetDlgItemText(IDC_CB_COLOUR_TEXT, text);
    for (int id : {IDC_CB_SWATCH, IDC_CB_FLAT, IDC_CB_SOFT}) GetDlgItem(id)->Invalidate(FALSE);
  }

  // The swatch in the bar's colour; the samples made by the bar's makers, 1:1.
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDraw) {
    CDC* pDC = CDC::FromHandle(pDraw->hDC);
    const RECT& rc = pDraw->rcItem;
    if (nIDCtl == IDC_CB_SWATCH) {
      pDC->FillSolidRect(&rc, m_bar.getColor());
      pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
      return;
    }
    CColorBarMaker& maker = nIDCtl == IDC_CB_FLAT ? m_bar.m_transparentMaker : m_bar.m_softEdgeMaker;
    HBITMAP hbm = maker.Make(pDraw->hDC);
    if (hbm == NULL) return;
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    CGdiObject* pOld = mem.SelectObject(CGdiObject::FromHandle(hbm));
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    pDC->BitBlt(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, &mem, 0, 0, SRCCOPY);
    mem.SelectObject(pOld);
    mem.DeleteDC();
    maker.Delete(hbm);
  }

  afx_msg void OnSetRed() { SetBarColor(RGB(255, 0, 0), "button"); }
  afx_msg void OnSetPurple() { SetBarColor(RGB(128, 0, 127), "button"); }
  afx_msg void OnSetBlue() { SetBarColor(RGB(0, 0, 255), "button"); }

  afx_msg void OnPopUp() {
    CColorPicker picker(this);
    picker.m_color = m_bar.getColor();
    picker.m_bEyeDropper = IsDlgButtonChecked(IDC_CB_EYEDROPPER);
    const INT_PTR nResult = picker.DoModal();
    Log("pop-up: result %d (%s)", (int)nResult, PopUpResultName(nResult));
    if (nResult == COLORPICKER_CELL) SetBarColor(picker.m_color, "grid colour");
  }

  // Calls the plug-in as a colour box does: starting colour at bytes 36-38, chosen at 56-58.
  afx_msg void OnPlugin() {
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(NULL, path, MAX_PATH);
    while (n > 0 && path[n - 1] != '\\') n--;
    lstrcpynA(path + n, "Plugin\\TKP1.TKP", MAX_PATH - (int)n);
    HMODULE hPlugin = ::LoadLibraryA(path);
    typedef int(__cdecl * SHOWFN)(unsigned char*, HWND);
    SHOWFN pfnShow = hPlugin != NULL ? (SHOWFN)(void*)::GetProcAddress(hPlugin, "ShowColorPickerDlg") : NULL;
    if (pfnShow == NULL) {
      Log("plug-in: %s cannot be used", path);
      if (hPlugin != NULL) ::FreeLibrary(hPlugin);
      return;
    }
    unsigned char record[64] = {};
    const COLORREF start = m_bar.getColor();
    record[36] = GetRValue(start);
    record[37] = GetGValue(start);
    record[38] = GetBValue(start);
    const int nResult = pfnShow(record, m_hWnd);
    ::FreeLibrary(hPlugin);
    Log("plug-in: result %d, bytes 56-58 = %u, %u, %u", nResult, record[56], record[57], record[58]);
    if (nResult == 1) SetBarColor(RGB(record[56], record[57], record[58]), "plug-in colour");
  }

  DECLARE_MESSAGE_MAP()

 private:
  CColorBar m_bar;
};

BEGIN_MESSAGE_MAP(CColourBarPage, CGalleryPage)
ON_WM_DRAWITEM()
ON_BN_CLICKED(IDC_CB_SET_RED, OnSetRed)
ON_BN_CLICKED(IDC_CB_SET_PURPLE, OnSetPurple)
ON_BN_CLICKED(IDC_CB_SET_BLUE, OnSetBlue)
ON_BN_CLICKED(IDC_CB_POPUP, OnPopUp)
ON_BN_CLICKED(IDC_CB_PLUGIN, OnPlugin)
END_MESSAGE_MAP()

GALLERY_PAGE(CColourBarPage, 36);
