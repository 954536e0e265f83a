// A memory DC over a top-down 32-bit DIB section filled with one background colour, for drawing
// into and reading back.
#pragma once
#include <windows.h>
#include "Pixels.h"

namespace ostrel_test {

class Canvas {
 public:
  Canvas(int width, int height, COLORREF background = RGB(1, 2, 3));
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return m_dc; }
  COLORREF At(int x, int y) const;  // 0x00BBGGRR
  Pixels Read() const { return ReadDC(m_dc, 0, 0, m_width, m_height); }
  // Pixels that no longer show the background.
  int Painted() const;

 private:
  int m_width, m_height;
  COLORREF m_background;
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
  DWORD* m_bits;
};

}  // namespace ostrel_test
