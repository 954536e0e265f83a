#include "TempDir.h"
#include <windows.h>
#include <fstream>
#include <sstream>

namespace ostrel_test {

static void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA fd;
  HANDLE hFind = FindFirstFileA((folder + "*").c_str(), &fd);
  if (hFind != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + "\\");
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
  }
  RemoveDirectoryA(folder.substr(0, folder.size() - 1).c_str());
}

TempDir::TempDir() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  static LONG counter = 0;
  for (;;) {
    char name[MAX_PATH];
    wsprintfA(name, "%sostrel-%lu-%ld-%lu", base, GetCurrentProcessId(), InterlockedIncrement(&counter),
              GetTickCount());
    if (CreateDirectoryA(name, NULL)) {
      m_path = std::string(name) + "\\";
      return;
    }
  }
}

TempDir::~TempDir() { RemoveTree(m_path); }

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::string path = File(name);
  for (size_t i = m_path.size(); (i = path.find('\\', i)) != std::string::npos; ++i)
    CreateDirectoryA(path.substr(0, i).c_str(), NULL);
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), (std::streamsize)bytes.size());
  return path;
}

std::string TempDir::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace ostrel_test
