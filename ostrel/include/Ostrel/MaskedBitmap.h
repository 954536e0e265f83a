// CMaskedBitmap: a bitmap that draws itself opaquely or with one colour transparent, on any device
// context and in any mapping mode. The mask is built anew for every transparent call.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CMaskedBitmap : public CBitmap {
 public:
  virtual ~CMaskedBitmap();

  // The whole bitmap at (x, y), at its device size.
  virtual void Draw(CDC* pDC, int x, int y);
  // The whole bitmap with its top-left pixel's colour, or crColour, transparent.
  void DrawTransparent(CDC* pDC, int x, int y);
  virtual void DrawTransparent(CDC* pDC, int x, int y, COLORREF crColour);
  // nWidth x nHeight at (xSrc, ySrc): logical units as given with crColour; with the top-left
  // pixel's colour the size is converted from device units.
  virtual void TransparentBitBlt(CDC* pDC, int x, int y, COLORREF crColour, int xSrc, int ySrc, int nWidth,
                                 int nHeight);
  void TransparentBitBlt(CDC* pDC, int x, int y, int xSrc, int ySrc, int nWidth, int nHeight);

 private:
  // The whole bitmap's size in pDC's logical units, and the logical point of device (0, 0).
  bool LogicalSize(CDC* pDC, CSize& size, CPoint& origin);
  void Blend(CDC* pDC, int x, int y, const COLORREF* pcrColour, CPoint src, CSize size, bool bWholeBitmap);
};
