// The gallery's eyedropper, handed to colour and gradient boxes: the next left click anywhere on
// the screen gives the colour under it; a right click or Escape gives nothing. pOwner is the
// control or dialog that asked; it holds the mouse meanwhile.
#pragma once
#include <afxwin.h>

int __cdecl PickScreenColour(unsigned long* pColor, CWnd* pOwner);
