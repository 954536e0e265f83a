// Runs a command line to its end with its standard output and error captured, for tests that
// drive a whole program or a copy of themselves.
#pragma once
#include <windows.h>
#include <string>

namespace ostrel_test {

struct ChildRun {
  DWORD exitCode = 0xFFFFFFFF;  // also when it could not start
  bool timedOut = false;        // it outlasted the time-out and was ended
  std::string output;
};

// The child inherits this process's environment as it is at the call.
ChildRun RunChild(std::string command, DWORD timeoutMs);

}  // namespace ostrel_test
