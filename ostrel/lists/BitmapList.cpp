// The bitmap list: a strip of 30 x 30 cells with a hot frame, a shaded selection and a scroll bar.
#include <Ostrel/BitmapList.h>
#include "lists/ScrollRepeat.h"

namespace {

const int kCell = 30;
const int kShownWidth = 240;  // only the strip's first eight cells are ever copied to the list
const COLORREF kLight = 0x00B5B5B5;
const COLORREF kDark = 0x004F4F4F;

// The strip selected into a memory DC for marking the hot and selected cells.
class StripDC {
 public:
  StripDC(HDC hdc, HBITMAP hStrip) {
    m_hDC = hStrip != NULL ? ::CreateCompatibleDC(hdc) : NULL;
    if (m_hDC != NULL) m_hOld = ::SelectObject(m_hDC, hStrip);
  }
  ~StripDC() {
    if (m_hDC == NULL) return;
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteDC(m_hDC);
  }
  StripDC(const StripDC&) = delete;
  StripDC& operator=(const StripDC&) = delete;
  HDC dc() const { return m_hDC; }

  // A black frame round the hot cell; the white of the selected cell turned gray from its corner.
  void Mark(int nHot, int nSelected) {
    if (m_hDC == NULL) return;
    HGDIOBJ hOldBrush = ::SelectObject(m_hDC, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(m_hDC, kCell * nHot, 0, kCell * nHot + kCell, kCell);
    HRGN hClip = ::CreateRectRgn(kCell * nSelected, 0, kCell * nSelected + kCell, kCell);
    ::SelectClipRgn(m_hDC, hClip);
    ::SelectObject(m_hDC, ::GetStockObject(GRAY_BRUSH));
    ::ExtFloodFill(m_hDC, kCell * nSelected + 1, 1, RGB(255, 255, 255), FLOODFILLSURFACE);
    ::SelectClipRgn(m_hDC, NULL);
    if (hClip != NULL) ::DeleteObject(hClip);
    ::SelectObject(m_hDC, hOldBrush);
  }

 private:
  HDC m_hDC;
  HGDIOBJ m_hOld = NULL;
};

// A strip bitmap resource read in place: its width without loading it, and the part a list shows
// loaded alone, since a long strip is slow to load whole for every paint.
class StripResource {
 public:
  StripResource(HINSTANCE hInstance, UINT nID) {
    HRSRC hInfo =
        hInstance != NULL ? ::FindResourceA(hInstance, MAKEINTRESOURCEA(LOWORD(nID)), (LPCSTR)RT_BITMAP) : NULL;
    HGLOBAL hData = hInfo != NULL ? ::LoadResource(hInstance, hInfo) : NULL;
    m_pData = hData != NULL ? (const BYTE*)::LockResource(hData) : NULL;
    m_nSize = m_pData != NULL ? ::SizeofResource(hInstance, hInfo) : 0;
  }

  int Width() const {
    if (IsCore()) return ((const BITMAPCOREHEADER*)m_pData)->bcWidth;
    return IsInfo() ? Info().biWidth : 0;
  }

  // The strip's first nWidth columns as a bitmap compatible with hdc; NULL when this reader cannot
  // tell where the pixels lie (compressed, one or two bits per pixel, cut short): then load it whole.
  HBITMAP LoadLeft(HDC hdc, int nWidth) const {
    if (!IsInfo()) return NULL;
    const BITMAPINFOHEADER& info = Info();
    const WORD nBits = info.biBitCount;
    const bool bMasks = info.biCompression == BI_BITFIELDS && (nBits == 16 || nBits == 32);
    const bool bPlain =
        info.biCompression == BI_RGB && (nBits == 4 || nBits == 8 || nBits == 16 || nBits == 24 || nBits == 32);
    if ((!bPlain && !bMasks) || info.biWidth <= 0 || info.biClrUsed > 256) return NULL;
    const DWORD nColors = info.biClrUsed != 0 ? info.biClrUsed : nBits <= 8 ? 1u << nBits : 0;
    const DWORD nBitsAt =
        info.biSize + nColors * sizeof(RGBQUAD) + (bMasks && info.biSize == sizeof(BITMAPINFOHEADER) ? 12 : 0);
    const int nRows = info.biHeight < 0 ? -info.biHeight : info.biHeight;
    const ULONGLONG nStride = ((ULONGLONG)info.biWidth * nBits + 31) / 32 * 4;
    if (nBitsAt > m_nSize || nStride * (ULONGLONG)nRows > m_nSize - nBitsAt) return NULL;

    const int nShown = info.biWidth < nWidth ? info.biWidth : nWidth;
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hdc, nShown, nRows);
    HDC hMem = hBitmap != NULL ? ::CreateCompatibleDC(hdc) : NULL;
    if (hMem == NULL) {
      if (hBitmap != NULL) ::DeleteObject(hBitmap);
      return NULL;
    }
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    const int nCopied = ::SetDIBitsToDevice(hMem, 0, 0, nShown, nRows, 0, 0, 0, nRows, m_pData + nBitsAt,
                                            (const BITMAPINFO*)m_pData, DIB_RGB_COLORS);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    if (nCopied == 0) {
      ::DeleteObject(hBitmap);
      return NULL;
    }
    return hBitmap;
  }

 private:
  bool IsCore() const {
    return m_nSize >= sizeof(BITMAPCOREHEADER) &&
           ((const BITMAPCOREHEADER*)m_pData)->bcSize == sizeof(BITMAPCOREHEADER);
  }
  bool IsInfo() const {
    return m_nSize >= sizeof(BITMAPINFOHEADER) && Info().biSize >= sizeof(BITMAPINFOHEADER) && Info().biSize <= m_nSize;
  }
  const BITMAPINFOHEADER& Info() const { return *(const BITMAPINFOHEADER*)m_pData; }

  const BYTE* m_pData;
  DWORD m_nSize;
};

}  // namespace

BEGIN_MESSAGE_MAP(CBitmapList, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CBitmapList::CBitmapList()
    : m_pBitmapSource(NULL),
      m_hListBitmap(NULL),
      m_hInstance(NULL),
      m_nBitmapID(0),
      m_nCurSel(0),
      m_nCurIndex(-1),
      m_scrollOwner(this, &CBitmapList::UpdateControl),
      m_scrollBar(&m_scrollOwner) {
  m_scrollBar.SetVertical(FALSE);
  m_scrollBar.SetThickness(18);
  m_scrollBar.SetRange(30);
  m_scrollBar.SetPos(1);
}

CBitmapList::~CBitmapList() { StopScrollRepeat(m_scrollOwner); }

void CBitmapList::PostNcDestroy() { delete this; }

void CBitmapList::UpdateControl() {
  if (m_hWnd == NULL) return;
  InvalidateRect(NULL, FALSE);
  UpdateWindow();
}

void CBitmapList::NotifyScroll(int nCode) {
  CWnd* pParent = m_hWnd != NULL ? GetParent() : NULL;
  if (pParent == NULL) return;
  pParent->SendMessage(WM_HSCROLL, MAKEWPARAM(nCode, m_nCurIndex), (LPARAM)m_hWnd);
}

HBITMAP CBitmapList::getListBitmap(HDC hdc) {
  return m_pBitmapSource != NULL ? m_pBitmapSource->GetBitmap(hdc) : createListBitmap();
}

HBITMAP CBitmapList::createListBitmap() { return ::LoadBitmapA(m_hInstance, MAKEINTRESOURCEA(LOWORD(m_nBitmapID))); }

void CBitmapList::releaseListBitmap(HBITMAP hBitmap) {
  if (hBitmap == NULL) return;
  if (m_pBitmapSource != NULL) {
    m_pBitmapSource->ReleaseBitmap(hBitmap);
  } else {
    ::DeleteObject(hBitmap);
  }
}

void CBitmapList::SetScrollRange() {
  CRect rc;
  GetClientRect(&rc);
  m_scrollBar.SetRange(StripResource(m_hInstance, m_nBitmapID).Width() - rc.Width());
}

void CBitmapList::draw3DBorder(HDC hdc, RECT& rc, int nType, HPEN hPen1, HPEN hPen2) {
  CListScrollBar::DrawBevel(hdc, rc, nType, hPen1, hPen2);
}

CRect CBitmapList::BarRect() {
  CRect rc;
  GetClientRect(&rc);
  rc.top = rc.bottom - m_scrollBar.GetThickness();
  m_scrollBar.SetRect(rc);
  return rc;
}

void CBitmapList::OnPaint() {
  CRect rc;
  GetClientRect(&rc);
  SetScrollRange();
  HDC hdc = ::GetDC(m_hWnd);
  // Without a source only the shown part is loaded; what that reader cannot take is loaded whole.
  HBITMAP hStrip = m_pBitmapSource == NULL ? StripResource(m_hInstance, m_nBitmapID).LoadLeft(hdc, kShownWidth) : NULL;
  if (hStrip == NULL) hStrip = getListBitmap(hdc);
  {
    CMemDC picture(hdc, rc);
    {
      StripDC strip(hdc, hStrip);
      strip.Mark(m_nCurIndex, m_nCurSel);
      ::FillRect(picture, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
      if (strip.dc() != NULL) {
        const int y0 = (rc.bottom - m_scrollBar.GetThickness() - kCell) / 2;
        ::BitBlt(picture, -m_scrollBar.GetPos(), y0, kShownWidth, kCell, strip.dc(), 0, 0, SRCCOPY);
      }
    }
    m_scrollBar.Paint(picture, BarRect());
    HPEN hDark = ::CreatePen(PS_SOLID, 1, kDark);
    HPEN hLight = ::CreatePen(PS_SOLID, 1, kLight);
    RECT border = {rc.left, rc.top, rc.right - 1, rc.bottom - 1};
    draw3DBorder(picture, border, 3, hDark, hLight);
    if (hDark != NULL) ::DeleteObject(hDark);
    if (hLight != NULL) ::DeleteObject(hLight);
  }
  ValidateRect(NULL);
  releaseListBitmap(hStrip);
  ::ReleaseDC(m_hWnd, hdc);
}

void CBitmapList::OnLButtonDown(UINT nFlags, CPoint point) {
  CRect rc;
  GetClientRect(&rc);
  BarRect();
  if (point.y > rc.top && point.y < rc.bottom - m_scrollBar.GetThickness()) {
    setCurSel(CellAt(point.x));
    UpdateControl();
    NotifyScroll(BLN_SELECTED);
  } else if (m_scrollBar.HitTest(point.x, point.y)) {
    PressScrollBar(m_scrollOwner, nFlags, point.x, point.y);
  }
}

void CBitmapList::OnMouseMove(UINT nFlags, CPoint point) {
  if (CWnd::GetFocus() != this) SetFocus();
  CRect rc;
  GetClientRect(&rc);
  BarRect();
  const BOOL bOverCells =
      point.x > rc.left && point.x < rc.right && point.y > rc.top && point.y < rc.bottom - m_scrollBar.GetThickness();
  if (bOverCells) {
    if (CWnd::GetCapture() != this) SetCapture();
    const int nCell = CellAt(point.x);
    if (nCell != getCurIndex()) {
      setCurIndex(nCell);
      UpdateControl();
      NotifyScroll(BLN_HOVER);
    }
  } else if (nFlags != 0) {
    if (m_scrollBar.HitTest(point.x, point.y)) m_scrollBar.OnDrag(nFlags, point.x, point.y);
  } else if (!m_scrollBar.HitTest(point.x, point.y)) {
    NotifyScroll(BLN_LEAVE);
    if (CWnd::GetCapture() == this) ::ReleaseCapture();
  }
}
