// Command targets: message-map lookup, command routing and update requests.
#include "afxstate.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
  static const AFX_MSGMAP map = {NULL, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID) {
  for (; pMap != NULL; pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
    for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p) {
      if (p->nMessage == 0xC000) {  // registered message: nSig holds the address of its number
        if (nMsg >= 0xC000 && *(const UINT*)p->nSig == nMsg) return p;
        continue;
      }
      if (p->nMessage == nMsg && p->nCode == nCode && nID >= p->nID && nID <= p->nLastID) return p;
    }
  }
  return NULL;
}

namespace {
union CmdFunctions {
  AFX_PMSG pfn;
  void (CCmdTarget::*pfn_v)();
  BOOL (CCmdTarget::*pfn_b)();
  void (CCmdTarget::*pfn_w)(UINT);
  void (CCmdTarget::*pfn_UI)(CCmdUI*);
  void (CCmdTarget::*pfn_NOTIFY_v)(NMHDR*, LRESULT*);
  BOOL (CCmdTarget::*pfn_NOTIFY_b)(NMHDR*, LRESULT*);
};

struct NotifyInfo {  // pExtra of a WM_NOTIFY routed as a command
  NMHDR* pNMHDR;
  LRESULT* pResult;
};
}  // namespace

// nCode packs the notification code in its low word and the message (WM_COMMAND, WM_NOTIFY,
// or either plus WM_REFLECT_BASE) in its high word; a high word of 0 means WM_COMMAND.
BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* /*pHandlerInfo*/) {
  UINT nMsg = HIWORD((UINT)nCode);
  UINT nCodeOnly = LOWORD((UINT)nCode);
  if (nMsg == 0) nMsg = WM_COMMAND;
  if ((UINT)nCode == CN_UPDATE_COMMAND_UI) {
    nMsg = WM_COMMAND;
    nCodeOnly = CN_UPDATE_COMMAND_UI;
  }
  if (nMsg == WM_COMMAND + WM_REFLECT_BASE && nCodeOnly == 0xFFFF) nCodeOnly = CN_UPDATE_COMMAND_UI;
  const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), nMsg, nCodeOnly, nID);
  if (pEntry == NULL) return FALSE;

  CmdFunctions mmf;
  mmf.pfn = pEntry->pfn;
  switch (pEntry->nSig) {
    case AfxSigCmd_v:
      (this->*mmf.pfn_v)();
      return TRUE;
    case AfxSigCmd_b:
      return (this->*mmf.pfn_b)();
    case AfxSigCmd_w:
      (this->*mmf.pfn_w)(nID);
      return TRUE;
    case AfxSigCmd_UI: {
      CCmdUI* pCmdUI = (CCmdUI*)pExtra;
      if (pCmdUI == NULL) return FALSE;
      pCmdUI->m_bContinueRouting = FALSE;
      (this->*mmf.pfn_UI)(pCmdUI);
      return !pCmdUI->m_bContinueRouting;
    }
    case AfxSigNotify_v: {
      NotifyInfo* pInfo = (NotifyInfo*)pExtra;
      (this->*mmf.pfn_NOTIFY_v)(pInfo->pNMHDR, pInfo->pResult);
      return TRUE;
    }
    case AfxSigNotify_b: {
      NotifyInfo* pInfo = (NotifyInfo*)pExtra;
      return (this->*mmf.pfn_NOTIFY_b)(pInfo->pNMHDR, pInfo->pResult);
    }
  }
  return FALSE;
}

void CCmdTarget::BeginWaitCursor() { SetCursor(LoadCursorA(NULL, (LPCSTR)IDC_WAIT)); }
void CCmdTarget::EndWaitCursor() { SetCursor(LoadCursorA(NULL, (LPCSTR)IDC_ARROW)); }
void CCmdTarget::RestoreWaitCursor() { BeginWaitCursor(); }

// CCmdUI: the state of one menu item or control, set by an update handler.
CCmdUI::CCmdUI()
    : m_nID(0),
      m_nIndex(0),
      m_pMenu(NULL),
      m_pSubMenu(NULL),
      m_pOther(NULL),
      m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE),
      m_nIndexMax(0),
      m_pParentMenu(NULL) {}

void CCmdUI::Enable(BOOL bOn) {
  if (m_pMenu != NULL) {
    if (m_pSubMenu == NULL)
      m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
  } else if (m_pOther != NULL) {
    // Keep the focus out of a control that is being disabled.
    if (!bOn && GetFocus() == m_pOther->m_hWnd) m_pOther->GetParent()->GetNextDlgTabItem(m_pOther)->SetFocus();
    m_pOther->EnableWindow(bOn);
  }
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
  if (m_pMenu != NULL) {
    if (m_pSubMenu == NULL) m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
  } else if (m_pOther != NULL && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)) {
    m_pOther->SendMessage(BM_SETCHECK, nCheck);
  }
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCSTR lpszText) {
  if (lpszText == NULL) return;
  if (m_pMenu != NULL) {
    if (m_pSubMenu == NULL) {
      UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
      nState &= ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_POPUP | 0xFF00);
      m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    }
  } else if (m_pOther != NULL) {
    CString current;
    m_pOther->GetWindowText(current);
    if (current != lpszText) m_pOther->SetWindowText(lpszText);
  }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (pTarget == NULL) return FALSE;
  m_bEnableChanged = FALSE;
  BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, NULL);
  if (bDisableIfNoHndler && !m_bEnableChanged && !bResult) Enable(FALSE);
  return bResult;
}
