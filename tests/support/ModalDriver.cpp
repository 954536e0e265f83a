#include "ModalDriver.h"
#include <algorithm>
#include <map>
#include <vector>

namespace ostrel_test {

static std::map<UINT_PTR, ModalDriver*> g_drivers;

static BOOL CALLBACK CollectVisible(HWND hWnd, LPARAM lParam) {
  if (IsWindowVisible(hWnd)) ((std::vector<HWND>*)lParam)->push_back(hWnd);
  return TRUE;
}

static std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectVisible, (LPARAM)&windows);
  return windows;
}

static std::string ClassOf(HWND hWnd) {
  char name[128] = "";
  GetClassNameA(hWnd, name, sizeof name);
  return name;
}

ModalDriver::ModalDriver(WindowMatch match, std::function<void(HWND)> action, DWORD timeoutMs)
    : m_match(std::move(match)),
      m_action(std::move(action)),
      m_timeoutMs(timeoutMs),
      m_deadline(GetTickCount() + timeoutMs),
      m_timer(SetTimer(NULL, 0, 20, OnTimer)) {
  g_drivers[m_timer] = this;
}

ModalDriver::~ModalDriver() {
  KillTimer(NULL, m_timer);
  g_drivers.erase(m_timer);
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = g_drivers.find(id);
  if (it != g_drivers.end()) it->second->Poll();
}

static bool IsModalWindow(HWND hWnd) {
  std::string cls = ClassOf(hWnd);
  return cls == "#32770" || cls == "#32768";
}

// A script run on the window has this long, however short the driver's own time-out: only one
// that hangs is cut short. The time-out counts again once it returns.
static const DWORD kActionMs = 60000;

// Acts once on the awaited window; past the deadline, a modal window still showing (the awaited
// one never came, the action hangs or did not close it) is closed and the time-out recorded.
void ModalDriver::Poll() {
  if (m_timedOut) return;
  std::vector<HWND> windows = ThreadWindows();
  auto match = m_acted ? windows.end() : std::find_if(windows.begin(), windows.end(), m_match);
  if (match != windows.end()) {
    m_acted = true;
    m_deadline = GetTickCount() + kActionMs;
    m_action(*match);
    m_deadline = GetTickCount() + m_timeoutMs;
    return;
  }
  if ((LONG)(GetTickCount() - m_deadline) < 0) return;
  if (!m_acted || std::any_of(windows.begin(), windows.end(), IsModalWindow)) {
    m_timedOut = true;
    CloseThreadModals();
  }
}

WindowMatch ModalDriver::ClassIs(const char* className) {
  std::string wanted(className);
  return [wanted](HWND hWnd) { return lstrcmpiA(ClassOf(hWnd).c_str(), wanted.c_str()) == 0; };
}

WindowMatch ModalDriver::TitleIs(const char* title) {
  std::string wanted(title);
  return [wanted](HWND hWnd) {
    char text[256] = "";
    GetWindowTextA(hWnd, text, sizeof text);
    return wanted == text;
  };
}

WindowMatch ModalDriver::DialogTitled(const char* title) {
  WindowMatch isDialog = ClassIs("#32770"), hasTitle = TitleIs(title);
  return [isDialog, hasTitle](HWND hWnd) { return isDialog(hWnd) && hasTitle(hWnd); };
}

void CloseThreadModals() {
  for (HWND hWnd : ThreadWindows()) {
    std::string cls = ClassOf(hWnd);
    if (cls == "#32768") {
      EndMenu();
    } else if (cls == "#32770") {
      PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
      PostMessageA(hWnd, WM_CLOSE, 0, 0);
      PostMessageA(hWnd, WM_COMMAND, IDNO, 0);  // a Yes/No box ignores the two above
    }
  }
}

std::string MessageBoxText(HWND hBox) {
  char text[1024] = "";
  // The message is the static control with id 0xFFFF.
  GetDlgItemTextA(hBox, 0xFFFF, text, sizeof text);
  return text;
}

void PressButton(HWND hDlg, int id) {
  HWND hButton = GetDlgItem(hDlg, id);
  if (hButton != NULL) SendMessageA(hButton, BM_CLICK, 0, 0);
}

}  // namespace ostrel_test
