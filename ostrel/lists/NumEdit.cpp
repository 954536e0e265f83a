// CNumEdit: a bounded integer field that restores the last good value.
#include <Ostrel/NumEdit.h>
#include <ctype.h>

IMPLEMENT_DYNAMIC(CNumEdit, CEdit)

BEGIN_MESSAGE_MAP(CNumEdit, CEdit)
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// Blanks, an optional sign, digits, blanks: the dialog reader takes leading digits and ignores
// what follows them, but such a text is no number.
static bool IsNumberText(const char* psz) {
  while (*psz == ' ') ++psz;
  if (*psz == '-' || *psz == '+') ++psz;
  if (!isdigit((unsigned char)*psz)) return false;
  while (isdigit((unsigned char)*psz)) ++psz;
  while (*psz == ' ') ++psz;
  return *psz == '\0';
}

CNumEdit::CNumEdit() : m_nMin(0), m_nMax(0), m_pSpin(NULL) {}

void CNumEdit::SetSpin(CSpinButtonCtrl* pSpin) { m_pSpin = pSpin; }

void CNumEdit::SetRange(int nMin, int nMax) {
  m_nMin = nMin;
  m_nMax = nMax;
  if (m_pSpin != NULL) m_pSpin->SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nMax, nMin));
}

int CNumEdit::Enable(BOOL bEnable) {
  int nResult = EnableWindow(bEnable);
  if (m_pSpin != NULL) m_pSpin->EnableWindow(bEnable);
  return nResult;
}

int CNumEdit::GetNum() {
  CWnd* pParent = GetParent();
  if (pParent == NULL) return -1;
  CString strText;
  GetWindowText(strText);
  if (!IsNumberText(strText)) return -1;
  BOOL bSigned = m_nMin < 0;
  BOOL bNumber = FALSE;
  int nValue = (int)pParent->GetDlgItemInt(GetDlgCtrlID(), &bNumber, bSigned);
  if (!bNumber || nValue < m_nMin || nValue > m_nMax) return -1;
  return nValue;
}

int CNumEdit::SetNum(int nNum) {
  CWnd* pParent = GetParent();
  if (nNum < m_nMin || nNum > m_nMax || pParent == NULL) return -1;
  pParent->SetDlgItemInt(GetDlgCtrlID(), (UINT)nNum, m_nMin < 0);
  return nNum;
}

void CNumEdit::OnEnChange(int* pnLast) {
  int nValue = GetNum();
  if (nValue != -1) {
    if (pnLast != NULL) *pnLast = nValue;
    return;
  }
  ::MessageBeep(0);
  if (pnLast != NULL) SetNum(*pnLast);
  SendMessage(EM_SETSEL, 0, -1);
  SendMessage(EM_SCROLLCARET);
  SetFocus();
}

void CNumEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { CEdit::OnChar(nChar, nRepCnt, nFlags); }

void CNumEdit::OnLButtonDown(UINT nFlags, CPoint point) {
  CEdit::OnLButtonDown(nFlags, point);
  CWnd* pParent = GetParent();
  if (pParent != NULL) pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 1), 0);
}
