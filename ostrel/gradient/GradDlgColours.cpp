// CGradDLg: where new colours come from (the colour sources and the colour pop-up menu).
#include <Ostrel/GradDlg.h>
#include "colour/ColourSources.h"
#include "gradient/ColorMenuWnd.h"

int CGradDLg::OnPickColor(unsigned long& clr) {
  // The pop-up's first grid colour is the colour being edited.
  const ColourSourceRequest request = {this, m_hWnd, clr, (COLOUR_EYEDROPPER)m_pfnEyeDropper, this};
  return RunColourSources(request, clr);
}

int CGradDLg::UColorPicker(unsigned long& clr) { return RunPluginPicker(m_hWnd, m_hWnd, clr); }
int CGradDLg::WColorPicker(unsigned long& clr) { return RunSystemPicker(clr); }

void CGradDLg::OnPickColor(CRect rc) {
  if (m_pColorMenuWnd == NULL) return;
  ClientToScreen(&rc);
  CMenu menu;
  if (menu.CreatePopupMenu() && BuildColorMenu(menu, GRADDLG_MENU_FIRST))
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, rc.right, rc.bottom, m_pColorMenuWnd);
  menu.DestroyMenu();
}
