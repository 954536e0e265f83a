// Drawing surfaces and pattern buffers for the gradient tests.
#pragma once
#include <windows.h>
#include "Canvas.h"

namespace gradient_test {

const COLORREF kBackground = RGB(1, 254, 3);  // a colour no test gradient produces

// A canvas over the background above.
class BackgroundCanvas : public ostrel_test::Canvas {
 public:
  BackgroundCanvas(int width, int height) : ostrel_test::Canvas(width, height, kBackground) {}
};

// A 24-bit image buffer of w x h whose pixel (x, y) is PatternColor(x, y); NULL on failure.
HANDLE MakePatternBuffer(int w, int h);
COLORREF PatternColor(int x, int y);

// Channels differ by at most `tolerance`.
bool Near(COLORREF a, COLORREF b, int tolerance);

}  // namespace gradient_test
