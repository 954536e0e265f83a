// Per-thread state of the framework layer (internal).
#pragma once
#include <afxwin.h>
#include "handle_map.h"

namespace afx_gdi {
struct GdiMaps;
}

struct AFX_THREAD_STATE {
  CWinThread* m_pCurrentWinThread = NULL;
  MSG m_lastSentMsg = {};   // the message being handled, for CWnd::Default
  CWnd* m_pWndInit = NULL;  // window object waiting for its HWND (creation hook)
  HHOOK m_hHookOldCbtFilter = NULL;
  int m_nTempMapLock = 0;
  CHandleMap<CWnd, HWND>* m_pmapHWND = NULL;
  CHandleMap<CMenu, HMENU>* m_pmapHMENU = NULL;
  afx_gdi::GdiMaps* m_pGdiMaps = NULL;
  char m_szClassName[96] = "";  // the last name AfxRegisterWndClass made
};

AFX_THREAD_STATE* AfxGetThreadState();
AFX_THREAD_STATE* AfxPeekThreadState();  // NULL when the thread has none yet
void AfxTermThreadState();               // frees the calling thread's state
CHandleMap<CWnd, HWND>* afxMapHWND();
CHandleMap<CMenu, HMENU>* afxMapHMENU();
// A dialog template found through the resource chain, and the module that holds it; NULL if none.
LPCDLGTEMPLATE AfxLockDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst);
