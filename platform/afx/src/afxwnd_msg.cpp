// CWnd message dispatch: message maps, commands, notifications and reflection to child controls.
#include "afxstate.h"
#include <windowsx.h>

namespace {
union MessageMapFunctions {
  AFX_PMSG pfn;
  void (CWnd::*pfn_vv)();
  int (CWnd::*pfn_is)(LPCREATESTRUCT);
  BOOL (CWnd::*pfn_bD)(CDC*);
  void (CWnd::*pfn_vwp)(UINT, CPoint);
  void (CWnd::*pfn_vwii)(UINT, int, int);
  void (CWnd::*pfn_vii)(int, int);
  void (CWnd::*pfn_vt)(UINT_PTR);
  BOOL (CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
  void (CWnd::*pfn_vwww)(UINT, UINT, UINT);
  void (CWnd::*pfn_vW)(CWnd*);
  void (CWnd::*pfn_vb)(BOOL);
  void (CWnd::*pfn_vbw)(BOOL, UINT);
  HBRUSH (CWnd::*pfn_hDWw)(CDC*, CWnd*, UINT);
  HBRUSH (CWnd::*pfn_hDw)(CDC*, UINT);
  void (CWnd::*pfn_vOWNER)(int, LPDRAWITEMSTRUCT);
  void (CWnd::*pfn_vMEASURE)(int, LPMEASUREITEMSTRUCT);
  void (CWnd::*pfn_vwwX)(UINT, UINT, CScrollBar*);
  void (CWnd::*pfn_vwwW)(UINT, UINT);
  BOOL (CWnd::*pfn_bwsp)(UINT, short, CPoint);
  LRESULT (CWnd::*pfn_lp)(CPoint);
  UINT (CWnd::*pfn_wv)();
  void (CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
  int (CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
  void (CWnd::*pfn_vWp)(CWnd*, CPoint);
  void (CWnd::*pfn_vPOS)(WINDOWPOS*);
  void (CWnd::*pfn_vMINMAX)(MINMAXINFO*);
  void (CWnd::*pfn_vwl)(UINT, LPARAM);
  void (CWnd::*pfn_vMwb)(CMenu*, UINT, BOOL);
  void (CWnd::*pfn_vbNC)(BOOL, NCCALCSIZE_PARAMS*);
  LRESULT (CWnd::*pfn_lwl)(WPARAM, LPARAM);
  void (CWnd::*pfn_vwr)(UINT, LPRECT);
  BOOL (CWnd::*pfn_bv)();
};

CPoint PointOf(LPARAM lParam) { return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }

struct NotifyInfo {
  NMHDR* pNMHDR;
  LRESULT* pResult;
};

bool IsCtlColor(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }
}  // namespace

BOOL CWnd::DispatchEntry(const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  MessageMapFunctions mmf;
  mmf.pfn = pEntry->pfn;
  LRESULT lResult = 0;
  switch (pEntry->nSig) {
    case AfxSig_vv:
      (this->*mmf.pfn_vv)();
      break;
    case AfxSig_is:
      lResult = (this->*mmf.pfn_is)((LPCREATESTRUCT)lParam);
      break;
    case AfxSig_bD:
      lResult = (this->*mmf.pfn_bD)(CDC::FromHandle((HDC)wParam));
      break;
    case AfxSig_vwp:
      (this->*mmf.pfn_vwp)((UINT)wParam, PointOf(lParam));
      break;
    case AfxSig_vwpNC:
      (this->*mmf.pfn_vwp)((UINT)wParam, PointOf(lParam));
      break;
    case AfxSig_vwii:
      (this->*mmf.pfn_vwii)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
      break;
    case AfxSig_vii:
      (this->*mmf.pfn_vii)((short)LOWORD(lParam), (short)HIWORD(lParam));
      break;
    case AfxSig_vt:
      (this->*mmf.pfn_vt)((UINT_PTR)wParam);
      break;
    case AfxSig_bWww:
      lResult = (this->*mmf.pfn_bWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
      break;
    case AfxSig_vwww:
      (this->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
      break;
    case AfxSig_vW:
      (this->*mmf.pfn_vW)(CWnd::FromHandle(message == WM_CAPTURECHANGED ? (HWND)lParam : (HWND)wParam));
      break;
    case AfxSig_vb:
      (this->*mmf.pfn_vb)((BOOL)wParam);
      break;
    case AfxSig_vbw:
      (this->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam);
      break;
    case AfxSig_hDWw:
      lResult = (LRESULT)(this->*mmf.pfn_hDWw)(CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam),
                                               message - WM_CTLCOLORMSGBOX);
      break;
    case AfxSig_hDw:
      lResult = (LRESULT)(this->*mmf.pfn_hDw)(CDC::FromHandle((HDC)wParam), message - WM_CTLCOLORMSGBOX);
      break;
    case AfxSig_vOWNER:
      (this->*mmf.pfn_vOWNER)((int)wParam, (LPDRAWITEMSTRUCT)lParam);
      lResult = TRUE;
      break;
    case AfxSig_vMEASURE:
      (this->*mmf.pfn_vMEASURE)((int)wParam, (LPMEASUREITEMSTRUCT)lParam);
      lResult = TRUE;
      break;
    case AfxSig_vwwX:
      (this->*mmf.pfn_vwwX)(LOWORD(wParam), (short)HIWORD(wParam), (CScrollBar*)CWnd::FromHandle((HWND)lParam));
      break;
    case AfxSig_vwwW:
      (this->*mmf.pfn_vwwW)(LOWORD(wParam), (short)HIWORD(wParam));
      break;
    case AfxSig_bwsp:
      lResult = (this->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam), PointOf(lParam));
      break;
    case AfxSig_lp:
      lResult = (this->*mmf.pfn_lp)(PointOf(lParam));
      break;
    case AfxSig_wv:
      lResult = (this->*mmf.pfn_wv)();
      break;
    case AfxSig_vwWb:
      (this->*mmf.pfn_vwWb)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), HIWORD(wParam));
      break;
    case AfxSig_iWww:
      lResult = (this->*mmf.pfn_iWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
      break;
    case AfxSig_vWp:
      (this->*mmf.pfn_vWp)(CWnd::FromHandle((HWND)wParam), PointOf(lParam));
      break;
    case AfxSig_vPOS:
      (this->*mmf.pfn_vPOS)((WINDOWPOS*)lParam);
      break;
    case AfxSig_vMINMAX:
      (this->*mmf.pfn_vMINMAX)((MINMAXINFO*)lParam);
      break;
    case AfxSig_vwl:
      (this->*mmf.pfn_vwl)((UINT)wParam, lParam);
      break;
    case AfxSig_vMwb:
      (this->*mmf.pfn_vMwb)(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), HIWORD(lParam));
      break;
    case AfxSig_vbNC:
      (this->*mmf.pfn_vbNC)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
      break;
    case AfxSig_lwl:
      lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
      break;
    case AfxSig_vwr:
      (this->*mmf.pfn_vwr)((UINT)wParam, (LPRECT)lParam);
      lResult = TRUE;
      break;
    case AfxSig_bv:
      lResult = (this->*mmf.pfn_bv)();
      break;
    default:
      return FALSE;
  }
  if (pResult != NULL) *pResult = lResult;
  return TRUE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT lResult = 0;
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    if (pResult != NULL) *pResult = 0;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult)) return FALSE;
    if (pResult != NULL) *pResult = lResult;
    return TRUE;
  }
  // Owner-draw, colour and scroll messages go to the control first (reflection).
  HWND hWndChild = NULL;
  switch (message) {
    case WM_DRAWITEM:
      hWndChild = wParam ? ((LPDRAWITEMSTRUCT)lParam)->hwndItem : NULL;
      break;
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
      if (wParam) hWndChild = ::GetDlgItem(m_hWnd, (int)wParam);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      hWndChild = (HWND)lParam;
      break;
    default:
      if (IsCtlColor(message)) hWndChild = (HWND)lParam;
      break;
  }
  if (hWndChild != NULL && hWndChild != m_hWnd) {
    CWnd* pChild = CWnd::FromHandlePermanent(hWndChild);
    if (pChild != NULL && pChild->OnChildNotify(message, wParam, lParam, pResult)) return TRUE;
  }

  UINT nLookup = IsCtlColor(message) ? (UINT)WM_CTLCOLOR : message;
  const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), nLookup, 0, 0);
  if (pEntry == NULL) return FALSE;
  return DispatchEntry(pEntry, message, wParam, lParam, pResult);
}

// WM_COMMAND: the control may handle its own notification first; then our map; then nothing.
BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT nID = LOWORD(wParam);
  HWND hWndCtrl = (HWND)lParam;
  int nCode = HIWORD(wParam);
  if (hWndCtrl != NULL) {
    if (ReflectLastMsg(hWndCtrl)) return TRUE;
  } else if (nCode == 1) {
    nCode = CN_COMMAND;  // accelerator
  }
  return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM /*wParam*/, LPARAM lParam, LRESULT* pResult) {
  NMHDR* pNMHDR = (NMHDR*)lParam;
  if (ReflectLastMsg(pNMHDR->hwndFrom, pResult)) return TRUE;
  NotifyInfo info = {pNMHDR, pResult};
  return OnCmdMsg((UINT)pNMHDR->idFrom, MAKELONG(pNMHDR->code, WM_NOTIFY), &info, NULL);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

// Looks the message up in this control's map under WM_REFLECT_BASE + message.
BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_COMMAND: {
      int nCode = HIWORD(wParam);
      return OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL);
    }
    case WM_NOTIFY: {
      NMHDR* pNMHDR = (NMHDR*)lParam;
      NotifyInfo info = {pNMHDR, pResult};
      return OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &info, NULL);
    }
    default: {
      UINT nLookup = IsCtlColor(message) ? (UINT)WM_CTLCOLOR : message;
      const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + nLookup, 0, 0);
      if (pEntry == NULL) return FALSE;
      LRESULT lResult = 0;
      if (!DispatchEntry(pEntry, message, wParam, lParam, &lResult)) return FALSE;
      // A colour handler that gives no brush lets the parent decide.
      if (IsCtlColor(message) && lResult == 0) return FALSE;
      if (pResult != NULL) *pResult = lResult;
      return TRUE;
    }
  }
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWndChild);
  return pWnd != NULL && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
  const MSG* pMsg = GetCurrentMessage();
  return OnChildNotify(pMsg->message, pMsg->wParam, pMsg->lParam, pResult);
}
