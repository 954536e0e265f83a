// Screenshots: a window's client area (read from its DC) or a part of the screen, written as a
// PNG file through WIC.
#pragma once
#include <windows.h>
#include <string>

// The caller has initialised COM. On failure returns false and says why in error.
bool SaveClientPng(HWND hWnd, const std::string& path, std::string& error);
// A rectangle of the screen as it shows, every window on it (for a dialog open over a page).
bool SaveScreenPng(const RECT& rcScreen, const std::string& path, std::string& error);
