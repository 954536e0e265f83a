#include "t32Comm.h"
#include <commdlg.h>

namespace {
COLORREF g_customColors[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                               0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
}

T32COMM_API int T32API t32ChooseColorEx(HWND hOwner, unsigned long* pColor, int nFlags, int nReserved) {
  if (!pColor || nReserved != 0 || (nFlags & ~(T32CC_START_FROM_COLOR | T32CC_FULL_OPEN))) return 0;
  CHOOSECOLORA cc = {};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = hOwner && IsWindow(hOwner) ? hOwner : nullptr;
  cc.rgbResult = *pColor & 0x00FFFFFF;
  cc.lpCustColors = g_customColors;
  cc.Flags = CC_ANYCOLOR;
  if (nFlags & T32CC_START_FROM_COLOR) cc.Flags |= CC_RGBINIT;
  if (nFlags & T32CC_FULL_OPEN) cc.Flags |= CC_FULLOPEN;
  if (!ChooseColorA(&cc)) return 0;
  *pColor = cc.rgbResult;
  return 1;
}
