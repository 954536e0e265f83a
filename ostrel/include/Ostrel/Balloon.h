// Drawing of the speech balloon shared by the tip windows, and the layout of its text.
#pragma once
#include <afxwin.h>

// Pointer directions: 0 top left, 1 top right, 2 bottom left, 3 bottom right. The pointer takes
// 20 pixels of the balloon's height, above the text (0, 1) or below it (2, 3).

// Draws the balloon into rc on hdc: one closed path with rounded corners and the pointer, filled
// with hbr and, unless bFillOnly, outlined nBorder pixels wide in crBorder. Returns 1.
AFX_EXT_API int CreateArrowRegion(int nDirect, HDC hdc, HBRUSH hbr, int nBorder, unsigned long crBorder, CRect rc,
                                  int bFillOnly);
// Size of the text's lines (split at byte 10) in pFont on pWnd's device context: widest line,
// sum of the line heights; (0, 0) for an empty text.
AFX_EXT_API CSize GetTipRect(CWnd* pWnd, CString& text, CFont* pFont);
// Draws the lines from x = 7, starting below the pointer (y 27) or at the top (y 7).
AFX_EXT_API void DrawTipText(CDC* pDC, CString text, CFont* pFont, int nArrowDirect);
