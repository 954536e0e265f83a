#include "LiveObjects.h"
#include <tlhelp32.h>
#include <winternl.h>

namespace ostrel_test {

namespace {

// One slot of the GDI handle table the process environment block points at. Under Wine and on
// 64-bit Windows a slot is 24 bytes: the kernel object (8), owner (4), the handle's upper word (2),
// the object type (1, 0 for a free slot), flags (1), a user pointer (8). 32-bit Windows packs it into
// 16 bytes with the same fields up to the type.
struct HandleSlot {
  BYTE* pEntry;
  WORD Unique() const { return *(WORD*)(pEntry + (sizeof(void*) == 8 || IsWine() ? 12 : 8)); }
  BYTE Type() const { return *(pEntry + (sizeof(void*) == 8 || IsWine() ? 14 : 10)); }
  static bool IsWine() {
    static const bool bWine = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != NULL;
    return bWine;
  }
};

const int kHandleSlots = 0x10000;

// The 32-bit NtCurrentTeb reads fs:[0x18], which GCC takes for an access to an empty array.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
BYTE* GdiHandleTable() {
  BYTE* pPeb = (BYTE*)NtCurrentTeb()->ProcessEnvironmentBlock;
  return *(BYTE**)(pPeb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
}
#pragma GCC diagnostic pop

BOOL CALLBACK CountOne(HWND, LPARAM lParam) {
  ++*(int*)lParam;
  return TRUE;
}

BOOL CALLBACK CountWithChildren(HWND hWnd, LPARAM lParam) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hWnd, &pid);
  if (pid != ::GetCurrentProcessId()) return TRUE;
  CountOne(hWnd, lParam);
  ::EnumChildWindows(hWnd, CountOne, lParam);
  return TRUE;
}

}  // namespace

static std::map<DWORD, int> CountGdiObjects() {
  std::map<DWORD, int> live;
  BYTE* pTable = GdiHandleTable();
  if (pTable == NULL) return live;
  const size_t nSlotSize = sizeof(void*) == 8 || HandleSlot::IsWine() ? 24 : 16;
  for (int i = 0; i < kHandleSlots; i++) {
    HandleSlot slot = {pTable + i * nSlotSize};
    if (slot.Type() == 0) continue;
    HGDIOBJ h = (HGDIOBJ)(ULONG_PTR)(i | ((DWORD)slot.Unique() << 16));
    if (DWORD type = ::GetObjectType(h)) live[type]++;
  }
  return live;
}

static int CountWindows() {
  int nCount = 0;
  ::EnumWindows(CountWithChildren, (LPARAM)&nCount);
  for (HWND h = ::FindWindowExA(HWND_MESSAGE, NULL, NULL, NULL); h != NULL;
       h = ::FindWindowExA(HWND_MESSAGE, h, NULL, NULL))
    CountWithChildren(h, (LPARAM)&nCount);
  return nCount;
}

static int CountThreads() {
  HANDLE hSnap = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (hSnap == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 te{};
  te.dwSize = sizeof(te);
  int nCount = 0;
  for (BOOL b = ::Thread32First(hSnap, &te); b; b = ::Thread32Next(hSnap, &te))
    if (te.th32OwnerProcessID == ::GetCurrentProcessId()) nCount++;
  ::CloseHandle(hSnap);
  return nCount;
}

LiveObjects LiveObjects::Now() { return {CountGdiObjects(), CountWindows(), CountThreads()}; }

std::string LiveObjects::Difference(const LiveObjects& before) const {
  static const char* const kKinds[] = {"",
                                       "pens",
                                       "brushes",
                                       "DCs",
                                       "metafile DCs",
                                       "palettes",
                                       "fonts",
                                       "bitmaps",
                                       "regions",
                                       "metafiles",
                                       "memory DCs",
                                       "extended pens",
                                       "enhanced metafile DCs",
                                       "enhanced metafiles",
                                       "colour spaces"};
  std::string text;
  auto add = [&](const std::string& what, int delta) {
    if (delta == 0) return;
    if (!text.empty()) text += ", ";
    text += what + (delta > 0 ? " +" : " ") + std::to_string(delta);
  };
  std::map<DWORD, int> delta = gdi;
  for (const auto& kind : before.gdi) delta[kind.first] -= kind.second;
  for (const auto& kind : delta)
    add(kind.first < sizeof kKinds / sizeof *kKinds ? kKinds[kind.first] : "GDI objects", kind.second);
  add("windows", windows - before.windows);
  add("threads", threads - before.threads);
  return text;
}

}  // namespace ostrel_test
