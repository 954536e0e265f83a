// Buffer life, locks, information and pixel block transfer.
#include "buffer_store.h"
#include "pixel_rows.h"
#include <algorithm>

using namespace t32;

namespace {

// Copies the part of the w x h block at (x, y) that lies inside the image, between the buffer's
// cells and the packed caller block mem: row by row, one run for each cell the row crosses.
bool TransferBlock(const Buffer* b, int x, int y, int w, int h, BYTE* mem, bool intoBuffer) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = int(std::min<int64_t>(int64_t(x) + w, b->width));
  const int y1 = int(std::min<int64_t>(int64_t(y) + h, b->height));
  if (x0 >= x1 || y0 >= y1) return false;
  const size_t memRow = size_t(PackedRowBytes(w, b->bits));
  for (int iy = y0; iy < y1; ++iy) {
    const int cy = iy / T32_CELL_SIZE;
    BYTE* memLine = mem + memRow * size_t(iy - y);
    for (int cx = x0 / T32_CELL_SIZE; cx * T32_CELL_SIZE < x1; ++cx) {
      const int left = std::max(x0, cx * T32_CELL_SIZE), right = std::min(x1, (cx + 1) * T32_CELL_SIZE);
      const size_t pitch = size_t(b->cellPitch(cx));
      BYTE* cellLine = b->cell(cx, cy) + pitch * (iy - cy * T32_CELL_SIZE);
      const int inCell = left - cx * T32_CELL_SIZE, n = right - left;
      if (intoBuffer)
        CopyPixels(cellLine, inCell, memLine, left - x, n, b->bits);
      else
        CopyPixels(memLine, left - x, cellLine, inCell, n, b->bits);
    }
  }
  return true;
}

bool ValidBlock(int w, int h, const void* mem) { return mem && w > 0 && h > 0; }

}  // namespace

T32BASE_API int T32API buf32Alloc(HANDLE* phBuf, int nBitsPerPixel, int nWidth, int nHeight, int nOption,
                                  const void* pOptionData) {
  if (!phBuf) return 0;
  DWORD fill = 0;
  if (nOption == BUF32_ALLOC_FILL) {
    if (!pOptionData) return 0;
    fill = *static_cast<const DWORD*>(pOptionData);
  } else if (nOption != BUF32_ALLOC_ZERO) {
    return 0;
  }
  Buffer* b = CreateBuffer(nBitsPerPixel, nWidth, nHeight, fill);
  if (!b) return 0;
  *phBuf = b;
  return 1;
}

T32BASE_API int T32API buf32Free(HANDLE hBuf) {
  Buffer* b = Lookup(hBuf);
  if (!b) return 0;
  DestroyBuffer(b);
  return 1;
}

T32BASE_API int T32API buf32Lock(HANDLE hBuf, int nMode, void** ppMem) {
  Buffer* b = Lookup(hBuf);
  if (!b || nMode < BUF32_LOCK_READ || nMode > BUF32_LOCK_RW) return 0;
  ++b->lockCount;
  b->lockMode = nMode;
  if (ppMem) *ppMem = b->pixels;
  return 1;
}

T32BASE_API int T32API buf32Unlock(HANDLE hBuf) {
  Buffer* b = Lookup(hBuf);
  if (!b || b->lockCount == 0) return 0;
  if (--b->lockCount == 0) b->lockMode = 0;
  return 1;
}

T32BASE_API int T32API buf32Line(HANDLE hBuf, int nLine, int nFormat, const void* pLine) {
  Buffer* b = Lookup(hBuf);
  if (!b || !pLine || nFormat != BUF32_LINE_PACKED || nLine < 0 || nLine >= b->height) return 0;
  return TransferBlock(b, 0, nLine, b->width, 1, (BYTE*)pLine, true) ? 1 : 0;
}

T32BASE_API int T32API buf32GetInfo(HANDLE hBuf, BUF32INFO* pInfo) {
  Buffer* b = Lookup(hBuf);
  if (!b || !pInfo) return 0;
  BUF32INFO info = {};
  info.nWidth = b->width;
  info.nHeight = b->height;
  info.nBitsPerPixel = b->bits;
  info.nBytesPerPixel = (b->bits + 7) / 8;
  info.nRowBytes = b->rowBytes();
  info.nCellCount = b->columns * b->rows;
  info.nLockCount = b->lockCount;
  info.nTotalBytes = int(int64_t(b->rowBytes()) * b->height);
  info.nCellBytes = int(b->cellBytes);
  info.nCellRowBytes = b->cellRowBytes;
  info.nLockMode = b->lockMode;
  info.nCellColumns = b->columns;
  info.nCellRows = b->rows;
  info.nCellWidth = T32_CELL_SIZE;
  info.nCellHeight = T32_CELL_SIZE;
  info.nLastColWidth = b->width - (b->columns - 1) * T32_CELL_SIZE;
  info.nLastRowHeight = b->height - (b->rows - 1) * T32_CELL_SIZE;
  *pInfo = info;
  return 1;
}

T32BASE_API int T32API buf32GetWHU(HANDLE hBuf, int* pWidth, int* pHeight, int* pUnit) {
  Buffer* b = Lookup(hBuf);
  if (!b) return 0;
  if (pWidth) *pWidth = b->width;
  if (pHeight) *pHeight = b->height;
  if (pUnit) *pUnit = (b->bits + 7) / 8;
  return 1;
}

T32BASE_API int T32API buf32GetMem(HANDLE hBuf, int x, int y, int w, int h, void* pMem) {
  Buffer* b = Lookup(hBuf);
  if (!b || !ValidBlock(w, h, pMem)) return 0;
  return TransferBlock(b, x, y, w, h, static_cast<BYTE*>(pMem), false) ? 1 : 0;
}

T32BASE_API int T32API buf32GetMemWithBC(HANDLE hBuf, int x, int y, int w, int h, void* pMem, DWORD dwBorder) {
  Buffer* b = Lookup(hBuf);
  if (!b || !ValidBlock(w, h, pMem)) return 0;
  BYTE* mem = static_cast<BYTE*>(pMem);
  size_t memRow = size_t(PackedRowBytes(w, b->bits));
  for (int iy = 0; iy < h; ++iy) FillPixels(mem + memRow * iy, 0, w, b->bits, dwBorder);
  TransferBlock(b, x, y, w, h, mem, false);
  return 1;
}

T32BASE_API int T32API buf32MergeMem(HANDLE hBuf, int x, int y, int w, int h, const void* pMem) {
  Buffer* b = Lookup(hBuf);
  if (!b || !ValidBlock(w, h, pMem)) return 0;
  return TransferBlock(b, x, y, w, h, (BYTE*)pMem, true) ? 1 : 0;
}

T32BASE_API int T32API buf32CellLock(HANDLE hBuf, int nCell, void** ppCell) {
  Buffer* b = Lookup(hBuf);
  if (!b || !ppCell || nCell < 0 || nCell >= int(b->cellLocks.size())) return 0;
  BYTE* cell = LockCell(b, nCell);
  if (!cell) return 0;
  *ppCell = cell;
  return 1;
}

T32BASE_API int T32API buf32CellUnlock(HANDLE hBuf, int nCell) {
  Buffer* b = Lookup(hBuf);
  if (!b || nCell < 0 || nCell >= int(b->cellLocks.size()) || b->cellLocks[nCell] == 0) return 0;
  UnlockCell(b, nCell);
  return 1;
}
