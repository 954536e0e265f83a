// CColorBar: a vertical bar from red (top) to blue (bottom) with a round marker the user drags;
// the marker's height is the colour. It also makes two sample bitmaps of that colour.
#pragma once
#include <afxwin.h>

class CColorBar;

// Told the bar's colour when the user lets go of the marker. The host derives from it.
class AFX_EXT_CLASS CColorBarNotify {
 public:
  virtual void OnColorBarChange(unsigned long color) = 0;
};

// Makes one of the bar's sample bitmaps; the caller owns the bitmap and gives it back to Delete.
class AFX_EXT_CLASS CColorBarMaker {
 public:
  typedef HBITMAP (CColorBar::*MAKEFN)(HDC);
  CColorBarMaker(CColorBar* pBar, MAKEFN pfnMake) : m_pBar(pBar), m_pfnMake(pfnMake) {}
  virtual HBITMAP Make(HDC hdc);
  virtual void Delete(HBITMAP hBitmap);

  CColorBar* m_pBar;

 private:
  MAKEFN m_pfnMake;
};

class AFX_EXT_CLASS CColorBar : public CWnd {
 public:
  CColorBar();
  ~CColorBar() override;

  void CreateColorBar();
  unsigned long getColor();
  void setColor(unsigned long color);
  void UpdateControl();
  void UpdateView();
  // Eight discs (240 x 30) fading from the colour toward white; the caller owns the bitmap.
  HBITMAP createTransparentBar(HDC hdc);
  HBITMAP createSoftEdgeBar(HDC hdc);

  CColorBarMaker m_transparentMaker;
  CColorBarMaker m_softEdgeMaker;
  int m_nY;  // marker centre, client coordinates
  int m_nX;  // -1 until the marker is placed
  int m_nReserved;
  CColorBarNotify* m_pNotify;  // not owned; may be NULL

 protected:
  afx_msg void OnPaint();
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  int BarHeight() const;
};

#ifdef _AFXEXT
// Inside the library only: a block of one solid colour drawn into m_rc with a raised frame.
class CColorBlock {
 public:
  CColorBlock();
  virtual ~CColorBlock();

  int Fill(unsigned long color);
  int SetBlockRect(unsigned long color, const RECT* pRect);
  void Draw(CDC* pDC);

  BYTE* m_pPixels;  // width x height pixels, bytes R, G, B, rows unpadded
  RECT m_rc;

 private:
  void Paint(unsigned long color);
  void Free();
};
#endif
