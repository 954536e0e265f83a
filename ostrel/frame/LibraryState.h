// What the library's own files share and the host does not see.
#pragma once
#include "Module.h"

extern "C" HINSTANCE _hResInst;  // the library's module: every resource and window class uses it

// Window classes registered at start-up.
void RegisterGroupBoxClass();
void RegisterCircleCtrlClass();
// A process-wide class of the library: redrawn on resizing, arrow cursor, no background brush.
void RegisterLibraryClass(const char* name, WNDPROC proc);
