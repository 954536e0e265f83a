// The image object: creation, the back buffer, merging, drawing and Destroy.
#include <Ostrel/UImage.h>
#include <t32Base.h>
#include <string.h>
#include <algorithm>
#include <new>
#include <vector>

CUImage::CUImage() { memset(this, 0, sizeof *this); }

CUImage::~CUImage() {}

CUImage& CUImage::operator=(const CUImage& other) {
  memcpy(this, &other, sizeof *this);
  return *this;
}

static bool IsImageDepth(int nBits) { return nBits == 8 || nBits == 24 || nBits == 32; }

DWORD CUImage::White() const {
  if (m_nBitsPerPixel >= 16) return 0x00FFFFFF;
  // Without a palette the buffer library shows 8 bits as a grey ramp: 255 is white.
  return m_hPalette != NULL ? ::GetNearestPaletteIndex(m_hPalette, RGB(255, 255, 255)) : 255;
}

int CUImage::CreateFromIBuf(t32Base::IBuf* p) {
  if (p == NULL || p->m_pInfo == NULL || p->m_hBuf == NULL || m_hImageBuf != NULL) return 0;
  const t32Base::IBuf::Info& info = *p->m_pInfo;
  if (!IsImageDepth(info.nBitsPerPixel) || info.nWidth < 1 || info.nHeight < 1) return 0;
  m_nWidth = info.nWidth;
  m_nHeight = info.nHeight;
  m_nBitsPerPixel = info.nBitsPerPixel;
  m_hPalette = (HPALETTE)LongToHandle(info.nValueA);
  m_nFormat = info.nValueB;
  m_nLeft = m_nTop = 0;
  m_bOneColor = 0;
  if (!CreateBackBuf()) return 0;
  m_hImageBuf = p->m_hBuf;
  return 1;
}

int CUImage::CreateOneColorFromUImage(CUImage& src, RECT& rc) {
  if (m_hImageBuf != NULL || &src == this || src.m_hBackBuf == NULL || !IsImageDepth(src.m_nBitsPerPixel) ||
      rc.right <= rc.left || rc.bottom <= rc.top)
    return 0;
  m_bOneColor = 1;
  m_nOffsetX = m_nOffsetY = 0;
  m_nBitsPerPixel = src.m_nBitsPerPixel;
  m_hPalette = src.m_hPalette;
  m_nLeft = rc.left;
  m_nTop = rc.top;
  m_nWidth = rc.right - rc.left;
  m_nHeight = rc.bottom - rc.top;
  m_pBackImage = &src;
  m_nFormat = src.m_nFormat;
  DWORD dwFill = m_crColor;
  if (m_nBitsPerPixel < 16)
    dwFill = m_hPalette != NULL
                 ? ::GetNearestPaletteIndex(m_hPalette, m_crColor)
                 : (GetRValue(m_crColor) * 30 + GetGValue(m_crColor) * 59 + GetBValue(m_crColor) * 11) / 100;
  m_nResult = buf32Alloc(&m_hImageBuf, m_nBitsPerPixel, CELL, CELL, BUF32_ALLOC_FILL, &dwFill);
  return m_nResult;
}

int CUImage::CreateBackBuf() {
  const DWORD dwWhite = White();
  m_nResult = buf32Alloc(&m_hBackBuf, m_nBitsPerPixel, m_nWidth, m_nHeight, BUF32_ALLOC_FILL, &dwWhite);
  if (!m_nResult) m_hBackBuf = NULL;
  return m_nResult;
}

void CUImage::Draw(HDC hdc, RECT& rc) {
  if (m_bOneColor)
    DrawShadow2(hdc, rc);
  else
    DrawIBuf(hdc, rc);
}

void CUImage::DrawIBuf(HDC hdc, RECT&) {
  if (m_hImageBuf == NULL || m_hBackBuf == NULL) return;
  const size_t nRowBytes = ((size_t)m_nWidth * m_nBitsPerPixel + 7) / 8;
  std::vector<BYTE> block;
  try {
    block.resize(nRowBytes * m_nHeight);
  } catch (const std::bad_alloc&) {
    return;
  }
  if (!buf32GetMem(m_hBackBuf, m_nLeft, m_nTop, m_nWidth, m_nHeight, block.data())) return;
  const RECT rcShow = {m_nLeft, m_nTop, m_nLeft + m_nWidth, m_nTop + m_nHeight};
  if (!disp32ShowInit(&m_hDisplay, hdc, m_nBitsPerPixel, rcShow, m_hPalette, DISP32_FIT_NONE, 0)) return;
  m_nResult = disp32ShowData(m_hDisplay, block.data(), 0, 0, m_nHeight, (int)nRowBytes);
  disp32ShowEnd(m_hDisplay);
  m_hDisplay = NULL;
}

int CUImage::MergeObject(RECT) {
  int nWidth = 0, nHeight = 0, nUnit = 0;
  if (m_hImageBuf == NULL || m_hBackBuf == NULL || !buf32GetWHU(m_hImageBuf, &nWidth, &nHeight, &nUnit) ||
      nUnit * 8 != m_nBitsPerPixel)
    return 0;
  const size_t nPixels = (size_t)nWidth * nHeight;
  std::vector<BYTE> object, mask, back;
  try {
    object.resize(nPixels * nUnit);
    mask.assign(nPixels, 255);  // without a mask the object is opaque
    back.resize(nPixels * nUnit);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  BUF32INFO maskInfo = {};
  buf32GetMem(m_hBackBuf, m_nLeft, m_nTop, nWidth, nHeight, back.data());
  if (buf32GetInfo(m_hMaskBuf, &maskInfo) && maskInfo.nBitsPerPixel == 8)
    buf32GetMemWithBC(m_hMaskBuf, 0, 0, nWidth, nHeight, mask.data(), 0);
  buf32GetMemWithBC(m_hImageBuf, 0, 0, nWidth, nHeight, object.data(), 0);
  i32Merge(back.data(), back.data(), mask.data(), object.data(), nUnit, (int)nPixels, I32MERGE_MASK, 0);
  m_nResult = buf32MergeMem(m_hBackBuf, m_nLeft, m_nTop, nWidth, nHeight, back.data());
  return m_nResult;
}

void CUImage::DrawShadow2(HDC hdc, RECT&) {
  if (m_hImageBuf == NULL || m_pBackImage == NULL) return;
  const bool bOwnCells = m_pCellBuf == NULL;
  if (bOwnCells && !CellAlloc()) return;
  BUF32INFO info = {};
  buf32GetInfo(m_hImageBuf, &info);
  const int left = m_nLeft + m_nOffsetX, top = m_nTop + m_nOffsetY;
  const int right = left + m_nWidth + 2 * m_nBorder, bottom = top + m_nHeight + 2 * m_nBorder;
  int k = 0;
  for (int y = top; y < bottom; y += CELL) {
    for (int x = left; x < right; x += CELL, k++) {
      const RECT rcCell = {x, y, std::min(x + CELL, right), std::min(y + CELL, bottom)};
      if (!CellGetBackImage(rcCell.left, rcCell.top, rcCell.right, rcCell.bottom, m_pBackImage->m_hBackBuf)) continue;
      m_nResult = disp32ShowInit(&m_hDisplay, hdc, m_nBitsPerPixel, rcCell, m_hPalette, DISP32_FIT_NONE, 0);
      InitCellMask(m_pCellMask, rcCell.left, rcCell.top, rcCell.right, rcCell.bottom);
      // A one-colour image has a single cell of its colour; a full image gives cell k.
      const int nCell = k < info.nCellCount ? k : 0;
      void* pObject = NULL;
      if (buf32CellLock(m_hImageBuf, nCell, &pObject)) {
        DoMerge(m_pCellBuf, m_pBackCell, m_pCellMask, (unsigned char*)pObject);
        DoShowData(m_pCellBuf, 0, 0, CELL);
        buf32CellUnlock(m_hImageBuf, nCell);
      }
      m_nResult = disp32ShowEnd(m_hDisplay);
      m_hDisplay = NULL;
    }
  }
  if (bOwnCells) CellFree();
}

void CUImage::DrawImage(HDC hdc, RECT& rc) {
  BUF32INFO info = {};
  if (m_hImageBuf == NULL || !buf32GetInfo(m_hImageBuf, &info)) return;
  for (int row = 0; row < info.nCellRows; row++) {
    for (int col = 0; col < info.nCellColumns; col++) {
      const int x = m_nLeft + col * CELL, y = m_nTop + row * CELL;
      const RECT rcCell = {x, y, x + (col + 1 < info.nCellColumns ? CELL : info.nLastColWidth),
                           y + (row + 1 < info.nCellRows ? CELL : info.nLastRowHeight)};
      RECT rcShow;
      if (!::IntersectRect(&rcShow, &rcCell, &rc)) continue;
      const int nCell = row * info.nCellColumns + col;
      BYTE* pCell = NULL;
      if (!buf32CellLock(m_hImageBuf, nCell, (void**)&pCell)) continue;
      if (disp32ShowInit(&m_hDisplay, hdc, m_nBitsPerPixel, rcShow, m_hPalette, DISP32_FIT_NONE, 0)) {
        const BYTE* pFirst =
            pCell + (size_t)(rcShow.top - y) * info.nCellRowBytes + (size_t)(rcShow.left - x) * info.nBytesPerPixel;
        disp32ShowData(m_hDisplay, pFirst, 0, 0, rcShow.bottom - rcShow.top, info.nCellRowBytes);
        m_nResult = disp32ShowEnd(m_hDisplay);
        m_hDisplay = NULL;
      }
      buf32CellUnlock(m_hImageBuf, nCell);
    }
  }
}

void CUImage::OldDrawIBuf(HDC hdc, RECT&) {
  if (m_hImageBuf == NULL || m_hBackBuf == NULL) return;
  const bool bOwnCells = m_pCellBuf == NULL;
  if (bOwnCells && !CellAlloc()) return;
  for (int y = 0; y < m_nHeight; y += CELL) {
    for (int x = 0; x < m_nWidth; x += CELL) {
      const RECT rcCell = {m_nLeft + x, m_nTop + y, m_nLeft + std::min(x + CELL, m_nWidth),
                           m_nTop + std::min(y + CELL, m_nHeight)};
      if (!buf32GetMem(m_hBackBuf, rcCell.left, rcCell.top, CELL, CELL, m_pCellBuf)) continue;
      if (!disp32ShowInit(&m_hDisplay, hdc, m_nBitsPerPixel, rcCell, m_hPalette, DISP32_FIT_NONE, 0)) continue;
      DoShowData(m_pCellBuf, 0, 0, rcCell.bottom - rcCell.top);
      disp32ShowEnd(m_hDisplay);
      m_hDisplay = NULL;
    }
  }
  if (bOwnCells) CellFree();
}

int CUImage::OldMergeObject(RECT) {
  if (m_hImageBuf == NULL || m_hBackBuf == NULL) return 0;
  const bool bOwnCells = m_pCellBuf == NULL;
  if (bOwnCells && !CellAlloc()) return 0;
  const int nColumns = (m_nWidth + CELL - 1) / CELL, nRows = (m_nHeight + CELL - 1) / CELL;
  for (int row = 0; row < nRows; row++) {
    for (int col = 0; col < nColumns; col++) {
      const int x = m_nLeft + col * CELL, y = m_nTop + row * CELL;
      CellGetMem(col * CELL, row * CELL, m_pCellBuf);
      buf32GetMem(m_hBackBuf, x, y, CELL, CELL, m_pBackCell);
      InitCellMask(m_pCellMask, col, row);
      // Mask 0 keeps the object; the rest of the cell blends towards the background.
      DoMerge(m_pCellBuf, m_pCellBuf, m_pCellMask, m_pBackCell);
      m_nResult = buf32MergeMem(m_hBackBuf, x, y, CELL, CELL, m_pCellBuf);
    }
  }
  if (bOwnCells) CellFree();
  return m_nResult;
}

void CUImage::Destroy() {
  CellFree();
  for (HANDLE* pBuf : {&m_hBackBuf, &m_hMaskBuf, &m_hMaskBuf2}) {
    if (*pBuf != NULL) buf32Free(*pBuf);
    *pBuf = NULL;
  }
  m_nResult = m_hImageBuf != NULL ? buf32Free(m_hImageBuf) : 0;
  m_hImageBuf = NULL;
}
