// The masked bitmap: opaque and transparent drawing through a monochrome mask made per call.
#include <Ostrel/MaskedBitmap.h>
#include <stdlib.h>

namespace {

// A memory context compatible with pDC, in its mapping mode, holding one bitmap for its lifetime.
class CScratchDC {
 public:
  CScratchDC(CDC* pDC, HBITMAP hBitmap) : m_hDC(::CreateCompatibleDC(pDC->GetSafeHdc())) {
    if (m_hDC == NULL) return;
    // The same mapping as pDC, so that logical units and the origin O mean the same here.
    HDC hAttrib = pDC->m_hAttribDC;
    SIZE extent;
    POINT origin;
    ::SetMapMode(m_hDC, ::GetMapMode(hAttrib));
    ::GetWindowExtEx(hAttrib, &extent);
    ::SetWindowExtEx(m_hDC, extent.cx, extent.cy, NULL);
    ::GetViewportExtEx(hAttrib, &extent);
    ::SetViewportExtEx(m_hDC, extent.cx, extent.cy, NULL);
    ::GetWindowOrgEx(hAttrib, &origin);
    ::SetWindowOrgEx(m_hDC, origin.x, origin.y, NULL);
    ::GetViewportOrgEx(hAttrib, &origin);
    ::SetViewportOrgEx(m_hDC, origin.x, origin.y, NULL);
    m_hOld = hBitmap != NULL ? ::SelectObject(m_hDC, hBitmap) : NULL;
  }
  ~CScratchDC() {
    if (m_hOld != NULL) ::SelectObject(m_hDC, m_hOld);
    if (m_hDC != NULL) ::DeleteDC(m_hDC);
  }
  CScratchDC(const CScratchDC&) = delete;
  CScratchDC& operator=(const CScratchDC&) = delete;
  bool Ready() const { return m_hDC != NULL && m_hOld != NULL; }
  operator HDC() const { return m_hDC; }

 private:
  HDC m_hDC;
  HGDIOBJ m_hOld = NULL;
};

// A bitmap deleted with the object.
struct CScratchBitmap {
  HBITMAP h;
  explicit CScratchBitmap(HBITMAP hBitmap) : h(hBitmap) {}
  ~CScratchBitmap() {
    if (h != NULL) ::DeleteObject(h);
  }
  CScratchBitmap(const CScratchBitmap&) = delete;
  CScratchBitmap& operator=(const CScratchBitmap&) = delete;
};

}  // namespace

CMaskedBitmap::~CMaskedBitmap() { DeleteObject(); }

bool CMaskedBitmap::LogicalSize(CDC* pDC, CSize& size, CPoint& origin) {
  BITMAP bm = {};
  if (pDC == NULL || pDC->GetSafeHdc() == NULL || m_hObject == NULL || !GetBitmap(&bm)) return false;
  POINT points[2] = {{0, 0}, {bm.bmWidth, bm.bmHeight}};
  pDC->DPtoLP(points, 2);
  size = CSize(points[1].x - points[0].x, points[1].y - points[0].y);
  origin = points[0];
  return true;
}

void CMaskedBitmap::Draw(CDC* pDC, int x, int y) {
  CSize size;
  CPoint origin;
  if (!LogicalSize(pDC, size, origin)) return;
  CScratchDC image(pDC, (HBITMAP)m_hObject);
  if (image.Ready()) ::BitBlt(pDC->m_hDC, x, y, size.cx, size.cy, image, origin.x, origin.y, SRCCOPY);
}

void CMaskedBitmap::DrawTransparent(CDC* pDC, int x, int y) {
  CSize size;
  CPoint origin;
  if (LogicalSize(pDC, size, origin)) Blend(pDC, x, y, NULL, origin, size, true);
}

void CMaskedBitmap::DrawTransparent(CDC* pDC, int x, int y, COLORREF crColour) {
  CSize size;
  CPoint origin;
  if (LogicalSize(pDC, size, origin)) Blend(pDC, x, y, &crColour, origin, size, true);
}

void CMaskedBitmap::TransparentBitBlt(CDC* pDC, int x, int y, COLORREF crColour, int xSrc, int ySrc, int nWidth,
                                      int nHeight) {
  Blend(pDC, x, y, &crColour, CPoint(xSrc, ySrc), CSize(nWidth, nHeight), false);
}

void CMaskedBitmap::TransparentBitBlt(CDC* pDC, int x, int y, int xSrc, int ySrc, int nWidth, int nHeight) {
  if (pDC == NULL || pDC->GetSafeHdc() == NULL) return;
  POINT points[2] = {{0, 0}, {nWidth, nHeight}};
  pDC->DPtoLP(points, 2);
  Blend(pDC, x, y, NULL, CPoint(xSrc, ySrc), CSize(points[1].x - points[0].x, points[1].y - points[0].y), false);
}

// Lays the bitmap's part at src (size in logical units) over pDC at (x, y), keeping pDC's pixels
// where the part has the transparent colour; the target changes in one copy at the end.
void CMaskedBitmap::Blend(CDC* pDC, int x, int y, const COLORREF* pcrColour, CPoint src, CSize size,
                          bool bWholeBitmap) {
  CSize whole;
  CPoint origin;
  BITMAP bm = {};
  if (!LogicalSize(pDC, whole, origin) || !GetBitmap(&bm) || size.cx == 0 || size.cy == 0) return;
  // The mask's device size: the whole bitmap, or the part converted back to device units.
  POINT part[2] = {{0, 0}, {size.cx, size.cy}};
  pDC->LPtoDP(part, 2);
  const int nMaskWidth = bWholeBitmap ? bm.bmWidth : abs(part[1].x - part[0].x);
  const int nMaskHeight = bWholeBitmap ? bm.bmHeight : abs(part[1].y - part[0].y);
  if (nMaskWidth == 0 || nMaskHeight == 0) return;

  CScratchBitmap mask(::CreateBitmap(nMaskWidth, nMaskHeight, 1, 1, NULL));
  CScratchBitmap image(::CreateCompatibleBitmap(pDC->m_hDC, bm.bmWidth, bm.bmHeight));
  CScratchBitmap back(::CreateCompatibleBitmap(pDC->m_hDC, bm.bmWidth, bm.bmHeight));
  if (mask.h == NULL || image.h == NULL || back.h == NULL) return;
  CScratchDC dcSource(pDC, (HBITMAP)m_hObject), dcMask(pDC, mask.h), dcImage(pDC, image.h), dcBack(pDC, back.h);
  if (!dcSource.Ready() || !dcMask.Ready() || !dcImage.Ready() || !dcBack.Ready()) return;

  const COLORREF crTransparent = pcrColour != NULL ? *pcrColour : ::GetPixel(dcSource, origin.x, origin.y);
  ::SetBkColor(dcSource, crTransparent);
  // Mask: 1 where the image has the transparent colour.
  ::BitBlt(dcMask, origin.x, origin.y, size.cx, size.cy, dcSource, src.x, src.y, SRCCOPY);
  // The image with its transparent part black.
  ::BitBlt(dcImage, src.x, src.y, size.cx, size.cy, dcSource, src.x, src.y, SRCCOPY);
  ::BitBlt(dcImage, src.x, src.y, size.cx, size.cy, dcMask, origin.x, origin.y, 0x00220326);
  // The background kept under the transparent part, the image laid over it.
  ::BitBlt(dcBack, origin.x, origin.y, size.cx, size.cy, pDC->m_hDC, x, y, SRCCOPY);
  ::BitBlt(dcBack, origin.x, origin.y, size.cx, size.cy, dcMask, origin.x, origin.y, SRCAND);
  ::BitBlt(dcBack, origin.x, origin.y, size.cx, size.cy, dcImage, src.x, src.y, SRCINVERT);
  ::BitBlt(pDC->m_hDC, x, y, size.cx, size.cy, dcBack, origin.x, origin.y, SRCCOPY);
}
