// The shared drawing functions: gradients, image buffers and edge frames into device contexts.
#include "gradient/GradientDraw.h"
#include "frame/LibraryState.h"
#include <Ostrel/GradientRecords.h>
#include <qsComm.h>
#include <t32Base.h>

namespace {

void DrawLine(HDC hDC, int x0, int y0, int x1, int y1, int x2, int y2) {
  MoveToEx(hDC, x0, y0, NULL);
  LineTo(hDC, x1, y1);
  LineTo(hDC, x2, y2);
}

}  // namespace

void DrawGradientRect(CDC* pDC, RECT rc, COLORREF clrStart, COLORREF clrEnd, int nDirection, int nColorShift) {
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  if (!pDC || w <= 0 || h <= 0) return;
  HANDLE hBuffer = NULL;
  if (!buf32Alloc(&hBuffer, 24, w, h, BUF32_ALLOC_ZERO, NULL)) return;
  GFILL_OPTION opt = MakeGradOption(clrStart, clrEnd, nColorShift, nDirection, GRADLINE_RECT, w, h);
  GFillToBuf(hBuffer, &opt, NULL);
  DrawBufferToDC(hBuffer, rc, pDC->GetSafeHdc());
  buf32Free(hBuffer);
}

BOOL DrawBufferToDC(void* hBuffer, RECT rc, HDC hDC) {
  BUF32INFO info = {};
  buf32GetInfo(hBuffer, &info);
  if (!buf32Lock(hBuffer, BUF32_LOCK_READ, NULL)) {
    XShowMessage(NULL, NULL, QS_MSG_OPERATION_FAILED, NULL, NULL);
    return FALSE;
  }
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  HANDLE hDisp = NULL;
  disp32ShowInit(&hDisp, hDC, info.nBitsPerPixel, rc, NULL, 0, 0);
  const SIZE_T nRowBytes = w > 0 ? (SIZE_T)w * info.nBytesPerPixel : 0;
  GlobalBlock block(h > 0 ? nRowBytes * h : 0);
  if (!block.Bytes()) {
    disp32ShowEnd(hDisp);
    buf32Unlock(hBuffer);
    return FALSE;
  }
  buf32GetMem(hBuffer, 0, 0, w, h, block.Bytes());
  disp32ShowData(hDisp, block.Bytes(), 0, 0, h, (int)nRowBytes);
  disp32ShowEnd(hDisp);
  buf32Unlock(hBuffer);
  return TRUE;
}

void DrawBufferInRect(HDC hDC, void* hBuffer, int nArg, int left, int top, int right, int bottom) {
  int w = 0, h = 0;
  if (!hBuffer || !buf32GetWHU(hBuffer, &w, &h, NULL) || w == 0 || h == 0) return;
  BUF32INFO info = {};
  buf32GetInfo(hBuffer, &info);
  buf32Lock(hBuffer, BUF32_LOCK_RW, NULL);
  HANDLE hDisp = NULL;
  const RECT rc = {left, top, right, bottom};
  disp32ShowInit(&hDisp, hDC, info.nBitsPerPixel, rc, (HPALETTE)(INT_PTR)nArg, DISP32_FIT_STRETCH, 0);
  GlobalBlock block((SIZE_T)info.nTotalBytes);
  if (block.Bytes()) {
    buf32GetMem(hBuffer, 0, 0, w, h, block.Bytes());
    disp32ShowData(hDisp, block.Bytes(), 0, 0, h, info.nTotalBytes / h);
  }
  disp32ShowEnd(hDisp);
  buf32Unlock(hBuffer);
}

void DrawEdgeFrame(HDC hDC, const RECT* prc, BOOL bRaised) {
  if (!hDC || !prc) return;
  const int l = prc->left, t = prc->top, r = prc->right, b = prc->bottom;
  const COLORREF clrLight = GetSysColor(COLOR_BTNHIGHLIGHT), clrDark = GetSysColor(COLOR_BTNSHADOW);
  HPEN hPenA = CreatePen(PS_SOLID, 1, bRaised ? clrLight : clrDark);
  HPEN hPenB = CreatePen(PS_SOLID, 1, bRaised ? clrDark : clrLight);
  if (hPenA && hPenB) {
    HGDIOBJ hOld = SelectObject(hDC, hPenA);
    DrawLine(hDC, l, b - 1, l, t, r, t);
    SelectObject(hDC, hPenB);
    DrawLine(hDC, r - 1, t + 1, r - 1, b - 1, l, b - 1);
    SelectObject(hDC, hOld);
  }
  if (hPenA) DeleteObject(hPenA);
  if (hPenB) DeleteObject(hPenB);
}
