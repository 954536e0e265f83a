// CPopupEdit: a display field edited in place by a CTextEdit laid over it.
#include <Ostrel/PopupEdit.h>
#include <afxext.h>

IMPLEMENT_DYNAMIC(CPopupEdit, CEdit)

BEGIN_MESSAGE_MAP(CPopupEdit, CEdit)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CPopupEdit::CPopupEdit() : m_bSelected(FALSE), m_pEdit(NULL), m_pToolUI(NULL), m_pParentUI(NULL) {}

CPopupEdit::~CPopupEdit() {
  if (m_pEdit == NULL) return;
  // An editor still open keeps what was typed, as long as both windows are there to carry it.
  if (m_hWnd != NULL && m_pEdit->m_hWnd != NULL) {
    m_bSelected = FALSE;
    ClosePopupEdit();
  }
  delete m_pEdit;
  m_pEdit = NULL;
}

void CPopupEdit::SetToolUI(CWnd* pToolUI, CWnd* pParentUI) {
  m_pToolUI = pToolUI;
  m_pParentUI = pParentUI != NULL ? pParentUI : pToolUI;
}

int CPopupEdit::IsPopupEditExist() { return m_pEdit != NULL ? 1 : 0; }

CString CPopupEdit::GetInputText() {
  m_strText.TrimRight(' ');
  return m_strText;
}

void CPopupEdit::OnLButtonDown(UINT, CPoint) {
  if (!m_bSelected) {
    m_bSelected = TRUE;
    SetSel(0, -1);  // selects and scrolls the caret into view
    RepaintEdit();
    SetFocus();
  } else {
    m_bSelected = FALSE;
    CreatePopupEdit();
  }
}

void CPopupEdit::OnLButtonDblClk(UINT, CPoint) {
  SetFocus();
  m_bSelected = FALSE;
  CreatePopupEdit();
}

int CPopupEdit::CreatePopupEdit() {
  if (m_pEdit != NULL) return 1;  // one editor at a time
  if (m_hWnd == NULL || m_pParentUI == NULL || m_pParentUI->m_hWnd == NULL) return 0;
  try {
    m_pEdit = new CTextEdit;
  } catch (...) {
    m_pEdit = NULL;
    return 0;
  }
  CRect rect;
  GetWindowRect(&rect);
  m_pParentUI->ScreenToClient(&rect);
  if (!m_pEdit->Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, m_pParentUI, POPUPEDIT_EDITOR_ID)) {
    delete m_pEdit;
    m_pEdit = NULL;
    return 0;
  }
  m_pEdit->SendMessage(WM_SETFONT, m_pParentUI->SendMessage(WM_GETFONT), TRUE);

  ShowWindow(SW_HIDE);
  if (m_pToolUI != NULL && m_pToolUI->m_hWnd != NULL) {
    CRect area;
    GetWindowRect(&area);
    m_pToolUI->ScreenToClient(&area);
    m_pToolUI->InvalidateRect(&area, TRUE);
    m_pToolUI->UpdateWindow();
  }

  char szText[POPUPEDIT_TEXT_LENGTH] = "";
  GetWindowText(szText, sizeof(szText));
  m_pEdit->SetWindowText(szText);
  m_pEdit->LimitText(POPUPEDIT_TEXT_LENGTH);
  m_pEdit->SetSel(0, -1);
  m_pEdit->SetFocus();
  return 1;
}

void CPopupEdit::ClosePopupEdit() {
  if (m_bSelected) {
    m_bSelected = FALSE;
    SetSel(0, 0);
    RepaintEdit();
    return;
  }
  if (m_pEdit == NULL) return;
  char szText[POPUPEDIT_TEXT_LENGTH] = "";
  m_pEdit->GetWindowText(szText, sizeof(szText));
  m_strText = szText;
  SetWindowText(szText);
  CancelPopupEdit();
}

void CPopupEdit::CancelPopupEdit() {
  delete m_pEdit;  // its window goes with it
  m_pEdit = NULL;
  ShowWindow(SW_SHOW);
  RepaintEdit();
  SetFocus();
}

void CPopupEdit::RepaintEdit() {
  if (m_pToolUI == NULL || m_hWnd == NULL) return;
  CWnd* pTarget = m_pToolUI;
  for (CWnd* pParent = pTarget->GetParent(); pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CDialogBar));
       pParent = pTarget->GetParent())
    pTarget = pParent;
  CRect rect;
  GetWindowRect(&rect);
  pTarget->ScreenToClient(&rect);
  pTarget->InvalidateRect(&rect, TRUE);
  pTarget->UpdateWindow();
}

void CPopupEdit::UpdateWindowText(const char* pszText) {
  SetWindowText(pszText);
  RepaintEdit();
}
