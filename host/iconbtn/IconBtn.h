// The icon button of IconBtn.dll: a small button showing one cell of a bitmap. Its window text
// names the cell as "id;x,y,w,h": bitmap resource id of the module the button was created with
// (for a dialog's control, the dialog template's module), and the cell's rectangle in it. The
// bitmap's colour 192,192,192 is transparent.
//
// With BS_AUTORADIOBUTTON it is an auto radio button of its group (the sibling windows from the
// one with WS_GROUP to the next one with WS_GROUP); with any other style a push button. It answers
// BM_SETCHECK, BM_GETCHECK, BM_SETSTATE, BM_GETSTATE, BM_SETSTYLE and BM_CLICK, and sends BN_CLICKED.
// Looks: normal (flat), hot (raised, while the mouse is over it), pressed (sunken, the picture one
// pixel down and right), checked (sunken on a lighter face) and disabled (the picture embossed).
#pragma once
#include <windows.h>

#define ICONBTN_CLASS       "TV32IconBtn"
#define ICONBTN_MODULE      "IconBtn.dll"
#define ICONBTN_TRANSPARENT RGB(192, 192, 192)

// Per-window state, owned by the window.
struct IconButtonState {
  int nBitmap;   // resource id, 0 when the text names no cell
  RECT rcCell;   // in the bitmap
  int nCheck;    // BST_UNCHECKED or BST_CHECKED
  bool bHot;     // the mouse is over it
  bool bPushed;  // held down by the mouse or the space bar
  bool bMouseDown;
};

// Reads "id;x,y,w,h"; false (and no cell) for anything else.
bool ParseIconButtonText(const char* pszText, IconButtonState* pState);
// Paints the whole client area.
void PaintIconButton(HWND hWnd, HDC hdc, const IconButtonState& state);
