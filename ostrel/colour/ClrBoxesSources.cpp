// CClrBoxes: its colour sources, through the shared colour-source sequence.
#include <Ostrel/ClrBoxes.h>
#include "colour/ColourSources.h"

int CClrBoxes::ColorPicker() {
  const ColourSourceRequest request = {this, NULL, m_colorDefault, (COLOUR_EYEDROPPER)m_pfnEyeDropper, this};
  return RunColourSources(request, m_color);
}

int CClrBoxes::UColorPicker() { return RunPluginPicker(m_hWnd, NULL, m_color); }
int CClrBoxes::WColorPicker() { return RunSystemPicker(m_color); }
