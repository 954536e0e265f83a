// Answers the next message box of a thread from a helper thread, with a time-out,
// so a test that shows a box can never hang.
#ifndef VENDOR_UI_MSGBOX_DRIVER_H
#define VENDOR_UI_MSGBOX_DRIVER_H

#include <windows.h>

#include <string>
#include <thread>

class MessageBoxDriver {
public:
  // Watches the calling thread for a dialog box and presses nButton (IDOK, IDYES, ...).
  explicit MessageBoxDriver(int nButton, DWORD dwTimeoutMs = 5000);
  ~MessageBoxDriver();  // waits for the helper thread

  // What the helper saw, valid after Finish().
  void Finish();
  bool Seen() const { return m_bSeen; }
  const std::string& Text() const { return m_text; }
  const std::string& Caption() const { return m_caption; }
  HWND Owner() const { return m_hOwner; }

private:
  void Run();
  HWND FindBox() const;

  DWORD m_dwThreadId;
  int m_nButton;
  DWORD m_dwTimeoutMs;
  bool m_bSeen = false;
  std::string m_text, m_caption;
  HWND m_hOwner = nullptr;
  std::thread m_thread;
};

#endif
