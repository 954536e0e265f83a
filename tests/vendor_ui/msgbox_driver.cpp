#include "msgbox_driver.h"

namespace {

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam) {
  char szClass[16] = "";
  GetClassNameA(hWnd, szClass, sizeof szClass);
  if (lstrcmpA(szClass, "#32770") == 0 && IsWindowVisible(hWnd)) {
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
  }
  return TRUE;
}

// Joins the texts of the box's static controls (the message itself).
BOOL CALLBACK CollectStatic(HWND hWnd, LPARAM lParam) {
  char szClass[16] = "", szText[2048] = "";
  GetClassNameA(hWnd, szClass, sizeof szClass);
  if (lstrcmpiA(szClass, "Static") == 0 && GetWindowTextA(hWnd, szText, sizeof szText) > 0)
    reinterpret_cast<std::string*>(lParam)->append(szText);
  return TRUE;
}

}  // namespace

MessageBoxDriver::MessageBoxDriver(int nButton, DWORD dwTimeoutMs)
    : m_dwThreadId(GetCurrentThreadId()), m_nButton(nButton), m_dwTimeoutMs(dwTimeoutMs) {
  m_thread = std::thread([this] { Run(); });
}

MessageBoxDriver::~MessageBoxDriver() { Finish(); }

void MessageBoxDriver::Finish() {
  if (m_thread.joinable()) m_thread.join();
}

HWND MessageBoxDriver::FindBox() const {
  HWND hBox = nullptr;
  EnumThreadWindows(m_dwThreadId, FindDialog, reinterpret_cast<LPARAM>(&hBox));
  return hBox;
}

void MessageBoxDriver::Run() {
  const DWORD dwStart = GetTickCount();
  HWND hBox = nullptr;
  while (!hBox && GetTickCount() - dwStart < m_dwTimeoutMs) {
    Sleep(20);
    hBox = FindBox();
  }
  if (!hBox) return;
  m_bSeen = true;
  Sleep(50);  // let the box finish its set-up
  char szCaption[256] = "";
  GetWindowTextA(hBox, szCaption, sizeof szCaption);
  m_caption = szCaption;
  EnumChildWindows(hBox, CollectStatic, reinterpret_cast<LPARAM>(&m_text));
  m_hOwner = GetWindow(hBox, GW_OWNER);
  // Press the wanted button; should the box stay, close it by any button it has.
  const int buttons[] = {m_nButton, IDCANCEL, IDNO, IDOK};
  for (int id : buttons) {
    if (GetDlgItem(hBox, id))
      PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hBox, id));
    for (int n = 0; n < 50 && IsWindow(hBox); ++n) Sleep(20);
    if (!IsWindow(hBox)) return;
  }
}
