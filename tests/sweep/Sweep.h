// The sweep's table of lives. A window life makes one control as a host would, as a child of the
// given parent, and hands it over; the sweep paints it, moves and clicks the mouse on it, types at
// it, closes whatever pop-up or dialog opens, and destroys it. A modal life runs a dialog of the
// library to its end; the sweep closes it once it has painted.
#pragma once
#include <afxwin.h>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

struct SweepLife {
  const char* name;
  // The control, or NULL when it could not be made.
  std::function<std::unique_ptr<CWnd>(CWnd* pParent)> make;
  // Instead of make: a modal dialog run inside the call.
  std::function<void(CWnd* pParent)> runModal = nullptr;
  // The object deletes itself when its window goes: released, not deleted, by the sweep.
  bool bDeletesItself = false;
};

const std::vector<SweepLife>& SweepLives();
inline void PrintTo(const SweepLife& life, std::ostream* os) { *os << life.name; }
