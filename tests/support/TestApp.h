// The application every test executable runs in: a framework application object with a main
// window on screen, so controls have a real thread, message loop and desktop to live in.
#pragma once
#include <afxwin.h>
#include <functional>
#include <string>

namespace ostrel_test {

// The main window (top-level, visible, at the screen's top-left corner, 800 x 600).
CWnd* MainWnd();

// Dispatches the thread's pending messages; with ms > 0 keeps doing so for that long.
void PumpMessages(DWORD ms = 0);

// Dispatches messages until the condition holds (true) or the deadline in milliseconds passes
// (false). The way to wait for anything asynchronous: input, timers, other threads.
bool PumpUntil(const std::function<bool()>& condition, DWORD deadlineMs = 5000);

// Folder of the running test executable (the build's bin folder), with a trailing backslash.
std::string ExeFolder();

}  // namespace ostrel_test
