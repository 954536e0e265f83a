// Message boxes, always answered by a driver with a time-out.
#include <gtest/gtest.h>

#include <string>

#include "ModalDriver.h"
#include "qsComm.h"

using ostrel_test::ModalDriver;

namespace {

std::string QsString(int nId) {
  char sz[1024] = "";
  LoadStringA(GetModuleHandleA("qsComm.dll"), nId, sz, sizeof sz);
  return sz;
}

TEST(XShowMessage, TextDetailCaptionOwnerAndTheAnswer) {
  HWND hOwner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(nullptr, hOwner);
  const std::string text = QsString(QS_MSG_OPERATION_FAILED);
  ASSERT_FALSE(text.empty());
  char szDetail[] = "C:\\data\\file.qs4", szCaption[] = "Presets";
  for (int nButton : {IDOK, IDYES, IDNO}) {
    std::string shown, caption;
    ModalDriver driver(ModalDriver::ClassIs("#32770"), [&](HWND hBox) {
      char sz[256] = "";
      GetWindowTextA(hBox, sz, sizeof sz);
      caption = sz;
      shown = ostrel_test::MessageBoxText(hBox);
      EXPECT_EQ(nButton == IDOK ? hOwner : nullptr, GetWindow(hBox, GW_OWNER));
      ostrel_test::PressButton(hBox, nButton);
    });
    if (nButton == IDOK) {
      EXPECT_EQ(IDOK,
                XShowMessage(GetModuleHandleA("qsComm.dll"), hOwner, QS_MSG_OPERATION_FAILED, szDetail, szCaption));
      EXPECT_EQ(text + "\n" + szDetail, shown);
      EXPECT_EQ("Presets", caption);
    } else {  // the yes/no form, from the library's own table
      EXPECT_EQ(nButton, XShowMessage(nullptr, QS_MSG_OPERATION_FAILED, nullptr, 0, MB_YESNO));
      EXPECT_EQ(text, shown);
      EXPECT_EQ(QsString(10100), caption);
    }
    EXPECT_TRUE(driver.Acted() && !driver.TimedOut());
  }
  DestroyWindow(hOwner);
}

TEST(XShowMessage, MissingStringShowsNothing) {
  ModalDriver driver(
      ModalDriver::ClassIs("#32770"), [](HWND hBox) { ostrel_test::PressButton(hBox, IDOK); }, 300);
  EXPECT_EQ(0, XShowMessage(nullptr, nullptr, 4242, nullptr, nullptr));
  EXPECT_EQ(0, XShowMessage(GetModuleHandleA(nullptr), 4242, nullptr, 0, MB_YESNO));
  EXPECT_EQ(0, XShowMessage(nullptr, nullptr, -1, nullptr, nullptr));
  EXPECT_FALSE(driver.Acted());
}

}  // namespace
