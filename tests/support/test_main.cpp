// Entry point of every test executable: the framework application, its main window, then the tests.
#include <gtest/gtest.h>
#include "TestApp.h"

namespace {
CWinApp theApp("OstrelTests");
CWnd g_mainWnd;
}  // namespace

namespace ostrel_test {

CWnd* MainWnd() { return &g_mainWnd; }

void PumpMessages(DWORD ms) {
  MSG msg;
  while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (ms > 0) PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD deadlineMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    if (condition()) return true;
    if (GetTickCount() - start >= deadlineMs) return false;
    // Wakes for new input or messages at once, and at least every 5 ms for timers and threads.
    MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
  }
}

std::string ExeFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(NULL, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

}  // namespace ostrel_test

int main(int argc, char** argv) {
  // A crash must fail the run instead of opening a crash dialog.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  AfxWinInit(GetModuleHandleA(NULL), NULL, GetCommandLineA(), SW_SHOW);
  const char* cls = AfxRegisterWndClass(CS_DBLCLKS, LoadCursorA(NULL, (LPCSTR)IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
  g_mainWnd.CreateEx(0, cls, "Ostrel tests", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600, NULL, NULL);
  theApp.m_pMainWnd = &g_mainWnd;
  ostrel_test::PumpMessages();

  ::testing::InitGoogleTest(&argc, argv);
  int rc = RUN_ALL_TESTS();
  if (g_mainWnd.m_hWnd != NULL) g_mainWnd.DestroyWindow();
  return rc;
}
