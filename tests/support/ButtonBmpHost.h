// What a host does before it creates buttons: load the button-bitmap module and name it to the
// library. Shared by the test executables that make buttons.
#pragma once
#include <Ostrel.h>
#include <string>
#include "TestApp.h"

namespace ostrel_test {

// Loads ButtonBmp.dll from the executable's folder once and sets _ButtonVexBmpInst; the handle.
inline HINSTANCE InstallButtonBitmaps() {
  static HINSTANCE hModule = LoadLibraryA((ExeFolder() + "ButtonBmp.dll").c_str());
  _ButtonVexBmpInst = hModule;
  return hModule;
}

}  // namespace ostrel_test
