// The table of bad-input cases: each calls the exported API with an argument it must refuse, or
// before or after the object's life, and tells whether the documented result came back.
#pragma once
#include <functional>
#include <vector>

struct BadInputCase {
  const char* group;  // the cases of a group run in one child process
  const char* name;
  std::function<bool()> gives;  // true when the documented result came
};

const std::vector<BadInputCase>& BadInputCases();
