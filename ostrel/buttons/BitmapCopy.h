// Copying part of a bitmap onto a DC, for the buttons that paint straight from their strips.
#pragma once
#include <windows.h>

// Copies cx x cy pixels of hBmp, from (xSrc, ySrc), to (x, y) of hDC. FALSE when nothing was copied.
BOOL CopyBitmapPart(HDC hDC, int x, int y, int cx, int cy, HBITMAP hBmp, int xSrc, int ySrc);
