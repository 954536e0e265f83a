// Mouse input for tests: window messages sent straight to a control, or real input through
// SendInput when a hook or the system must see it.
#pragma once
#include <windows.h>

namespace ostrel_test {

// WM_LBUTTONDOWN then WM_LBUTTONUP at client point (x, y), sent synchronously.
void SendClick(HWND hWnd, int x, int y);
void SendMouse(HWND hWnd, UINT message, int x, int y, WPARAM keys = 0);
// A real click at a screen point (moves the cursor there), then the queue is pumped.
void InputClick(int screenX, int screenY, bool right = false);
// The same click queued without pumping, for a modal loop (a menu's) that takes its own input.
void QueueClick(int screenX, int screenY, bool right = false);
void InputMove(int screenX, int screenY);
// Real key strokes to the window with the focus: one key pressed and released, or each character
// of a text typed (with Shift where the keyboard layout needs it). Nothing is pumped.
void InputKey(WORD vk);
void InputText(const char* text);

}  // namespace ostrel_test
