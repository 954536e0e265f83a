#include "t32Cfg.h"
#include <cstddef>
#include <cstring>

static_assert(sizeof(T32CFGSYSINFO) == 400 && offsetof(T32CFGSYSINFO, bCharSet) == 364, "system record layout");

namespace {

char g_szSetName[T32CFG_APPNAME_MAX];  // the name a host gave, empty when it gave none

void CopyName(char* dst, const char* src) {
  strncpy(dst, src, T32CFG_APPNAME_MAX - 1);
  dst[T32CFG_APPNAME_MAX - 1] = 0;
}

}  // namespace

T32CFG_API void T32API t32CfgSetAppName(const char* pszName) { CopyName(g_szSetName, pszName ? pszName : ""); }

T32CFG_API int T32API t32CfgGetAppName(int nReserved, char* pszName) {
  if (nReserved != 0 || !pszName) return 0;
  if (g_szSetName[0]) {
    strcpy(pszName, g_szSetName);  // already cut to the buffer's size
    return int(strlen(pszName));
  }
  char text[MAX_PATH] = {};
  DWORD n = GetEnvironmentVariableA("T32CFG_APPNAME", text, sizeof(text));
  if (n == 0 || n >= sizeof(text)) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof(path));
    const char* base = strrchr(path, '\\');
    strcpy(text, base ? base + 1 : path);
    char* dot = strrchr(text, '.');
    if (dot) *dot = 0;
  }
  CopyName(pszName, text);
  return int(strlen(pszName));
}

T32CFG_API int T32API t32CfgGetSystemInfo(int nReserved, T32CFGSYSINFO* pInfo, int nReserved2, int nKind) {
  if (nReserved != 0 || nReserved2 != 0 || !pInfo || nKind != T32CFG_SYSINFO) return 0;
  T32CFGSYSINFO info = {};
  info.dwAnsiCodePage = GetACP();
  info.dwOemCodePage = GetOEMCP();
  info.dwLanguage = GetUserDefaultLangID();
  t32CfgGetAppName(0, info.szAppName);
  CHARSETINFO cs = {};
  info.bCharSet = TranslateCharsetInfo(reinterpret_cast<DWORD*>(UINT_PTR(info.dwAnsiCodePage)), &cs, TCI_SRCCODEPAGE)
                      ? BYTE(cs.ciCharset)
                      : BYTE(DEFAULT_CHARSET);
  info.bDoubleByte = GetSystemMetrics(SM_DBCSENABLED) ? 1 : 0;
  *pInfo = info;
  return 1;
}
