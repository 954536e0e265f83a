// The red-to-blue colour bar, its sample bitmaps, and the solid colour block.
#include <Ostrel/ColorBar.h>
#include <limits.h>
#include <stdlib.h>
#include <t32Base.h>
#include "gradient/GradientDraw.h"

namespace {

const COLORREF kBarTop = 0x000000FF;     // red
const COLORREF kBarBottom = 0x00FF0000;  // blue
const int kMarkerRadius = 5;
const int kSampleW = 240, kSampleH = 30, kDiscs = 8, kDiscStep = 30;

// Colour at height y of a bar h high; out-of-bar heights keep only the low 8 bits.
COLORREF BarColor(int y, int h) {
  const int blue = (y * 255 / h) & 255;
  const int red = ((h - y) * 255 / h) & 255;
  return RGB(red, 0, blue);
}

// Each component of color moved num/den of the way toward white.
COLORREF TowardWhite(COLORREF color, int num, int den) {
  BYTE c[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
  for (BYTE& v : c) v = (BYTE)((v + (num * (255 - v)) / den) & 255);
  return RGB(c[0], c[1], c[2]);
}

// A white 240 x 30 bitmap being drawn on with a null pen; Finish hands the bitmap over.
class SampleCanvas {
 public:
  explicit SampleCanvas(HDC hdc) {
    m_hdc = ::CreateCompatibleDC(hdc);
    m_hbm = ::CreateCompatibleBitmap(hdc, kSampleW, kSampleH);
    if (m_hdc == NULL || m_hbm == NULL) return;
    m_hOldBitmap = ::SelectObject(m_hdc, m_hbm);
    m_hOldPen = ::SelectObject(m_hdc, ::GetStockObject(NULL_PEN));
    RECT rc = {0, 0, kSampleW, kSampleH};
    ::FillRect(m_hdc, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
  }
  ~SampleCanvas() {
    if (m_hdc != NULL) ::DeleteDC(m_hdc);
    if (m_hbm != NULL) ::DeleteObject(m_hbm);
  }
  bool Ready() const { return m_hOldBitmap != NULL; }
  void Ellipse(COLORREF color, int left, int top, int right, int bottom) {
    HBRUSH hBrush = ::CreateSolidBrush(color);
    if (hBrush == NULL) return;
    HGDIOBJ hOld = ::SelectObject(m_hdc, hBrush);
    ::Ellipse(m_hdc, left, top, right, bottom);
    ::SelectObject(m_hdc, hOld);
    ::DeleteObject(hBrush);
  }
  HBITMAP Finish() {
    if (!Ready()) return NULL;
    ::SelectObject(m_hdc, m_hOldPen);
    ::SelectObject(m_hdc, m_hOldBitmap);
    HBITMAP hbm = m_hbm;
    m_hbm = NULL;
    return hbm;
  }

 private:
  HDC m_hdc = NULL;
  HBITMAP m_hbm = NULL;
  HGDIOBJ m_hOldBitmap = NULL;
  HGDIOBJ m_hOldPen = NULL;
};

// Eight discs, disc i one eighth more toward white than the one before. A soft disc i is i + 1
// rings instead, lightest outside: pure colour in the middle over i + 1 pixels (disc 0 is flat).
HBITMAP MakeDiscs(HDC hdc, COLORREF color, bool soft) {
  SampleCanvas canvas(hdc);
  if (!canvas.Ready()) return NULL;
  for (int i = 0; i < kDiscs; i++) {
    const int x = kDiscStep * i, rings = soft ? i + 1 : 1;
    for (int k = 0; k < rings; k++) {
      const COLORREF ring = soft ? TowardWhite(color, i - k, i + 1) : TowardWhite(color, i, kDiscs);
      canvas.Ellipse(ring, 3 + x + k, 3 + k, 27 + x - k, 27 - k);
    }
  }
  return canvas.Finish();
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Bar makers

HBITMAP CColorBarMaker::Make(HDC hdc) {
  if (m_pBar == NULL || m_pfnMake == NULL) return NULL;
  return (m_pBar->*m_pfnMake)(hdc);
}

void CColorBarMaker::Delete(HBITMAP hBitmap) {
  if (hBitmap != NULL) ::DeleteObject(hBitmap);
}

// ---------------------------------------------------------------------------------------------
// The bar

BEGIN_MESSAGE_MAP(CColorBar, CWnd)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CColorBar::CColorBar()
    : m_transparentMaker(this, &CColorBar::createTransparentBar),
      m_softEdgeMaker(this, &CColorBar::createSoftEdgeBar),
      m_nY(-1),
      m_nX(-1),
      m_nReserved(0),
      m_pNotify(NULL) {}

CColorBar::~CColorBar() {}

void CColorBar::CreateColorBar() { m_nReserved = 0; }

int CColorBar::BarHeight() const {
  RECT rc = {0, 0, 0, 0};
  if (m_hWnd != NULL) GetClientRect(&rc);
  return rc.bottom;
}

unsigned long CColorBar::getColor() {
  const int h = BarHeight();
  return h > 0 ? BarColor(m_nY, h) : kBarBottom;
}

// The inverse of getColor: the marker goes to the height whose colour is nearest to the red and
// blue shares of color, so setColor(getColor()) leaves the colour as it was. Putting the red
// component at the top end instead would turn pure red into pure blue. Green plays no part; a
// colour with neither red nor blue leaves the marker alone. An unplaced marker is centred
// across the bar, so the first paint keeps the height.
void CColorBar::setColor(unsigned long color) {
  const int h = BarHeight();
  const int red = GetRValue(color), blue = GetBValue(color);
  if (h <= 0 || red + blue == 0) return;
  const int wantBlue = blue * 255 / (red + blue), wantRed = red * 255 / (red + blue);
  int bestY = 0, bestCost = INT_MAX;
  for (int y = 0; y <= h; y++) {
    const COLORREF c = BarColor(y, h);
    const int cost = abs(GetBValue(c) - wantBlue) + abs(GetRValue(c) - wantRed);
    if (cost < bestCost) bestCost = cost, bestY = y;
  }
  m_nY = bestY;
  if (m_nX == -1) {
    RECT rc;
    GetClientRect(&rc);
    m_nX = (rc.left + rc.right) / 2;
  }
}

void CColorBar::UpdateControl() {
  InvalidateRect(NULL, FALSE);
  UpdateWindow();
}

void CColorBar::UpdateView() {}

void CColorBar::OnPaint() {
  CPaintDC dc(this);
  CRect rc;
  GetClientRect(&rc);
  if (rc.bottom <= 0) return;
  CRgn clip;
  clip.CreateRectRgnIndirect(&rc);
  if (m_nX == -1) {  // first paint: the marker starts at the bottom centre
    m_nY = rc.bottom;
    m_nX = (rc.left + rc.right) / 2;
  }
  CBrush marker;
  marker.CreateSolidBrush(getColor());
  CBrush* pOldBrush = dc.SelectObject(&marker);
  dc.SelectClipRgn(&clip);
  t32RectDrawColorBar(dc.GetSafeHdc(), &rc, kBarTop, kBarBottom, 0, 0);
  dc.Ellipse(m_nX - kMarkerRadius, m_nY - kMarkerRadius, m_nX + kMarkerRadius, m_nY + kMarkerRadius);
  dc.SelectObject(pOldBrush);
  dc.SelectClipRgn(NULL);
}

void CColorBar::OnLButtonDown(UINT, CPoint point) {
  m_nX = point.x;
  m_nY = point.y;
  SetCapture();
  UpdateControl();
}

void CColorBar::OnMouseMove(UINT nFlags, CPoint point) {
  if (nFlags == 0) return;  // the marker only moves while a button or modifier key is down
  m_nX = point.x;
  m_nY = point.y;
  UpdateControl();
}

void CColorBar::OnLButtonUp(UINT, CPoint point) {
  m_nX = point.x;
  m_nY = point.y;
  if (m_pNotify != NULL) m_pNotify->OnColorBarChange(getColor());
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  UpdateControl();
}

void CColorBar::OnLButtonDblClk(UINT, CPoint) {}

HBITMAP CColorBar::createTransparentBar(HDC hdc) { return MakeDiscs(hdc, getColor(), false); }

HBITMAP CColorBar::createSoftEdgeBar(HDC hdc) { return MakeDiscs(hdc, getColor(), true); }

// ---------------------------------------------------------------------------------------------
// The colour block

CColorBlock::CColorBlock() : m_pPixels(NULL), m_rc{0, 0, 10, 10} { Fill(0x00FFFFFF); }

CColorBlock::~CColorBlock() { Free(); }

void CColorBlock::Free() {
  if (m_pPixels != NULL) ::GlobalFree(m_pPixels);
  m_pPixels = NULL;
}

void CColorBlock::Paint(unsigned long color) {
  const size_t count = (size_t)(m_rc.right - m_rc.left) * (size_t)(m_rc.bottom - m_rc.top);
  BYTE* p = m_pPixels;
  for (size_t i = 0; i < count; i++, p += 3) {
    p[0] = GetRValue(color);
    p[1] = GetGValue(color);
    p[2] = GetBValue(color);
  }
}

int CColorBlock::Fill(unsigned long color) {
  Free();
  const int w = m_rc.right - m_rc.left, h = m_rc.bottom - m_rc.top;
  if (w <= 0 || h <= 0) return 0;
  m_pPixels = (BYTE*)::GlobalAlloc(GPTR, (SIZE_T)w * (SIZE_T)h * 3);
  if (m_pPixels == NULL) return 0;
  Paint(color);
  return 1;
}

int CColorBlock::SetBlockRect(unsigned long color, const RECT* pRect) {
  if (m_pPixels == NULL || pRect == NULL) return 0;
  const bool sameSize =
      pRect->right - pRect->left == m_rc.right - m_rc.left && pRect->bottom - pRect->top == m_rc.bottom - m_rc.top;
  m_rc = *pRect;
  if (!sameSize) return Fill(color);
  Paint(color);
  return 1;
}

void CColorBlock::Draw(CDC* pDC) {
  if (pDC == NULL) return;
  const HDC hdc = pDC->GetSafeHdc();
  if (m_pPixels != NULL) {
    HANDLE hDisp = NULL;
    if (disp32ShowInitEx(&hDisp, hdc, 24, m_rc, 0, 0, 0, 0, 0)) {
      const int w = m_rc.right - m_rc.left, h = m_rc.bottom - m_rc.top;
      disp32ShowData(hDisp, m_pPixels, 0, 0, h, w * 3);
      disp32ShowEnd(hDisp);
    }
  }
  DrawEdgeFrame(hdc, &m_rc, TRUE);
}
