// Import patching for GdiDeleteCounter: afx.dll's import address table entries for the two gdi32
// functions are pointed at counting functions that then call the real ones.
#include "gdi_count.h"
#include <string.h>

GdiDeleteCounter* GdiDeleteCounter::s_active = NULL;

namespace {

// The import table slot of module hModule for dll!name, or NULL.
void** FindImportSlot(HMODULE hModule, const char* dll, const char* name) {
  BYTE* base = (BYTE*)hModule;
  IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
  IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (IMAGE_IMPORT_DESCRIPTOR* imp = (IMAGE_IMPORT_DESCRIPTOR*)(base + dir.VirtualAddress); imp->Name; imp++) {
    if (_stricmp((char*)(base + imp->Name), dll) != 0) continue;
    IMAGE_THUNK_DATA* names = (IMAGE_THUNK_DATA*)(base + imp->OriginalFirstThunk);
    IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(base + imp->FirstThunk);
    for (; names->u1.AddressOfData; names++, slots++) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      IMAGE_IMPORT_BY_NAME* byName = (IMAGE_IMPORT_BY_NAME*)(base + names->u1.AddressOfData);
      if (strcmp((char*)byName->Name, name) == 0) return (void**)&slots->u1.Function;
    }
  }
  return NULL;
}

void* Patch(const char* name, void* replacement) {
  void** slot = FindImportSlot(GetModuleHandleA("afx.dll"), "gdi32.dll", name);
  if (slot == NULL) return NULL;
  DWORD oldProtect;
  VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &oldProtect);
  void* original = *slot;
  *slot = replacement;
  VirtualProtect(slot, sizeof(void*), oldProtect, &oldProtect);
  return original;
}

void* g_realDeleteObject = NULL;
void* g_realDeleteDC = NULL;

}  // namespace

GdiDeleteCounter::GdiDeleteCounter() {
  s_active = this;
  g_realDeleteObject = Patch("DeleteObject", (void*)&CountingDeleteObject);
  g_realDeleteDC = Patch("DeleteDC", (void*)&CountingDeleteDC);
}

GdiDeleteCounter::~GdiDeleteCounter() {
  if (g_realDeleteObject) Patch("DeleteObject", g_realDeleteObject);
  if (g_realDeleteDC) Patch("DeleteDC", g_realDeleteDC);
  s_active = NULL;
}

int GdiDeleteCounter::Deletions(HANDLE h) const {
  auto it = m_counts.find(h);
  return it == m_counts.end() ? 0 : it->second;
}

int GdiDeleteCounter::Total() const {
  int total = 0;
  for (auto& e : m_counts) total += e.second;
  return total;
}

BOOL WINAPI GdiDeleteCounter::CountingDeleteObject(HGDIOBJ h) {
  if (s_active) s_active->m_counts[h]++;
  return ((BOOL(WINAPI*)(HGDIOBJ))g_realDeleteObject)(h);
}

BOOL WINAPI GdiDeleteCounter::CountingDeleteDC(HDC h) {
  if (s_active) s_active->m_counts[h]++;
  return ((BOOL(WINAPI*)(HDC))g_realDeleteDC)(h);
}
