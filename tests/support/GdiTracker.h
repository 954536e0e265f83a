// Counts the GDI objects and window DCs that chosen modules create and free, by patching those
// modules' import tables (the system's own counters do not work under Wine). A test wraps a
// control's whole life in a tracker and requires nothing to be left over.
#pragma once
#include <windows.h>
#include <initializer_list>
#include <memory>
#include <vector>
#include "ImportPatch.h"

namespace ostrel_test {

class GdiTracker {
 public:
  // Tracks calls made by the named modules (e.g. {"Ostrel.dll", "afx.dll"}) from now on.
  GdiTracker(std::initializer_list<const char*> modules);
  ~GdiTracker();
  GdiTracker(const GdiTracker&) = delete;
  GdiTracker& operator=(const GdiTracker&) = delete;

  int Outstanding() const;       // made and neither deleted nor handed to the system
  int DCsHeld() const;           // window DCs got and not released
  int Deleted(HGDIOBJ h) const;  // how often h was deleted (DeleteObject or DeleteDC)
  bool Patched() const { return !m_patches.empty(); }

 private:
  std::vector<std::unique_ptr<ImportPatch>> m_patches;
};

}  // namespace ostrel_test
