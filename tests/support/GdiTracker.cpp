#include "GdiTracker.h"
#include <map>
#include <set>
#include <string>

namespace ostrel_test {

namespace {
struct Counts {
  std::set<HGDIOBJ> live;
  std::map<HGDIOBJ, int> deleted;
  int dcsHeld = 0;
};
Counts g_counts;  // hooks run only while a tracker has patched imports
std::map<std::string, void*> g_realByName;

void Made(HGDIOBJ h) {
  if (h != NULL) g_counts.live.insert(h);
}
void Gone(HGDIOBJ h) { g_counts.live.erase(h); }
HDC Held(HDC dc) {
  if (dc != NULL) g_counts.dcsHeld++;
  return dc;
}
void Deleted(HGDIOBJ h) {
  Gone(h);
  g_counts.deleted[h]++;
}
// The system's own function of that name, with its own type.
#define REAL(name) ((decltype(&name))g_realByName[#name])
}  // namespace

// One hook per function that makes an object: call the real one, then note what it made.
#define GDI_MAKERS(X)                                                                                           \
  X(CreatePen, (int s, int w, COLORREF c), (s, w, c))                                                           \
  X(ExtCreatePen, (DWORD s, DWORD w, const LOGBRUSH* b, DWORD n, const DWORD* d), (s, w, b, n, d))              \
  X(CreateSolidBrush, (COLORREF c), (c))                                                                        \
  X(CreateHatchBrush, (int s, COLORREF c), (s, c))                                                              \
  X(CreatePatternBrush, (HBITMAP b), (b))                                                                       \
  X(CreateFontA,                                                                                                \
    (int a, int b, int c, int d, int e, DWORD f, DWORD g, DWORD h, DWORD i, DWORD j, DWORD k, DWORD l, DWORD m, \
     LPCSTR n),                                                                                                 \
    (a, b, c, d, e, f, g, h, i, j, k, l, m, n))                                                                 \
  X(CreateFontIndirectA, (const LOGFONTA* f), (f))                                                              \
  X(CreateBitmap, (int w, int h, UINT p, UINT b, const void* d), (w, h, p, b, d))                               \
  X(CreateCompatibleBitmap, (HDC dc, int w, int h), (dc, w, h))                                                 \
  X(CreateDIBSection, (HDC dc, const BITMAPINFO* i, UINT u, void** b, HANDLE s, DWORD o), (dc, i, u, b, s, o))  \
  X(CreateDIBitmap, (HDC dc, const BITMAPINFOHEADER* h, DWORD f, const void* b, const BITMAPINFO* i, UINT u),   \
    (dc, h, f, b, i, u))                                                                                        \
  X(CreateCompatibleDC, (HDC dc), (dc))                                                                         \
  X(CreateDCA, (LPCSTR a, LPCSTR b, LPCSTR c, const DEVMODEA* d), (a, b, c, d))                                 \
  X(CreateRectRgn, (int l, int t, int r, int b), (l, t, r, b))                                                  \
  X(CreateRectRgnIndirect, (const RECT* r), (r))                                                                \
  X(CreateEllipticRgn, (int l, int t, int r, int b), (l, t, r, b))                                              \
  X(PathToRegion, (HDC dc), (dc))                                                                               \
  X(CreatePalette, (const LOGPALETTE* p), (p))                                                                  \
  X(LoadBitmapA, (HINSTANCE i, LPCSTR n), (i, n))

#define GDI_MAKER(name, params, args)        \
  static HGDIOBJ WINAPI Hook_##name params { \
    HGDIOBJ made = REAL(name) args;          \
    Made(made);                              \
    return made;                             \
  }
GDI_MAKERS(GDI_MAKER)

static HANDLE WINAPI Hook_LoadImageA(HINSTANCE i, LPCSTR n, UINT t, int cx, int cy, UINT f) {
  HANDLE h = REAL(LoadImageA)(i, n, t, cx, cy, f);
  if (t == IMAGE_BITMAP) Made((HGDIOBJ)h);
  return h;
}
// A region given to a window belongs to the system from then on.
static int WINAPI Hook_SetWindowRgn(HWND w, HRGN r, BOOL b) {
  int result = REAL(SetWindowRgn)(w, r, b);
  if (result) Gone((HGDIOBJ)r);
  return result;
}
static BOOL WINAPI Hook_DeleteObject(HGDIOBJ h) { return Deleted(h), REAL(DeleteObject)(h); }
static BOOL WINAPI Hook_DeleteDC(HDC h) { return Deleted(h), REAL(DeleteDC)(h); }
static HDC WINAPI Hook_GetDC(HWND w) { return Held(REAL(GetDC)(w)); }
static HDC WINAPI Hook_GetWindowDC(HWND w) { return Held(REAL(GetWindowDC)(w)); }
static int WINAPI Hook_ReleaseDC(HWND w, HDC dc) {
  int result = REAL(ReleaseDC)(w, dc);
  if (result) g_counts.dcsHeld--;
  return result;
}

#define HOOK(name)                     {#name, (void*)Hook_##name},
#define MAKER_HOOK(name, params, args) HOOK(name)
static const struct {
  const char* name;
  void* hook;
} kHooks[] = {GDI_MAKERS(MAKER_HOOK) HOOK(LoadImageA) HOOK(DeleteObject) HOOK(DeleteDC) HOOK(SetWindowRgn) HOOK(GetDC)
                  HOOK(GetWindowDC) HOOK(ReleaseDC)};

static void* RealFunction(const char* name) {
  void* p = (void*)GetProcAddress(GetModuleHandleA("gdi32.dll"), name);
  return p != NULL ? p : (void*)GetProcAddress(GetModuleHandleA("user32.dll"), name);
}

GdiTracker::GdiTracker(std::initializer_list<const char*> modules) {
  for (const auto& hook : kHooks) g_realByName[hook.name] = RealFunction(hook.name);
  g_counts = Counts();
  for (const char* moduleName : modules) {
    for (const auto& hook : kHooks) {
      std::unique_ptr<ImportPatch> patch(new ImportPatch(moduleName, hook.name, hook.hook));
      if (patch->Applied()) m_patches.push_back(std::move(patch));
    }
  }
}

GdiTracker::~GdiTracker() { m_patches.clear(); }

int GdiTracker::Outstanding() const { return (int)g_counts.live.size(); }
int GdiTracker::DCsHeld() const { return g_counts.dcsHeld; }
int GdiTracker::Deleted(HGDIOBJ h) const {
  auto it = g_counts.deleted.find(h);
  return it == g_counts.deleted.end() ? 0 : it->second;
}

}  // namespace ostrel_test
