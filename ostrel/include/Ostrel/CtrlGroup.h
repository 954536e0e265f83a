// Radio-style control groups: when one member becomes active, every other member hears which one
// did through OnActiveChange. A control joins by mixing in CCtrlGroup_Client.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>

class CCtrlGroup_Client;

class AFX_EXT_CLASS CCtrlGroup {
 public:
  CCtrlGroup();
  // A copy shares the member list; the list goes with the last group that holds it.
  CCtrlGroup(const CCtrlGroup& src);
  virtual ~CCtrlGroup();
  CCtrlGroup& operator=(const CCtrlGroup& src);

  // Appends a member (not owned); 0 for NULL.
  int AddClient(CCtrlGroup_Client* pClient);

 protected:
  // Makes pClient the active member and tells every other member, head to tail.
  void SetActive(CCtrlGroup_Client* pClient);

  CPtrList* m_pClients;
  CCtrlGroup_Client* m_pActive;

  friend class CCtrlGroup_Client;
};

// Members must outlive their group, or the group must not be activated once a member is gone.
class AFX_EXT_CLASS CCtrlGroup_Client {
 public:
  CCtrlGroup_Client();
  CCtrlGroup_Client(const CCtrlGroup_Client& src);
  virtual ~CCtrlGroup_Client();
  CCtrlGroup_Client& operator=(const CCtrlGroup_Client& src);

  int IsGrouped();

 protected:
  // Makes this member the group's active one.
  void SetActive();
  // pActive has just become the group's active member.
  virtual void OnActiveChange(CCtrlGroup_Client* pActive);

  CCtrlGroup* m_pGroup;

 private:
  void SetGroup(CCtrlGroup* pGroup);
  friend class CCtrlGroup;
};
