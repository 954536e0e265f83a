// Points one module's import of a function at a replacement for the patch's lifetime, so a test can
// give the library a different view of the system (e.g. where the executable lives).
#pragma once
#include <windows.h>

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

}  // namespace ostrel_test
