// Drevnic.dll start-up: registers the list window class for every module of the process.
#include "Drevnic.h"

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(hInstance);
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    // Global, so dialog templates of any module can name it; the framework's procedure routes
    // messages to the CIIListWindow attached to the window (none: default handling).
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = T32IIO_CLASSNAME;
    return RegisterClassA(&wc) != 0;
  }
  if (dwReason == DLL_PROCESS_DETACH && lpReserved == NULL) UnregisterClassA(T32IIO_CLASSNAME, hInstance);
  return TRUE;
}
