// Drives modal loops (dialogs, message boxes, pop-up menus) from a thread timer that runs inside
// them. When the awaited window does not turn up in time, or a modal window is still showing at
// the deadline, the driver closes the thread's modal windows and records the time-out, so a test
// fails instead of hanging.
#pragma once
#include <windows.h>
#include <functional>
#include <string>

namespace ostrel_test {

typedef std::function<bool(HWND)> WindowMatch;

class ModalDriver {
 public:
  // Once a visible top-level window of this thread satisfies `match`, `action` runs on it (once).
  ModalDriver(WindowMatch match, std::function<void(HWND)> action, DWORD timeoutMs = 5000);
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  bool Acted() const { return m_acted; }
  bool TimedOut() const { return m_timedOut; }

  static WindowMatch ClassIs(const char* className);  // e.g. "#32770" (dialog), "#32768" (menu)
  static WindowMatch TitleIs(const char* title);
  static WindowMatch DialogTitled(const char* title);  // a dialog or message box with this caption

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Poll();
  WindowMatch m_match;
  std::function<void(HWND)> m_action;
  DWORD m_timeoutMs;
  DWORD m_deadline;
  UINT_PTR m_timer;
  bool m_acted = false, m_timedOut = false;
};

// Closes every modal window this thread shows now (dialogs, message boxes, menus).
void CloseThreadModals();
// Text of a message box's message (its static control), for checking what was shown.
std::string MessageBoxText(HWND hBox);
// Presses a dialog button as a user would (BM_CLICK on the item with this id).
void PressButton(HWND hDlg, int id);

}  // namespace ostrel_test
