// Message boxes (always answered by a driver with a time-out), the interface font and
// the double-byte checks.
#include <gtest/gtest.h>

#include <string>

#include "charset.h"
#include "msgbox_driver.h"
#include "qsComm.h"

namespace {

std::string QsString(int nId) {
  char sz[1024] = "";
  LoadStringA(GetModuleHandleA("qsComm.dll"), nId, sz, sizeof sz);
  return sz;
}

TEST(XShowMessage, OwnTableIsUsedWithoutAModule) {
  const std::string text = QsString(QS_MSG_OPERATION_FAILED);
  ASSERT_FALSE(text.empty());
  MessageBoxDriver driver(IDOK);
  EXPECT_EQ(IDOK, XShowMessage(nullptr, nullptr, QS_MSG_OPERATION_FAILED, nullptr, nullptr));
  driver.Finish();
  ASSERT_TRUE(driver.Seen());
  EXPECT_EQ(text, driver.Text());
  EXPECT_EQ(QsString(10100), driver.Caption());
}

TEST(XShowMessage, DetailCaptionAndOwner) {
  HWND hOwner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                              nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, hOwner);
  MessageBoxDriver driver(IDOK);
  char szDetail[] = "C:\\data\\file.qs4", szCaption[] = "Presets";
  EXPECT_EQ(IDOK, XShowMessage(GetModuleHandleA("qsComm.dll"), hOwner, QS_MSG_OPERATION_FAILED,
                               szDetail, szCaption));
  driver.Finish();
  EXPECT_EQ(QsString(QS_MSG_OPERATION_FAILED) + "\n" + szDetail, driver.Text());
  EXPECT_EQ("Presets", driver.Caption());
  EXPECT_EQ(hOwner, driver.Owner());
  DestroyWindow(hOwner);
}

TEST(XShowMessage, YesNoFormReturnsTheButton) {
  for (int nButton : {IDYES, IDNO}) {
    MessageBoxDriver driver(nButton);
    EXPECT_EQ(nButton, XShowMessage(nullptr, QS_MSG_OPERATION_FAILED, nullptr, 0, MB_YESNO));
    driver.Finish();
    EXPECT_TRUE(driver.Seen());
  }
}

TEST(XShowMessage, MissingStringShowsNothing) {
  MessageBoxDriver driver(IDOK, 300);
  EXPECT_EQ(0, XShowMessage(nullptr, nullptr, 4242, nullptr, nullptr));
  EXPECT_EQ(0, XShowMessage(GetModuleHandleA(nullptr), 4242, nullptr, 0, MB_YESNO));
  EXPECT_EQ(0, XShowMessage(nullptr, nullptr, -1, nullptr, nullptr));
  driver.Finish();
  EXPECT_FALSE(driver.Seen());
}

TEST(Fonts, InterfaceFontMakesARealFont) {
  EXPECT_EQ(0, GetGDILogFont(nullptr));
  LOGFONTA lf;
  memset(&lf, 0xCC, sizeof lf);
  ASSERT_EQ(1, GetGDILogFont(&lf));
  ASSERT_GT(strnlen(lf.lfFaceName, LF_FACESIZE), 0u);
  ASSERT_LT(strnlen(lf.lfFaceName, LF_FACESIZE), size_t(LF_FACESIZE));
  HFONT hFont = CreateFontIndirectA(&lf);
  ASSERT_NE(nullptr, hFont);
  DeleteObject(hFont);
}

TEST(Charset, DoubleByteCharactersAreFoundOnlyInDoubleByteCodePages) {
  EXPECT_TRUE(qs::IsDoubleByteCodePage(932));
  EXPECT_FALSE(qs::IsDoubleByteCodePage(1252));
  EXPECT_TRUE(qs::HasDoubleByteCharIn(932, "MS \x82\xa0 Gothic"));
  EXPECT_FALSE(qs::HasDoubleByteCharIn(932, "Arial"));
  EXPECT_FALSE(qs::HasDoubleByteCharIn(932, "Arial\x82"));  // a lead byte without its trail
  EXPECT_FALSE(qs::HasDoubleByteCharIn(1252, "MS \x82\xa0 Gothic"));
  EXPECT_FALSE(qs::HasDoubleByteCharIn(932, nullptr));
  EXPECT_EQ(0, HasDoubleByteChar(nullptr));
  EXPECT_EQ(IsSystemDBCS() ? 1 : 0, HasDoubleByteChar("\x82\xa0"));
}

}  // namespace
