// A colour-picker plug-in for the tests: it keeps the record it was given and answers as the test
// set it up. Built twice: with the picker export, and without it (NO_PICKER_EXPORT).
#include <windows.h>
#include <string.h>

extern "C" {

static unsigned char g_lastRecord[64];
static int g_calls = 0;
static int g_result = 1;
static unsigned char g_out[3] = {0, 0, 0};

// The test holds the module loaded, so this state lives across the library's load and unload.
__declspec(dllexport) void __cdecl TestPluginSetUp(int result, unsigned char red, unsigned char green,
                                                   unsigned char blue) {
  g_result = result;
  g_out[0] = red;
  g_out[1] = green;
  g_out[2] = blue;
  g_calls = 0;
}

// Number of calls since the set-up; the last record's first 64 bytes go to pRecord.
__declspec(dllexport) int __cdecl TestPluginCalls(unsigned char* pRecord) {
  if (pRecord != NULL) memcpy(pRecord, g_lastRecord, sizeof(g_lastRecord));
  return g_calls;
}

#ifndef NO_PICKER_EXPORT
__declspec(dllexport) int __cdecl ShowColorPickerDlg(unsigned char* pRecord, HWND /*hOwner*/) {
  g_calls++;
  memcpy(g_lastRecord, pRecord, sizeof(g_lastRecord));
  if (g_result == 1) memcpy(pRecord + 56, g_out, 3);
  return g_result;
}
#endif

}  // extern "C"
