// CDialog: modal and modeless dialogs from templates found through the resource chain.
#include "afxstate.h"
#include "afxguard.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_lpszTemplateName(NULL),
      m_nIDHelp(0),
      m_pParentWnd(NULL),
      m_lpDialogTemplate(NULL),
      m_nModalResult(-1),
      m_bModalRunning(FALSE) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd) : CDialog() {
  m_lpszTemplateName = lpszTemplateName;
  m_pParentWnd = pParentWnd;
  if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog() {
  m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
  m_nIDHelp = nIDTemplate;
  m_pParentWnd = pParentWnd;
}

CDialog::~CDialog() {
  if (m_hWnd != NULL) DestroyWindow();
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
  if (message == WM_INITDIALOG) {
    INT_PTR nResult = TRUE;
    if (!AfxRunGuarded([&] {
          CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
          if (pDlg != NULL) nResult = pDlg->OnInitDialog();
        }))
      nResult = FALSE;  // leaves the focus alone
    return nResult;
  }
  return FALSE;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
  if (lpDialogTemplate == NULL) return FALSE;
  if (hInst == NULL) hInst = AfxGetInstanceHandle();
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  if (hWnd == NULL) {
    if (m_hWnd != NULL) Detach();
    return FALSE;
  }
  return TRUE;
}

LPCDLGTEMPLATE AfxLockDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, (LPCSTR)RT_DIALOG);
  HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, (LPCSTR)RT_DIALOG);
  if (hResource == NULL) return NULL;
  HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
  *phInst = hInst;
  return hTemplate ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : NULL;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0) m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
  HINSTANCE hInst = NULL;
  LPCDLGTEMPLATE lpTemplate = AfxLockDialogTemplate(lpszTemplateName, &hInst);
  if (pParentWnd == NULL) pParentWnd = m_pParentWnd;
  return lpTemplate != NULL && CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd); }

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* /*lpDialogInit*/) {
  return CreateDlgIndirect(lpDialogTemplate, pParentWnd ? pParentWnd : m_pParentWnd, NULL);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  m_lpDialogTemplate = lpDialogTemplate;
  if (pParentWnd != NULL) m_pParentWnd = pParentWnd;
  return lpDialogTemplate != NULL;
}

// The owner of a modal dialog: the given parent's top-level window, else the main window.
HWND CDialog::PreModal() {
  HWND hWnd = m_pParentWnd->GetSafeHwnd();
  if (hWnd == NULL) {
    CWnd* pMain = AfxGetMainWnd();
    hWnd = pMain->GetSafeHwnd();
    if (hWnd == NULL) hWnd = ::GetActiveWindow();
  }
  while (hWnd != NULL && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) hWnd = ::GetParent(hWnd);
  return hWnd;
}

void CDialog::PostModal() {}

INT_PTR CDialog::DoModal() {
  HINSTANCE hInst = AfxGetResourceHandle();
  LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
  if (lpTemplate == NULL && m_lpszTemplateName != NULL) lpTemplate = AfxLockDialogTemplate(m_lpszTemplateName, &hInst);
  if (lpTemplate == NULL) return -1;

  HWND hWndOwner = PreModal();
  BOOL bEnableOwner = FALSE;
  if (hWndOwner != NULL && ::IsWindowEnabled(hWndOwner)) {
    ::EnableWindow(hWndOwner, FALSE);
    bEnableOwner = TRUE;
  }
  m_nModalResult = -1;
  m_bModalRunning = TRUE;
  CWnd* pOwner = CWnd::FromHandle(hWndOwner);
  if (CreateDlgIndirect(lpTemplate, pOwner, hInst)) {
    if (m_bModalRunning) {  // OnInitDialog may already have ended it
      ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
      RunModalLoop();
    }
    if (m_hWnd != NULL)
      ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  m_bModalRunning = FALSE;
  if (bEnableOwner) ::EnableWindow(hWndOwner, TRUE);
  if (hWndOwner != NULL && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndOwner);
  DestroyWindow();
  PostModal();
  return m_nModalResult;
}

int CDialog::RunModalLoop() {
  MSG msg;
  while (m_bModalRunning && m_hWnd != NULL) {
    BOOL bGot = ::GetMessageA(&msg, NULL, 0, 0);
    if (!bGot) {  // WM_QUIT: end the dialog and hand the quit on to the outer loop
      ::PostQuitMessage((int)msg.wParam);
      m_nModalResult = -1;
      break;
    }
    if (!CWnd::WalkPreTranslateTree(m_hWnd, &msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    if (msg.message != WM_TIMER && msg.message != WM_PAINT && !::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
      AfxDeleteTempMaps();
  }
  return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  if (m_bModalRunning) {
    m_bModalRunning = FALSE;
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wake the modal loop
  } else if (m_hWnd != NULL) {
    ::EndDialog(m_hWnd, nResult);
  }
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
    // Keyboard navigation of the dialog (tab, arrows, Enter, Escape).
    if (::IsDialogMessageA(m_hWnd, pMsg)) return TRUE;
  }
  return FALSE;
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  // Commands the dialog does not handle go on to the application.
  if (nCode != CN_COMMAND && (UINT)nCode != CN_UPDATE_COMMAND_UI) return FALSE;
  CWinApp* pApp = AfxGetApp();
  return pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
void CDialog::OnHelp() { WinHelp(m_nIDHelp, HELP_CONTEXT); }

void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1); }
void CDialog::SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
DWORD CDialog::GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }

// ---------------------------------------------------------------------------------------------
// Dialog data exchange

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  return AfxRunGuarded([&] { DoDataExchange(&dx); });
}

void CWnd::DoDataExchange(CDataExchange*) {}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(NULL) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  if (hWndCtrl == NULL) AfxThrowNotSupportedException();
  m_hWndLastControl = hWndCtrl;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }

void CDataExchange::Fail() {
  if (m_hWndLastControl != NULL) ::SetFocus(m_hWndLastControl);
  AfxThrowNotSupportedException();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd == NULL) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl)) AfxThrowNotSupportedException();
  }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    CWnd::FromHandle(hWndCtrl)->GetWindowText(value);
  else
    ::SetWindowTextA(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    BOOL bOk = FALSE;
    int n = (int)::GetDlgItemInt(pDX->m_pDlgWnd->m_hWnd, nIDC, &bOk, TRUE);
    if (!bOk) pDX->Fail();
    value = n;
  } else {
    char text[16];
    wsprintfA(text, "%d", value);
    ::SetWindowTextA(hWndCtrl, text);
  }
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
  else
    ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
}

// value is the index of the checked button in the group that starts at nIDC, or -1.
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) value = -1;
  int iButton = 0;
  do {
    if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (pDX->m_bSaveAndValidate) {
        if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != 0) value = iButton;
      } else {
        ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value, 0);
      }
      iButton++;
    }
    hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
  } while (hWndCtrl != NULL && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}
