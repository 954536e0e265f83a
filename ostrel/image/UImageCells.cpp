// The image object's cell work: the working cells, the background cell, the merge masks, one
// cell's merge and show.
#include <Ostrel/UImage.h>
#include <t32Base.h>
#include <stdlib.h>
#include <string.h>
#include <algorithm>
#include <new>

int CUImage::CellAlloc() {
  CellFree();
  if (m_nBitsPerPixel != 8 && m_nBitsPerPixel != 24 && m_nBitsPerPixel != 32) return 0;
  const size_t nCellBytes = (size_t)m_nBitsPerPixel * CELL_PIXELS / 8;
  m_pCellBuf = new (std::nothrow) unsigned char[nCellBytes]();
  m_pCellMask = new (std::nothrow) unsigned char[CELL_PIXELS]();
  m_pBackCell = new (std::nothrow) unsigned char[nCellBytes]();
  if (m_pCellBuf != NULL && m_pCellMask != NULL && m_pBackCell != NULL) return 1;
  CellFree();
  return 0;
}

void CUImage::CellFree() {
  delete[] m_pCellBuf;
  delete[] m_pCellMask;
  delete[] m_pBackCell;
  m_pCellBuf = m_pCellMask = m_pBackCell = NULL;
}

int CUImage::CellGetMem(int x, int y, unsigned char* p) {
  return p != NULL ? buf32GetMem(m_hImageBuf, x, y, CELL, CELL, p) : 0;
}

void CUImage::CellGetMem1(int x, int y, int dx, int dy, int w, int h, unsigned char* p) {
  if (p == NULL || m_pBackCell == NULL || x < 0 || y < 0 || dx < 0 || dy < 0) return;
  w = std::min(w, CELL - std::max(x, dx));
  h = std::min(h, CELL - std::max(y, dy));
  const int nUnit = BytesPerPixel(), nRowBytes = CELL * nUnit;
  for (int row = 0; row < h; row++)
    memcpy(m_pBackCell + (dy + row) * nRowBytes + dx * nUnit, p + (y + row) * nRowBytes + x * nUnit, (size_t)w * nUnit);
}

int CUImage::getBackImageWidth() {
  const int nWidth = m_pBackImage != NULL ? m_pBackImage->m_nWidth : m_nWidth;
  return (nWidth + CELL - 1) / CELL;
}

int CUImage::CellGetBackImage(int left, int top, int right, int bottom, void* hBuf) {
  BUF32INFO info = {};
  if (m_pBackCell == NULL || !buf32GetInfo(hBuf, &info) || info.nBitsPerPixel != m_nBitsPerPixel ||
      info.nCellColumns != getBackImageWidth())
    return 0;
  const int x0 = std::max(left, 0), y0 = std::max(top, 0);
  const int x1 = std::min(right, info.nWidth), y1 = std::min(bottom, info.nHeight);
  int bCopied = 0;
  for (int cy = y0 / CELL; y0 < y1 && cy <= (y1 - 1) / CELL; cy++) {
    for (int cx = x0 / CELL; x0 < x1 && cx <= (x1 - 1) / CELL; cx++) {
      const int px0 = std::max(x0, cx * CELL), py0 = std::max(y0, cy * CELL);
      const int px1 = std::min(x1, (cx + 1) * CELL), py1 = std::min(y1, (cy + 1) * CELL);
      const int nCell = cy * info.nCellColumns + cx;
      void* pCell = NULL;
      if (!buf32CellLock(hBuf, nCell, &pCell)) continue;
      CellGetMem1(px0 - cx * CELL, py0 - cy * CELL, px0 - left, py0 - top, px1 - px0, py1 - py0, (unsigned char*)pCell);
      buf32CellUnlock(hBuf, nCell);
      bCopied = 1;
    }
  }
  return bCopied;
}

// An 8-bit mask buffer, or NULL.
static HANDLE MaskBuffer(HANDLE hBuf) {
  BUF32INFO info = {};
  return buf32GetInfo(hBuf, &info) && info.nBitsPerPixel == 8 ? hBuf : NULL;
}

void CUImage::InitCellMask(unsigned char* mask, int col, int row) {
  if (mask == NULL) return;
  const unsigned char* pSource = NULL;
  HANDLE hSource = MaskBuffer(m_hMaskBuf);
  if (hSource != NULL && !buf32CellLock(hSource, 0, (void**)&pSource)) hSource = NULL;
  for (int j = 0; j < CELL; j++) {
    const int r = row * CELL + j;
    for (int i = 0; i < CELL; i++) {
      const int c = col * CELL + i;
      const bool bInside = c > m_nLeft && c < m_nLeft + m_nWidth && r > m_nTop && r < m_nTop + m_nHeight;
      const int nIndex = abs((c - (m_nOffsetX - 12)) % CELL + CELL * ((r - (m_nOffsetY - 12)) % CELL));
      mask[j * CELL + i] = bInside ? 0 : pSource != NULL ? pSource[nIndex] : 255;
    }
  }
  if (hSource != NULL) buf32CellUnlock(hSource, 0);
}

void CUImage::InitCellMask(unsigned char* mask, int left, int top, int right, int bottom) {
  if (mask == NULL) return;
  const int nFrameLeft = m_nLeft + m_nOffsetX, nFrameTop = m_nTop + m_nOffsetY;
  unsigned char object[CELL_PIXELS] = {};
  memset(mask, 0, CELL_PIXELS);
  if (HANDLE hShadow = MaskBuffer(m_hMaskBuf))
    buf32GetMemWithBC(hShadow, left - nFrameLeft, top - nFrameTop, CELL, CELL, mask, 0);
  else
    memset(mask, 255, CELL_PIXELS);
  if (HANDLE hObject = MaskBuffer(m_hMaskBuf2)) {
    buf32GetMemWithBC(hObject, left - m_nLeft, top - m_nTop, CELL, CELL, object, 0);
  } else {
    for (int j = 0; j < CELL; j++)
      for (int i = 0; i < CELL; i++) {
        const int x = left + i - m_nLeft, y = top + j - m_nTop;
        object[j * CELL + i] = x >= 0 && x < m_nWidth && y >= 0 && y < m_nHeight;
      }
  }
  for (int j = 0; j < CELL; j++)
    for (int i = 0; i < CELL; i++)
      if (object[j * CELL + i] != 0 || left + i >= right || top + j >= bottom) mask[j * CELL + i] = 0;
}

void CUImage::DoMerge(unsigned char* pDst, unsigned char* pBack, unsigned char* pMask, unsigned char* pObject) {
  i32Merge(pDst, pBack, pMask, pObject, BytesPerPixel(), CELL_PIXELS, I32MERGE_MASK,
           m_hPalette != NULL ? 0 : m_nMergeLevel);
}

void CUImage::DoShowData(unsigned char* p, int x, int y, int rows) {
  m_nResult = disp32ShowData(m_hDisplay, p, x, y, rows, CELL * m_nBitsPerPixel / 8);
}
