// The process-wide workspace: the registered clients and the current document.
#include "ROVuvu.h"

#include <algorithm>
#include <vector>

namespace {

struct Member {
  IWorkspaceClient* pClient;
  unsigned long long nSerial;
  bool operator==(const Member& other) const { return pClient == other.pClient && nSerial == other.nSerial; }
};

class Workspace {
 public:
  Workspace() { InitializeCriticalSection(&m_lock); }
  ~Workspace() { DeleteCriticalSection(&m_lock); }

  void Add(IWorkspaceClient* pClient) {
    Lock lock(m_lock);
    m_clients.push_back({pClient, ++m_nLastSerial});
  }
  void Remove(IWorkspaceClient* pClient) {
    Lock lock(m_lock);
    m_clients.erase(
        std::remove_if(m_clients.begin(), m_clients.end(), [pClient](const Member& m) { return m.pClient == pClient; }),
        m_clients.end());
  }
  // The serial tells a member from a newer object that took over its address.
  bool Contains(const Member& member) {
    Lock lock(m_lock);
    return std::find(m_clients.begin(), m_clients.end(), member) != m_clients.end();
  }
  std::vector<Member> Snapshot() {
    Lock lock(m_lock);
    return m_clients;
  }
  int Count() {
    Lock lock(m_lock);
    return static_cast<int>(m_clients.size());
  }
  // Stores the new document; true when it differs from the old one.
  bool SwapDocument(void* pDocument, void** ppOld) {
    Lock lock(m_lock);
    *ppOld = m_pDocument;
    m_pDocument = pDocument;
    return *ppOld != pDocument;
  }
  void* Document() {
    Lock lock(m_lock);
    return m_pDocument;
  }

 private:
  struct Lock {
    explicit Lock(CRITICAL_SECTION& cs) : m_cs(cs) { EnterCriticalSection(&m_cs); }
    ~Lock() { LeaveCriticalSection(&m_cs); }
    CRITICAL_SECTION& m_cs;
  };

  CRITICAL_SECTION m_lock;
  std::vector<Member> m_clients;
  unsigned long long m_nLastSerial = 0;
  void* m_pDocument = nullptr;
};

Workspace& TheWorkspace() {
  static Workspace workspace;
  return workspace;
}

}  // namespace

// Calls one notification on every client that is still registered when its turn comes.
struct WorkspaceBroadcast {
  static void Send(void (IWorkspaceClient::*pfnNotify)()) {
    Workspace& ws = TheWorkspace();
    for (const Member& member : ws.Snapshot()) {
      if (ws.Contains(member)) (member.pClient->*pfnNotify)();
    }
  }
  static void DocumentChanged() { Send(&IWorkspaceClient::OnActiveDocumentChange); }
  static void Repaint() { Send(&IWorkspaceClient::OnWorkspaceRepaint); }
};

IWorkspaceClient::IWorkspaceClient() { TheWorkspace().Add(this); }

IWorkspaceClient::IWorkspaceClient(const IWorkspaceClient&) { TheWorkspace().Add(this); }

IWorkspaceClient& IWorkspaceClient::operator=(const IWorkspaceClient&) { return *this; }

IWorkspaceClient::~IWorkspaceClient() { TheWorkspace().Remove(this); }

int IWorkspaceClient::IsCurrentDocuemntExist() { return TheWorkspace().Document() ? 1 : 0; }

void IWorkspaceClient::OnActiveDocumentChange() {}

void IWorkspaceClient::OnWorkspaceRepaint() {}

void* __cdecl WsSetCurrentDocument(void* pDocument) {
  void* pOld = nullptr;
  if (TheWorkspace().SwapDocument(pDocument, &pOld)) WorkspaceBroadcast::DocumentChanged();
  return pOld;
}

void* __cdecl WsGetCurrentDocument(void) { return TheWorkspace().Document(); }

void __cdecl WsRepaintWorkspace(void) { WorkspaceBroadcast::Repaint(); }

int __cdecl WsGetClientCount(void) { return TheWorkspace().Count(); }
