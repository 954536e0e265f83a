// Every exported control and dialog lives many times as a host would use it; afterwards the
// process holds exactly the GDI objects, windows and threads it held before.
#include <Ostrel.h>
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <t32Cfg.h>
#include <string>
#include <vector>
#include "Input.h"
#include "LiveObjects.h"
#include "ModalDriver.h"
#include "Sweep.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

const int kLives = 5;  // after a warm-up life: a leak of one object per life shows as 5

// The host's part: the button pictures and the texture module beside the executable, set before
// any control is made, and a registry profile of the sweep's own (the browse button keeps its
// history there), removed again, and the icon buttons of the gradient dialog.
class HostGlobals : public ::testing::Environment {
  void SetUp() override {
    _ButtonVexBmpInst = ::LoadLibraryA((ExeFolder() + "ButtonBmp.dll").c_str());
    ::LoadLibraryA((ExeFolder() + "IconBtn.dll").c_str());
    _hTxturDllInst3 = ::LoadLibraryA((ExeFolder() + "Txtur3.dll").c_str());
    _VexLoadLibrary3 = (VEXLOADLIBRARY3)(void*)::GetProcAddress(_hTxturDllInst3, "VexLoadLibrary3");
    t32CfgSetAppName(kProfile);
  }
  void TearDown() override {
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string("Software\\Tarvik Systems\\") + kProfile).c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Tarvik Systems");  // refused while other programs use it
  }
  static constexpr const char* kProfile = "Ostrel sweep_tests";
};
const auto* const g_host = ::testing::AddGlobalTestEnvironment(new HostGlobals);

// While it exists, any dialog, menu or pop-up the life opens is closed as soon as it has painted.
class ModalCloser {
 public:
  ModalCloser() { m_timer = ::SetTimer(NULL, 0, 40, OnTimer); }
  ~ModalCloser() { ::KillTimer(NULL, m_timer); }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) { CloseThreadModals(); }
  UINT_PTR m_timer;
};

// Paint, hover, click, right-click, keys, then the end of the window.
void LiveOnce(const SweepLife& life, CWnd* pParent) {
  ModalCloser closer;
  if (life.runModal) {
    life.runModal(pParent);
    return;
  }
  std::unique_ptr<CWnd> pWnd = life.make(pParent);
  ASSERT_TRUE(pWnd != nullptr && ::IsWindow(pWnd->m_hWnd)) << life.name << ": not made";
  pWnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  CRect rc;
  pWnd->GetWindowRect(&rc);
  const CPoint centre = rc.CenterPoint();
  InputMove(centre.x, centre.y);
  InputClick(rc.left + 5, rc.top + 5);
  InputClick(centre.x, centre.y);
  InputClick(centre.x, centre.y, true);
  if (::IsWindow(pWnd->m_hWnd)) {
    pWnd->SetFocus();
    for (int vk : {VK_RIGHT, VK_DOWN, VK_HOME, VK_END, (int)'A', VK_BACK, VK_ESCAPE}) {
      InputKey((WORD)vk);  // handled when the queue holds no input
      PumpUntil([] { return HIWORD(::GetQueueStatus(QS_INPUT)) == 0; }, 500);
    }
  }
  InputMove(rc.right + 40, rc.bottom + 40);  // the pointer leaves: hover ends
  CloseThreadModals();
  if (::IsWindow(pWnd->m_hWnd)) pWnd->DestroyWindow();
  if (life.bDeletesItself) pWnd.release();
}

class SweepTest : public ::testing::TestWithParam<SweepLife> {};

TEST_P(SweepTest, LivesLeaveNothingBehind) {
  const SweepLife& life = GetParam();
  CWnd* pParent = MainWnd();
  LiveOnce(life, pParent);  // first life: the library's one-time loads and caches
  PumpMessages(50);
  const LiveObjects before = LiveObjects::Now();
  for (int i = 0; i < kLives && !HasFatalFailure(); i++) LiveOnce(life, pParent);
  // Threads and windows that end asynchronously are given time; a leak never catches up.
  PumpUntil([&] { return LiveObjects::Now().Difference(before).empty(); }, 2000);
  EXPECT_EQ("", LiveObjects::Now().Difference(before)) << life.name << " after " << kLives << " lives";
}

std::string LifeName(const ::testing::TestParamInfo<SweepLife>& info) {
  std::string name;
  for (const char* p = info.param.name; *p; p++) name += isalnum((unsigned char)*p) ? *p : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(EveryControl, SweepTest, ::testing::ValuesIn(SweepLives()), LifeName);

DWORD WINAPI SleepAWhile(void*) { return ::Sleep(300), 0; }  // a lambda is not WINAPI in the 32-bit build

// The counts are exact: objects, a window and a thread made and ended here move them by just as many.
TEST(LiveObjectsTest, CountsGdiObjectsWindowsAndThreadsExactly) {
  const LiveObjects before = LiveObjects::Now();
  ASSERT_FALSE(before.gdi.empty()) << "the GDI handle table is not found";
  HGDIOBJ objects[] = {::CreatePen(PS_SOLID, 1, 0), ::CreateBitmap(2, 2, 1, 1, NULL)};  // the walk is kind-blind
  HDC hDC = ::CreateCompatibleDC(NULL);
  HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, MainWnd()->m_hWnd, NULL, NULL, NULL);
  HANDLE hThread = ::CreateThread(NULL, 0, SleepAWhile, NULL, 0, NULL);
  EXPECT_EQ("pens +1, bitmaps +1, memory DCs +1, windows +1, threads +1", LiveObjects::Now().Difference(before));
  for (HGDIOBJ h : objects) ::DeleteObject(h);
  ::DeleteDC(hDC);
  ::DestroyWindow(hWnd);
  ::WaitForSingleObject(hThread, 5000);
  ::CloseHandle(hThread);
  EXPECT_TRUE(PumpUntil([&] { return LiveObjects::Now().Difference(before).empty(); }, 2000))
      << LiveObjects::Now().Difference(before);
}

}  // namespace
