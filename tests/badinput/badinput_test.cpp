// Runs every group of the bad-input table in a child process (this executable again, with the
// group in OSTREL_BADINPUT_GROUP) and fails naming the group and the case that did not give its
// result, or that the child died on.
#include <gtest/gtest.h>
#include <windows.h>
#include <set>
#include <string>
#include "BadInput.h"
#include "TempDir.h"

namespace {

const char kGroupVariable[] = "OSTREL_BADINPUT_GROUP";
const DWORD kChildTimeoutMs = 60000;

struct ChildResult {
  DWORD dwExitCode;
  std::string output;
};

ChildResult RunGroup(const std::string& group) {
  ostrel_test::TempDir dir;
  const std::string log = dir.File("child.log");
  SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
  HANDLE hLog = CreateFileA(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, NULL);
  char szExe[MAX_PATH];
  GetModuleFileNameA(NULL, szExe, MAX_PATH);
  std::string command = std::string("\"") + szExe +
                        "\" --gtest_also_run_disabled_tests --gtest_filter=BadInputChild.DISABLED_RunsItsGroup";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = si.hStdError = hLog;
  PROCESS_INFORMATION pi = {};
  SetEnvironmentVariableA(kGroupVariable, group.c_str());
  const BOOL bStarted = CreateProcessA(NULL, &command[0], NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi);
  SetEnvironmentVariableA(kGroupVariable, NULL);
  CloseHandle(hLog);
  ChildResult result = {(DWORD)-1, "not started"};
  if (!bStarted) return result;
  if (WaitForSingleObject(pi.hProcess, kChildTimeoutMs) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 259);
  GetExitCodeProcess(pi.hProcess, &result.dwExitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  result.output = ostrel_test::TempDir::Read(log);
  return result;
}

}  // namespace

TEST(BadInput, EveryGroupGivesItsResultsInAChildProcess) {
  ASSERT_EQ(0u, GetEnvironmentVariableA(kGroupVariable, NULL, 0)) << "a child starts no children";
  std::set<std::string> groups;
  for (const BadInputCase& c : BadInputCases()) groups.insert(c.group);
  for (const std::string& group : groups) {
    const ChildResult child = RunGroup(group);
    EXPECT_EQ(0u, child.dwExitCode) << group << " (exit code 0x" << std::hex << child.dwExitCode << "):\n"
                                    << child.output;
  }
}

// The child's part: the cases of one group, each named before it runs, so that a crash is traced
// to its case in the output.
TEST(BadInputChild, DISABLED_RunsItsGroup) {
  char szGroup[64] = "";
  ASSERT_NE(0u, GetEnvironmentVariableA(kGroupVariable, szGroup, sizeof szGroup));
  int nRun = 0;
  for (const BadInputCase& c : BadInputCases()) {
    if (std::string(c.group) != szGroup) continue;
    printf("case: %s\n", c.name);
    fflush(stdout);
    EXPECT_TRUE(c.gives()) << c.name;
    nRun++;
  }
  EXPECT_GT(nRun, 0);
}
