// The colour-picker plug-in Plugin\TKP1.TKP: the record bytes in and out, its dialog driven by
// fields, cancelling, bad input.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <string.h>
#include <functional>
#include <vector>
#include "Tkp1Res.h"
#include "ModalDriver.h"
#include "Pixels.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

typedef int(__cdecl* SHOWCOLORPICKERDLG)(unsigned char*, HWND);

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_hPlugin = LoadLibraryA((ExeFolder() + "Plugin\\TKP1.TKP").c_str());
    ASSERT_NE(m_hPlugin, (HMODULE)NULL);
    m_pfnShow = (SHOWCOLORPICKERDLG)(void*)GetProcAddress(m_hPlugin, "ShowColorPickerDlg");
    ASSERT_NE(m_pfnShow, (SHOWCOLORPICKERDLG)NULL);
    memset(m_record, 0xCC, sizeof m_record);
  }
  void TearDown() override {
    if (m_hPlugin != NULL) FreeLibrary(m_hPlugin);
  }
  void Start(BYTE r, BYTE g, BYTE b) {
    m_record[36] = r;
    m_record[37] = g;
    m_record[38] = b;
    memcpy(m_before, m_record, sizeof m_record);
  }
  // Shows the picker; `act` runs on its dialog once it is up.
  int Show(std::function<void(HWND)> act) {
    ModalDriver driver(ModalDriver::DialogTitled("Tarvik Color Picker"), act);
    const int result = m_pfnShow(m_record, MainWnd()->m_hWnd);
    EXPECT_TRUE(driver.Acted());
    EXPECT_FALSE(driver.TimedOut());
    return result;
  }
  static int Field(HWND hDlg, int id) { return (int)GetDlgItemInt(hDlg, id, NULL, FALSE); }
  static RECT Placeholder(HWND hDlg, int id) {
    RECT rc;
    GetWindowRect(GetDlgItem(hDlg, id), &rc);
    MapWindowPoints(NULL, hDlg, (POINT*)&rc, 2);
    return rc;
  }

  HMODULE m_hPlugin = NULL;
  SHOWCOLORPICKERDLG m_pfnShow = NULL;
  unsigned char m_record[96];
  unsigned char m_before[96];
};

TEST_F(PluginTest, StartingBytesInFieldsAndChosenBytesOut) {
  Start(10, 20, 30);
  int shown[3] = {-1, -1, -1};
  COLORREF oldSwatch = CLR_INVALID, newSwatch = CLR_INVALID;
  const int result = Show([&](HWND hDlg) {
    for (int i = 0; i < 3; i++) shown[i] = Field(hDlg, IDC_TKP1_RED + i);
    SetDlgItemTextA(hDlg, IDC_TKP1_RED, "1");
    SetDlgItemTextA(hDlg, IDC_TKP1_GREEN, "2");
    SetDlgItemTextA(hDlg, IDC_TKP1_BLUE, "3");
    Pixels px = ReadClient(hDlg);
    RECT o = Placeholder(hDlg, IDC_TKP1_OLD), n = Placeholder(hDlg, IDC_TKP1_NEW);
    oldSwatch = px.At((o.left + o.right) / 2, (o.top + o.bottom) / 2);
    newSwatch = px.At((n.left + n.right) / 2, (n.top + n.bottom) / 2);
    PressButton(hDlg, IDOK);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(std::vector<int>(shown, shown + 3), (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(oldSwatch, RGB(10, 20, 30));
  EXPECT_EQ(newSwatch, RGB(1, 2, 3));
  memcpy(m_before + 56, "\x01\x02\x03", 3);  // the chosen colour, every other byte as the caller left it
  EXPECT_EQ(memcmp(m_record, m_before, sizeof m_record), 0);
}

TEST_F(PluginTest, CancelLeavesTheRecordAndNullRecordIsAnError) {
  Start(1, 2, 3);
  const int result = Show([](HWND hDlg) {
    SetDlgItemTextA(hDlg, IDC_TKP1_HUE, "100");
    PressButton(hDlg, IDCANCEL);
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(memcmp(m_record, m_before, sizeof m_record), 0);
  EXPECT_EQ(m_pfnShow(NULL, MainWnd()->m_hWnd), -1);
}

}  // namespace
