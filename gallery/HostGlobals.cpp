#include "HostGlobals.h"
#include <Ostrel.h>
#include <t32Cfg.h>
#include <string>
#include "Txtur3.h"

// The name of the gallery's registry profile (the browse button's folder history lives there).
static const char kAppName[] = "Ostrel Gallery";

HINSTANCE LoadHostModule(const char* pszName) {
  char szPath[MAX_PATH] = "";
  ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
  std::string folder(szPath);
  folder.erase(folder.find_last_of("\\/") + 1);
  HINSTANCE hModule = ::GetModuleHandleA((folder + pszName).c_str());
  return hModule != NULL ? hModule : ::LoadLibraryA((folder + pszName).c_str());
}

// The host's button-bitmap module joins the resource chain, where the browse button looks for its
// bitmap.
static HINSTANCE LoadButtonBitmapModule() {
  static HINSTANCE hModule = NULL;
  static AFX_EXTENSION_MODULE s_resources = {};
  if (hModule == NULL) {
    hModule = LoadHostModule("ButtonBmp.dll");
    if (hModule != NULL && AfxInitExtensionModule(s_resources, hModule)) new CDynLinkLibrary(s_resources);
  }
  return hModule;
}

void InstallHostGlobals(int* pPanelStyle) {
  pVexPrefernPanelStyle = pPanelStyle;
  t32CfgSetAppName(kAppName);
  _ButtonVexBmpInst = LoadButtonBitmapModule();
  LoadHostModule("IconBtn.dll");  // registers "TV32IconBtn", which the gradient dialog's buttons are
  _hTxturDllInst3 = LoadHostModule("Txtur3.dll");
  _VexLoadLibrary3 =
      _hTxturDllInst3 ? (VEXLOADLIBRARY3)(void*)::GetProcAddress(_hTxturDllInst3, TXTUR_LOADER_EXPORT) : NULL;
}
