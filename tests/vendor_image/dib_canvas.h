// Drawing surfaces and palettes for the image-library tests.
#pragma once
#include <windows.h>
#include "Canvas.h"

// A logical palette of n colours (n up to 256).
HPALETTE MakePalette(const COLORREF* colours, int n);

typedef ostrel_test::Canvas DibCanvas;
