// CVexROD: the recent-folder menu for a host window, and the exported slash rule.
#include <Ostrel/BrowseBtn.h>
#include "FolderHistory.h"

namespace {

const UINT kCmdFirstFolder = 100;
const char kMarker[] = "Ver20";

}  // namespace

void myRemoveSlash(char* pszPath) { FolderHistory::RemoveSlash(pszPath); }

CVexROD::CVexROD() : m_nTotal(0), m_nMax(9), m_pOwner(NULL) {}

CVexROD::~CVexROD() {
  m_menu.DestroyMenu();
  m_listFolders.RemoveAll();
}

BOOL CVexROD::Init(CWnd* pOwner, LPCSTR lpszSection, LPCSTR lpszFolder) {
  if (pOwner == NULL) return FALSE;
  m_menu.DestroyMenu();
  if (!m_menu.CreatePopupMenu()) return FALSE;
  try {
    m_pOwner = pOwner;
    m_strSection = lpszSection;
    m_strFolder = FolderHistory::InitialFolder(lpszFolder);
  } catch (CException* e) {
    e->Delete();
    m_menu.DestroyMenu();
    return FALSE;
  }
  return ReadFromRegKey();
}

BOOL CVexROD::ReadFromRegKey() {
  FolderHistory::Read(m_listFolders, m_strSection, kMarker, m_strFolder);
  m_nTotal = m_listFolders.GetCount();
  return TRUE;
}

BOOL CVexROD::WriteToRegKey() { return FolderHistory::Write(m_listFolders, m_strSection, kMarker); }

BOOL CVexROD::OnROD() {
  if (m_menu.m_hMenu == NULL || m_pOwner == NULL) return FALSE;
  FolderHistory::DeleteItemsFrom(m_menu, 0);
  FolderHistory::AppendItems(m_menu, m_listFolders, kCmdFirstFolder);
  POINT pt;
  ::GetCursorPos(&pt);
  m_menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON, pt.x, pt.y, m_pOwner);
  return TRUE;
}

void CVexROD::AddROD(LPCSTR lpszPath) {
  FolderHistory::Add(m_listFolders, m_nMax, lpszPath);
  m_nTotal = m_listFolders.GetCount();
}

CString CVexROD::GetSelection(int nCommand) {
  int nFirst = (int)kCmdFirstFolder;
  if (nCommand < nFirst || nCommand >= nFirst + m_nTotal) return CString();
  return FolderHistory::At(m_listFolders, nCommand - nFirst);
}

void CVexROD::GetMenuDisplayName(char* pszPath) { FolderHistory::MenuDisplayName(pszPath); }

void CVexROD::AbbreviateName(char* pszPath, int cchMax) { FolderHistory::Abbreviate(pszPath, cchMax); }
