// A memory DC over a 32-bit DIB section filled with one background colour, for drawing into
// and reading back.
#pragma once
#include <windows.h>
#include <string>
#include "Pixels.h"

namespace gradient_test {

const COLORREF kBackground = RGB(1, 254, 3);  // a colour no test gradient produces

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return m_dc; }
  ostrel_test::Pixels Read() const { return ostrel_test::ReadDC(m_dc, 0, 0, m_width, m_height); }
  // Pixels that no longer show the background.
  int Painted() const;

 private:
  int m_width, m_height;
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
};

// A 24-bit image buffer of w x h whose pixel (x, y) is PatternColor(x, y); NULL on failure.
HANDLE MakePatternBuffer(int w, int h);
COLORREF PatternColor(int x, int y);

// File name of the running executable, for tracking its own GDI calls.
std::string ExeName();

// Channels differ by at most `tolerance`.
bool Near(COLORREF a, COLORREF b, int tolerance);

}  // namespace gradient_test
