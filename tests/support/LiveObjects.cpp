#include "LiveObjects.h"
#include <tlhelp32.h>
#include <winternl.h>

namespace ostrel_test {

namespace {

// The GDI handle table the process environment block points at. Under Wine and on 64-bit Windows a
// slot is 24 bytes: the kernel object (8), owner (4), the handle's upper word (2), the object type
// (1, 0 for a free slot), flags (1), a user pointer (8). 32-bit Windows packs it into 16 bytes with
// the same fields up to the type.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"  // the 32-bit NtCurrentTeb reads fs:[0x18]
std::map<DWORD, int> CountGdiObjects() {
  std::map<DWORD, int> live;
  BYTE* pPeb = (BYTE*)NtCurrentTeb()->ProcessEnvironmentBlock;
  BYTE* pTable = *(BYTE**)(pPeb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
  if (pTable == NULL) return live;
  const bool bWide = sizeof(void*) == 8 || GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version");
  const size_t nSlot = bWide ? 24 : 16, nUnique = bWide ? 12 : 8;
  for (int i = 0; i < 0x10000; i++) {
    BYTE* pEntry = pTable + i * nSlot;
    if (pEntry[nUnique + 2] == 0) continue;  // the type: a free slot
    HGDIOBJ h = (HGDIOBJ)(ULONG_PTR)(i | ((DWORD) * (WORD*)(pEntry + nUnique) << 16));
    if (DWORD type = GetObjectType(h)) live[type]++;
  }
  return live;
}
#pragma GCC diagnostic pop

BOOL CALLBACK CountOne(HWND, LPARAM lParam) { return ++*(int*)lParam, TRUE; }

BOOL CALLBACK CountWithChildren(HWND hWnd, LPARAM lParam) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hWnd, &pid);
  if (pid == GetCurrentProcessId()) CountOne(hWnd, lParam), EnumChildWindows(hWnd, CountOne, lParam);
  return TRUE;
}

int CountWindows() {
  int nCount = 0;
  EnumWindows(CountWithChildren, (LPARAM)&nCount);
  for (HWND h = NULL; (h = FindWindowExA(HWND_MESSAGE, h, NULL, NULL)) != NULL;) CountWithChildren(h, (LPARAM)&nCount);
  return nCount;
}

int CountThreads() {
  HANDLE hSnap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 te{};
  te.dwSize = sizeof(te);
  int nCount = 0;
  for (BOOL b = Thread32First(hSnap, &te); b; b = Thread32Next(hSnap, &te))
    nCount += te.th32OwnerProcessID == GetCurrentProcessId();
  CloseHandle(hSnap);
  return nCount;
}

}  // namespace

LiveObjects LiveObjects::Now() { return {CountGdiObjects(), CountWindows(), CountThreads()}; }

std::string LiveObjects::Difference(const LiveObjects& before) const {
  static const char* const kKinds[] = {"",      "pens",    "brushes", "DCs",       "metafile DCs", "palettes",
                                       "fonts", "bitmaps", "regions", "metafiles", "memory DCs",   "extended pens"};
  std::string text;
  auto add = [&](const std::string& what, int delta) {
    if (delta != 0) text += (text.empty() ? "" : ", ") + what + (delta > 0 ? " +" : " ") + std::to_string(delta);
  };
  std::map<DWORD, int> delta = gdi;
  for (const auto& kind : before.gdi) delta[kind.first] -= kind.second;
  for (const auto& kind : delta) add(kind.first < 12 ? kKinds[kind.first] : "other GDI objects", kind.second);
  add("windows", windows - before.windows);
  add("threads", threads - before.threads);
  return text;
}

}  // namespace ostrel_test
