// The gradient renderer over t32Base buffers: draws straight into the buffer's cells.
#include <algorithm>

#include "gradient_core.h"
#include "qsComm.h"
#include "t32Base.h"

namespace {

// Reports to an optional progress block.
class Progress {
 public:
  explicit Progress(DSAIK32PCB* p) : m_p(p && p->nActive && p->pfnProgress ? p : nullptr) {}
  bool Send(int nMsg, unsigned int nAmount) {
    return !m_p || m_p->pfnProgress(nMsg, nAmount, m_p->lParam, m_p->pData) != 0;
  }
  unsigned int Amount(int nDone, int nTotal) const {
    const long long range = m_p ? std::max(0, m_p->nRange) : 0;
    return (unsigned int)(range * nDone / nTotal);
  }

 private:
  DSAIK32PCB* m_p;
};

// Renders one cell of the buffer; false when it cannot be locked.
bool RenderCell(HANDLE hBuf, const BUF32INFO& info, const qs::GradientPlan& plan, int nCell) {
  const int col = nCell % info.nCellColumns, row = nCell / info.nCellColumns;
  const int w = col == info.nCellColumns - 1 ? info.nLastColWidth : info.nCellWidth;
  const int h = row == info.nCellRows - 1 ? info.nLastRowHeight : info.nCellHeight;
  void* pCell = nullptr;
  if (!buf32CellLock(hBuf, nCell, &pCell) || !pCell) return false;
  qs::RenderBlock(plan, col * info.nCellWidth, row * info.nCellHeight, w, h, static_cast<unsigned char*>(pCell),
                  info.nCellRowBytes);
  buf32CellUnlock(hBuf, nCell);
  return true;
}

// Fills every cell, row of cells by row of cells; false on a failure or a stop request.
bool RenderCells(HANDLE hBuf, const BUF32INFO& info, const qs::GradientPlan& plan, Progress& progress) {
  for (int row = 0; row < info.nCellRows; ++row) {
    for (int col = 0; col < info.nCellColumns; ++col)
      if (!RenderCell(hBuf, info, plan, row * info.nCellColumns + col)) return false;
    if (!progress.Send(DSAIK32_DOING, progress.Amount(row + 1, info.nCellRows))) return false;
  }
  return true;
}

}  // namespace

int __cdecl GFillToBuf(void* hBuffer, GFILL_OPTION* pOption, DSAIK32PCB* pProgress) {
  if (!hBuffer || !pOption) return 0;
  HANDLE hBuf = static_cast<HANDLE>(hBuffer);
  BUF32INFO info = {};
  if (!buf32GetInfo(hBuf, &info) || info.nBitsPerPixel != 24 || info.nCellColumns <= 0 || info.nCellRows <= 0) return 0;
  qs::GradientPlan plan;
  if (!qs::PlanGradient(*pOption, info.nWidth, info.nHeight, qs::ByteOrder::Rgb, &plan)) return 0;
  if (!buf32Lock(hBuf, BUF32_LOCK_WRITE, nullptr)) return 0;

  Progress progress(pProgress);
  bool bDone = progress.Send(DSAIK32_BEGIN, 0) && RenderCells(hBuf, info, plan, progress);
  buf32Unlock(hBuf);
  // The end report closes the segment even after a stop.
  if (!progress.Send(DSAIK32_END, 0)) bDone = false;
  return bDone ? 1 : 0;
}

void* __cdecl CreateGradientBuffer(GFILL_OPTION* pOption, RECT rc) {
  const long long w = (long long)rc.right - rc.left, h = (long long)rc.bottom - rc.top;
  if (!pOption || w <= 0 || h <= 0 || w > 32768 || h > 32768) return nullptr;
  HANDLE hBuf = nullptr;
  if (!buf32Alloc(&hBuf, 24, int(w), int(h), BUF32_ALLOC_ZERO, nullptr) || !hBuf) return nullptr;
  if (!GFillToBuf(hBuf, pOption, nullptr)) {
    buf32Free(hBuf);
    return nullptr;
  }
  return hBuf;
}

void __cdecl ResetGradRange(GFILL_OPTION* pOption, int cx, int cy) { qs::RescaleLine(pOption, cx, cy); }
