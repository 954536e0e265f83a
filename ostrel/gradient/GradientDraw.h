// Drawing functions shared inside the library (gradient boxes, the gradient dialog, the colour
// bar, texture boxes, bitmap combos). They are not exported: only the library's own files call
// them.
#pragma once
#include <afxwin.h>

// Renders the gradient and draws it so that it exactly fills rc of pDC; the line runs through
// the rectangle's middle (see GRADLINE_RECT). Nothing is drawn when no buffer can be made.
void DrawGradientRect(CDC* pDC, RECT rc, COLORREF clrStart, COLORREF clrEnd, int nDirection, int nColorShift);

// Shows the top-left rc-sized part of an image buffer at rc of hDC, 1:1. A buffer that cannot
// be locked shows message 10101; FALSE then and when memory runs out, TRUE when shown.
BOOL DrawBufferToDC(void* hBuffer, RECT rc, HDC hDC);

// Shows the whole buffer stretched over the rectangle. nArg goes to the display pass as its
// palette (0: the default colours). A NULL or empty buffer draws nothing.
void DrawBufferInRect(HDC hDC, void* hBuffer, int nArg, int left, int top, int right, int bottom);

// A one-pixel frame just inside *prc: raised (highlight at left and top, shadow at right and
// bottom) or sunken (the other way round). The DC's pen is left as it was.
void DrawEdgeFrame(HDC hDC, const RECT* prc, BOOL bRaised);
