// CMTextureLibraryDlg: the modal "Texture Library" dialog over a borrowed texture list.
#include <Ostrel/MTextureLibraryDlg.h>
#include "res/resource.h"

namespace {

const int kTextureType = 1;  // the list's type that holds the textures
const int kThumbSize = 64;
const int kColumns = 5;
// Sizes and places in pixels; the template's dialog units only give the first layout.
const SIZE kDialogSize = {462, 406};
const SIZE kListSize = {434, 316};
const SIZE kButtonSize = {80, 24};
const int kButtonTop = 342;
const struct { int nID, nLeft; } kButtons[] = {{IDOK, 166}, {IDCANCEL, 265}, {IDC_TEXTURE_HELP, 364}};

}  // namespace

int CMTextureLibraryDlg::m_nSel = 0;

BEGIN_MESSAGE_MAP(CMTextureLibraryDlg, CDialog)
ON_WM_DESTROY()
ON_COMMAND(IDC_TEXTURE_HELP, OnTextureHelp)
END_MESSAGE_MAP()

CMTextureLibraryDlg::CMTextureLibraryDlg(CWnd* pParent)
    : CDialog(IDD_TEXTURE_LIBRARY, pParent), m_hPalette(NULL), m_pIIList(NULL) {}

CMTextureLibraryDlg::~CMTextureLibraryDlg() {}

void CMTextureLibraryDlg::DoDataExchange(CDataExchange*) {}

BOOL CMTextureLibraryDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_pIIList != NULL) {
    int nSel = m_nSel;
    _ORDER order = {1, &nSel};
    m_pIIList->TypeSetSelect(kTextureType, &order);
    _IIOData data;
    if (m_pIIList->GetIIListData(&data)) {
      data.nFitStyle = IIFIT_ASPECT;
      data.dwIdentType = IIIDENT_NONE;
      data.bCommonPalette = 1;
      data.nIIWidth = data.nIIHeight = kThumbSize;
      m_pIIList->SetIIListData(&data);
    }
    m_pIIList->SetFitXY(kColumns, -1);
    m_pIIList->SetDrag(IIDRAG_OUT);
  }
  if (HWND hList = ::GetDlgItem(m_hWnd, IDC_TEXTURE_LIST)) m_wndList.Attach(hList);

  SetWindowPos(NULL, 0, 0, kDialogSize.cx, kDialogSize.cy, SWP_NOMOVE | SWP_NOZORDER);
  if (m_wndList.m_hWnd != NULL)
    m_wndList.SetWindowPos(NULL, 0, 0, kListSize.cx, kListSize.cy, SWP_NOMOVE | SWP_NOZORDER);
  for (const auto& button : kButtons) {
    if (HWND hButton = ::GetDlgItem(m_hWnd, button.nID))
      ::MoveWindow(hButton, button.nLeft, kButtonTop, kButtonSize.cx, kButtonSize.cy, TRUE);
  }
  m_wndList.AttachIIList(m_pIIList);
  return TRUE;
}

void CMTextureLibraryDlg::OnOK() {
  EndDialog(IDOK);
  CDialog::OnOK();
}

void CMTextureLibraryDlg::OnCancel() {
  EndDialog(IDCANCEL);
  CDialog::OnCancel();
}

void CMTextureLibraryDlg::OnDestroy() {
  // The list outlives the dialog: it belongs to the texture box.
  m_wndList.DetachIIList();
  if (m_wndList.m_hWnd != NULL) m_wndList.Detach();
  CDialog::OnDestroy();
}

void CMTextureLibraryDlg::OnTextureHelp() {
  if (CWinApp* pApp = AfxGetApp()) pApp->WinHelp(IDD_TEXTURE_LIBRARY, HELP_CONTEXT);
}
