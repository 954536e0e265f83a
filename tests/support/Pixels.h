// Pixels read back from a window's client area (or any DC) into a 32-bit top-down DIB.
#pragma once
#include <windows.h>
#include <vector>

namespace ostrel_test {

class Pixels {
 public:
  Pixels() : m_width(0), m_height(0) {}
  Pixels(int width, int height) : m_width(width), m_height(height), m_bits((size_t)width * height) {}
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // COLORREF (0x00BBGGRR) of a pixel; CLR_INVALID outside.
  COLORREF At(int x, int y) const;
  // How many pixels of the rectangle (clipped) have this colour.
  int Count(const RECT& rc, COLORREF color) const;
  std::vector<DWORD>& Bits() { return m_bits; }  // 0x00RRGGBB, rows top to bottom

 private:
  int m_width, m_height;
  std::vector<DWORD> m_bits;
};

// A w x h top-down 32-bit DIB section for hDC; *ppBits points at its pixels (0x00RRGGBB).
HBITMAP CreateDib32(HDC hDC, int w, int h, DWORD** ppBits);
// Copies w x h pixels at (x, y) of hDC.
Pixels ReadDC(HDC hDC, int x, int y, int w, int h);
// All pixels of bitmap nID of hInst (empty when it is missing).
Pixels BitmapPixels(HINSTANCE hInst, UINT nID);
// Brings the window up to date (UpdateWindow) and reads its whole client area from its DC; the
// window must be on screen and uncovered.
Pixels ReadClient(HWND hWnd);
// Whether the cx x cy pixels at (x, y) of `shown` equal those at (cellX, cellY) of `strip`.
bool ShowsCell(const Pixels& shown, int x, int y, const Pixels& strip, int cellX, int cellY, int cx, int cy);

}  // namespace ostrel_test
