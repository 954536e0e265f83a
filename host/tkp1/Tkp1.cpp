// The colour-picker plug-in. The host hands over a record: the starting colour's red, green and
// blue at bytes 36, 37, 38; the chosen colour goes to bytes 56, 57, 58.
#include <windows.h>
#include "PickerDlg.h"

namespace {
HINSTANCE g_hInst = NULL;
const int kStartAt = 36, kChosenAt = 56;
}  // namespace

BOOL WINAPI DllMain(HINSTANCE hInst, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_hInst = hInst;
  return TRUE;
}

// 1: a colour was chosen and written; 0: cancelled, record untouched; -1: no record, or the
// dialog could not be shown.
extern "C" __declspec(dllexport) int __cdecl ShowColorPickerDlg(unsigned char* pRecord, HWND hOwner) {
  if (pRecord == NULL) return -1;
  const unsigned char* in = pRecord + kStartAt;
  COLORREF chosen = 0;
  switch (RunPickerDialog(g_hInst, hOwner, RGB(in[0], in[1], in[2]), &chosen)) {
    case IDOK:
      pRecord[kChosenAt] = GetRValue(chosen);
      pRecord[kChosenAt + 1] = GetGValue(chosen);
      pRecord[kChosenAt + 2] = GetBValue(chosen);
      return 1;
    case IDCANCEL:
      return 0;
    default:
      return -1;
  }
}
