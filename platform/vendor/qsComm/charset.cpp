#include "charset.h"

namespace qs {

bool IsDoubleByteCodePage(UINT cp) {
  CPINFO info;
  return GetCPInfo(cp, &info) && info.MaxCharSize == 2;
}

bool HasDoubleByteCharIn(UINT cp, const char* psz) {
  if (!psz) return false;
  for (; *psz; ++psz)
    if (IsDBCSLeadByteEx(cp, BYTE(*psz)) && psz[1]) return true;
  return false;
}

}  // namespace qs
