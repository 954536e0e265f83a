// Files of item-list strips.
#include "gradient/ListFiles.h"
#include <windows.h>

namespace {

const int kMaxKeptCopies = 99;

bool ReadFileBytes(const std::string& strPath, std::string& bytes) {
  HANDLE hFile = CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  if (hFile == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool bOk = GetFileSizeEx(hFile, &size) && size.QuadPart < 0x40000000;
  if (bOk) {
    bytes.resize((size_t)size.QuadPart);
    DWORD nRead = 0;
    bOk = bytes.empty() || (ReadFile(hFile, &bytes[0], (DWORD)bytes.size(), &nRead, NULL) && nRead == bytes.size());
  }
  CloseHandle(hFile);
  return bOk;
}

bool SameBytes(const std::string& strA, const std::string& strB) {
  std::string a, b;
  return ReadFileBytes(strA, a) && ReadFileBytes(strB, b) && a == b;
}

}  // namespace

std::string DataFilePath(const char* pszModuleFile, const char* pszName) {
  std::string strPath = pszModuleFile != NULL ? pszModuleFile : "";
  const size_t nSlash = strPath.find_last_of('\\');
  strPath = nSlash != std::string::npos && nSlash >= 1 ? strPath.substr(0, nSlash + 1) : std::string();
  return strPath + "Tarvik.dat\\" + (pszName != NULL ? pszName : "");
}

bool FileExists(const std::string& strPath) {
  const DWORD dwAttributes = GetFileAttributesA(strPath.c_str());
  return dwAttributes != INVALID_FILE_ATTRIBUTES && !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool KeepUnreadableFile(const std::string& strPath, std::string* pKept) {
  for (int n = 1; n <= kMaxKeptCopies; n++) {
    std::string strCopy = strPath + ".unreadable" + (n > 1 ? std::to_string(n) : std::string());
    // A copy kept earlier of the same bytes is kept already.
    bool bKept =
        CopyFileA(strPath.c_str(), strCopy.c_str(), TRUE) || (FileExists(strCopy) && SameBytes(strPath, strCopy));
    if (bKept) {
      if (pKept != NULL) *pKept = strCopy;
      return true;
    }
    if (!FileExists(strCopy)) return false;  // the copy failed for another reason than the name
  }
  return false;
}
