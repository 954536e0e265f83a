// Colour boxes: a simple box, a no-picker box that runs the gallery's eyedropper, palettes in the
// six layouts and a disabled one. The document check box drives the workspace, which switches the
// eyedropper on and off; every notification of the boxes goes to the log.
#include "../GalleryPage.h"
#include "ColourBoxesPage.h"
#include "../Eyedropper.h"
#include <Ostrel.h>

namespace {

const int kLayouts = 6;
unsigned long kPalette[8] = {0x000000FF, 0x0000C0FF, 0x0000FFFF, 0x0000C000,
                             0x00FFC000, 0x00FF0000, 0x00C000C0, 0x00404040};
int g_document = 0;  // the workspace's document while the check box is on

// Messages around the plug-in picker go to the main window: the page listens there while it lives.
HWND g_hLogPage = NULL;
WNDPROC g_pfnMainProc = NULL;
LRESULT CALLBACK MainWindowSpy(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if ((nMsg == CLRBOX_PLUGIN_START || nMsg == CLRBOX_PLUGIN_END) && g_hLogPage != NULL)
    ::SendMessageA(g_hLogPage, nMsg, wParam, lParam);
  return ::CallWindowProcA(g_pfnMainProc, hWnd, nMsg, wParam, lParam);
}

}  // namespace

class CColourBoxesPage : public CGalleryPage {
 public:
  CColourBoxesPage() : CGalleryPage(IDD_COLOURBOXES_PAGE, IDS_COLOURBOXES_PAGE, "colourboxes") {}

  void PrepareShot() override {
    CheckDlgButton(IDC_CB_DOCUMENT, BST_CHECKED);
    OnDocument();
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    PlaceBox(m_simple, IDC_CB_SIMPLE, CLRBOX_SIMPLE, 0);
    PlaceBox(m_noPicker, IDC_CB_NOPICKER, CLRBOX_NOPICKER, 0);
    for (int i = 0; i < kLayouts; i++) PlaceBox(m_palettes[i], IDC_CB_LAYOUT0 + i, CLRBOX_PALETTE, i);
    PlaceBox(m_disabled, IDC_CB_DISABLED, CLRBOX_PALETTE, 0);
    AddTips();
    m_disabled.EnableWindow(FALSE);
    m_noPicker.AddEyeDropper((void*)PickScreenColour);
    m_simple.AddEyeDropper((void*)PickScreenColour);
    for (CClrBoxes& box : m_palettes) box.AddEyeDropper((void*)PickScreenColour);
    CheckDlgButton(IDC_CB_ENABLE, BST_CHECKED);
    CheckDlgButton(IDC_CB_DOCUMENT, WsGetCurrentDocument() != NULL ? BST_CHECKED : BST_UNCHECKED);

    CWnd* pMain = GetTopLevelParent();
    if (pMain != NULL && g_hLogPage == NULL) {
      g_hLogPage = m_hWnd;
      m_hMain = pMain->m_hWnd;
      g_pfnMainProc = (WNDPROC)::SetWindowLongPtrA(m_hMain, GWLP_WNDPROC, (LONG_PTR)MainWindowSpy);
    }
    return TRUE;
  }

  // Replaces the placeholder static nId by a colour box of the same place and id.
  void PlaceBox(CClrBoxes& box, int nId, unsigned nType, unsigned nAlign) {
    CWnd* pPlace = GetDlgItem(nId);
    if (pPlace == NULL) return;
    CRect rc;
    pPlace->GetWindowRect(&rc);
    ScreenToClient(&rc);
    pPlace->DestroyWindow();
    if (!box.Create(nId, rc, this, nType, kPalette, 8, nAlign)) Log("box %d: Create failed", nId);
  }

  // Every box carries a tip; the palettes switch it off while they repaint.
  void AddTips() {
    if (!m_tip.Create(this)) return;
    m_tip.AddWindowTool(&m_simple, "Simple box|Click: the colour-source pop-up");
    m_tip.AddWindowTool(&m_noPicker, "No-picker box|Click: the eyedropper, while a document is open");
    for (CClrBoxes& box : m_palettes) {
      m_tip.AddWindowTool(&box, "Palette|Cell: take its colour; use box or double click: a colour source");
      box.SetUpdateTips(&m_tip);
    }
    m_tip.CreateFont();
    m_simple.SetUpdateTips(&m_tip);
    m_noPicker.SetUpdateTips(&m_tip);
  }

  afx_msg void OnDestroy() {
    if (g_hLogPage == m_hWnd) {
      ::SetWindowLongPtrA(m_hMain, GWLP_WNDPROC, (LONG_PTR)g_pfnMainProc);
      g_hLogPage = NULL;
    }
    CGalleryPage::OnDestroy();
  }

  afx_msg LRESULT OnBoxColour(WPARAM wParam, LPARAM lParam) {
    COLORREF c = (COLORREF)lParam;
    Log("box %d: WM_USER+100, colour R%d G%d B%d", (int)wParam, GetRValue(c), GetGValue(c), GetBValue(c));
    return 0;
  }
  afx_msg LRESULT OnBoxPressed(WPARAM wParam, LPARAM) {
    Log("box %d: WM_USER+101, pressed", (int)wParam);
    return 0;
  }
  afx_msg LRESULT OnPluginStart(WPARAM, LPARAM) {
    Log("main window: WM_USER+200, plug-in picker starts");
    return 0;
  }
  afx_msg LRESULT OnPluginEnd(WPARAM, LPARAM) {
    Log("main window: WM_USER+201, plug-in picker ended");
    return 0;
  }

  afx_msg void OnDocument() {
    bool bOpen = IsDlgButtonChecked(IDC_CB_DOCUMENT) == BST_CHECKED;
    WsSetCurrentDocument(bOpen ? &g_document : NULL);
    Log("workspace: document %s, eyedropper %s", bOpen ? "open" : "closed", bOpen ? "offered" : "off");
  }

  afx_msg void OnEnable() {
    BOOL bEnable = IsDlgButtonChecked(IDC_CB_ENABLE) == BST_CHECKED;
    for (CClrBoxes& box : m_palettes) box.EnableWindow(bEnable);
    Log("palettes %s", bEnable ? "enabled: colours restored" : "disabled");
  }

  DECLARE_MESSAGE_MAP()

 private:
  CVexTip m_tip;  // outlives the boxes that point at it
  CClrBoxes m_simple{0x0000A0FF};
  CClrBoxes m_noPicker{0x00A06020};
  CClrBoxes m_palettes[kLayouts];
  CClrBoxes m_disabled{0x00808080};
  HWND m_hMain = NULL;
};

BEGIN_MESSAGE_MAP(CColourBoxesPage, CGalleryPage)
ON_WM_DESTROY()
ON_MESSAGE(CLRBOX_COLORCHANGE, OnBoxColour)
ON_MESSAGE(CLRBOX_GETFOCUS, OnBoxPressed)
ON_MESSAGE(CLRBOX_PLUGIN_START, OnPluginStart)
ON_MESSAGE(CLRBOX_PLUGIN_END, OnPluginEnd)
ON_BN_CLICKED(IDC_CB_DOCUMENT, OnDocument)
ON_BN_CLICKED(IDC_CB_ENABLE, OnEnable)
END_MESSAGE_MAP()

GALLERY_PAGE(CColourBoxesPage, 31);
