// A fresh temporary folder for data files, removed with everything in it at the end of its scope.
#pragma once
#include <string>

namespace ostrel_test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return m_path; }  // with a trailing backslash
  std::string File(const std::string& name) const { return m_path + name; }
  // Writes bytes to a file in the folder (made as needed); returns its full path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  static std::string Read(const std::string& path);

 private:
  std::string m_path;
};

}  // namespace ostrel_test
