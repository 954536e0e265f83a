// "TVCIRCLECTRL": the circular angle dial that host dialogs place by class name.
#pragma once
#include <windows.h>

#define CIRCLECTRL_CLASS "TVCIRCLECTRL"

// Private messages of the dial (below WM_USER, private to this class).
#define CCM_GETANGLE 384  // lParam: int* or 0; returns the angle
#define CCM_SETUP    385  // lParam: CIRCLECTRL_SETUP* or 0; returns 1 when face and marker are loaded
#define CCM_SETANGLE 386  // wParam: angle 0..359, lParam: nonzero to repaint now; returns the old angle

// WM_COMMAND codes sent to the parent.
#define CCN_PRESSED  1
#define CCN_DRAGGED  2
#define CCN_RELEASED 3

#define CIRCLECTRL_NOANIMATE 2  // value of nStyle that switches the sweep off

// The set-up record of CCM_SETUP. Every field is 32 bits in the 32-bit build (offsets 0 to 59);
// in the 64-bit build the module handle is pointer-sized and the fields after it move by 8.
struct CIRCLECTRL_SETUP {
  DWORD nStyle;
  DWORD nStep;      // 1..10
  DWORD nAngle;     // taken when below 360
  HINSTANCE hInst;  // module of the resources below; NULL ignores them
  DWORD nFaceId;    // nonzero: new face bitmap (low 16 bits), shown part rcFace
  DWORD nMarkerId;  // nonzero: new marker bitmap (low 16 bits), shown part rcMarker
  RECT rcFace;
  RECT rcMarker;
  DWORD nCursorId;  // nonzero: new drag cursor (low 16 bits)
};
#ifndef _WIN64
static_assert(sizeof(CIRCLECTRL_SETUP) == 60, "set-up record of the angle dial");
#endif
