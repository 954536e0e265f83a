// t32Cfg.dll: configuration of the host family. Ordinals 15 and 17 are exported
// by ordinal only (no names); the import library binds them by ordinal. The
// host's setter of the application name is exported by name.
// Calling convention: extern "C" __cdecl, as t32Base.
#ifndef T32CFG_H
#define T32CFG_H

#include <windows.h>

#ifdef T32CFG_BUILD
#define T32CFG_API extern "C" __declspec(dllexport)
#else
#define T32CFG_API extern "C" __declspec(dllimport)
#endif
#ifndef T32API
#define T32API __cdecl
#endif

#define T32CFG_ORDINAL_SYSINFO 15
#define T32CFG_ORDINAL_APPNAME 17
#define T32CFG_APPNAME_MAX     64  // characters of the name buffer, with the NUL

// System record filled by ordinal 15: 400 bytes.
struct T32CFGSYSINFO {
  DWORD dwAnsiCodePage;  // 0    GetACP
  DWORD dwOemCodePage;   // 4    GetOEMCP
  DWORD dwLanguage;      // 8    user default language id
  char szAppName[64];    // 12   as ordinal 17 gives it
  BYTE reserved1[288];   // 76   zero
  BYTE bCharSet;         // 364  character set of the system's ANSI code page (ANSI_CHARSET, ...)
  BYTE bDoubleByte;      // 365  1 when the system uses a double-byte character set
  BYTE reserved2[34];    // 366  zero
};
#define T32CFG_SYSINFO 1  // the only record kind (fourth argument)

// Ordinal 17: writes the application name under which the host family keeps
// its registry profile into pszName (T32CFG_APPNAME_MAX characters). The name
// is the one a host set with t32CfgSetAppName; else the environment variable
// T32CFG_APPNAME when it is set and not empty; else the file name of the
// process's executable without its extension.
// nReserved must be 0. Returns the name's length, 0 on bad arguments.
T32CFG_API int T32API t32CfgGetAppName(int nReserved, char* pszName);

// Sets the name ordinal 17 gives for the rest of the process (cut to
// T32CFG_APPNAME_MAX - 1 characters); NULL or "" returns to the default.
T32CFG_API void T32API t32CfgSetAppName(const char* pszName);

// Ordinal 15: fills *pInfo (called as 0, record, 0, T32CFG_SYSINFO).
// Returns 1, 0 on bad arguments.
T32CFG_API int T32API t32CfgGetSystemInfo(int nReserved, T32CFGSYSINFO* pInfo, int nReserved2, int nKind);

#endif
