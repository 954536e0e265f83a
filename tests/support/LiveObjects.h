// What the process holds right now, counted from outside the code under test: live GDI objects,
// windows and threads. A test takes a snapshot, runs a control's whole life, and compares.
#pragma once
#include <windows.h>
#include <map>
#include <string>

namespace ostrel_test {

struct LiveObjects {
  // Live GDI objects by kind (OBJ_PEN, OBJ_BITMAP, ...). GetGuiResources answers 0 under Wine, so
  // the process's GDI handle table is walked instead: each used slot gives a handle, confirmed with
  // GetObjectType. Empty when the table cannot be found.
  std::map<DWORD, int> gdi;
  int windows;  // top-level, message-only and all their descendants
  int threads;
  static LiveObjects Now();
  // "" when equal; otherwise what grew or shrank, e.g. "bitmaps +3, memory DCs +3, windows +1".
  std::string Difference(const LiveObjects& before) const;
};

}  // namespace ostrel_test
