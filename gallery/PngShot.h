// Screenshots: a window's client area, read from its DC, written as a PNG file through WIC.
#pragma once
#include <windows.h>
#include <string>

// The caller has initialised COM. On failure returns false and says why in error.
bool SaveClientPng(HWND hWnd, const std::string& path, std::string& error);
