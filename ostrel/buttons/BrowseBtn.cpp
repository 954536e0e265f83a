// CBrowseBtn: the menu of "&Browse for Folder..." and the recent folders, and what a choice tells
// the parent. The history itself is FolderHistory's.
#include <Ostrel/BrowseBtn.h>
#include "FolderHistory.h"
#include "frame/LibraryState.h"
#include "res/resource.h"

namespace {

const UINT kBmpBrowse = 493;  // the button's strip, found through the resource search
const UINT kCmdBrowse = 100;
const UINT kIdSeparator = 101;
const UINT kCmdFirstFolder = 102;
const char kMarker[] = "Ver30";

}  // namespace

IMPLEMENT_DYNAMIC(CBrowseBtn, COkButton)

BEGIN_MESSAGE_MAP(CBrowseBtn, COkButton)
ON_WM_LBUTTONDOWN()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CBrowseBtn::CBrowseBtn() : m_pParent(NULL), m_nTotal(0), m_nMax(9), m_nBaseItemNum(1), m_nID(0) {}

CBrowseBtn::~CBrowseBtn() {}

BOOL CBrowseBtn::Create(LPCSTR lpszSection, LPCSTR lpszFolder, CWnd* pParent, UINT nID,
                        COkButton::BITMAPDEFAULT bmpDefault, UINT nBitmapID, HINSTANCE) {
  m_pParent = pParent;
  m_nID = nID;
  UINT nStrip = bmpDefault == BITMAP_CUSTOM ? kBmpBrowse : nBitmapID;
  if (!COkButton::Create(pParent, nID, bmpDefault, nStrip, NULL)) return FALSE;
  return InitROD(lpszSection, lpszFolder);
}

// The menu starts with the browse command and a separator; the folders follow at each showing.
BOOL CBrowseBtn::InitROD(LPCSTR lpszSection, LPCSTR lpszFolder) {
  m_menuRecent.DestroyMenu();
  if (!m_menuRecent.CreatePopupMenu()) return FALSE;
  try {
    m_strSection = lpszSection;
    m_strFolder = FolderHistory::InitialFolder(lpszFolder);
  } catch (CException* e) {
    e->Delete();
    m_menuRecent.DestroyMenu();
    return FALSE;
  }
  ReadFromRegKey();
  char szBrowse[64] = "";
  ::LoadStringA(_hResInst, IDS_BROWSE_FOR_FOLDER, szBrowse, sizeof(szBrowse));
  m_menuRecent.AppendMenu(MF_STRING, kCmdBrowse, szBrowse);
  m_menuRecent.AppendMenu(MF_SEPARATOR, kIdSeparator);
  return TRUE;
}

BOOL CBrowseBtn::AddRecentFolder(LPCSTR lpszPath) { return AddRODList(lpszPath); }

BOOL CBrowseBtn::RemoveInvalidFolder(LPCSTR lpszPath) {
  BOOL bDone = FolderHistory::Remove(m_listFolders, m_nMax, lpszPath);
  m_nTotal = m_listFolders.GetCount();
  return bDone;
}

BOOL CBrowseBtn::GetRecentFolder(CString* pFolder) {
  if (pFolder == NULL || m_listFolders.IsEmpty() || m_listFolders.GetHead().IsEmpty()) return FALSE;
  try {
    *pFolder = m_listFolders.GetHead();
  } catch (CException* e) {
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

BOOL CBrowseBtn::ReadFromRegKey() {
  FolderHistory::Read(m_listFolders, m_strSection, kMarker, m_strFolder);
  m_nTotal = m_listFolders.GetCount();
  return TRUE;
}

BOOL CBrowseBtn::WriteToRegKey() { return FolderHistory::Write(m_listFolders, m_strSection, kMarker); }

BOOL CBrowseBtn::InsertRecentList() {
  int nItems = (int)m_menuRecent.GetMenuItemCount();
  FolderHistory::DeleteItemsFrom(m_menuRecent, nItems > m_nBaseItemNum ? m_nBaseItemNum + 1 : 0);
  FolderHistory::AppendItems(m_menuRecent, m_listFolders, kCmdFirstFolder);
  return TRUE;
}

void CBrowseBtn::GetMenuDisplayName(char* pszPath) { FolderHistory::MenuDisplayName(pszPath); }

void CBrowseBtn::AbbreviateName(char* pszPath, int cchMax) { FolderHistory::Abbreviate(pszPath, cchMax); }

BOOL CBrowseBtn::AddRODList(LPCSTR lpszPath) {
  BOOL bDone = FolderHistory::Add(m_listFolders, m_nMax, lpszPath);
  m_nTotal = m_listFolders.GetCount();
  return bDone;
}

void CBrowseBtn::RemoveSlash(char* pszPath) { FolderHistory::RemoveSlash(pszPath); }

CString CBrowseBtn::GetSelection(int nCommand) {
  int nFirst = m_nBaseItemNum + 101;
  if (nCommand < nFirst || nCommand >= nFirst + m_nTotal) return CString();
  return FolderHistory::At(m_listFolders, nCommand - nFirst);
}

int CBrowseBtn::GetBaseItemNum() { return m_nBaseItemNum; }

void CBrowseBtn::NotifyParent(UINT message, const CString& strPath) {
  if (m_pParent == NULL || !::IsWindow(m_pParent->m_hWnd)) return;
  char szPath[MAX_PATH];
  lstrcpynA(szPath, strPath, MAX_PATH);
  ::SendMessageA(m_pParent->m_hWnd, message, m_nID, (LPARAM)szPath);
}

// The press shows the menu instead of the pushed look.
void CBrowseBtn::OnLButtonDown(UINT, CPoint) {
  InsertRecentList();
  POINT pt;
  ::GetCursorPos(&pt);
  m_menuRecent.TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON, pt.x, pt.y, this);
}

// The browse command is left unhandled, so it also reaches the button's default processing.
BOOL CBrowseBtn::OnCommand(WPARAM wParam, LPARAM) {
  UINT nCommand = LOWORD(wParam);
  if (nCommand == kCmdBrowse && HIWORD(wParam) == 0) {
    m_strFolder = GetSelection(kCmdBrowse);
    NotifyParent(BROWSEBTN_BROWSE, m_strFolder);
    return FALSE;
  }
  if (nCommand >= kCmdFirstFolder && nCommand < kCmdFirstFolder + FolderHistory::kStoredMax) {
    m_strFolder = GetSelection((int)nCommand);
    NotifyParent(BROWSEBTN_FOLDER, m_strFolder);
    return TRUE;
  }
  return FALSE;
}

void CBrowseBtn::OnDestroy() {
  WriteToRegKey();
  COkButton::OnDestroy();
}
