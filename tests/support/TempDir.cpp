#include "TempDir.h"
#include <windows.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ostrel_test {

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

// Read-only files are made writable first, so that everything goes.
TempDir::~TempDir() {
  namespace fs = std::filesystem;
  std::error_code error;
  for (fs::recursive_directory_iterator it(m_path, error); !error && it != fs::end(it); it.increment(error))
    SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
  fs::remove_all(m_path, error);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::string path = File(name);
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
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
