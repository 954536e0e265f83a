// What the library's own files share and the host does not see.
#pragma once
#include <Ostrel/Module.h>

extern "C" HINSTANCE _hResInst;  // the library's module: every resource and window class uses it

// Width and height of a bitmap; (0, 0) for NULL or a handle that is not a bitmap.
inline CSize BitmapSize(HBITMAP hBmp) {
  BITMAP bm = {};
  if (hBmp == NULL || ::GetObjectA(hBmp, sizeof(bm), &bm) == 0) return CSize(0, 0);
  return CSize(bm.bmWidth, bm.bmHeight);
}

// A zero-filled GlobalAlloc block, freed at the end of its scope; Bytes() is NULL when it could
// not be had (or nBytes is 0).
struct GlobalBlock {
  explicit GlobalBlock(SIZE_T nBytes) : h(nBytes > 0 ? ::GlobalAlloc(GPTR, nBytes) : NULL) {}
  ~GlobalBlock() {
    if (h) ::GlobalFree(h);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  BYTE* Bytes() const { return (BYTE*)h; }
  HGLOBAL h;
};

// Copies the cx x cy part of hBmp that starts at (srcX, srcY) to (x, y) of hDC. Nothing is drawn
// for a NULL bitmap or when no memory DC can be made.
inline void DrawBitmapPart(HDC hDC, int x, int y, int cx, int cy, HBITMAP hBmp, int srcX, int srcY) {
  if (hBmp == NULL) return;
  HDC hSrc = ::CreateCompatibleDC(hDC);
  if (hSrc == NULL) return;
  HGDIOBJ hOld = ::SelectObject(hSrc, hBmp);
  ::BitBlt(hDC, x, y, cx, cy, hSrc, srcX, srcY, SRCCOPY);
  ::SelectObject(hSrc, hOld);
  ::DeleteDC(hSrc);
}

// Window classes registered at start-up.
void RegisterGroupBoxClass();
void RegisterCircleCtrlClass();
// A process-wide class of the library: redrawn on resizing, arrow cursor, no background brush.
void RegisterLibraryClass(const char* name, WNDPROC proc);
