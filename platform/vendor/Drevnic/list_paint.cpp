// Drawing one cell: the picture fitted into its box, the edge, the name, selection and focus.
#include <algorithm>
#include <vector>

#include "list_layout.h"
#include "list_state.h"
#include "t32Base.h"

namespace {

// The part of the box the picture covers, as the fit style says.
RECT FitPicture(int nFit, const RECT& rcBox, int w, int h) {
  RECT rc = rcBox;
  const int bw = rcBox.right - rcBox.left, bh = rcBox.bottom - rcBox.top;
  if (nFit == IIFIT_NONE) {
    rc.right = rc.left + std::min(w, bw);
    rc.bottom = rc.top + std::min(h, bh);
  } else if (nFit == IIFIT_ASPECT) {
    // The wider of the two ratios decides; integer cross products avoid rounding drift.
    int dw = bw, dh = bh;
    if ((long long)w * bh > (long long)h * bw)
      dh = std::max(1, (int)((long long)h * bw / w));
    else
      dw = std::max(1, (int)((long long)w * bh / h));
    rc.left += (bw - dw) / 2;
    rc.top += (bh - dh) / 2;
    rc.right = rc.left + dw;
    rc.bottom = rc.top + dh;
  }
  return rc;
}

void DrawPicture(HDC hdc, HANDLE hBuffer, HPALETTE hPalette, int nFit, const RECT& rcBox) {
  BUF32INFO info;
  if (IsRectEmpty(&rcBox) || !buf32GetInfo(hBuffer, &info)) return;
  const RECT rc = FitPicture(nFit, rcBox, info.nWidth, info.nHeight);
  // Unscaled pictures only need the part that shows.
  const int w = nFit == IIFIT_NONE ? rc.right - rc.left : info.nWidth;
  const int h = nFit == IIFIT_NONE ? rc.bottom - rc.top : info.nHeight;
  const int nRowBytes = (w * info.nBitsPerPixel + 7) / 8;
  std::vector<unsigned char> pixels((size_t)nRowBytes * h);
  if (!buf32GetMem(hBuffer, 0, 0, w, h, pixels.data())) return;
  HANDLE hDisp = NULL;
  const int nDispFit = nFit == IIFIT_NONE ? DISP32_FIT_NONE : DISP32_FIT_STRETCH;
  if (!disp32ShowInit(&hDisp, hdc, info.nBitsPerPixel, rc, hPalette, nDispFit, 0)) return;
  disp32ShowData(hDisp, pixels.data(), 0, 0, h, nRowBytes);
  disp32ShowEnd(hDisp);
}

// A frame of the given width just outside rc.
void FrameOutside(HDC hdc, const RECT& rc, int nWidth, HBRUSH hBrush) {
  for (int i = 1; i <= nWidth; i++) {
    RECT r = rc;
    InflateRect(&r, i, i);
    FrameRect(hdc, &r, hBrush);
  }
}

}  // namespace

int CIIList::OnDrawII(_IIPAINT* p) {
  IIListState& s = *m_pState;
  IIItem* pItem = p ? s.Find(p->nItem) : NULL;
  if (pItem == NULL) return 0;
  const int nMargin = IICellMargin(s.opt);
  RECT rcBox = p->rcCell;
  InflateRect(&rcBox, -nMargin, -nMargin);
  RECT rcLabel = rcBox;
  if (s.opt.dwIdentType == IIIDENT_NAME) {
    rcBox.bottom = std::max(rcBox.top, rcBox.bottom - 16);
    rcLabel.top = rcBox.bottom;
  }
  // The picture box is the thumbnail size, centred, never larger than the cell allows.
  const int bw = std::min<int>(s.opt.nIIWidth, rcBox.right - rcBox.left);
  const int bh = std::min<int>(s.opt.nIIHeight, rcBox.bottom - rcBox.top);
  OffsetRect(&rcBox, (rcBox.right - rcBox.left - bw) / 2, (rcBox.bottom - rcBox.top - bh) / 2);
  rcBox.right = rcBox.left + std::max(0, bw);
  rcBox.bottom = rcBox.top + std::max(0, bh);

  if (pItem->hBuffer) {
    HPALETTE hPalette = s.opt.bCommonPalette ? NULL : pItem->hPalette;
    DrawPicture(p->hDC, pItem->hBuffer, hPalette, s.opt.nFitStyle, rcBox);
  }
  if (s.opt.dwFrameType & IIFRAME_EDGE) {
    RECT rcEdge = rcBox;
    InflateRect(&rcEdge, 1, 1);
    DrawEdge(p->hDC, &rcEdge, BDR_SUNKENOUTER, BF_RECT);
  }
  if (s.opt.dwIdentType == IIIDENT_NAME) {
    char szId[16];
    wsprintfA(szId, "%d", p->nItem);
    const char* pszText = pItem->strName.empty() ? szId : pItem->strName.c_str();
    HGDIOBJ hOldFont = SelectObject(p->hDC, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(p->hDC, TRANSPARENT);
    SetTextColor(p->hDC, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextA(p->hDC, pszText, -1, &rcLabel, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    SelectObject(p->hDC, hOldFont);
  }
  if (p->bSelected) {
    const int nFrame = IIFRAME_SELWIDTH(s.opt.dwFrameType);
    FrameOutside(p->hDC, rcBox, (s.opt.dwFrameType & IIFRAME_EDGE ? 1 : 0) + (nFrame > 0 ? nFrame : 2),
                 GetSysColorBrush(COLOR_HIGHLIGHT));
  }
  if (p->bFocused) {
    RECT rcFocus = p->rcCell;
    InflateRect(&rcFocus, -1, -1);
    DrawFocusRect(p->hDC, &rcFocus);
  }
  return 1;
}
