// t32Comm.dll: the colour dialog, window placement, path splitting and the
// error-report record. Calling convention: extern "C" __cdecl, as t32Base.
#ifndef T32COMM_H
#define T32COMM_H

#include <windows.h>

#ifdef T32COMM_BUILD
#define T32COMM_API extern "C" __declspec(dllexport)
#else
#define T32COMM_API extern "C" __declspec(dllimport)
#endif
#ifndef T32API
#define T32API __cdecl
#endif

// t32ChooseColorEx flags (third argument).
#define T32CC_START_FROM_COLOR 1  // the dialog starts at *pColor
#define T32CC_FULL_OPEN        2  // the custom-colour part is open from the start

// The system colour dialog, owned by hOwner (may be NULL). Returns 1 after
// writing the chosen colour (0x00BBGGRR) to *pColor, 0 when cancelled or on
// bad arguments (*pColor unchanged). The 16 custom colours are kept for the
// life of the process. nReserved must be 0.
T32COMM_API int T32API t32ChooseColorEx(HWND hOwner, unsigned long* pColor, int nFlags, int nReserved);

// Brings hWnd wholly into the work area of a monitor.
//   nMonitor  T32MW_NEAREST (-1): the monitor nearest the window; T32MW_PRIMARY (0)
//   nMode     T32MW_INTO_VIEW (1): move as little as needed (a window larger than
//             the work area gets its top-left corner at the area's top-left);
//             T32MW_CENTER (2): centre it in the work area
// Returns 1 (also when nothing had to move), 0 on bad arguments.
#define T32MW_NEAREST   (-1)
#define T32MW_PRIMARY   0
#define T32MW_INTO_VIEW 1
#define T32MW_CENTER    2
T32COMM_API int T32API t32MoveWindow(HWND hWnd, int nMonitor, int nMode);

// Splits a path at its last separator ('\', '/' or ':'; double-byte
// characters are walked whole). pszName (may be NULL) receives the last
// component, pszFolder (may be NULL) everything before it including the
// separator: "C:\Photos\a.jpg" gives "a.jpg" and "C:\Photos\". Both buffers
// must hold MAX_PATH characters. 0 for a NULL path or one of MAX_PATH or more.
T32COMM_API int T32API tfdSplitPathname(const char* pszPath, char* pszName, char* pszFolder);

// Records an error report of six numbers, as the caller gives them (module,
// code, detail, source, line, context by convention). Returns 1.
T32COMM_API int T32API c32SetDLLErrInfo(int n1, int n2, int n3, int n4, int n5, int n6);
// Copies the last report into pInfo[6] (may be NULL) and returns how many
// reports were recorded since the library was loaded (0: none, pInfo untouched).
T32COMM_API int T32API c32GetDLLErrInfo(int* pInfo);

#endif
