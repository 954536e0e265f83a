// CWinReg: the host family's registry profile, HKEY_LOCAL_MACHINE\Software\Tarvik Systems\<application
// name>\4.0\<section>, with the framework's four profile operations. Each can be sent to an INI file
// instead. Made on the stack for one load or save.
#pragma once
#include <afxwin.h>
#include <t32Cfg.h>

class AFX_EXT_CLASS CWinReg {
 public:
  // Asks the configuration library for the application name and rebuilds the shared key name.
  CWinReg();
  ~CWinReg();
  CWinReg& operator=(const CWinReg& src);

  // The application key for this object: pszName (kept alive by the caller), or the shared one.
  void SetAppName(const char* pszName);

  // Open keys, or NULL; the caller closes them.
  HKEY GetAppRegistryKey();
  HKEY GetSectionKey(const char* pszSection);

  // With pszIniFile set, the same operations on that INI file.
  UINT GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault, const char* pszIniFile = NULL);
  CString GetProfileString(const char* pszSection, const char* pszEntry, const char* pszDefault = NULL,
                           const char* pszIniFile = NULL);
  BOOL WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue, const char* pszIniFile = NULL);
  // A NULL entry deletes the whole section, a NULL value the entry.
  BOOL WriteProfileString(const char* pszSection, const char* pszEntry, const char* pszValue,
                          const char* pszIniFile = NULL);

  const char* m_pszRegistryKey;  // "Tarvik Systems"
  const char* m_pszProfileName;  // application key below it

  // "<configured name>\4.0", shared by every object.
  static char s_szAppName[T32CFG_APPNAME_MAX + 4];
};
