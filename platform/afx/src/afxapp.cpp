// Threads with message loops, and the application object.
#include "afxstate.h"
#include <process.h>
#include "afxgdi_internal.h"
#include "afxguard.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinThread* AFXAPI AfxGetThread() {
  CWinThread* pThread = AfxGetThreadState()->m_pCurrentWinThread;
  if (pThread == NULL) {
    // The application's own thread is the one that made the application object.
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_nThreadID == ::GetCurrentThreadId()) pThread = pApp;
  }
  return pThread;
}

CWinThread::CWinThread()
    : m_pMainWnd(NULL),
      m_pActiveWnd(NULL),
      m_bAutoDelete(TRUE),
      m_hThread(NULL),
      m_nThreadID(0),
      m_msgCur(),
      m_pfnThreadProc(NULL),
      m_pThreadParams(NULL) {}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam) : CWinThread() {
  m_pfnThreadProc = pfnThreadProc;
  m_pThreadParams = pParam;
}

CWinThread::~CWinThread() {
  if (m_hThread != NULL && m_hThread != ::GetCurrentThread() && m_pfnThreadProc != (AFX_THREADPROC)-1)
    ::CloseHandle(m_hThread);
}

namespace {
// The new thread says it has started, then waits until its creator has finished setting it up
// (a suspended start is suspended before the thread runs any of the caller's code).
struct ThreadStartup {
  CWinThread* pThread;
  HANDLE hEventStarted;
  HANDLE hEventGo;
};

unsigned __stdcall AfxThreadEntry(void* pParam) {
  ThreadStartup* pStartup = (ThreadStartup*)pParam;
  CWinThread* pThread = pStartup->pThread;
  HANDLE hEventGo = pStartup->hEventGo;
  AfxGetThreadState()->m_pCurrentWinThread = pThread;
  ::SetEvent(pStartup->hEventStarted);  // pStartup is gone after this
  ::WaitForSingleObject(hEventGo, INFINITE);
  ::CloseHandle(hEventGo);

  UINT nResult = (UINT)-1;  // the exit code of a thread whose work threw
  AfxRunGuarded([&] {
    if (pThread->m_pfnThreadProc != NULL) {
      nResult = (*pThread->m_pfnThreadProc)(pThread->m_pThreadParams);
    } else if (!pThread->InitInstance()) {
      nResult = (UINT)pThread->ExitInstance();
    } else {
      nResult = (UINT)pThread->Run();
    }
  });
  AfxEndThread(nResult, TRUE);
  return nResult;
}
}  // namespace

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  ThreadStartup startup = {this, ::CreateEventA(NULL, TRUE, FALSE, NULL), ::CreateEventA(NULL, TRUE, FALSE, NULL)};
  if (startup.hEventStarted == NULL || startup.hEventGo == NULL) {
    if (startup.hEventStarted != NULL) ::CloseHandle(startup.hEventStarted);
    if (startup.hEventGo != NULL) ::CloseHandle(startup.hEventGo);
    return FALSE;
  }
  unsigned nThreadID = 0;
  m_hThread =
      (HANDLE)_beginthreadex(lpSecurityAttrs, nStackSize, AfxThreadEntry, &startup, CREATE_SUSPENDED, &nThreadID);
  if (m_hThread == NULL) {
    ::CloseHandle(startup.hEventStarted);
    ::CloseHandle(startup.hEventGo);
    return FALSE;
  }
  m_nThreadID = nThreadID;
  ::ResumeThread(m_hThread);
  ::WaitForSingleObject(startup.hEventStarted, INFINITE);
  ::CloseHandle(startup.hEventStarted);
  if (dwCreateFlags & CREATE_SUSPENDED) ::SuspendThread(m_hThread);
  ::SetEvent(startup.hEventGo);  // the thread closes it
  return TRUE;
}

DWORD CWinThread::SuspendThread() { return ::SuspendThread(m_hThread); }
DWORD CWinThread::ResumeThread() { return ::ResumeThread(m_hThread); }
int CWinThread::GetThreadPriority() { return ::GetThreadPriority(m_hThread); }
BOOL CWinThread::SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }
BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostThreadMessageA(m_nThreadID, message, wParam, lParam);
}

BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }
CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }
void CWinThread::Delete() {
  if (m_bAutoDelete) delete this;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_MOUSELAST) {
    CWnd* pMainWnd = GetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg)) return TRUE;
  }
  return FALSE;
}

BOOL CWinThread::PumpMessage() {
  if (!::GetMessageA(&m_msgCur, NULL, 0, 0)) return FALSE;
  if (!PreTranslateMessage(&m_msgCur)) {
    ::TranslateMessage(&m_msgCur);
    ::DispatchMessageA(&m_msgCur);
  }
  return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
  // Timer ticks and repaints do not restart idle processing.
  return pMsg->message != WM_PAINT && pMsg->message != 0x0118 /*WM_SYSTIMER*/ && pMsg->message != WM_TIMER;
}

BOOL CWinThread::OnIdle(LONG lCount) {
  if (lCount <= 0) {
    CWnd* pMainWnd = GetMainWnd();
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsWindowVisible()) {
      AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
      pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
  } else if (lCount == 1) {
    AfxDeleteTempMaps();
  }
  return lCount < 1;
}

int CWinThread::Run() {
  BOOL bIdle = TRUE;
  LONG lIdleCount = 0;
  for (;;) {
    while (bIdle && !::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(lIdleCount++)) bIdle = FALSE;
    }
    do {
      if (!PumpMessage()) return ExitInstance();
      if (IsIdleMessage(&m_msgCur)) {
        bIdle = TRUE;
        lIdleCount = 0;
      }
    } while (::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
  }
}

BOOL AFXAPI AfxPumpMessage() {
  CWinThread* pThread = AfxGetThread();
  if (pThread != NULL) return pThread->PumpMessage();
  MSG msg;
  if (!::GetMessageA(&msg, NULL, 0, 0)) return FALSE;
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
  return TRUE;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (pfnThreadProc == NULL) return NULL;
  CWinThread* pThread = NULL;
  if (!AfxRunGuarded([&] { pThread = new CWinThread(pfnThreadProc, pParam); })) return NULL;
  if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
    delete pThread;
    return NULL;
  }
  pThread->SetThreadPriority(nPriority);
  if (!(dwCreateFlags & CREATE_SUSPENDED)) pThread->ResumeThread();
  return pThread;
}

CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (pThreadClass == NULL || !pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread))) return NULL;
  CWinThread* pThread = (CWinThread*)pThreadClass->CreateObject();
  if (pThread == NULL) return NULL;
  if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
    pThread->Delete();
    return NULL;
  }
  pThread->SetThreadPriority(nPriority);
  if (!(dwCreateFlags & CREATE_SUSPENDED)) pThread->ResumeThread();
  return pThread;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete) {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  CWinThread* pThread = pState->m_pCurrentWinThread;
  if (pThread != NULL && bDelete) pThread->Delete();
  pState->m_pCurrentWinThread = NULL;
  AfxDeleteTempMaps();
  AfxTermThreadGdiMaps();
  _endthreadex(nExitCode);
}

// ---------------------------------------------------------------------------------------------
// The application

CWinApp* AFXAPI AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_hInstance(NULL),
      m_hPrevInstance(NULL),
      m_lpCmdLine(NULL),
      m_nCmdShow(SW_SHOWNORMAL),
      m_pszAppName(lpszAppName),
      m_pszRegistryKey(NULL),
      m_pszProfileName(NULL),
      m_pszHelpFilePath(NULL),
      m_pszExeName(NULL),
      m_dwLastHelpContext(0),
      m_nLastHelpCommand(0) {
  m_bAutoDelete = FALSE;
  m_nThreadID = ::GetCurrentThreadId();
  m_hThread = ::GetCurrentThread();
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  pState->m_pCurrentWinApp = this;
  if (lpszAppName != NULL) pState->m_lpszCurrentAppName = lpszAppName;
}

CWinApp::~CWinApp() {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  if (pState->m_pCurrentWinApp == this) pState->m_pCurrentWinApp = NULL;
  m_hThread = NULL;
}

BOOL CWinApp::InitApplication() { return TRUE; }
BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return (int)m_msgCur.wParam; }

int CWinApp::Run() {
  if (m_pMainWnd == NULL) ::PostQuitMessage(0);
  return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount) { return CWinThread::OnIdle(lCount); }

// The library's dialogs ask for help by context; the host's help system is outside this layer,
// so the request is recorded and passed to the system's help engine when a help file is set.
void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
  m_dwLastHelpContext = dwData;
  m_nLastHelpCommand = nCmd;
  if (m_pszHelpFilePath != NULL && m_pMainWnd != NULL)
    ::WinHelpA(m_pMainWnd->GetSafeHwnd(), m_pszHelpFilePath, nCmd, dwData);
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const {
  return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEA(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(NULL, lpszCursorName); }
HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const {
  return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const { return ::LoadIconA(NULL, lpszIconName); }

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) {
  m_strRegistryKey = lpszRegistryKey;
  m_pszRegistryKey = m_strRegistryKey;
}

// Profile values: HKCU\Software\<key>\<app>\<section> when a registry key is set, else the INI file.
static HKEY OpenSectionKey(const CWinApp* pApp, LPCSTR lpszSection, BOOL bCreate) {
  CString path;
  path.Format("Software\\%s\\%s\\%s", pApp->m_pszRegistryKey, pApp->m_pszAppName ? pApp->m_pszAppName : "",
              lpszSection);
  HKEY hKey = NULL;
  LONG rc = bCreate ? ::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, NULL, 0, KEY_READ | KEY_WRITE, NULL, &hKey, NULL)
                    : ::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey);
  return rc == ERROR_SUCCESS ? hKey : NULL;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
  if (m_pszRegistryKey == NULL) return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
  HKEY hKey = OpenSectionKey(this, lpszSection, FALSE);
  if (hKey == NULL) return (UINT)nDefault;
  DWORD value = 0, type = 0, size = sizeof value;
  LONG rc = ::RegQueryValueExA(hKey, lpszEntry, NULL, &type, (LPBYTE)&value, &size);
  ::RegCloseKey(hKey);
  return (rc == ERROR_SUCCESS && type == REG_DWORD) ? value : (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
  if (m_pszRegistryKey == NULL) {
    char text[16];
    wsprintfA(text, "%d", nValue);
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_pszProfileName);
  }
  HKEY hKey = OpenSectionKey(this, lpszSection, TRUE);
  if (hKey == NULL) return FALSE;
  DWORD value = (DWORD)nValue;
  LONG rc = ::RegSetValueExA(hKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&value, sizeof value);
  ::RegCloseKey(hKey);
  return rc == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) {
  if (lpszDefault == NULL) lpszDefault = "";
  if (m_pszRegistryKey == NULL) {
    char text[4096];
    ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, text, sizeof text, m_pszProfileName);
    return CString(text);
  }
  HKEY hKey = OpenSectionKey(this, lpszSection, FALSE);
  if (hKey == NULL) return CString(lpszDefault);
  DWORD type = 0, size = 0;
  CString value(lpszDefault);
  if (::RegQueryValueExA(hKey, lpszEntry, NULL, &type, NULL, &size) == ERROR_SUCCESS && type == REG_SZ) {
    CString read;
    LPSTR buffer = read.GetBufferSetLength((int)size);
    if (::RegQueryValueExA(hKey, lpszEntry, NULL, &type, (LPBYTE)buffer, &size) == ERROR_SUCCESS) {
      read.ReleaseBuffer();
      value = read;
    }
  }
  ::RegCloseKey(hKey);
  return value;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) {
  if (m_pszRegistryKey == NULL)
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
  HKEY hKey = OpenSectionKey(this, lpszSection, TRUE);
  if (hKey == NULL) return FALSE;
  LONG rc = lpszValue == NULL
                ? ::RegDeleteValueA(hKey, lpszEntry)
                : ::RegSetValueExA(hKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue, (DWORD)strlen(lpszValue) + 1);
  ::RegCloseKey(hKey);
  return rc == ERROR_SUCCESS;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  pState->m_hCurrentInstanceHandle = hInstance;
  pState->m_hCurrentResourceHandle = hInstance;
  static char exeName[MAX_PATH];
  ::GetModuleFileNameA(hInstance, exeName, MAX_PATH);
  char* pBase = strrchr(exeName, '\\');
  pBase = pBase ? pBase + 1 : exeName;
  char* pDot = strrchr(pBase, '.');
  if (pDot != NULL) *pDot = '\0';
  if (pState->m_lpszCurrentAppName == NULL) pState->m_lpszCurrentAppName = pBase;

  CWinApp* pApp = AfxGetApp();
  if (pApp != NULL) {
    pApp->m_hInstance = hInstance;
    pApp->m_hPrevInstance = hPrevInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    pApp->m_pszExeName = pBase;
    if (pApp->m_pszAppName == NULL) pApp->m_pszAppName = pState->m_lpszCurrentAppName;
  }
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == NULL || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow)) return -1;
  int nResult = -1;  // also the result when the application's own code throws
  AfxRunGuarded([&] {
    if (!pApp->InitApplication()) return;
    if (!pApp->InitInstance()) {
      if (pApp->m_pMainWnd != NULL) pApp->m_pMainWnd->DestroyWindow();
      nResult = pApp->ExitInstance();
      return;
    }
    nResult = pApp->Run();
  });
  return nResult;
}
