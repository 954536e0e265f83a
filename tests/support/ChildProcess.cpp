#include "ChildProcess.h"
#include "TempDir.h"

namespace ostrel_test {

// The output goes to a file, so a talkative child never blocks on a full pipe.
ChildRun RunChild(std::string command, DWORD timeoutMs) {
  ChildRun run;
  TempDir dir;
  const std::string log = dir.File("child.log");
  SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
  HANDLE hLog = CreateFileA(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, NULL);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = si.hStdError = hLog;
  PROCESS_INFORMATION pi = {};
  const BOOL bStarted = CreateProcessA(NULL, &command[0], NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi);
  CloseHandle(hLog);
  if (!bStarted) return run;
  if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    run.timedOut = true;
    TerminateProcess(pi.hProcess, 259);
    WaitForSingleObject(pi.hProcess, 5000);
  }
  GetExitCodeProcess(pi.hProcess, &run.exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  run.output = TempDir::Read(log);
  return run;
}

}  // namespace ostrel_test
