// List settings: defaults and range checks.
#include "list_settings.h"

#include <string.h>

_IIOData IIDefaultSettings() {
  _IIOData opt;
  memset(&opt, 0, sizeof opt);
  opt.nVersion = 1;
  opt.nFitStyle = IIFIT_ASPECT;
  opt.nFitX = -1;  // a strip: one row, as many columns as there are items
  opt.nFitY = 1;
  opt.dwFrameType = IIFRAME_EDGE | 0x200;
  opt.dwDrag = IIDRAG_NONE;
  opt.nMaxTypeNum = 8;
  opt.nMulSelectNum = 1;
  opt.nActiveType = 0;
  opt.dwIdentType = IIIDENT_NONE;
  opt.bCommonPalette = 0;
  opt.nIIWidth = 64;
  opt.nIIHeight = 64;
  return opt;
}

static bool InRange(long long v, long long lo, long long hi) { return v >= lo && v <= hi; }

static bool ValidFitCount(int n) { return n == -1 || InRange(n, 1, 4096); }

bool IIValidSettings(const _IIOData& opt) {
  return opt.nVersion == 1 && InRange(opt.nFitStyle, IIFIT_NONE, IIFIT_ASPECT) && ValidFitCount(opt.nFitX) &&
         ValidFitCount(opt.nFitY) && opt.dwFrameType <= 0xFFF && InRange(opt.dwDrag, 0, IIDRAG_OUT) &&
         InRange(opt.nMaxTypeNum, 1, IILIST_MAX_TYPES) &&
         (opt.nMulSelectNum == IIMULSEL_ANY || opt.nMulSelectNum == IIMULSEL_KEEPONE || opt.nMulSelectNum >= 1) &&
         InRange(opt.nActiveType, 0, opt.nMaxTypeNum - 1) && InRange(opt.nFixedAPIIData, 0, IIFILE_MAX_BLOCK) &&
         opt.dwIdentType <= IIIDENT_NAME && opt.nScrollPos >= 0 && InRange(opt.bCommonPalette, 0, 1) &&
         InRange(opt.nIIWidth, 1, IILIST_MAX_WH) && InRange(opt.nIIHeight, 1, IILIST_MAX_WH);
}

bool IISelectionFits(const _IIOData& opt, size_t n) {
  if (opt.nMulSelectNum == IIMULSEL_ANY) return true;
  if (opt.nMulSelectNum == IIMULSEL_KEEPONE) return n <= 1;
  return n <= (size_t)opt.nMulSelectNum;
}
