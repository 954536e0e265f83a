// CMemDC: a memory DC and bitmap over one rectangle of a target, copied back when it ends.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CMemDC, CDC)

CMemDC::CMemDC(CDC* pTarget, const RECT& rect) { Init(pTarget->GetSafeHdc(), rect); }

CMemDC::CMemDC(HDC hTarget, const RECT& rect) { Init(hTarget, rect); }

void CMemDC::Init(HDC hTarget, const RECT& rect) {
  m_hTarget = hTarget;
  m_rect = rect;
  m_rect.NormalizeRect();
  m_hBitmap = NULL;
  m_hOldBitmap = NULL;
  m_bCopy = FALSE;
  if (hTarget == NULL) return;
  const int cx = m_rect.Width(), cy = m_rect.Height();
  HDC hMem = cx > 0 && cy > 0 ? ::CreateCompatibleDC(hTarget) : NULL;
  HBITMAP hBitmap = hMem != NULL ? ::CreateCompatibleBitmap(hTarget, cx, cy) : NULL;
  if (hBitmap == NULL || !Attach(hMem)) {
    if (hBitmap != NULL) ::DeleteObject(hBitmap);
    if (hMem != NULL) ::DeleteDC(hMem);
    // Straight to the target: borrowed, so it is neither mapped nor deleted here.
    SetOutputDC(hTarget);
    SetAttribDC(hTarget);
    return;
  }
  m_hBitmap = hBitmap;
  m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
  ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, NULL);
  m_bCopy = TRUE;
}

void CMemDC::Flush() {
  if (!m_bCopy || m_hBitmap == NULL) return;
  m_bCopy = FALSE;
  // Whatever mapping the drawing set up, the bitmap's pixels are read 1:1.
  ::SetMapMode(m_hDC, MM_TEXT);
  ::SetViewportOrgEx(m_hDC, 0, 0, NULL);
  ::SetWindowOrgEx(m_hDC, 0, 0, NULL);
  ::BitBlt(m_hTarget, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, 0, 0, SRCCOPY);
}

CMemDC::~CMemDC() {
  if (m_hBitmap == NULL) {
    ReleaseOutputDC();
    ReleaseAttribDC();
    return;
  }
  Flush();
  ::SelectObject(m_hDC, m_hOldBitmap);
  ::DeleteObject(m_hBitmap);
  // The base class deletes the memory DC.
}
