#include "HostGlobals.h"
#include <Ostrel.h>

void InstallHostGlobals(int* pPanelStyle) {
  pVexPrefernPanelStyle = pPanelStyle;
  // The button-bitmap module and the texture module are not part of the gallery yet; they are set
  // here once they exist. Until then no page creates a control that reads them.
  _ButtonVexBmpInst = NULL;
  _hTxturDllInst3 = NULL;
  _VexLoadLibrary3 = NULL;
}
