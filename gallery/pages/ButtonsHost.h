// The button-bitmap module: the gallery loads ButtonBmp.dll from its own folder and names it to the
// library, as a host does before it makes owner-drawn buttons (and the progress bar's Cancel).
#pragma once
#include <Ostrel.h>
#include <string>

// Sets _ButtonVexBmpInst once; returns it (NULL when the module is missing).
inline HINSTANCE InstallButtonBitmapModule() {
  if (_ButtonVexBmpInst == NULL) {
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string folder(szPath);
    folder.erase(folder.find_last_of("\\/") + 1);
    _ButtonVexBmpInst = ::LoadLibraryA((folder + "ButtonBmp.dll").c_str());
  }
  return _ButtonVexBmpInst;
}
