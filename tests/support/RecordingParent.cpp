#include "RecordingParent.h"
#include "TestApp.h"

namespace ostrel_test {

CRecordingParent::CRecordingParent(int x, int y, int cx, int cy) {
  // A child of the main window: top-level windows cost Wine seconds to hide under a bare X server.
  const char* cls = AfxRegisterWndClass(CS_DBLCLKS, LoadCursorA(NULL, (LPCSTR)IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
  CreateEx(0, cls, "Recording parent", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, cx, cy, MainWnd()->GetSafeHwnd(),
           NULL);
  SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  UpdateWindow();
}

CRecordingParent::~CRecordingParent() {
  if (m_hWnd != NULL) DestroyWindow();
}

void CRecordingParent::CopyPayload(UINT message, std::function<std::string(LPARAM)> copier) {
  m_copiers[message] = std::move(copier);
}

std::vector<RecordedMessage> CRecordingParent::Of(UINT message) const {
  std::vector<RecordedMessage> found;
  for (const RecordedMessage& m : m_messages)
    if (m.message == message) found.push_back(m);
  return found;
}

std::vector<RecordedMessage> CRecordingParent::Commands(UINT code) const {
  std::vector<RecordedMessage> found;
  for (const RecordedMessage& m : m_messages)
    if (m.message == WM_COMMAND && HIWORD(m.wParam) == code) found.push_back(m);
  return found;
}

LRESULT CRecordingParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  RecordedMessage record = {message, wParam, lParam, std::string()};
  auto copier = m_copiers.find(message);
  if (copier != m_copiers.end() && lParam != 0) record.payload = copier->second(lParam);
  m_messages.push_back(record);
  return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace ostrel_test
