// The colour-source sequence shared by the colour boxes and the gradient dialog.
#include "colour/ColourSources.h"
#include <Ostrel/ClrBoxes.h>
#include <Ostrel/ColorPicker.h>
#include <qsComm.h>
#include <string.h>
#include <t32Comm.h>
#include "frame/LibraryState.h"
#include "res/resource.h"

// The pop-up's results for its items.
enum { kPickPlugin = 0, kPickSystem = 1, kPickEyeDropper = 2 };

int RunColourSources(const ColourSourceRequest& request, unsigned long& color) {
  CColorPicker picker(request.pOwner);
  CColorPicker::SetDefaultColor(request.clrFirst);
  picker.m_color = color;
  picker.m_bEyeDropper = request.pfnEyeDropper != NULL;
  int choice = (int)picker.DoModal();
  if (request.pOwner->GetSafeHwnd() != NULL) {
    request.pOwner->Invalidate(FALSE);  // repaint where the pop-up lay
    request.pOwner->UpdateWindow();
  }

  CWinThread* pThread = AfxGetThread();
  CWnd* pMain = pThread != NULL ? pThread->GetMainWnd() : NULL;
  HWND hMain = pMain != NULL ? pMain->GetSafeHwnd() : NULL;
  switch (choice) {
    case kPickPlugin: {
      if (hMain != NULL) ::SendMessageA(hMain, CLRBOX_PLUGIN_START, 0, 0);
      int result = RunPluginPicker(request.pOwner->GetSafeHwnd(), request.hMessageOwner, color);
      if (hMain != NULL) ::SendMessageA(hMain, CLRBOX_PLUGIN_END, 0, 0);
      return result;
    }
    case kPickSystem:
      return RunSystemPicker(color);
    case kPickEyeDropper:
      return request.pfnEyeDropper != NULL ? request.pfnEyeDropper(&color, request.pEyeDropperOwner) : 0;
    case COLORPICKER_CELL:
      color = picker.m_color;
      return 1;
    default:
      return 0;  // cancelled
  }
}

int RunPluginPicker(HWND hOwner, HWND hMessageOwner, unsigned long& color) {
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
    XShowMessage(_hResInst, hMessageOwner, IDS_LIBRARY_NOT_FOUND, (char*)NULL, (char*)NULL);
    return 0;
  }
  CLRBOX_PLUGINPROC pfnShow = (CLRBOX_PLUGINPROC)(void*)::GetProcAddress(hPlugin, CLRBOX_PLUGIN_EXPORT);
  if (pfnShow == NULL) {
    ::FreeLibrary(hPlugin);
    return 0;
  }
  unsigned char record[CLRBOX_PLUGIN_RECORD_SIZE] = {};
  record[CLRBOX_PLUGIN_IN_RED] = GetRValue(color);
  record[CLRBOX_PLUGIN_IN_RED + 1] = GetGValue(color);
  record[CLRBOX_PLUGIN_IN_RED + 2] = GetBValue(color);
  int result = pfnShow(record, hOwner);
  if (result == 1)
    color = RGB(record[CLRBOX_PLUGIN_OUT_RED], record[CLRBOX_PLUGIN_OUT_RED + 1], record[CLRBOX_PLUGIN_OUT_RED + 2]);
  else if (result == -1)
    XShowMessage((HINSTANCE)NULL, hMessageOwner, QS_MSG_OPERATION_FAILED, (char*)NULL, (char*)NULL);
  ::FreeLibrary(hPlugin);
  return result == 1 ? 1 : 0;
}

int RunSystemPicker(unsigned long& color) {
  return t32ChooseColorEx(::GetForegroundWindow(), &color, T32CC_START_FROM_COLOR | T32CC_FULL_OPEN, 0);
}
