// The tool-tip control wrapper: each member is one tool-tip message.
#include "afxcmn.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessageA(m_hWnd, msg, (WPARAM)(w), (LPARAM)(l))

CToolTipCtrl::CToolTipCtrl() {}
CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  return CWnd::CreateEx(0, TOOLTIPS_CLASSA, NULL, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), NULL, NULL);
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const {
  memset(&ti, 0, sizeof(ti));
  ti.cbSize = CToolInfo::RecordSize();
  HWND hWnd = pWnd->GetSafeHwnd();
  if (nIDTool == 0) {
    ti.hwnd = ::GetParent(hWnd);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = (UINT_PTR)hWnd;
  } else {
    ti.hwnd = hWnd;
    ti.uId = nIDTool;
  }
}

BOOL CToolTipCtrl::AddToolRecord(CWnd* pWnd, LPSTR lpszText, HINSTANCE hInst, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  if (pWnd == NULL || pWnd->m_hWnd == NULL) return FALSE;
  TOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.uFlags |= TTF_SUBCLASS;
  if (lpRectTool != NULL) ti.rect = *lpRectTool;
  ti.hinst = hInst;
  ti.lpszText = lpszText;
  return (BOOL)SEND(TTM_ADDTOOLA, 0, &ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  return AddToolRecord(pWnd, (LPSTR)lpszText, NULL, lpRectTool, nIDTool);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  return AddToolRecord(pWnd, MAKEINTRESOURCEA(nIDText),
                       AfxFindResourceHandle(MAKEINTRESOURCEA((nIDText >> 4) + 1), RT_STRING), lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  SEND(TTM_DELTOOLA, 0, &ti);
}

BOOL CToolTipCtrl::GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const {
  FillInToolInfo(ToolInfo, pWnd, nIDTool);
  ToolInfo.lpszText = NULL;  // the control copies no text without a buffer
  return (BOOL)SEND(TTM_GETTOOLINFOA, 0, (TOOLINFOA*)&ToolInfo);
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFOA lpToolInfo) { SEND(TTM_SETTOOLINFOA, 0, lpToolInfo); }

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
  TOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.rect = *lpRect;
  SEND(TTM_NEWTOOLRECTA, 0, &ti);
}

int CToolTipCtrl::GetToolCount() const { return (int)SEND(TTM_GETTOOLCOUNT, 0, 0); }

BOOL CToolTipCtrl::EnumTools(UINT nTool, CToolInfo& ToolInfo) const {
  ToolInfo.cbSize = CToolInfo::RecordSize();
  ToolInfo.lpszText = NULL;
  return (BOOL)SEND(TTM_ENUMTOOLSA, nTool, (TOOLINFOA*)&ToolInfo);
}

BOOL CToolTipCtrl::GetCurrentTool(CToolInfo& ToolInfo) const {
  ToolInfo.cbSize = CToolInfo::RecordSize();
  ToolInfo.lpszText = NULL;
  return (BOOL)SEND(TTM_GETCURRENTTOOLA, 0, (TOOLINFOA*)&ToolInfo);
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFOA lpToolInfo) const {
  TTHITTESTINFOA hti;
  memset(&hti, 0, sizeof(hti));
  hti.hwnd = pWnd->GetSafeHwnd();
  hti.pt = pt;
  hti.ti.cbSize = CToolInfo::RecordSize();
  if (!SEND(TTM_HITTESTA, 0, &hti)) return FALSE;
  if (lpToolInfo != NULL) memcpy(lpToolInfo, &hti.ti, CToolInfo::RecordSize());
  return TRUE;
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
  // The control is given no buffer size: 256 characters, as the framework gives it.
  TOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  char buffer[256] = "";
  ti.lpszText = buffer;
  SEND(TTM_GETTEXTA, 0, &ti);
  str = buffer;
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.lpszText = (LPSTR)lpszText;
  SEND(TTM_UPDATETIPTEXTA, 0, &ti);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
  CString str;
  str.LoadString(nIDText);
  UpdateTipText(str, pWnd, nIDTool);
}

void CToolTipCtrl::Activate(BOOL bActivate) { SEND(TTM_ACTIVATE, bActivate, 0); }
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { SEND(TTM_RELAYEVENT, 0, lpMsg); }
void CToolTipCtrl::Pop() { SEND(TTM_POP, 0, 0); }
void CToolTipCtrl::Update() { SEND(TTM_UPDATE, 0, 0); }
void CToolTipCtrl::SetDelayTime(UINT nDelay) { SEND(TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(nDelay, 0)); }
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) {
  SEND(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const { return (int)SEND(TTM_GETDELAYTIME, dwDuration, 0); }
int CToolTipCtrl::SetMaxTipWidth(int iWidth) { return (int)SEND(TTM_SETMAXTIPWIDTH, 0, iWidth); }
int CToolTipCtrl::GetMaxTipWidth() const { return (int)SEND(TTM_GETMAXTIPWIDTH, 0, 0); }
void CToolTipCtrl::SetTipBkColor(COLORREF clr) { SEND(TTM_SETTIPBKCOLOR, clr, 0); }
COLORREF CToolTipCtrl::GetTipBkColor() const { return (COLORREF)SEND(TTM_GETTIPBKCOLOR, 0, 0); }
void CToolTipCtrl::SetTipTextColor(COLORREF clr) { SEND(TTM_SETTIPTEXTCOLOR, clr, 0); }
COLORREF CToolTipCtrl::GetTipTextColor() const { return (COLORREF)SEND(TTM_GETTIPTEXTCOLOR, 0, 0); }
void CToolTipCtrl::SetMargin(LPRECT lprc) { SEND(TTM_SETMARGIN, 0, lprc); }
void CToolTipCtrl::GetMargin(LPRECT lprc) const { SEND(TTM_GETMARGIN, 0, lprc); }
