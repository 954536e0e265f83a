// Module start-up and the globals shared with the host.
#pragma once
#include <afxwin.h>

// The texture module's entry-point loader: (module, 30003, five optional out-pointers).
typedef HINSTANCE (*VEXLOADLIBRARY3)(HINSTANCE, int, void**, void**, void**, void**, void**);

extern "C" {
// Set by the library at start-up: its own module handle (the same value in both).
extern AFX_EXT_DATA HINSTANCE _ClrBoxInst;
extern AFX_EXT_DATA HINSTANCE _ProgressInst;
// Set by the host before it creates the controls that read them.
extern AFX_EXT_DATA HINSTANCE _ButtonVexBmpInst;
extern AFX_EXT_DATA HINSTANCE _hTxturDllInst3;
extern AFX_EXT_DATA VEXLOADLIBRARY3 _VexLoadLibrary3;
extern AFX_EXT_DATA int* pVexPrefernPanelStyle;
// Offered to the host; the library neither sets nor reads it.
extern AFX_EXT_DATA HFONT hStdFont;
}
