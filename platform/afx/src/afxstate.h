// Per-thread state of the framework layer (internal).
#pragma once
#include <afxwin.h>
#include "handle_map.h"

struct AFX_THREAD_STATE {
  CWinThread* m_pCurrentWinThread = NULL;
  MSG m_lastSentMsg = {};       // the message being handled, for CWnd::Default
  CWnd* m_pWndInit = NULL;      // window object waiting for its HWND (creation hook)
  HHOOK m_hHookOldCbtFilter = NULL;
  int m_nTempMapLock = 0;
  CHandleMap<CWnd, HWND>* m_pmapHWND = NULL;
  CHandleMap<CMenu, HMENU>* m_pmapHMENU = NULL;
};

AFX_THREAD_STATE* AfxGetThreadState();
CHandleMap<CWnd, HWND>* afxMapHWND();
CHandleMap<CMenu, HMENU>* afxMapHMENU();
