// The browse button beside a folder field, and CVexROD for hosts that show the recent-folder menu
// themselves. Both keep the nine most recent folders, newest first, in the registry profile.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include <Ostrel/OkButton.h>

// Sent to the browse button's parent; wParam the control id.
#define BROWSEBTN_FOLDER (WM_USER + 100)  // lParam: the chosen folder (char*, valid during the call)
#define BROWSEBTN_BROWSE (WM_USER + 101)  // lParam: an empty path (char*): run the folder dialog

// A button whose menu offers "&Browse for Folder..." and the recent folders, numbered 1 to 9.
class AFX_EXT_CLASS CBrowseBtn : public COkButton {
  DECLARE_DYNAMIC(CBrowseBtn)

 public:
  CBrowseBtn();
  virtual ~CBrowseBtn();

  // Subclasses dialog item nID of pParent and loads the history kept under lpszSection; lpszFolder
  // is the history when none was kept. Look 0 is bitmap 493, found through the resource search.
  BOOL Create(LPCSTR lpszSection, LPCSTR lpszFolder, CWnd* pParent, UINT nID,
              COkButton::BITMAPDEFAULT bmpDefault = COkButton::BITMAP_CUSTOM, UINT nBitmapID = 0,
              HINSTANCE hInst = NULL);
  BOOL AddRecentFolder(LPCSTR lpszPath);
  BOOL RemoveInvalidFolder(LPCSTR lpszPath);
  // The newest folder; FALSE when there is none.
  BOOL GetRecentFolder(CString* pFolder);

 protected:
  CWnd* m_pParent;
  CMenu m_menuRecent;
  CStringList m_listFolders;
  int m_nTotal;
  int m_nMax;
  CString m_strSection;
  CString m_strFolder;
  int m_nBaseItemNum;
  UINT m_nID;

  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnDestroy();

 private:
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  BOOL InitROD(LPCSTR lpszSection, LPCSTR lpszFolder);
  BOOL ReadFromRegKey();
  BOOL WriteToRegKey();
  BOOL InsertRecentList();
  void GetMenuDisplayName(char* pszPath);
  void AbbreviateName(char* pszPath, int cchMax);
  BOOL AddRODList(LPCSTR lpszPath);
  void RemoveSlash(char* pszPath);
  CString GetSelection(int nCommand);
  int GetBaseItemNum();
  // Sends message with wParam m_nID and a path buffer the parent may read during the call.
  void NotifyParent(UINT message, const CString& strPath);
  DECLARE_MESSAGE_MAP()
};

// The recent folders for a window that shows the menu itself; the choice comes to that window as
// WM_COMMAND 100 + n, to be read back with GetSelection.
class AFX_EXT_CLASS CVexROD {
 public:
  CVexROD();
  ~CVexROD();

  BOOL Init(CWnd* pOwner, LPCSTR lpszSection, LPCSTR lpszFolder);
  BOOL ReadFromRegKey();
  // Not written by itself: the host saves when it sees fit.
  BOOL WriteToRegKey();
  // Shows the menu of recent folders at the cursor.
  BOOL OnROD();
  void AddROD(LPCSTR lpszPath);
  CString GetSelection(int nCommand);
  // In place, in a buffer of MAX_PATH characters: the path as its menu item shows it (shortened to
  // 30 characters, '&' doubled), or shortened to cchMax with "\..." for the middle folders.
  void GetMenuDisplayName(char* pszPath);
  void AbbreviateName(char* pszPath, int cchMax);

 protected:
  CMenu m_menu;
  CStringList m_listFolders;
  int m_nTotal;
  int m_nMax;
  CString m_strSection;
  CString m_strFolder;
  CWnd* m_pOwner;
};

// The trailing-backslash rule, in place in a buffer of MAX_PATH characters: "C:" -> "C:\",
// "C:\Photos\" -> "C:\Photos", "C:\" stays.
AFX_EXT_API void myRemoveSlash(char* pszPath);
