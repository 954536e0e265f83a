// A parent window that records every message it receives, in order, so a test can compare whole
// notification sequences. Controls under test are created as its children.
#pragma once
#include <afxwin.h>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ostrel_test {

struct RecordedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  std::string payload;  // a copy of what lParam pointed at, for messages with a copier
};

class CRecordingParent : public CWnd {
 public:
  // A visible child of the main window at (x, y) of its client area, on top of its siblings.
  explicit CRecordingParent(int x = 40, int y = 40, int cx = 400, int cy = 300);
  ~CRecordingParent() override;

  // lParam of `message` points at something worth keeping: copy it while it is valid.
  void CopyPayload(UINT message, std::function<std::string(LPARAM)> copier);

  const std::vector<RecordedMessage>& Messages() const { return m_messages; }
  std::vector<RecordedMessage> Of(UINT message) const;
  // WM_COMMAND messages with this notification code.
  std::vector<RecordedMessage> Commands(UINT code) const;
  void Clear() { m_messages.clear(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<RecordedMessage> m_messages;
  std::map<UINT, std::function<std::string(LPARAM)>> m_copiers;
};

}  // namespace ostrel_test
