#include "t32Comm.h"
#include <cstring>

T32COMM_API int T32API tfdSplitPathname(const char* pszPath, char* pszName, char* pszFolder) {
  if (!pszPath) return 0;
  size_t len = strlen(pszPath);
  if (len >= MAX_PATH) return 0;
  // Just past the last separator, walking whole (possibly double-byte) characters.
  const char* nameStart = pszPath;
  for (const char* p = pszPath; *p; p = CharNextA(p))
    if (*p == '\\' || *p == '/' || *p == ':') nameStart = p + 1;
  size_t folderLen = size_t(nameStart - pszPath);
  if (pszFolder) {
    memcpy(pszFolder, pszPath, folderLen);
    pszFolder[folderLen] = 0;
  }
  if (pszName) strcpy(pszName, nameStart);
  return 1;
}
