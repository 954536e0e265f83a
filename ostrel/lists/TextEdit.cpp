// CTextEdit: focus and click reports to the parent.
#include <Ostrel/TextEdit.h>

IMPLEMENT_DYNAMIC(CTextEdit, CEdit)

BEGIN_MESSAGE_MAP(CTextEdit, CEdit)
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_CHAR()
END_MESSAGE_MAP()

void CTextEdit::NotifyParent(WORD wCode, HWND hWndOther) {
  HWND hParent = ::GetParent(m_hWnd);
  if (hParent != NULL) ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), wCode), (LPARAM)hWndOther);
}

void CTextEdit::OnSetFocus(CWnd* pOldWnd) {
  CEdit::OnSetFocus(pOldWnd);
  NotifyParent(TEXTEDIT_SETFOCUS, pOldWnd->GetSafeHwnd());
}

void CTextEdit::OnKillFocus(CWnd* pNewWnd) {
  CEdit::OnKillFocus(pNewWnd);
  NotifyParent(TEXTEDIT_KILLFOCUS, pNewWnd->GetSafeHwnd());
}

void CTextEdit::OnLButtonDown(UINT nFlags, CPoint point) {
  CEdit::OnLButtonDown(nFlags, point);
  NotifyParent(TEXTEDIT_LBUTTONDOWN, NULL);
}

void CTextEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { CEdit::OnChar(nChar, nRepCnt, nFlags); }
