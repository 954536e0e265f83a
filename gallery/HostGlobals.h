// The library's host-set globals, filled by the gallery as a host must before using the controls.
#pragma once
#include <windows.h>

// Points the library's panel-style global at pPanelStyle (NULL clears it), sets the module globals
// (the texture module among them) and loads the host's icon-button module.
void InstallHostGlobals(int* pPanelStyle);

// A host module beside the executable (for example "TabSkin.dll"), loaded once for the process;
// NULL when it is missing.
HINSTANCE LoadHostModule(const char* pszName);
