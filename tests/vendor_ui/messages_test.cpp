// Message boxes, always answered by a driver with a time-out.
#include <gtest/gtest.h>

#include <string>

#include "ModalDriver.h"
#include "qsComm.h"

using ostrel_test::ModalDriver;

namespace {

// What the message box showed before the driver answered it.
struct ShownBox {
  bool seen = false;
  std::string text, caption;
  HWND owner = nullptr;
};

// Answers the thread's next message box with nButton, noting what it showed.
ModalDriver AnswerBox(int nButton, ShownBox& box, DWORD dwTimeoutMs = 5000) {
  return ModalDriver(
      ModalDriver::ClassIs("#32770"),
      [nButton, &box](HWND hBox) {
        char szCaption[256] = "";
        GetWindowTextA(hBox, szCaption, sizeof szCaption);
        box.seen = true;
        box.text = ostrel_test::MessageBoxText(hBox);
        box.caption = szCaption;
        box.owner = GetWindow(hBox, GW_OWNER);
        ostrel_test::PressButton(hBox, nButton);
      },
      dwTimeoutMs);
}

std::string QsString(int nId) {
  char sz[1024] = "";
  LoadStringA(GetModuleHandleA("qsComm.dll"), nId, sz, sizeof sz);
  return sz;
}

TEST(XShowMessage, OwnTableIsUsedWithoutAModule) {
  const std::string text = QsString(QS_MSG_OPERATION_FAILED);
  ASSERT_FALSE(text.empty());
  ShownBox box;
  ModalDriver driver = AnswerBox(IDOK, box);
  EXPECT_EQ(IDOK, XShowMessage(nullptr, nullptr, QS_MSG_OPERATION_FAILED, nullptr, nullptr));
  ASSERT_TRUE(box.seen);
  EXPECT_EQ(text, box.text);
  EXPECT_EQ(QsString(10100), box.caption);
}

TEST(XShowMessage, DetailCaptionAndOwner) {
  HWND hOwner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(nullptr, hOwner);
  ShownBox box;
  ModalDriver driver = AnswerBox(IDOK, box);
  char szDetail[] = "C:\\data\\file.qs4", szCaption[] = "Presets";
  EXPECT_EQ(IDOK, XShowMessage(GetModuleHandleA("qsComm.dll"), hOwner, QS_MSG_OPERATION_FAILED, szDetail, szCaption));
  EXPECT_EQ(QsString(QS_MSG_OPERATION_FAILED) + "\n" + szDetail, box.text);
  EXPECT_EQ("Presets", box.caption);
  EXPECT_EQ(hOwner, box.owner);
  DestroyWindow(hOwner);
}

TEST(XShowMessage, YesNoFormReturnsTheButton) {
  for (int nButton : {IDYES, IDNO}) {
    ShownBox box;
    ModalDriver driver = AnswerBox(nButton, box);
    EXPECT_EQ(nButton, XShowMessage(nullptr, QS_MSG_OPERATION_FAILED, nullptr, 0, MB_YESNO));
    EXPECT_TRUE(box.seen);
  }
}

TEST(XShowMessage, MissingStringShowsNothing) {
  ShownBox box;
  ModalDriver driver = AnswerBox(IDOK, box, 300);
  EXPECT_EQ(0, XShowMessage(nullptr, nullptr, 4242, nullptr, nullptr));
  EXPECT_EQ(0, XShowMessage(GetModuleHandleA(nullptr), 4242, nullptr, 0, MB_YESNO));
  EXPECT_EQ(0, XShowMessage(nullptr, nullptr, -1, nullptr, nullptr));
  EXPECT_FALSE(box.seen);
}

}  // namespace
