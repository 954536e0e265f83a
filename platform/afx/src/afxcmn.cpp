// Wrappers of the common controls: each member is one message of the control.
#include "afxcmn.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessageA(m_hWnd, msg, (WPARAM)(w), (LPARAM)(l))

CToolTipCtrl::CToolTipCtrl() {}
CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

static void InitCommonClasses() {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  InitCommonClasses();
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

// Tab control
BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  InitCommonClasses();
  return CWnd::Create(WC_TABCONTROLA, NULL, dwStyle, rect, pParentWnd, nID);
}
int CTabCtrl::GetItemCount() const { return (int)SEND(TCM_GETITEMCOUNT, 0, 0); }
BOOL CTabCtrl::GetItem(int nItem, TCITEMA* pTabCtrlItem) const { return (BOOL)SEND(TCM_GETITEMA, nItem, pTabCtrlItem); }
BOOL CTabCtrl::SetItem(int nItem, TCITEMA* pTabCtrlItem) { return (BOOL)SEND(TCM_SETITEMA, nItem, pTabCtrlItem); }
BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const { return (BOOL)SEND(TCM_GETITEMRECT, nItem, lpRect); }
int CTabCtrl::GetCurSel() const { return (int)SEND(TCM_GETCURSEL, 0, 0); }
int CTabCtrl::SetCurSel(int nItem) { return (int)SEND(TCM_SETCURSEL, nItem, 0); }
int CTabCtrl::GetCurFocus() const { return (int)SEND(TCM_GETCURFOCUS, 0, 0); }
void CTabCtrl::SetCurFocus(int nItem) { SEND(TCM_SETCURFOCUS, nItem, 0); }
CSize CTabCtrl::SetItemSize(CSize size) {
  DWORD old = (DWORD)SEND(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
  return CSize(LOWORD(old), HIWORD(old));
}
int CTabCtrl::GetRowCount() const { return (int)SEND(TCM_GETROWCOUNT, 0, 0); }
LONG CTabCtrl::InsertItem(int nItem, LPCSTR lpszItem) {
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = (LPSTR)lpszItem;
  return InsertItem(nItem, &item);
}
LONG CTabCtrl::InsertItem(int nItem, TCITEMA* pTabCtrlItem) { return (LONG)SEND(TCM_INSERTITEMA, nItem, pTabCtrlItem); }
BOOL CTabCtrl::DeleteItem(int nItem) { return (BOOL)SEND(TCM_DELETEITEM, nItem, 0); }
BOOL CTabCtrl::DeleteAllItems() { return (BOOL)SEND(TCM_DELETEALLITEMS, 0, 0); }
void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) { SEND(TCM_ADJUSTRECT, bLarger, lpRect); }
int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const { return (int)SEND(TCM_HITTEST, 0, pHitTestInfo); }

// Up-down control
BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  InitCommonClasses();
  return CWnd::Create(UPDOWN_CLASSA, NULL, dwStyle, rect, pParentWnd, nID);
}
CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
  return CWnd::FromHandle((HWND)SEND(UDM_SETBUDDY, pWndBuddy->GetSafeHwnd(), 0));
}
CWnd* CSpinButtonCtrl::GetBuddy() const { return CWnd::FromHandle((HWND)SEND(UDM_GETBUDDY, 0, 0)); }
void CSpinButtonCtrl::SetRange(int nLower, int nUpper) { SEND(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const {
  DWORD range = (DWORD)SEND(UDM_GETRANGE, 0, 0);
  nLower = (short)HIWORD(range);
  nUpper = (short)LOWORD(range);
}
int CSpinButtonCtrl::SetPos(int nPos) { return (short)LOWORD(SEND(UDM_SETPOS, 0, MAKELPARAM(nPos, 0))); }
int CSpinButtonCtrl::GetPos() const { return (int)SEND(UDM_GETPOS, 0, 0); }
int CSpinButtonCtrl::SetBase(int nBase) { return (int)SEND(UDM_SETBASE, nBase, 0); }
UINT CSpinButtonCtrl::GetBase() const { return (UINT)SEND(UDM_GETBASE, 0, 0); }
