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
  }
  void TearDown() override {
    if (m_hPlugin != NULL) FreeLibrary(m_hPlugin);
  }
  // Shows the picker on a record of 0xCC bytes starting at (r, g, b); `act` runs on its dialog.
  int Show(BYTE r, BYTE g, BYTE b, std::function<void(HWND)> act) {
    memset(m_record, 0xCC, sizeof m_record);
    m_record[36] = r;
    m_record[37] = g;
    m_record[38] = b;
    memcpy(m_before, m_record, sizeof m_record);
    ModalDriver driver(ModalDriver::DialogTitled("Tarvik Color Picker"), act);
    const int result = m_pfnShow(m_record, MainWnd()->m_hWnd);
    EXPECT_TRUE(driver.Acted() && !driver.TimedOut());
    return result;
  }
  // The colour at the middle of a dialog item, as the dialog shows it.
  static COLORREF Swatch(HWND hDlg, int id) {
    RECT rc;
    GetWindowRect(GetDlgItem(hDlg, id), &rc);
    MapWindowPoints(NULL, hDlg, (POINT*)&rc, 2);
    return ReadClient(hDlg).At((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  }

  HMODULE m_hPlugin = NULL;
  SHOWCOLORPICKERDLG m_pfnShow = NULL;
  unsigned char m_record[96];
  unsigned char m_before[96];
};

TEST_F(PluginTest, StartingBytesInFieldsChosenBytesOutCancelChangesNothing) {
  std::vector<int> shown;
  COLORREF oldSwatch = CLR_INVALID, newSwatch = CLR_INVALID;
  EXPECT_EQ(1, Show(10, 20, 30, [&](HWND hDlg) {
              for (int i = 0; i < 3; i++) shown.push_back((int)GetDlgItemInt(hDlg, IDC_TKP1_RED + i, NULL, FALSE));
              SetDlgItemTextA(hDlg, IDC_TKP1_RED, "1");
              SetDlgItemTextA(hDlg, IDC_TKP1_GREEN, "2");
              SetDlgItemTextA(hDlg, IDC_TKP1_BLUE, "3");
              oldSwatch = Swatch(hDlg, IDC_TKP1_OLD);
              newSwatch = Swatch(hDlg, IDC_TKP1_NEW);
              PressButton(hDlg, IDOK);
            }));
  EXPECT_EQ(shown, (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(oldSwatch, RGB(10, 20, 30));
  EXPECT_EQ(newSwatch, RGB(1, 2, 3));
  memcpy(m_before + 56, "\x01\x02\x03", 3);  // the chosen colour, every other byte as the caller left it
  EXPECT_EQ(memcmp(m_record, m_before, sizeof m_record), 0);

  EXPECT_EQ(0, Show(1, 2, 3, [](HWND hDlg) {
              SetDlgItemTextA(hDlg, IDC_TKP1_HUE, "100");
              PressButton(hDlg, IDCANCEL);
            }));
  EXPECT_EQ(memcmp(m_record, m_before, sizeof m_record), 0);
  EXPECT_EQ(m_pfnShow(NULL, MainWnd()->m_hWnd), -1);
}

}  // namespace
