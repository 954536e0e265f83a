// The host's interface font and the character-set queries.
#include "charset.h"
#include "qsComm.h"

int __cdecl GetGDILogFont(LOGFONTA* pLogFont) {
  if (!pLogFont) return 0;
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    *pLogFont = metrics.lfMessageFont;
    return 1;
  }
  return GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof *pLogFont, pLogFont) ? 1 : 0;
}

int __cdecl IsSystemDBCS(void) { return qs::IsDoubleByteCodePage(CP_ACP) ? 1 : 0; }

int __cdecl HasDoubleByteChar(const char* psz) { return qs::HasDoubleByteCharIn(CP_ACP, psz) ? 1 : 0; }
