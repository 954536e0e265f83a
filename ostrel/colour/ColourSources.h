// The colour-source sequence: the pop-up, then the source the user chose (the plug-in picker, the
// system colour dialog, the host's eyedropper or a colour of the pop-up's grid). Colour boxes and
// the gradient dialog both run it on a colour of their own.
#pragma once
#include <afxwin.h>

// The host's eyedropper as the library calls it: writes a picked colour through pColor and returns
// nonzero, or returns 0. pOwner is the object that asked (a colour box, the gradient dialog).
typedef int(__cdecl* COLOUR_EYEDROPPER)(unsigned long* pColor, void* pOwner);

struct ColourSourceRequest {
  CWnd* pOwner;                     // parent of the pop-up; repainted when the pop-up closes
  HWND hMessageOwner;               // owner of the plug-in step's message boxes (NULL: none)
  unsigned long clrFirst;           // first colour of the pop-up's grid
  COLOUR_EYEDROPPER pfnEyeDropper;  // NULL: the eyedropper is not offered
  void* pEyeDropperOwner;           // handed to the eyedropper
};

// Each returns nonzero when color has received a new colour; otherwise color is unchanged.
int RunColourSources(const ColourSourceRequest& request, unsigned long& color);
// "Plugin\TKP1.TKP" below the executable's folder, loaded for this one call; hOwner owns its dialog.
int RunPluginPicker(HWND hOwner, HWND hMessageOwner, unsigned long& color);
// The system colour dialog, owned by the foreground window.
int RunSystemPicker(unsigned long& color);
