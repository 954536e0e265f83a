// Points one module's import of a function at a replacement for the patch's lifetime, so a test can
// give the library a different view of the system (e.g. where the executable lives).
#pragma once
#include <windows.h>
#include <string>

namespace ostrel_test {

class ImportPatch {
 public:
  ImportPatch(const char* module, const char* function, void* replacement);
  ~ImportPatch();
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;
  bool Applied() const { return m_slot != NULL; }

 private:
  static void Write(void** slot, void* value);
  void** m_slot = NULL;
  void* m_original = NULL;
};

// For Ostrel.dll the running executable is `exePath` while this lives, so the library looks for
// its data files (presets, samples, plug-ins) beside it. One at a time.
class FakeExePath {
 public:
  explicit FakeExePath(const std::string& exePath);
  ~FakeExePath();
  bool Applied() const { return m_patch.Applied(); }

 private:
  std::string m_path;
  ImportPatch m_patch;
};

}  // namespace ostrel_test
