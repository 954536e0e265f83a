#include "ImportPatch.h"
#include <string.h>

namespace ostrel_test {

// Finds the import slot of `function` (imported by name) in the module's import table.
static void** FindSlot(BYTE* base, const char* function) {
  IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
  DWORD importsAt = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  if (importsAt == 0) return NULL;
  for (auto* library = (IMAGE_IMPORT_DESCRIPTOR*)(base + importsAt); library->Name != 0; ++library) {
    DWORD namesAt = library->OriginalFirstThunk ? library->OriginalFirstThunk : library->FirstThunk;
    auto* names = (IMAGE_THUNK_DATA*)(base + namesAt);
    auto* slots = (IMAGE_THUNK_DATA*)(base + library->FirstThunk);
    for (int i = 0; names[i].u1.AddressOfData != 0; i++) {
      if (IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal)) continue;
      auto* byName = (IMAGE_IMPORT_BY_NAME*)(base + names[i].u1.AddressOfData);
      if (strcmp((const char*)byName->Name, function) == 0) return (void**)&slots[i].u1.Function;
    }
  }
  return NULL;
}

ImportPatch::ImportPatch(const char* module, const char* function, void* replacement) {
  BYTE* base = (BYTE*)GetModuleHandleA(module);
  m_slot = base != NULL ? FindSlot(base, function) : NULL;
  if (m_slot == NULL) return;
  m_original = *m_slot;
  Write(m_slot, replacement);
}

ImportPatch::~ImportPatch() {
  if (m_slot != NULL) Write(m_slot, m_original);
}

void ImportPatch::Write(void** slot, void* value) {
  DWORD old;
  VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old);
  *slot = value;
  VirtualProtect(slot, sizeof(void*), old, &old);
}

static const std::string* g_exePath = NULL;  // the live FakeExePath's

// The library asks for the executable's name: it gets the fake one.
static DWORD WINAPI FakeModuleFileName(HMODULE hModule, LPSTR buffer, DWORD size) {
  if (g_exePath == NULL || (hModule != NULL && hModule != GetModuleHandleA(NULL)))
    return GetModuleFileNameA(hModule, buffer, size);
  lstrcpynA(buffer, g_exePath->c_str(), (int)size);
  return (DWORD)lstrlenA(buffer);
}

FakeExePath::FakeExePath(const std::string& exePath)
    : m_path(exePath), m_patch("Ostrel.dll", "GetModuleFileNameA", (void*)FakeModuleFileName) {
  g_exePath = &m_path;
}

FakeExePath::~FakeExePath() { g_exePath = NULL; }

}  // namespace ostrel_test
