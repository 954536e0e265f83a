#include "Canvas.h"

namespace ostrel_test {

Canvas::Canvas(int width, int height, COLORREF background)
    : m_width(width), m_height(height), m_background(background), m_dc(CreateCompatibleDC(NULL)), m_bits(NULL) {
  m_bitmap = CreateDib32(m_dc, width, height, &m_bits);
  m_old = SelectObject(m_dc, m_bitmap);
  DWORD px = GetBValue(background) | GetGValue(background) << 8 | GetRValue(background) << 16;
  for (int i = 0; i < width * height; ++i) m_bits[i] = px;
}

Canvas::~Canvas() {
  SelectObject(m_dc, m_old);
  DeleteObject(m_bitmap);
  DeleteDC(m_dc);
}

COLORREF Canvas::At(int x, int y) const {
  GdiFlush();
  DWORD px = m_bits[y * m_width + x];
  return RGB((px >> 16) & 255, (px >> 8) & 255, px & 255);
}

int Canvas::Painted() const {
  RECT all = {0, 0, m_width, m_height};
  return m_width * m_height - Read().Count(all, m_background);
}

}  // namespace ostrel_test
