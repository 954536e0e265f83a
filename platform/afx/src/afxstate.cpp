// Module state, per-thread state, extension modules and the resource chain.
#include "afxstate.h"
#include "afxgdi_internal.h"

void AfxRemoveModuleClasses(HMODULE hModule);  // afxobj.cpp

static AFX_MODULE_STATE g_moduleState = {NULL, NULL, NULL, NULL, NULL};
static CRITICAL_SECTION g_libraryLock;
static struct LibraryLockInit {
  LibraryLockInit() { InitializeCriticalSection(&g_libraryLock); }
} g_libraryLockInit;

namespace {
struct LibraryLock {
  LibraryLock() { EnterCriticalSection(&g_libraryLock); }
  ~LibraryLock() { LeaveCriticalSection(&g_libraryLock); }
};

// Thread state lives in a Win32 TLS slot and is freed when the thread detaches from afx.dll.
// (Compiler-managed thread_local objects with destructors hang thread exit in a DLL here.)
DWORD g_tlsThreadState = TLS_OUT_OF_INDEXES;
}  // namespace

AFX_THREAD_STATE* AfxGetThreadState() {
  AFX_THREAD_STATE* pState = (AFX_THREAD_STATE*)TlsGetValue(g_tlsThreadState);
  if (pState == NULL) {
    pState = new AFX_THREAD_STATE;
    TlsSetValue(g_tlsThreadState, pState);
  }
  return pState;
}

AFX_THREAD_STATE* AfxPeekThreadState() { return (AFX_THREAD_STATE*)TlsGetValue(g_tlsThreadState); }

void AfxTermThreadState() {
  AFX_THREAD_STATE* pState = (AFX_THREAD_STATE*)TlsGetValue(g_tlsThreadState);
  if (pState == NULL) return;
  TlsSetValue(g_tlsThreadState, NULL);
  delete pState->m_pmapHWND;
  delete pState->m_pmapHMENU;
  delete pState;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE /*hInstance*/, DWORD dwReason, LPVOID /*lpReserved*/) {
  switch (dwReason) {
    case DLL_PROCESS_ATTACH:
      g_tlsThreadState = TlsAlloc();
      return g_tlsThreadState != TLS_OUT_OF_INDEXES;
    case DLL_THREAD_DETACH:
      AfxTermThreadGdiMaps();
      AfxTermThreadState();
      break;
    case DLL_PROCESS_DETACH:
      AfxTermThreadGdiMaps();
      AfxTermThreadState();
      TlsFree(g_tlsThreadState);
      break;
  }
  return TRUE;
}

// A temporary wrapper holds the handle without owning it.
template <class T, class H, H T::*pHandle>
static CHandleMap<T, H>* ThreadMap(CHandleMap<T, H>*& pMap) {
  if (pMap == NULL) {
    pMap = new CHandleMap<T, H>(
        [](H h) -> T* {
          T* p = new T;
          p->*pHandle = h;
          return p;
        },
        [](T* p) {
          p->*pHandle = NULL;
          delete p;
        });
  }
  return pMap;
}

CHandleMap<CWnd, HWND>* afxMapHWND() { return ThreadMap<CWnd, HWND, &CWnd::m_hWnd>(AfxGetThreadState()->m_pmapHWND); }

CHandleMap<CMenu, HMENU>* afxMapHMENU() {
  return ThreadMap<CMenu, HMENU, &CMenu::m_hMenu>(AfxGetThreadState()->m_pmapHMENU);
}

void AFXAPI AfxDeleteTempMaps() {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  if (pState->m_nTempMapLock != 0) return;
  if (pState->m_pmapHWND != NULL) pState->m_pmapHWND->DeleteTemp();
  if (pState->m_pmapHMENU != NULL) pState->m_pmapHMENU->DeleteTemp();
  AfxDeleteTempGdiMaps();
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState() {
  // A host that never ran AfxWinInit (a console program) still gets sensible handles.
  if (g_moduleState.m_hCurrentInstanceHandle == NULL) {
    g_moduleState.m_hCurrentInstanceHandle = GetModuleHandleA(NULL);
    if (g_moduleState.m_hCurrentResourceHandle == NULL)
      g_moduleState.m_hCurrentResourceHandle = g_moduleState.m_hCurrentInstanceHandle;
  }
  return &g_moduleState;
}

HINSTANCE AFXAPI AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }
HINSTANCE AFXAPI AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
  AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}
const char* AFXAPI AfxGetAppName() { return AfxGetModuleState()->m_lpszCurrentAppName; }

// The resource handle first, then every library in the chain; the resource handle when none has it.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  HINSTANCE hInst = pState->m_hCurrentResourceHandle;
  if (hInst != NULL && FindResourceA(hInst, lpszName, lpszType) != NULL) return hInst;
  LibraryLock lock;
  for (CDynLinkLibrary* pDLL = pState->m_pFirstLibrary; pDLL != NULL; pDLL = pDLL->m_pNextDLL) {
    if (pDLL->m_hResource != NULL && FindResourceA(pDLL->m_hResource, lpszName, lpszType) != NULL)
      return pDLL->m_hResource;
  }
  return hInst;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
  if (hModule == NULL) return FALSE;
  if (state.bInitialized) return TRUE;  // a second attach of the same module
  state.hModule = hModule;
  state.hResource = hModule;
  state.pFirstSharedClass = NULL;
  state.bInitialized = TRUE;
  return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
  if (!state.bInitialized) return;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  CDynLinkLibrary* doomed = NULL;
  {
    LibraryLock lock;
    CDynLinkLibrary** ppLink = &pState->m_pFirstLibrary;
    while (*ppLink != NULL) {
      CDynLinkLibrary* pDLL = *ppLink;
      if (bAll || pDLL->m_hModule == state.hModule) {
        *ppLink = pDLL->m_pNextDLL;
        pDLL->m_pNextDLL = doomed;
        doomed = pDLL;
      } else {
        ppLink = &pDLL->m_pNextDLL;
      }
    }
  }
  while (doomed != NULL) {
    CDynLinkLibrary* pNext = doomed->m_pNextDLL;
    doomed->m_pNextDLL = NULL;
    doomed->m_hModule = NULL;  // already unlinked: the destructor has nothing to remove
    delete doomed;
    doomed = pNext;
  }
  AfxRemoveModuleClasses(state.hModule);
  state.bInitialized = FALSE;
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule),
      m_hResource(state.hResource),
      m_pFirstSharedClass(state.pFirstSharedClass),
      m_bSystem(bSystem),
      m_pNextDLL(NULL) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  LibraryLock lock;
  // Appended, so libraries are searched in the order they joined.
  CDynLinkLibrary** ppLink = &pState->m_pFirstLibrary;
  while (*ppLink != NULL) ppLink = &(*ppLink)->m_pNextDLL;
  *ppLink = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
  if (m_hModule == NULL) return;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  LibraryLock lock;
  for (CDynLinkLibrary** ppLink = &pState->m_pFirstLibrary; *ppLink != NULL; ppLink = &(*ppLink)->m_pNextDLL) {
    if (*ppLink == this) {
      *ppLink = m_pNextDLL;
      break;
    }
  }
}
