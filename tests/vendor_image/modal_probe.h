// Runs a call that shows a modal dialog, acts on the dialog from a timer once
// it is up, and ends the modal loop if the dialog has not closed in time.
#pragma once
#include <windows.h>
#include <functional>

// Returns false when the time-out struck (the dialog never appeared or never closed).
bool RunModal(const std::function<void()>& call, const std::function<void(HWND dialog)>& act, DWORD timeoutMs = 5000);
