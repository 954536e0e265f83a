// The lists' self-drawn scroll bar: position arithmetic, presses, drags and painting.
#include <Ostrel/ListScrollBar.h>
#include <algorithm>
#include "frame/LibraryState.h"
#include "res/resource.h"

namespace {

const int kEndZone = 13;  // pixels at each end that step instead of dragging
const int kStep = 10;     // units per press on an end zone
const int kTile = 30;     // the fill texture is 30 x 30
const COLORREF kLight = 0x00B5B5B5;
const COLORREF kDark = 0x004F4F4F;

// The bar's fill texture selected into a memory DC for one paint; Ready() is false without it.
class TextureDC {
 public:
  explicit TextureDC(HDC hdc) {
    m_hBitmap = ::LoadBitmapA(_hResInst, MAKEINTRESOURCEA(IDB_SCROLL_TEXTURE));
    m_hDC = m_hBitmap != NULL ? ::CreateCompatibleDC(hdc) : NULL;
    if (m_hDC != NULL) m_hOld = ::SelectObject(m_hDC, m_hBitmap);
  }
  ~TextureDC() {
    if (m_hDC != NULL) {
      ::SelectObject(m_hDC, m_hOld);
      ::DeleteDC(m_hDC);
    }
    if (m_hBitmap != NULL) ::DeleteObject(m_hBitmap);
  }
  TextureDC(const TextureDC&) = delete;
  TextureDC& operator=(const TextureDC&) = delete;

  // Tiles the box from its left to its right edge at its top, always one tile high.
  void Fill(HDC hdc, const RECT& box) const {
    if (m_hDC == NULL) return;
    for (int x = box.left; x < box.right; x += kTile)
      ::BitBlt(hdc, x, box.top, std::min(kTile, (int)(box.right - x)), kTile, m_hDC, 0, 0, SRCCOPY);
  }

 private:
  HBITMAP m_hBitmap = NULL;
  HDC m_hDC = NULL;
  HGDIOBJ m_hOld = NULL;
};

void Line(HDC hdc, int x0, int y0, int x1, int y1) {
  ::MoveToEx(hdc, x0, y0, NULL);
  ::LineTo(hdc, x1, y1);
}

}  // namespace

CListScrollBar::CListScrollBar(CScrollBarOwner* pOwner)
    : m_pOwner(pOwner), m_nThickness(10), m_nPos(0), m_nMax(0), m_bVertical(FALSE), m_nDragAnchor(0) {
  ::SetRectEmpty(&m_rcBar);
}

void CListScrollBar::SetPos(int nPos) {
  if (nPos < 0) nPos = 0;
  if (nPos > m_nMax) nPos = m_nMax;
  m_nPos = nPos;
}

BOOL CListScrollBar::HitTest(int x, int y) const {
  return x >= m_rcBar.left && x <= m_rcBar.right && y >= m_rcBar.top && y <= m_rcBar.bottom;
}

int CListScrollBar::EndZoneAt(int x, int y) const {
  const int a = Along(x, y);
  if (a > Start() + kEndZone && a < End() - kEndZone) return 0;
  return a < Start() + kEndZone ? -1 : 1;
}

void CListScrollBar::OnPress(UINT, int x, int y) {
  const int nZone = EndZoneAt(x, y);
  if (nZone == 0) {
    m_nDragAnchor = Along(x, y);
    return;
  }
  SetPos(m_nPos + nZone * kStep);
  Changed();
}

void CListScrollBar::OnDrag(UINT nFlags, int x, int y) {
  if (nFlags == 0 || EndZoneAt(x, y) != 0) return;
  const int a = Along(x, y);
  SetPos(m_nPos + a - m_nDragAnchor);
  m_nDragAnchor = a;
  Changed();
}

void CListScrollBar::Changed() {
  if (m_pOwner != NULL) m_pOwner->OnScrollChanged();
}

void CListScrollBar::DrawBevel(HDC hdc, const RECT& rc, int nType, HPEN hFirst, HPEN hSecond) {
  const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
  HGDIOBJ hOld = ::SelectObject(hdc, hFirst);
  Line(hdc, l, t, nType == 1 ? r + 1 : r, t);
  Line(hdc, l, t, l, nType == 2 ? b + 1 : b);
  ::SelectObject(hdc, hSecond);
  Line(hdc, r, b, r, nType == 1 ? t : t - 1);
  Line(hdc, r, b, nType == 2 ? l : l - 1, b);
  ::SelectObject(hdc, hOld);
}

void CListScrollBar::Paint(HDC hdc, const RECT& rc) {
  if (hdc == NULL) return;
  const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom, t = m_nThickness, p = m_nPos;
  HPEN hLight = ::CreatePen(PS_SOLID, 1, kLight);
  HPEN hDark = ::CreatePen(PS_SOLID, 1, kDark);
  TextureDC texture(hdc);
  HGDIOBJ hOldPen = ::SelectObject(hdc, ::GetStockObject(BLACK_PEN));
  HGDIOBJ hOldBrush = ::SelectObject(hdc, ::GetStockObject(GRAY_BRUSH));
  ::Rectangle(hdc, L + 1, T, R - 1, B - 1);

  const int k = ThumbLength(m_bVertical ? B - T : R - L);
  RECT first, track, thumb, second;
  POINT grip;
  if (m_bVertical) {
    first = {R - t + 1, T + 1, R - 1, T + 10};
    track = {R - t, T + 11, R - 1, B - 12};
    thumb = {R - t + 1, T + p + 11, R - 3, T + p + 11 + k};
    second = {R - t + 1, B - 11, R - 1, B - 2};
    grip = {R - (t - 2) / 2 - 1, T + p + 11 + k / 2};
  } else {
    first = {L + 1, B - t, L + 10, B - 2};
    track = {L + 11, B - t, R - 12, B - 2};
    thumb = {L + p + 11, B - t + 1, L + p + 11 + k, B - 3};
    second = {R - 11, B - t, R - 2, B - 2};
    grip = {L + p + 11 + k / 2, B - (t - 2) / 2 - 1};
  }
  auto box = [&](const RECT& r, int nType, HPEN hFirst, HPEN hSecond) {
    texture.Fill(hdc, r);
    DrawBevel(hdc, r, nType, hFirst, hSecond);
  };
  box(first, 1, hLight, hDark);
  box(track, 2, hDark, hLight);
  if (k > 0) box(thumb, 2, hLight, hDark);  // a range too long for the bar leaves no thumb
  box(second, 1, hLight, hDark);
  if (k > 0) {
    const int r = t / 4;
    ::Ellipse(hdc, grip.x - r, grip.y - r, grip.x + r, grip.y + r);
  }

  ::SelectObject(hdc, hOldBrush);
  ::SelectObject(hdc, hOldPen);
  if (hLight != NULL) ::DeleteObject(hLight);
  if (hDark != NULL) ::DeleteObject(hDark);
}
