// CClrBoxes: the colour sources behind the pop-up (plug-in picker, system colour dialog,
// eyedropper, the pop-up's own grid).
#include <Ostrel/ClrBoxes.h>
#include <qsComm.h>
#include <string.h>
#include <t32Comm.h>
#include "frame/LibraryState.h"
#include "res/resource.h"
#include <Ostrel/ColorPicker.h>

// The pop-up's results for its items.
enum { kPickPlugin = 0, kPickSystem = 1, kPickEyeDropper = 2 };

int CClrBoxes::ColorPicker() {
  CColorPicker picker(this);
  CColorPicker::SetDefaultColor(m_colorDefault);
  picker.m_color = m_color;
  picker.m_bEyeDropper = m_pfnEyeDropper != NULL;
  int choice = (int)picker.DoModal();
  Invalidate(FALSE);  // repaint where the pop-up lay
  UpdateWindow();

  CWinThread* pThread = AfxGetThread();
  CWnd* pMain = pThread != NULL ? pThread->GetMainWnd() : NULL;
  HWND hMain = pMain != NULL ? pMain->GetSafeHwnd() : NULL;
  switch (choice) {
    case kPickPlugin: {
      if (hMain != NULL) ::SendMessageA(hMain, CLRBOX_PLUGIN_START, 0, 0);
      int result = UColorPicker();
      if (hMain != NULL) ::SendMessageA(hMain, CLRBOX_PLUGIN_END, 0, 0);
      return result;
    }
    case kPickSystem:
      return WColorPicker();
    case kPickEyeDropper:
      return m_pfnEyeDropper != NULL ? m_pfnEyeDropper(&m_color, this) : 0;
    case COLORPICKER_CELL:
      m_color = picker.m_color;
      return 1;
    default:
      return 0;  // cancelled
  }
}

int CClrBoxes::UColorPicker() {
  char exePath[128];
  char folder[MAX_PATH] = "";
  DWORD length = ::GetModuleFileNameA(NULL, exePath, sizeof(exePath));
  HMODULE hPlugin = NULL;
  // A path cut short by the buffer names no real file: treat it as a missing plug-in.
  if (length > 0 && length < sizeof(exePath) && tfdSplitPathname(exePath, NULL, folder) &&
      strlen(folder) + strlen(CLRBOX_PLUGIN_FILE) < sizeof(folder)) {
    strcat(folder, CLRBOX_PLUGIN_FILE);
    hPlugin = ::LoadLibraryA(folder);
  }
  if (hPlugin == NULL) {
    XShowMessage(_hResInst, (HWND)NULL, IDS_LIBRARY_NOT_FOUND, (char*)NULL, (char*)NULL);
    return 0;
  }
  CLRBOX_PLUGINPROC pfnShow = (CLRBOX_PLUGINPROC)(void*)::GetProcAddress(hPlugin, CLRBOX_PLUGIN_EXPORT);
  if (pfnShow == NULL) {
    ::FreeLibrary(hPlugin);
    return 0;
  }
  unsigned char record[CLRBOX_PLUGIN_RECORD_SIZE] = {};
  record[CLRBOX_PLUGIN_IN_RED] = GetRValue(m_color);
  record[CLRBOX_PLUGIN_IN_RED + 1] = GetGValue(m_color);
  record[CLRBOX_PLUGIN_IN_RED + 2] = GetBValue(m_color);
  int result = pfnShow(record, m_hWnd);
  if (result == 1)
    m_color = RGB(record[CLRBOX_PLUGIN_OUT_RED], record[CLRBOX_PLUGIN_OUT_RED + 1], record[CLRBOX_PLUGIN_OUT_RED + 2]);
  else if (result == -1)
    XShowMessage((HINSTANCE)NULL, (HWND)NULL, QS_MSG_OPERATION_FAILED, (char*)NULL, (char*)NULL);
  ::FreeLibrary(hPlugin);
  return result == 1 ? 1 : 0;
}

int CClrBoxes::WColorPicker() {
  return t32ChooseColorEx(::GetForegroundWindow(), &m_color, T32CC_START_FROM_COLOR | T32CC_FULL_OPEN, 0);
}
