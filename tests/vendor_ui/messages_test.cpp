// Message boxes, always answered by a driver with a time-out. (The hosts pass neither a detail nor
// a caption; the controls' suites read the texts they show.)
#include <gtest/gtest.h>

#include <string>

#include "ModalDriver.h"
#include "qsComm.h"

using namespace ostrel_test;

namespace {

TEST(XShowMessage, TheLibrarysOwnStringOverItsOwnerAndTheAnswerComesBack) {
  HWND hOwner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                              nullptr, nullptr);
  char szText[1024] = "";
  ASSERT_GT(LoadStringA(GetModuleHandleA("qsComm.dll"), QS_MSG_OPERATION_FAILED, szText, sizeof szText), 0);
  std::string shown;
  ModalDriver driver(ModalDriver::ClassIs("#32770"), [&](HWND hBox) {
    shown = MessageBoxText(hBox);
    EXPECT_EQ(hOwner, GetWindow(hBox, GW_OWNER));
    PressButton(hBox, IDNO);
  });
  EXPECT_EQ(IDNO, XShowMessage(nullptr, QS_MSG_OPERATION_FAILED, hOwner, 0, MB_YESNO));
  EXPECT_EQ(szText, shown);
  EXPECT_TRUE(driver.Acted() && !driver.TimedOut());
  DestroyWindow(hOwner);
}

}  // namespace
