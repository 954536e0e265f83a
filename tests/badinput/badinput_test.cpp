// Runs every group of the bad-input table in a child process (this executable again, with the
// group in OSTREL_BADINPUT_GROUP) and fails naming the group and the case that did not give its
// result, or that the child died on.
#include <gtest/gtest.h>
#include <windows.h>
#include <set>
#include <string>
#include "BadInput.h"
#include "ChildProcess.h"

const char kGroupVariable[] = "OSTREL_BADINPUT_GROUP";

TEST(BadInput, EveryGroupGivesItsResultsInAChildProcess) {
  ASSERT_EQ(0u, GetEnvironmentVariableA(kGroupVariable, NULL, 0)) << "a child starts no children";
  std::set<std::string> groups;
  for (const BadInputCase& c : BadInputCases()) groups.insert(c.group);
  char szExe[MAX_PATH];
  GetModuleFileNameA(NULL, szExe, MAX_PATH);
  for (const std::string& group : groups) {
    SetEnvironmentVariableA(kGroupVariable, group.c_str());
    const ostrel_test::ChildRun child = ostrel_test::RunChild(
        std::string("\"") + szExe +
            "\" --gtest_also_run_disabled_tests --gtest_filter=BadInputChild.DISABLED_RunsItsGroup",
        60000);
    SetEnvironmentVariableA(kGroupVariable, NULL);
    EXPECT_EQ(0u, child.exitCode) << group << " (exit code 0x" << std::hex << child.exitCode << "):\n" << child.output;
  }
}

// The child's part: the cases of one group, each named before it runs, so that a crash is traced
// to its case in the output.
TEST(BadInputChild, DISABLED_RunsItsGroup) {
  char szGroup[64] = "";
  ASSERT_NE(0u, GetEnvironmentVariableA(kGroupVariable, szGroup, sizeof szGroup));
  for (const BadInputCase& c : BadInputCases()) {
    if (std::string(c.group) != szGroup) continue;
    printf("case: %s\n", c.name);
    fflush(stdout);
    EXPECT_TRUE(c.gives()) << c.name;
  }
}
