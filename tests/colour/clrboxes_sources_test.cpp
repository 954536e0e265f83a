// Colour sources of the colour boxes, and the host's own picker plug-in Plugin\TKP1.TKP.
#include <gtest/gtest.h>
#include <string.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "ImportPatch.h"
#include "Input.h"
#include "ModalDriver.h"
#include "Pixels.h"
#include "ProbeBoxes.h"
#include "RecordingParent.h"
#include "TempDir.h"
#include "TestApp.h"
#include "Tkp1Res.h"

using namespace ostrel_test;

namespace {

const UINT kId = 32;
const int kTimeoutMs = 5000;

// What reached the main window and which message boxes were shown, in order.
std::vector<std::string>* g_events = NULL;
WNDPROC g_mainProc = NULL;
LRESULT CALLBACK RecordMain(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (g_events != NULL && (msg == CLRBOX_PLUGIN_START || msg == CLRBOX_PLUGIN_END))
    g_events->push_back(std::to_string(msg) + "(" + std::to_string(wParam) + "," + std::to_string(lParam) + ")");
  return CallWindowProcA(g_mainProc, hWnd, msg, wParam, lParam);
}

typedef void(__cdecl* SetUpProc)(int, unsigned char, unsigned char, unsigned char);
typedef int(__cdecl* CallsProc)(unsigned char*);

bool IsPicker(HWND h) { return GetDlgItem(h, 1106) != NULL; }
bool IsMessageBox(HWND h) { return !IsPicker(h) && !MessageBoxText(h).empty(); }

class ClrSourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_events = &m_events;
    g_mainProc = (WNDPROC)SetWindowLongPtrA(MainWnd()->m_hWnd, GWLP_WNDPROC, (LONG_PTR)RecordMain);
    ASSERT_TRUE(m_fakeExe.Applied());
    ASSERT_TRUE(m_box.Create(kId, CRect(10, 10, 40, 30), &m_parent, CLRBOX_SIMPLE, NULL, 0, 0));
    m_box.UpdateWindow();
  }
  void TearDown() override {
    SetWindowLongPtrA(MainWnd()->m_hWnd, GWLP_WNDPROC, (LONG_PTR)g_mainProc);
    g_events = NULL;
    if (m_hPlugin != NULL) FreeLibrary(m_hPlugin);
  }
  // Puts a test plug-in in place as Plugin\TKP1.TKP, kept loaded so its state outlives the library's.
  void InstallPlugin(const char* dll, int result = 1, BYTE r = 0, BYTE g = 0, BYTE b = 0) {
    if (m_hPlugin != NULL) FreeLibrary(m_hPlugin);  // a loaded file cannot be replaced
    m_hPlugin = NULL;
    CreateDirectoryA(m_temp.File("Plugin").c_str(), NULL);
    std::string target = m_temp.File("Plugin\\TKP1.TKP");
    ASSERT_TRUE(CopyFileA((ExeFolder() + dll).c_str(), target.c_str(), FALSE)) << dll;
    m_hPlugin = LoadLibraryA(target.c_str());
    ASSERT_NE((HMODULE)NULL, m_hPlugin);
    if (SetUpProc setUp = (SetUpProc)(void*)GetProcAddress(m_hPlugin, "TestPluginSetUp")) setUp(result, r, g, b);
  }
  int PluginCalls(unsigned char* record = NULL) {
    CallsProc calls = m_hPlugin ? (CallsProc)(void*)GetProcAddress(m_hPlugin, "TestPluginCalls") : NULL;
    return calls != NULL ? calls(record) : 0;
  }
  // Runs a click on the box while the pop-up is answered by `choose` (a point to click, or none:
  // cancelled), and message boxes are noted and closed.
  void ClickAndChoose(CWnd& box, CPoint at, UINT message, std::function<CPoint(CColorPicker*)> choose) {
    ModalDriver popup(
        IsPicker,
        [&](HWND h) {
          CPoint p = choose((CColorPicker*)CWnd::FromHandlePermanent(h));
          if (p.x < 0)
            PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
          else
            PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        },
        kTimeoutMs);
    m_boxDriver.reset(new ModalDriver(
        IsMessageBox,
        [&](HWND h) {
          m_events.push_back("box:" + MessageBoxText(h));
          PressButton(h, IDOK);
        },
        kTimeoutMs));
    SendMouse(box.m_hWnd, message, at.x, at.y, MK_LBUTTON);
    EXPECT_TRUE(popup.Acted());
    EXPECT_FALSE(popup.TimedOut());
  }
  // Clicks the box and chooses the plug-in: what the main window heard and which boxes showed.
  std::vector<std::string> RunPlugin() {
    m_events.clear();
    ClickAndChoose(m_box, CPoint(5, 5), WM_LBUTTONDOWN, [](CColorPicker* p) { return Item(p, 0); });
    return m_events;
  }
  static CPoint Item(CColorPicker* p, int i) { return CRect(p->m_rcItems[i]).CenterPoint(); }
  static CPoint Cell(CColorPicker* p, int j) { return CRect(p->m_rcCells[j]).CenterPoint(); }

  TempDir m_temp;
  FakeExePath m_fakeExe{m_temp.File("host.exe")};  // the library looks for plug-ins beside it
  std::vector<std::string> m_events;
  std::unique_ptr<ModalDriver> m_boxDriver;
  HMODULE m_hPlugin = NULL;
  CRecordingParent m_parent;
  CProbeBoxes m_box{0x00000000};
};

const std::string kStart = "1224(0,0)", kEnd = "1225(0,0)";

TEST_F(ClrSourcesTest, ThePluginGetsTheColourBytesAndGivesTheNewOneBackAGridColourOrAFailureLeavesItAlone) {
  // Missing: the library's own message between the two messages to the main window.
  EXPECT_EQ((std::vector<std::string>{kStart, "box:The required library cannot be found.", kEnd}), RunPlugin());
  InstallPlugin("clrbox_plugin.dll", 1, 1, 2, 3);
  m_box.SetDefaultColor(0x00123456);  // the first grid cell
  m_events.clear();
  ClickAndChoose(m_box, CPoint(5, 5), WM_LBUTTONDOWN, [](CColorPicker* p) { return Cell(p, 0); });
  EXPECT_EQ(0x00123456u, m_box.GetColor());
  EXPECT_TRUE(m_events.empty()) << m_events[0];
  EXPECT_EQ(0, PluginCalls());

  m_box.SetColor(RGB(10, 20, 30));
  EXPECT_EQ((std::vector<std::string>{kStart, kEnd}), RunPlugin());
  unsigned char record[64];
  ASSERT_EQ(1, PluginCalls(record));
  EXPECT_EQ(std::string("\x0A\x14\x1E"), std::string((const char*)record + 36, 3));
  EXPECT_EQ(RGB(1, 2, 3), m_box.GetColor());

  // Its own error: the message library's "operation failed".
  InstallPlugin("clrbox_plugin.dll", -1);
  ASSERT_EQ(3u, RunPlugin().size());
  EXPECT_EQ(0u, m_events[1].find("box:")) << m_events[1];
  EXPECT_NE("box:The required library cannot be found.", m_events[1]);
  EXPECT_EQ(1, PluginCalls());
  // Cancelled inside the plug-in, or without its export: silent.
  InstallPlugin("clrbox_plugin.dll", 0);
  EXPECT_EQ((std::vector<std::string>{kStart, kEnd}), RunPlugin());
  InstallPlugin("clrbox_plugin_noexport.dll");
  EXPECT_EQ((std::vector<std::string>{kStart, kEnd}), RunPlugin());

  EXPECT_EQ(RGB(1, 2, 3), m_box.GetColor());
  auto changes = m_parent.Of(CLRBOX_COLORCHANGE);
  ASSERT_EQ(2u, changes.size());
  EXPECT_EQ((LPARAM)0x00123456, changes[0].lParam);
  EXPECT_EQ((LPARAM)RGB(1, 2, 3), changes[1].lParam);
}

TEST_F(ClrSourcesTest, ADoubleClickedCellTakesTheSourcesColourButNotWhenCancelled) {
  unsigned long palette[4] = {0x000011, 0x000022, 0x000033, 0x000044};
  CProbeBoxes box;
  ASSERT_TRUE(box.Create(kId + 1, CRect(60, 10, 160, 50), &m_parent, CLRBOX_PALETTE, palette, 4, 0));
  box.UpdateWindow();
  CPoint cell1 = box.CellCentre(1);
  SendMouse(box.m_hWnd, WM_LBUTTONDOWN, cell1.x, cell1.y, MK_LBUTTON);
  SendMouse(box.m_hWnd, WM_LBUTTONUP, cell1.x, cell1.y);
  ClickAndChoose(box, cell1, WM_LBUTTONDBLCLK, [](CColorPicker*) { return CPoint(-1, -1); });  // cancelled
  unsigned long out[4];
  box.GetPalette(out);
  EXPECT_EQ(0x000022u, out[1]);
  EXPECT_EQ(0x000022u, box.GetColor());
  EXPECT_EQ(1u, m_parent.Of(CLRBOX_COLORCHANGE).size());  // from the first click only

  m_box.SetDefaultColor(0x00ABCDEF);
  box.SetDefaultColor(0x00654321);
  ClickAndChoose(box, cell1, WM_LBUTTONDBLCLK, [](CColorPicker* p) { return Cell(p, 0); });
  box.GetPalette(out);
  EXPECT_EQ(0x00654321u, out[1]);
  EXPECT_EQ(0x000022u, box.Backup(1));
  EXPECT_EQ(0x00654321u, box.GetColor());
  auto changes = m_parent.Of(CLRBOX_COLORCHANGE);
  ASSERT_EQ(2u, changes.size());
  EXPECT_EQ((LPARAM)0x00654321, changes[1].lParam);
}

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
