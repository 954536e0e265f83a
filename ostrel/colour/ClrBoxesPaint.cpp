// CClrBoxes: painting, the layout of use box and cells, the window region and the hover marks.
#include <Ostrel/ClrBoxes.h>
#include <Ostrel/VexTip.h>
#include <algorithm>
#include <vector>

// Gap between the use box and the cells (layouts 0 to 3).
static const int kUseGap = 8;

void CClrBoxes::OnPaint() {
  CPaintDC dc(this);
  GetClientRect(&m_rcClient);
  int width = m_rcClient.right - m_rcClient.left, height = m_rcClient.bottom - m_rcClient.top;
  if (width <= 0 || height <= 0) return;
  CMemDC memDC(&dc, m_rcClient);
  memDC.FillSolidRect(0, 0, width, height, ::GetSysColor(COLOR_BTNFACE));
  if (m_nType == CLRBOX_SIMPLE || m_nType == CLRBOX_NOPICKER)
    PaintSimple(&memDC);
  else if (m_nType == CLRBOX_PALETTE)
    PaintNoGrad(&memDC);
}

namespace {

// The four colours of a sunken frame: outer dark and light, inner dark and light.
struct FrameColours {
  COLORREF c[4];
  FrameColours() {
    const int kIndex[4] = {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_BTNFACE};
    for (int i = 0; i < 4; i++) c[i] = ::GetSysColor(kIndex[i]);
  }
};

// Dark top and left edges (each one pixel short of the far corner), light right and bottom
// edges; style 2 adds the inner ring.
void DrawFrame(CDC* pDC, CRect rect, int style, const FrameColours& colours) {
  for (int ring = 0; ring < (style == 2 ? 2 : 1) && !rect.IsRectEmpty(); ring++) {
    pDC->Draw3dRect(&rect, colours.c[ring * 2], colours.c[ring * 2 + 1]);
    rect.DeflateRect(1, 1);
  }
}

}  // namespace

// A sunken frame; style 2 adds a darker inner frame.
void CClrBoxes::DrawBound(CDC* pDC, CRect rect, int style) { DrawFrame(pDC, rect, style, FrameColours()); }

// Fills a rectangle with one colour.
void CClrBoxes::FillBox(CDC* pDC, const RECT& rect, COLORREF color) {
  if (rect.right > rect.left && rect.bottom > rect.top) pDC->FillSolidRect(&rect, color);
}

void CClrBoxes::PaintSimple(CDC* pDC) {
  DrawBound(pDC, m_rcClient, 1);
  CRect inner(1, 1, m_rcClient.right - 1, m_rcClient.bottom - 1);
  FillBox(pDC, inner, m_color);
}

void CClrBoxes::PaintNoGrad(CDC* pDC) {
  ActivateTips(0);
  // The window's shape follows the layout: made again only when the layout has moved.
  const std::vector<RECT> before(m_pCellRects, m_pCellRects + (m_pCellRects != NULL ? m_nCount : 0));
  const RECT useBefore = m_rcUse;
  PrepAlign();
  if (m_hRgn == NULL || !::EqualRect(&useBefore, &m_rcUse) ||
      !std::equal(before.begin(), before.end(), m_pCellRects,
                  [](const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != 0; }))
    ClipUnusedRgn();
  Align(pDC);
  ActivateTips(1);
}

void CClrBoxes::ActivateTips(int bActivate) {
  if (m_pTips == NULL) return;
  HWND hTip = m_pTips->GetSafeHwnd();
  if (hTip != NULL) ::SendMessageA(hTip, TTM_ACTIVATE, bActivate, 0);
}

// ---------------------------------------------------------------------------------------------
// Layout, anew at every paint.

void CClrBoxes::LayRows(int x0, int cw, int top, int rh, int bottom) {
  int h = m_nCount / 2;
  for (int i = 0; i < h; i++) {
    int left = x0 + i * cw;
    ::SetRect(&m_pCellRects[i], left, top, left + cw, top + rh);
    ::SetRect(&m_pCellRects[h + i], left, top + rh, left + cw, bottom);
  }
}

void CClrBoxes::LayColumns(int y0, int ch, int cwid, int right) {
  int h = m_nCount / 2;
  for (int i = 0; i < h; i++) {
    int top = y0 + i * ch;
    ::SetRect(&m_pCellRects[i], m_rcClient.left, top, m_rcClient.left + cwid, top + ch);
    ::SetRect(&m_pCellRects[h + i], m_rcClient.left + cwid, top, right, top + ch);
  }
}

void CClrBoxes::PrepAlign() {
  if (m_nCount < 2 || m_pCellRects == NULL) return;
  const RECT& k = m_rcClient;
  int width = k.right - k.left, height = k.bottom - k.top, h = m_nCount / 2;
  bool custom = m_nUseW != -1 && m_nUseH != -1;
  bool fitsBeside = custom && m_nUseW <= width - kUseGap && m_nUseH <= height;  // layouts 0 and 1
  bool fitsAbove = custom && m_nUseW <= width && m_nUseH <= height - kUseGap;   // layouts 2 and 3
  int mid = (k.bottom + k.top) / 2;
  switch (m_nAlign) {
    case 0:
      if (fitsBeside)
        ::SetRect(&m_rcUse, k.left, k.top, k.left + m_nUseW, k.top + m_nUseH);
      else
        ::SetRect(&m_rcUse, k.left, k.top, (k.right + k.left) / 2 - 4, k.bottom);
      {
        int uw = m_rcUse.right - m_rcUse.left;
        LayRows(uw + kUseGap, (width - uw - kUseGap) / h, k.top, height / 2, k.bottom);
      }
      break;
    case 1:
      if (fitsBeside)
        ::SetRect(&m_rcUse, width - m_nUseW, k.top, k.right, k.bottom);
      else
        ::SetRect(&m_rcUse, (k.right + k.left) / 2 + 4, k.top, k.right, k.bottom);
      {
        int uw = m_rcUse.right - m_rcUse.left;
        LayRows(k.left, (width - uw - kUseGap) / h, k.top, height / 2, k.bottom);
      }
      break;
    case 2:
      if (fitsAbove)
        ::SetRect(&m_rcUse, k.left, k.top, k.left + m_nUseW, k.top + m_nUseH);
      else
        ::SetRect(&m_rcUse, k.left, k.top, k.right, mid - 4);
      {
        int uh = m_rcUse.bottom - m_rcUse.top;
        LayColumns(uh + kUseGap, (height - uh - kUseGap) / h, width / 2, k.right);
      }
      break;
    case 3:
      if (fitsAbove)
        ::SetRect(&m_rcUse, k.left, height - m_nUseH, k.right, k.bottom);
      else
        ::SetRect(&m_rcUse, k.left, mid + 4, k.right, k.bottom);
      {
        int uh = m_rcUse.bottom - m_rcUse.top;
        LayColumns(k.top, (height - uh - kUseGap) / h, width / 2, k.right);
      }
      break;
    case 4:
    case 5:
      if (m_nAlign == 4)
        ::SetRect(&m_rcUse, k.left, k.top, (k.right + k.left) / 2, mid - 2);
      else
        ::SetRect(&m_rcUse, (k.right + k.left) / 2, k.top, k.right, mid - 2);
      LayRows(k.left, width / h, mid + 2, (height - 4) / 4, k.bottom);
      break;
    default:
      break;  // not a layout: the cells stay where they were
  }
}

// The window shows only the use box and the block of cells; the parent shows through the rest.
void CClrBoxes::ClipUnusedRgn() {
  if (m_nCount < 2 || m_pCellRects == NULL) return;
  RECT cells = m_pCellRects[0];
  for (int i = 1; i < m_nCount; i++) ::UnionRect(&cells, &cells, &m_pCellRects[i]);
  HRGN hRgn = ::CreateRectRgnIndirect(&cells);
  HRGN hUse = ::CreateRectRgnIndirect(&m_rcUse);
  if (hRgn == NULL || hUse == NULL) {
    if (hRgn != NULL) ::DeleteObject(hRgn);
    if (hUse != NULL) ::DeleteObject(hUse);
    return;
  }
  ::CombineRgn(hRgn, hRgn, hUse, RGN_OR);
  ::DeleteObject(hUse);
  if (m_hRgn != NULL && ::EqualRgn(hRgn, m_hRgn)) {
    ::DeleteObject(hRgn);  // the window has this shape already
    return;
  }
  if (SetWindowRgn(hRgn, FALSE))
    m_hRgn = hRgn;
  else {
    ::DeleteObject(hRgn);
    m_hRgn = NULL;  // the next paint tries again
  }
}

void CClrBoxes::Align(CDC* pDC) {
  const FrameColours colours;  // read once for all the frames
  DrawFrame(pDC, m_rcUse, 1, colours);
  CRect use(m_rcUse);
  use.DeflateRect(1, 1);
  FillBox(pDC, use, m_color);
  int h = m_nCount / 2;
  for (int i = 0; i < h; i++) {
    DrawFrame(pDC, m_pCellRects[i], 2, colours);
    DrawFrame(pDC, m_pCellRects[h + i], 2, colours);
    CRect top(m_pCellRects[i]), bottom(m_pCellRects[h + i]);
    top.DeflateRect(2, 2);
    bottom.DeflateRect(2, 2);
    FillBox(pDC, top, m_pColors[i]);
    FillBox(pDC, bottom, m_pColors[h + i]);
  }
}

// ---------------------------------------------------------------------------------------------
// Hover marks, drawn straight on the window: a raised box.

void CClrBoxes::HilightCell(CRect rect, unsigned long color) {
  CClientDC dc(this);
  const COLORREF crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  if (rect.Width() > 1 && rect.Height() > 1) {
    dc.FillSolidRect(rect.left, rect.top, rect.Width() - 1, 1, crLight);
    dc.FillSolidRect(rect.left, rect.top, 1, rect.Height() - 1, crLight);
  }
  FillBox(&dc, CRect(rect.left + 1, rect.top + 1, rect.right, rect.bottom), color);
}

void CClrBoxes::HilightFocusCell() {
  if (m_nHotCell == m_nCount)
    HilightCell(m_rcUse, m_color);
  else if (m_nHotCell >= 0 && m_nHotCell < m_nCount)
    HilightCell(m_pCellRects[m_nHotCell], m_pColors[m_nHotCell]);
}
