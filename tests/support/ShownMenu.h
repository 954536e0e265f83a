// A pop-up menu that a control under test shows modally: what it held, how it looked, and a real
// click on one of its items, driven from inside the menu's loop with a time-out.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "Pixels.h"

namespace ostrel_test {

struct ShownMenuItem {
  UINT id;           // command (0 for a separator)
  UINT state;        // MF_CHECKED, MF_GRAYED, MF_OWNERDRAW, MF_SEPARATOR ...
  std::string text;  // empty for owner-drawn items
  RECT rect;         // on the screen
};

struct ShownMenu {
  std::vector<ShownMenuItem> items;
  RECT window = {};      // on the screen
  POINT origin = {};     // the client area's top-left corner on the screen
  Pixels pixels;         // the client area
  bool timedOut = true;  // no menu came, or it did not close
};

// Runs `open`, which shows a menu modally; once it is up, notes what it shows and chooses item
// nPos with a real click (-1: closes the menu). Returns when `open` has returned.
ShownMenu WhileMenuShown(const std::function<void()>& open, int nPos);

}  // namespace ostrel_test
