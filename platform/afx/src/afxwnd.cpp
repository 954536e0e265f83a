// CWnd: the handle map, creation, subclassing and the window procedure every framework window uses.
#include "afxstate.h"
#include "afxguard.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(NULL), m_pfnSuper(NULL) {}
CWnd::CWnd(HWND hWndPosition) : m_hWnd(hWndPosition), m_pfnSuper(NULL) {}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd() {
  // A window still alive when its object goes away is destroyed with it.
  if (m_hWnd != NULL && ::IsWindow(m_hWnd) && afxMapHWND()->LookupPermanent(m_hWnd) == this) DestroyWindow();
}

HWND CWnd::GetSafeHwnd() const {
  const CWnd* p = AfxOpaquePointer(this);
  return p == NULL ? NULL : p->m_hWnd;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) { return afxMapHWND()->FromHandle(hWnd); }
CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) { return hWnd ? afxMapHWND()->LookupPermanent(hWnd) : NULL; }
void PASCAL CWnd::DeleteTempMap() { afxMapHWND()->DeleteTemp(); }

BOOL CWnd::Attach(HWND hWndNew) {
  if (hWndNew == NULL || m_hWnd != NULL || FromHandlePermanent(hWndNew) != NULL) return FALSE;
  afxMapHWND()->RemoveHandle(hWndNew);  // a temporary wrapper of it is no longer needed
  afxMapHWND()->SetPermanent(hWndNew, this);
  m_hWnd = hWndNew;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (hWnd != NULL) {
    if (afxMapHWND()->LookupPermanent(hWnd) == this) afxMapHWND()->RemoveHandle(hWnd);
    m_hWnd = NULL;
  }
  return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!::IsWindow(hWnd) || !Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
  if (oldProc != AfxWndProc) m_pfnSuper = oldProc;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  if (pParent == NULL) return FALSE;
  HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
  return hWndControl != NULL && SubclassWindow(hWndControl);
}

// A window whose own class procedure is AfxWndProc keeps it: unmapped, it gets default handling.
HWND CWnd::UnsubclassWindow() {
  if (m_hWnd == NULL) return NULL;
  if (m_pfnSuper != NULL) ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
  m_pfnSuper = NULL;
  return Detach();
}

// ---------------------------------------------------------------------------------------------
// Creation: a thread-local CBT hook attaches the object to its window before the first message.

// The system's input-method windows can be made inside the call that creates ours, before it.
static BOOL IsInputMethodWindow(HWND hWnd) {
  char szClass[16];
  if (!::GetClassNameA(hWnd, szClass, sizeof szClass)) return FALSE;
  return lstrcmpiA(szClass, "IME") == 0 || lstrcmpiA(szClass, "MSCTFIME UI") == 0;
}

static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
  AFX_THREAD_STATE* pState = AfxPeekThreadState();
  if (pState == NULL) return CallNextHookEx(NULL, code, wParam, lParam);
  HWND hWnd = (HWND)wParam;
  if (code == HCBT_CREATEWND && pState->m_pWndInit != NULL && !IsInputMethodWindow(hWnd)) {
    CWnd* pWndInit = pState->m_pWndInit;
    pState->m_pWndInit = NULL;
    BOOL bAttached = FALSE;
    if (!AfxRunGuarded([&] {
          bAttached = pWndInit->Attach(hWnd);
          if (bAttached) pWndInit->PreSubclassWindow();
        })) {
      if (bAttached) pWndInit->Detach();
      return 1;  // the window is not made; CreateEx reports the failure
    }
    if (bAttached) {
      WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
      if (oldProc != AfxWndProc) pWndInit->m_pfnSuper = oldProc;
    }
  }
  return CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd) {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  if (pState->m_hHookOldCbtFilter == NULL)
    pState->m_hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
  pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate() {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  if (pState->m_hHookOldCbtFilter != NULL) {
    ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
    pState->m_hHookOldCbtFilter = NULL;
  }
  if (pState->m_pWndInit != NULL) {
    pState->m_pWndInit = NULL;
    return FALSE;  // the window was never created
  }
  return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == NULL) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW));
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
  if (m_hWnd != NULL) return FALSE;
  CREATESTRUCT cs;
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = dwStyle;
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  AfxUnhookWindowCreate();
  if (hWnd == NULL) {
    if (m_hWnd != NULL) Detach();  // attached, then refused in WM_NCCREATE/WM_CREATE
    PostNcDestroy();
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void* /*pContext*/) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, NULL);
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == NULL) return FALSE;
  HWND hWnd = m_hWnd;
  BOOL bResult = ::DestroyWindow(hWnd);
  // A window of another thread, or one that was never ours, is let go of here.
  if (m_hWnd == hWnd && !::IsWindow(hWnd)) Detach();
  return bResult;
}

void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}

const char* AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  // One name per distinct combination, kept for the life of the process.
  char* name = AfxGetThreadState()->m_szClassName;
  HINSTANCE hInst = AfxGetInstanceHandle();
  wsprintfA(name, "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor, (void*)hbrBackground, (void*)hIcon);
  WNDCLASSA wc;
  if (::GetClassInfoA(hInst, name, &wc)) return name;
  memset(&wc, 0, sizeof wc);
  wc.style = nClassStyle;
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hInstance = hInst;
  wc.hCursor = hCursor;
  wc.hbrBackground = hbrBackground;
  wc.hIcon = hIcon;
  wc.lpszClassName = name;
  if (!::RegisterClassA(&wc)) return NULL;
  return name;
}

// ---------------------------------------------------------------------------------------------
// The window procedure

// The answer of a message whose handler threw: creation fails, a paint counts as done (or it would
// come back at once), anything else reads as not handled.
static LRESULT FailedMessageResult(HWND hWnd, UINT nMsg) {
  if (nMsg == WM_CREATE) return -1;
  if (nMsg == WM_PAINT) ::ValidateRect(hWnd, NULL);
  return 0;
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  MSG oldState = pState->m_lastSentMsg;
  pState->m_lastSentMsg.hwnd = hWnd;
  pState->m_lastSentMsg.message = nMsg;
  pState->m_lastSentMsg.wParam = wParam;
  pState->m_lastSentMsg.lParam = lParam;
  pState->m_nTempMapLock++;  // temporaries made by a handler live until it returns
  LRESULT lResult = 0;
  if (!AfxRunGuarded([&] { lResult = pWnd->WindowProc(nMsg, wParam, lParam); }))
    lResult = FailedMessageResult(hWnd, nMsg);
  pState->m_nTempMapLock--;
  pState->m_lastSentMsg = oldState;
  return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = 0;
  if (!AfxRunGuarded([&] {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        lResult = pWnd == NULL ? ::DefWindowProcA(hWnd, nMsg, wParam, lParam)
                               : AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
      }))
    lResult = FailedMessageResult(hWnd, nMsg);
  return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = 0;
  if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
  return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != NULL) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() { return &AfxGetThreadState()->m_lastSentMsg; }

// The window is gone: let go of the handle, put the original procedure back, then the last call.
void CWnd::OnNcDestroy() {
  CWinThread* pThread = AfxGetThread();
  if (pThread != NULL && pThread->m_pMainWnd == this) pThread->m_pMainWnd = NULL;
  Default();
  if (m_pfnSuper != NULL && (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == AfxWndProc)
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
  m_pfnSuper = NULL;
  Detach();
  PostNcDestroy();
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/) { return FALSE; }

// Gives each window from the message's target up to hWndStop the chance to translate it.
BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}
