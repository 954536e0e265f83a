// Module start-up: the extension module, the shared module handle and the window classes.
#include "frame/LibraryState.h"

extern "C" {
HINSTANCE _hResInst = NULL;
HINSTANCE _ClrBoxInst = NULL;
HINSTANCE _ProgressInst = NULL;
HINSTANCE _ButtonVexBmpInst = NULL;
HINSTANCE _hTxturDllInst3 = NULL;
VEXLOADLIBRARY3 _VexLoadLibrary3 = NULL;
HFONT hStdFont = NULL;
int* pVexPrefernPanelStyle = NULL;
}

void RegisterLibraryClass(const char* name, WNDPROC proc) {
  WNDCLASSA wc = {};
  wc.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = proc;
  wc.hInstance = _hResInst;
  wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassA(&wc);  // fails harmlessly when the class exists already
}

static AFX_EXTENSION_MODULE OstrelDLL = {FALSE, NULL, NULL, NULL};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(OstrelDLL, hInstance)) return 0;
    _hResInst = hInstance;
    _ClrBoxInst = hInstance;
    _ProgressInst = hInstance;
    // Joins the resource chain; the framework owns the object from here on.
    try {
      new CDynLinkLibrary(OstrelDLL, FALSE);
    } catch (...) {
    }
    RegisterGroupBoxClass();
    RegisterCircleCtrlClass();
    return 1;
  }
  if (dwReason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(OstrelDLL, FALSE);
    return 1;
  }
  return 1;
}
