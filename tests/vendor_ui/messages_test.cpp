// Message boxes, always answered by a driver with a time-out.
#include <gtest/gtest.h>

#include <string>

#include "ModalDriver.h"
#include "qsComm.h"

using namespace ostrel_test;

namespace {

TEST(XShowMessage, TextDetailCaptionOwnerAndTheAnswer) {
  HWND hOwner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                              nullptr, nullptr);
  char szText[1024] = "", szDetail[] = "C:\\data\\file.qs4", szCaption[] = "Presets";
  ASSERT_GT(LoadStringA(GetModuleHandleA("qsComm.dll"), QS_MSG_OPERATION_FAILED, szText, sizeof szText), 0);
  std::string shown, caption;
  auto answer = [&](int nButton) {
    return [&, nButton](HWND hBox) {
      char sz[256] = "";
      GetWindowTextA(hBox, sz, sizeof sz);
      caption = sz;
      shown = MessageBoxText(hBox);
      EXPECT_EQ(hOwner, GetWindow(hBox, GW_OWNER));
      PressButton(hBox, nButton);
    };
  };
  {
    ModalDriver driver(ModalDriver::ClassIs("#32770"), answer(IDOK));
    EXPECT_EQ(IDOK, XShowMessage(nullptr, hOwner, QS_MSG_OPERATION_FAILED, szDetail, szCaption));
    EXPECT_EQ(std::string(szText) + "\n" + szDetail, shown);
    EXPECT_EQ("Presets", caption);
  }
  ModalDriver driver(ModalDriver::ClassIs("#32770"), answer(IDNO));
  EXPECT_EQ(IDNO, XShowMessage(nullptr, QS_MSG_OPERATION_FAILED, hOwner, 0, MB_YESNO));
  EXPECT_EQ(szText, shown);
  EXPECT_TRUE(driver.Acted() && !driver.TimedOut());
  DestroyWindow(hOwner);
}

}  // namespace
