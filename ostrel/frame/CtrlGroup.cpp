// CCtrlGroup and CCtrlGroup_Client: the member list and the activation walk.
#include <Ostrel/CtrlGroup.h>
#include <map>

namespace {

// How many groups hold each member list, so that copies share a list and free it once.
std::map<CPtrList*, int>& ListHolders() {
  static std::map<CPtrList*, int> holders;
  return holders;
}

CPtrList* HoldList(CPtrList* pList) {
  if (pList != NULL) ++ListHolders()[pList];
  return pList;
}

void ReleaseList(CPtrList* pList) {
  if (pList == NULL) return;
  std::map<CPtrList*, int>& holders = ListHolders();
  std::map<CPtrList*, int>::iterator it = holders.find(pList);
  if (it != holders.end() && --it->second > 0) return;
  if (it != holders.end()) holders.erase(it);
  delete pList;
}

CPtrList* NewList() {
  try {
    return HoldList(new CPtrList(10));
  } catch (...) {
    return NULL;  // no list: AddClient reports 0
  }
}

}  // namespace

CCtrlGroup::CCtrlGroup() : m_pClients(NewList()), m_pActive(NULL) {}

CCtrlGroup::CCtrlGroup(const CCtrlGroup& src) : m_pClients(HoldList(src.m_pClients)), m_pActive(src.m_pActive) {}

CCtrlGroup::~CCtrlGroup() { ReleaseList(m_pClients); }

CCtrlGroup& CCtrlGroup::operator=(const CCtrlGroup& src) {
  if (m_pClients != src.m_pClients) {
    ReleaseList(m_pClients);
    m_pClients = HoldList(src.m_pClients);
  }
  m_pActive = src.m_pActive;
  return *this;
}

int CCtrlGroup::AddClient(CCtrlGroup_Client* pClient) {
  if (pClient == NULL || m_pClients == NULL) return 0;
  try {
    m_pClients->AddTail(pClient);
  } catch (CException* e) {
    e->Delete();
    return 0;
  }
  pClient->SetGroup(this);
  return 1;
}

void CCtrlGroup::SetActive(CCtrlGroup_Client* pClient) {
  if (pClient == m_pActive) return;
  m_pActive = pClient;
  if (m_pClients == NULL) return;
  for (POSITION pos = m_pClients->GetHeadPosition(); pos != NULL;) {
    CCtrlGroup_Client* pMember = (CCtrlGroup_Client*)m_pClients->GetNext(pos);
    if (pMember != pClient) pMember->OnActiveChange(pClient);
  }
}

CCtrlGroup_Client::CCtrlGroup_Client() : m_pGroup(NULL) {}

CCtrlGroup_Client::CCtrlGroup_Client(const CCtrlGroup_Client& src) : m_pGroup(src.m_pGroup) {}

CCtrlGroup_Client::~CCtrlGroup_Client() { m_pGroup = NULL; }

CCtrlGroup_Client& CCtrlGroup_Client::operator=(const CCtrlGroup_Client& src) {
  m_pGroup = src.m_pGroup;
  return *this;
}

int CCtrlGroup_Client::IsGrouped() { return m_pGroup != NULL ? 1 : 0; }

void CCtrlGroup_Client::SetActive() {
  if (m_pGroup != NULL) m_pGroup->SetActive(this);
}

void CCtrlGroup_Client::OnActiveChange(CCtrlGroup_Client*) {}

void CCtrlGroup_Client::SetGroup(CCtrlGroup* pGroup) {
  if (pGroup != NULL) m_pGroup = pGroup;
}
