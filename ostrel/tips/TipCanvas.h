// A 24-bit top-down bitmap with its own memory DC: the tips capture the screen into one, draw the
// balloon into another and blend the two.
#pragma once
#include <windows.h>

class CTipCanvas {
 public:
  CTipCanvas() : m_hdc(NULL), m_hBitmap(NULL), m_hOld(NULL), m_pBits(NULL), m_cx(0), m_cy(0), m_nStride(0) {}
  ~CTipCanvas();
  CTipCanvas(const CTipCanvas&) = delete;
  CTipCanvas& operator=(const CTipCanvas&) = delete;

  // A zero-filled bitmap of cx x cy pixels; FALSE when it cannot be made.
  BOOL Create(int cx, int cy);
  // Copies the screen pixels whose top-left corner is at screen point (x, y).
  void CaptureScreen(int x, int y);
  void CopyTo(HDC hdcDest, int x, int y) const;

  HDC Dc() const { return m_hdc; }
  // Bytes blue, green, red of each pixel of row y.
  BYTE* Row(int y) const { return m_pBits + (size_t)y * m_nStride; }
  int Width() const { return m_cx; }
  int Height() const { return m_cy; }

 private:
  HDC m_hdc;
  HBITMAP m_hBitmap;
  HGDIOBJ m_hOld;
  BYTE* m_pBits;
  int m_cx, m_cy, m_nStride;
};
