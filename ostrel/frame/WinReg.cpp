// CWinReg: keys below HKEY_LOCAL_MACHINE\Software, opened for one operation and closed again.
#include <Ostrel/WinReg.h>
#include <stdio.h>
#include <string.h>

namespace {

const char kCompany[] = "Tarvik Systems";
const char kVersion[] = "\\4.0";
const REGSAM kAccess = KEY_READ | KEY_WRITE;
const int kIniStringSize = 280;

HKEY CreateKey(HKEY hParent, const char* pszName) {
  HKEY hKey = NULL;
  DWORD dwDisposition = 0;
  if (::RegCreateKeyExA(hParent, pszName, 0, NULL, REG_OPTION_NON_VOLATILE, kAccess, NULL, &hKey, &dwDisposition) !=
      ERROR_SUCCESS)
    return NULL;
  return hKey;
}

// Closes a key when it goes out of scope, whichever way the scope is left.
class KeyHolder {
 public:
  explicit KeyHolder(HKEY hKey) : m_hKey(hKey) {}
  ~KeyHolder() {
    if (m_hKey != NULL) ::RegCloseKey(m_hKey);
  }
  KeyHolder(const KeyHolder&) = delete;
  KeyHolder& operator=(const KeyHolder&) = delete;
  operator HKEY() const { return m_hKey; }

 private:
  HKEY m_hKey;
};

}  // namespace

char CWinReg::s_szAppName[T32CFG_APPNAME_MAX + 4];

CWinReg::CWinReg() : m_pszRegistryKey(kCompany), m_pszProfileName(s_szAppName) {
  s_szAppName[0] = 0;
  t32CfgGetAppName(0, s_szAppName);
  s_szAppName[T32CFG_APPNAME_MAX - 1] = 0;
  strcat(s_szAppName, kVersion);
}

CWinReg::~CWinReg() {}

CWinReg& CWinReg::operator=(const CWinReg& src) {
  m_pszRegistryKey = src.m_pszRegistryKey;
  m_pszProfileName = src.m_pszProfileName;
  return *this;
}

void CWinReg::SetAppName(const char* pszName) { m_pszProfileName = pszName != NULL ? pszName : s_szAppName; }

HKEY CWinReg::GetAppRegistryKey() {
  HKEY hSoftware = NULL;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, kAccess, &hSoftware) != ERROR_SUCCESS) return NULL;
  HKEY hApp = NULL;
  HKEY hCompany = CreateKey(hSoftware, m_pszRegistryKey);
  if (hCompany != NULL) {
    hApp = CreateKey(hCompany, m_pszProfileName);
    ::RegCloseKey(hCompany);
  }
  ::RegCloseKey(hSoftware);
  return hApp;
}

// A section needs a name: an empty one would put its values into the application key itself.
HKEY CWinReg::GetSectionKey(const char* pszSection) {
  if (pszSection == NULL || pszSection[0] == 0) return NULL;
  HKEY hApp = GetAppRegistryKey();
  if (hApp == NULL) return NULL;
  HKEY hSection = CreateKey(hApp, pszSection);
  ::RegCloseKey(hApp);
  return hSection;
}

UINT CWinReg::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault, const char* pszIniFile) {
  if (pszIniFile != NULL) return ::GetPrivateProfileIntA(pszSection, pszEntry, nDefault, pszIniFile);
  KeyHolder hSection(GetSectionKey(pszSection));
  if (hSection == NULL) return (UINT)nDefault;
  DWORD dwValue = 0, dwType = 0, dwSize = sizeof(dwValue);
  if (::RegQueryValueExA(hSection, pszEntry, NULL, &dwType, (BYTE*)&dwValue, &dwSize) != ERROR_SUCCESS)
    return (UINT)nDefault;
  return (UINT)dwValue;
}

// Only text values count: anything else reads as the default.
CString CWinReg::GetProfileString(const char* pszSection, const char* pszEntry, const char* pszDefault,
                                  const char* pszIniFile) {
  try {
    if (pszIniFile != NULL) {
      char szText[kIniStringSize] = "";
      ::GetPrivateProfileStringA(pszSection, pszEntry, pszDefault != NULL ? pszDefault : "", szText, sizeof(szText),
                                 pszIniFile);
      return CString(szText);
    }
    KeyHolder hSection(GetSectionKey(pszSection));
    DWORD dwType = 0, dwSize = 0;
    if (hSection == NULL || ::RegQueryValueExA(hSection, pszEntry, NULL, &dwType, NULL, &dwSize) != ERROR_SUCCESS ||
        (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
      return CString(pszDefault);
    CString strValue;
    char* pBuffer = strValue.GetBuffer((int)dwSize + 1);
    DWORD dwRead = dwSize;
    if (::RegQueryValueExA(hSection, pszEntry, NULL, &dwType, (BYTE*)pBuffer, &dwRead) != ERROR_SUCCESS ||
        dwRead > dwSize) {
      strValue.ReleaseBuffer(0);
      return CString(pszDefault);
    }
    pBuffer[dwRead] = 0;  // a value stored without its terminator
    strValue.ReleaseBuffer();
    return strValue;
  } catch (CException* e) {
    e->Delete();
    return CString();
  }
}

BOOL CWinReg::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue, const char* pszIniFile) {
  if (pszIniFile != NULL) {
    char szText[16];
    snprintf(szText, sizeof(szText), "%d", nValue);
    return ::WritePrivateProfileStringA(pszSection, pszEntry, szText, pszIniFile);
  }
  KeyHolder hSection(GetSectionKey(pszSection));
  if (hSection == NULL) return FALSE;
  DWORD dwValue = (DWORD)nValue;
  return ::RegSetValueExA(hSection, pszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue)) == ERROR_SUCCESS;
}

BOOL CWinReg::WriteProfileString(const char* pszSection, const char* pszEntry, const char* pszValue,
                                 const char* pszIniFile) {
  if (pszIniFile != NULL) return ::WritePrivateProfileStringA(pszSection, pszEntry, pszValue, pszIniFile);
  if (pszEntry == NULL) {
    if (pszSection == NULL || pszSection[0] == 0) return FALSE;
    KeyHolder hApp(GetAppRegistryKey());
    return hApp != NULL && ::RegDeleteKeyA(hApp, pszSection) == ERROR_SUCCESS;
  }
  KeyHolder hSection(GetSectionKey(pszSection));
  if (hSection == NULL) return FALSE;
  if (pszValue == NULL) return ::RegDeleteValueA(hSection, pszEntry) == ERROR_SUCCESS;
  return ::RegSetValueExA(hSection, pszEntry, 0, REG_SZ, (const BYTE*)pszValue, (DWORD)strlen(pszValue) + 1) ==
         ERROR_SUCCESS;
}
