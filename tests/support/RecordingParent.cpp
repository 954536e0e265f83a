#include "RecordingParent.h"

namespace ostrel_test {

CRecordingParent::CRecordingParent(int x, int y, int cx, int cy) {
  const char* cls = AfxRegisterWndClass(CS_DBLCLKS, LoadCursorA(NULL, (LPCSTR)IDC_ARROW),
                                        (HBRUSH)(COLOR_BTNFACE + 1));
  RECT rc = {x, y, x + cx, y + cy};
  AdjustWindowRectEx(&rc, WS_POPUP | WS_BORDER, FALSE, 0);
  CreateEx(0, cls, "Recording parent", WS_POPUP | WS_BORDER | WS_VISIBLE | WS_CLIPCHILDREN, rc.left, rc.top,
           rc.right - rc.left, rc.bottom - rc.top, NULL, NULL);
  UpdateWindow();
}

CRecordingParent::~CRecordingParent() {
  if (m_hWnd != NULL) DestroyWindow();
}

void CRecordingParent::CopyPayload(UINT message, std::function<std::string(LPARAM)> copier) {
  m_copiers[message] = std::move(copier);
}

void CRecordingParent::Answer(UINT message, LRESULT result) { m_answers[message] = result; }

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
  auto answer = m_answers.find(message);
  if (answer != m_answers.end()) return answer->second;
  return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace ostrel_test
