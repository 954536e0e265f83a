// Control bars: a dialog-template bar whose controls report to the bar's owner.
#include "afxstate.h"
#include <afxext.h>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
      LRESULT lResult = 0;
      if (OnWndMsg(message, wParam, lParam, &lResult)) return lResult;
      CWnd* pOwner = GetOwner();
      if (pOwner != NULL && pOwner->m_hWnd != NULL && pOwner->m_hWnd != m_hWnd)
        return pOwner->SendMessage(message, wParam, lParam);
      return DefWindowProc(message, wParam, lParam);
    }
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

CDialogBar::~CDialogBar() {
  if (m_hWnd != NULL) DestroyWindow();
}

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID) {
  if (m_hWnd != NULL || pParentWnd == NULL || pParentWnd->m_hWnd == NULL) return FALSE;
  HINSTANCE hInst = NULL;
  LPCDLGTEMPLATE lpTemplate = AfxLockDialogTemplate(lpszTemplateName, &hInst);
  if (lpTemplate == NULL) return FALSE;
  m_dwStyle = nStyle;
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, pParentWnd->m_hWnd, AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  if (hWnd == NULL) {
    if (m_hWnd != NULL) Detach();
    return FALSE;
  }
  SetDlgCtrlID((int)nID);
  CRect rect;
  GetWindowRect(&rect);
  m_sizeDefault = rect.Size();
  ShowWindow(SW_SHOWNA);
  return TRUE;
}

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID) {
  return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), nStyle, nID);
}
