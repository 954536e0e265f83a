// The two gradient records and the three ways a direction is written as a line.
//
// SGRADOPTION is the short record the host keeps; GFILL_OPTION (qsComm.h) is the renderer's
// 68-byte record, also the per-preset record of the preset file. The line of a GFILL_OPTION is
// in pixels of the frame it is drawn into, so one direction has three encodings:
//
//   direction            10 x 10 frame          w x h rectangle          w x h preview
//   0 vertical           (0,0)-(0,10)           (w/2,0)-(w/2,h)          (0,0)-(0,h)
//   1 horizontal         (0,0)-(10,0)           (0,h/2)-(w,h/2)          (0,0)-(w,0)
//   2 diagonal down      (0,0)-(10,10)          (0,0)-(w,h)              (0,0)-(w,h)
//   3 diagonal up        (0,10)-(10,0)          (0,h)-(w,0)              (0,h)-(w,0)
//
// The 10 x 10 frame is how a gradient box hands a record to the dialog; the rectangle form is
// what DrawGradientRect draws; the preview form is the dialog's.
#pragma once
#include <windows.h>
#include <qsComm.h>

struct SGRADOPTION {
  COLORREF clrStart;  // colour at the start of the line
  COLORREF clrEnd;    // colour at the end of the line
  int nColorShift;    // 0 to 100 in steps of 10
  int nDirection;     // GRADDIR_*
};
static_assert(sizeof(SGRADOPTION) == 16, "SGRADOPTION is four 32-bit fields");

// Direction indices of SGRADOPTION::nDirection.
#define GRADDIR_VERTICAL      0  // top to bottom
#define GRADDIR_HORIZONTAL    1  // left to right
#define GRADDIR_DIAGONAL_DOWN 2  // top-left to bottom-right
#define GRADDIR_DIAGONAL_UP   3  // bottom-left to top-right

// Size of the frame a gradient box's record is written in.
#define GRADBOX_FRAME 10

// Which of the three encodings a line is wanted in.
enum GradLineFrame {
  GRADLINE_BOX,      // the 10 x 10 frame (w and h are ignored)
  GRADLINE_RECT,     // DrawGradientRect's w x h rectangle: straight lines through the middle
  GRADLINE_PREVIEW,  // the dialog's w x h preview: straight lines along the top or left edge
};

// The line of direction nDirection in the chosen frame. Halves truncate toward zero.
// Directions outside 0 to 3 are drawn vertically.
inline void GradDirectionLine(int nDirection, GradLineFrame frame, int w, int h, POINT* pStart, POINT* pEnd) {
  if (frame == GRADLINE_BOX) {
    w = GRADBOX_FRAME;
    h = GRADBOX_FRAME;
  }
  const bool bMiddle = frame == GRADLINE_RECT;
  switch (nDirection) {
    case GRADDIR_HORIZONTAL:
      *pStart = {0, bMiddle ? h / 2 : 0};
      *pEnd = {w, bMiddle ? h / 2 : 0};
      break;
    case GRADDIR_DIAGONAL_DOWN:
      *pStart = {0, 0};
      *pEnd = {w, h};
      break;
    case GRADDIR_DIAGONAL_UP:
      *pStart = {0, h};
      *pEnd = {w, 0};
      break;
    default:
      *pStart = {bMiddle ? w / 2 : 0, 0};
      *pEnd = {bMiddle ? w / 2 : 0, h};
      break;
  }
}

// A whole renderer record as the library builds it: the colours, the line of nDirection in the
// chosen frame, the fixed renderer parameters, no sandwich, the shift.
inline GFILL_OPTION MakeGradOption(COLORREF clrStart, COLORREF clrEnd, int nColorShift, int nDirection,
                                   GradLineFrame frame, int w, int h) {
  GFILL_OPTION opt;
  opt.clrStart = clrStart;
  opt.clrEnd = clrEnd;
  GradDirectionLine(nDirection, frame, w, h, &opt.ptStart, &opt.ptEnd);
  GFillSetDefaultParams(&opt);
  opt.nColorShift = nColorShift;
  return opt;
}

inline GFILL_OPTION MakeGradOption(const SGRADOPTION& grad, GradLineFrame frame, int w, int h) {
  return MakeGradOption(grad.clrStart, grad.clrEnd, grad.nColorShift, grad.nDirection, frame, w, h);
}
