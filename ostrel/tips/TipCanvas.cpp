// Off-screen bitmaps of the tips.
#include "tips/TipCanvas.h"

CTipCanvas::~CTipCanvas() {
  if (m_hdc != NULL) {
    ::SelectObject(m_hdc, m_hOld);
    ::DeleteDC(m_hdc);
  }
  if (m_hBitmap != NULL) ::DeleteObject(m_hBitmap);
}

BOOL CTipCanvas::Create(int cx, int cy) {
  if (m_hdc != NULL || cx <= 0 || cy <= 0) return FALSE;
  BITMAPINFO bmi;
  memset(&bmi, 0, sizeof(bmi));
  bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
  bmi.bmiHeader.biWidth = cx;
  bmi.bmiHeader.biHeight = -cy;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 24;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* pBits = NULL;
  m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
  if (m_hBitmap == NULL) return FALSE;
  m_hdc = ::CreateCompatibleDC(NULL);
  if (m_hdc == NULL) {
    ::DeleteObject(m_hBitmap);
    m_hBitmap = NULL;
    return FALSE;
  }
  m_hOld = ::SelectObject(m_hdc, m_hBitmap);
  m_pBits = (BYTE*)pBits;
  m_cx = cx;
  m_cy = cy;
  m_nStride = (cx * 3 + 3) & ~3;
  memset(m_pBits, 0, (size_t)m_nStride * cy);
  return TRUE;
}

void CTipCanvas::CaptureScreen(int x, int y) {
  if (m_hdc == NULL) return;
  HDC hdcScreen = ::CreateDCA("DISPLAY", NULL, NULL, NULL);
  if (hdcScreen == NULL) return;
  ::BitBlt(m_hdc, 0, 0, m_cx, m_cy, hdcScreen, x, y, SRCCOPY);
  ::GdiFlush();
  ::DeleteDC(hdcScreen);
}

void CTipCanvas::CopyTo(HDC hdcDest, int x, int y) const {
  if (m_hdc != NULL) ::BitBlt(hdcDest, x, y, m_cx, m_cy, m_hdc, 0, 0, SRCCOPY);
}
