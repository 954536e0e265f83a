#include "HostGlobals.h"
#include <Ostrel.h>
#include <string>

// The host's button-bitmap module sits beside the executable; it stays loaded for the process.
static HINSTANCE LoadButtonBitmapModule() {
  static HINSTANCE hModule = NULL;
  if (hModule == NULL) {
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string folder(szPath);
    folder.erase(folder.find_last_of("\\/") + 1);
    hModule = ::LoadLibraryA((folder + "ButtonBmp.dll").c_str());
  }
  return hModule;
}

void InstallHostGlobals(int* pPanelStyle) {
  pVexPrefernPanelStyle = pPanelStyle;
  _ButtonVexBmpInst = LoadButtonBitmapModule();
  // The texture module is not part of the gallery yet; no page creates a control that reads it.
  _hTxturDllInst3 = NULL;
  _VexLoadLibrary3 = NULL;
}
