// The host workspace: broadcasts reach every client, also while clients come and go inside one.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ROVuvu.h"

namespace {

// A client that logs what it hears; it may run an action inside a document-change callback.
class Client : public IWorkspaceClient {
 public:
  explicit Client(std::string* pLog, char cName) : m_pLog(pLog), m_cName(cName) {}
  int HasDocument() { return IsCurrentDocuemntExist(); }
  std::function<void()> m_onChange;
  void* m_pDocumentSeen = nullptr;
  int m_nSeenExists = -1;

 protected:
  void OnActiveDocumentChange() override {
    *m_pLog += m_cName;
    m_pDocumentSeen = WsGetCurrentDocument();
    m_nSeenExists = IsCurrentDocuemntExist();
    if (m_onChange) m_onChange();
  }
  void OnWorkspaceRepaint() override { *m_pLog += static_cast<char>(m_cName - 'a' + 'A'); }

 private:
  std::string* m_pLog;
  char m_cName;
};

struct WorkspaceTest : ::testing::Test {
  void TearDown() override { WsSetCurrentDocument(nullptr); }
  std::string log;
  int docA = 0, docB = 0;
};

TEST_F(WorkspaceTest, DocumentChangesReachEveryClientInOrder) {
  Client a(&log, 'a'), b(&log, 'b'), c(&log, 'c');
  EXPECT_EQ(0, a.HasDocument());

  EXPECT_EQ(nullptr, WsSetCurrentDocument(&docA));
  EXPECT_EQ("abc", log);
  EXPECT_EQ(&docA, b.m_pDocumentSeen);  // the change is visible inside the callback
  EXPECT_EQ(1, c.m_nSeenExists);

  EXPECT_EQ(&docA, WsSetCurrentDocument(&docA));  // same document: no broadcast
  EXPECT_EQ(&docA, WsSetCurrentDocument(&docB));  // switching is a change
  EXPECT_EQ(&docB, WsSetCurrentDocument(nullptr));
  EXPECT_EQ(0, a.m_nSeenExists);
  WsRepaintWorkspace();
  EXPECT_EQ("abcabcabcABC", log);
}

TEST_F(WorkspaceTest, ClientsMayLeaveJoinAndChangeTheDocumentDuringABroadcast) {
  Client a(&log, 'a'), c(&log, 'c');
  Client *pVictim = new Client(&log, 'b'), *pNewcomer = nullptr;
  // a destroys b (not yet called) and creates d (joins too late for this broadcast).
  a.m_onChange = [&] {
    delete pVictim;
    if (!pNewcomer) pNewcomer = new Client(&log, 'd');
  };
  WsSetCurrentDocument(&docA);
  EXPECT_EQ("ac", log);
  bool bNested = false;  // closes again, once, while the first broadcast runs
  a.m_onChange = [&] {
    if (!std::exchange(bNested, true)) WsSetCurrentDocument(nullptr);
  };
  WsSetCurrentDocument(&docB);
  EXPECT_EQ("acaacdcd", log);  // d is in; the inner broadcast completes before the outer goes on
  EXPECT_EQ(0, c.HasDocument());
  EXPECT_EQ(0, c.m_nSeenExists);
  delete pNewcomer;
}

}  // namespace
