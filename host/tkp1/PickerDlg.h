// The plug-in's picker dialog: a hue/saturation area, a value strip, numeric fields, and the
// old and new colour side by side.
#pragma once
#include <windows.h>

// Runs the dialog modally from `start`. Returns IDOK with the chosen colour in *pChosen,
// IDCANCEL when the user cancelled, -1 when the dialog could not be shown.
INT_PTR RunPickerDialog(HINSTANCE hInst, HWND hOwner, COLORREF start, COLORREF* pChosen);
