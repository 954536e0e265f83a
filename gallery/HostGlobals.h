// The library's host-set globals, filled by the gallery as a host must before using the controls.
#pragma once

// Points the library's panel-style global at pPanelStyle (NULL clears it) and sets the module globals.
void InstallHostGlobals(int* pPanelStyle);
