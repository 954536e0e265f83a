// Start-up of a benchmark that makes controls: the framework initialised as a host does, with the
// button pictures loaded from the module beside the executable.
#pragma once
#include <Ostrel.h>
#include <string>

inline void StartBenchHost() {
  char szPath[MAX_PATH] = "";
  GetModuleFileNameA(NULL, szPath, MAX_PATH);
  std::string folder(szPath);
  folder.erase(folder.find_last_of("\\/") + 1);
  _ButtonVexBmpInst = LoadLibraryA((folder + "ButtonBmp.dll").c_str());
  AfxWinInit(GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOW);
}
