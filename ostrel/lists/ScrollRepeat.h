// Presses on a list's scroll bar, with the auto-repeat of a press held on an end zone: while the
// left button stays down there, the press repeats after 400 ms and then every 50 ms.
#pragma once
#include <Ostrel/ListScrollBar.h>

// The bar's press rule at (x, y); on an end zone the repeat starts on the owner's window.
void PressScrollBar(CScrollBarOwner& owner, UINT nFlags, int x, int y);
// Ends a repeat of this owner that is still running (the list is going away).
void StopScrollRepeat(CScrollBarOwner& owner);
