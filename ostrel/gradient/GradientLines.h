// Reading a direction back from a record's line: the gradient box's rule (to a direction index)
// and the dialog's rule (to one of its four direction buttons). Both look only at which of the
// line's coordinates are zero.
#pragma once
#include <Ostrel/GradientRecords.h>

// Direction buttons of the gradient dialog are numbered 1 to 4, direction index + 1; 0 is none.
#define GRADBTN_NONE 0

// The direction of a line the dialog gave back. A nonzero start is always "diagonal up"; a line
// that stays at (0,0) keeps nPrevious.
inline int GradBoxDirection(const GFILL_OPTION& opt, int nPrevious) {
  if (opt.ptStart.x != 0 || opt.ptStart.y != 0) return GRADDIR_DIAGONAL_UP;
  if (opt.ptEnd.x == 0) return opt.ptEnd.y != 0 ? GRADDIR_VERTICAL : nPrevious;
  return opt.ptEnd.y == 0 ? GRADDIR_HORIZONTAL : GRADDIR_DIAGONAL_DOWN;
}

// The dialog's button for a line, GRADBTN_NONE when the line is none of the four (a nonzero start
// x, or a start and an end both off the top edge). A recognised line is rewritten into the
// preview's w x h frame; any other is left as it is.
inline int GradPreviewButton(GFILL_OPTION* pOpt, int w, int h) {
  int nButton = GRADBTN_NONE;
  if (pOpt->ptStart.x != 0)
    nButton = GRADBTN_NONE;
  else if (pOpt->ptStart.y == 0 && pOpt->ptEnd.x == 0)
    nButton = GRADDIR_VERTICAL + 1;
  else if (pOpt->ptStart.y == 0 && pOpt->ptEnd.y == 0)
    nButton = GRADDIR_HORIZONTAL + 1;
  else if (pOpt->ptStart.y == 0)
    nButton = GRADDIR_DIAGONAL_DOWN + 1;
  else if (pOpt->ptEnd.y == 0)
    nButton = GRADDIR_DIAGONAL_UP + 1;
  if (nButton != GRADBTN_NONE) GradDirectionLine(nButton - 1, GRADLINE_PREVIEW, w, h, &pOpt->ptStart, &pOpt->ptEnd);
  return nButton;
}
