// Cell geometry: lines run along the scroll axis, cells within a line are spread evenly across it.
#include "list_layout.h"

#include <algorithm>

int IICellMargin(const _IIOData& opt) {
  int nFrame = IIFRAME_SELWIDTH(opt.dwFrameType);
  return (nFrame > 0 ? nFrame : 2) + 2;
}

IILayout IIComputeLayout(const _IIOData& opt, int nCount, int cx, int cy) {
  IILayout l;
  const int nMargin = IICellMargin(opt);
  const int nLabel = opt.dwIdentType == IIIDENT_NAME ? 16 : 0;
  const int nCellW = opt.nIIWidth + 2 * nMargin;
  const int nCellH = opt.nIIHeight + 2 * nMargin + nLabel;
  l.bHorizontal = opt.nFitX == -1 && opt.nFitY > 0;
  const int nSpaceAcross = std::max(1, l.bHorizontal ? cy : cx);
  const int nSpaceAlong = std::max(1, l.bHorizontal ? cx : cy);
  const int nCellAcross = l.bHorizontal ? nCellH : nCellW;
  l.nAlong = l.bHorizontal ? nCellW : nCellH;
  if (l.bHorizontal)
    l.nPerLine = opt.nFitY;
  else
    l.nPerLine = opt.nFitX > 0 ? opt.nFitX : std::max(1, nSpaceAcross / nCellAcross);
  l.nAcross = std::max(1, nSpaceAcross / l.nPerLine);
  l.nLines = (nCount + l.nPerLine - 1) / l.nPerLine;
  l.nFullLines = std::max(1, nSpaceAlong / l.nAlong);
  return l;
}

RECT IICellRect(const IILayout& l, int nPos, int nFirstLine) {
  const int nAlong = (nPos / l.nPerLine - nFirstLine) * l.nAlong;
  const int nAcross = (nPos % l.nPerLine) * l.nAcross;
  RECT rc;
  if (l.bHorizontal)
    SetRect(&rc, nAlong, nAcross, nAlong + l.nAlong, nAcross + l.nAcross);
  else
    SetRect(&rc, nAcross, nAlong, nAcross + l.nAcross, nAlong + l.nAlong);
  return rc;
}

int IIHitTest(const IILayout& l, POINT pt, int nFirstLine, int nCount) {
  const int nAlong = l.bHorizontal ? pt.x : pt.y;
  const int nAcross = l.bHorizontal ? pt.y : pt.x;
  if (nAlong < 0 || nAcross < 0) return -1;
  const int nIndex = nAcross / l.nAcross;
  if (nIndex >= l.nPerLine) return -1;
  const int nPos = (nFirstLine + nAlong / l.nAlong) * l.nPerLine + nIndex;
  return nPos < nCount ? nPos : -1;
}

int IIScrollToShow(const IILayout& l, int nPos, int nFirstLine) {
  const int nLine = l.LineOf(std::max(0, nPos));
  if (nLine < nFirstLine) return nLine;
  if (nLine >= nFirstLine + l.nFullLines) return nLine - l.nFullLines + 1;
  return std::min(nFirstLine, l.MaxScroll());
}
