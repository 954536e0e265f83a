// Where the cells of a list sit in a window: pure geometry, no windows.
#pragma once
#include "Drevnic.h"

struct IILayout {
  bool bHorizontal = true;  // lines are columns and scroll left-right
  int nPerLine = 1;         // cells in one line
  int nLines = 0;           // lines needed for every item
  int nAlong = 1;           // pitch of a line along the scroll axis
  int nAcross = 1;          // pitch of a cell across it
  int nFullLines = 1;       // whole lines the client shows (at least 1)
  int MaxScroll() const { return nLines > nFullLines ? nLines - nFullLines : 0; }
  int LineOf(int nPos) const { return nPos / nPerLine; }
};

// Space around a picture inside its cell: the selection frame and a small gap.
int IICellMargin(const _IIOData& opt);
IILayout IIComputeLayout(const _IIOData& opt, int nCount, int cx, int cy);
RECT IICellRect(const IILayout& layout, int nPos, int nFirstLine);
// Position under a client point, -1 for none.
int IIHitTest(const IILayout& layout, POINT pt, int nFirstLine, int nCount);
// The first line that shows nPos, moving as little as possible from nFirstLine.
int IIScrollToShow(const IILayout& layout, int nPos, int nFirstLine);
