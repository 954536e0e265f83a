// Buffer objects behind the t32Base handles, and checked handle lookup.
//
// Cells are stored one after another, each at its real size: a cell at the right or bottom edge
// keeps only the columns and rows that lie inside the image, so a small buffer costs no more than
// its pixels. A lock hands a cell out whole (T32_CELL_SIZE rows of cellRowBytes); an edge cell is
// then expanded into a whole copy that goes back into the store when its last lock is released.
#pragma once
#include "t32Base.h"
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace t32 {

struct Buffer {
  int bits = 0;
  int width = 0;
  int height = 0;
  int columns = 0;
  int rows = 0;
  int cellRowBytes = 0;  // one row of a whole cell: 128 * bits / 8
  size_t cellBytes = 0;  // a whole cell: 128 rows of cellRowBytes
  DWORD fill = 0;        // the value of pixels beyond the image in a locked edge cell
  int lockCount = 0;
  int lockMode = 0;
  std::vector<int> cellLocks;
  std::map<int, std::unique_ptr<BYTE[]>> wholeCopies;  // locked edge cells, by cell number
  BYTE* pixels = nullptr;                              // all cells, one after another

  int cellWidth(int cx) const { return cx == columns - 1 ? width - cx * T32_CELL_SIZE : T32_CELL_SIZE; }
  int cellHeight(int cy) const { return cy == rows - 1 ? height - cy * T32_CELL_SIZE : T32_CELL_SIZE; }
  // Bytes of one stored row of the cells in column cx.
  int cellPitch(int cx) const { return int((int64_t(cellWidth(cx)) * bits + 7) / 8); }
  // Stored pixels of the cell in column cx, row cy.
  BYTE* cell(int cx, int cy) const {
    const size_t band = size_t(T32_CELL_SIZE) * (size_t(columns - 1) * cellRowBytes + cellPitch(columns - 1));
    return pixels + band * cy + size_t(cx) * cellHeight(cy) * cellRowBytes;
  }
  int rowBytes() const { return int((int64_t(width) * bits + 7) / 8); }
};

bool IsValidDepth(int bits);
// Creates and registers a buffer; pixels set to the colour value.
Buffer* CreateBuffer(int bits, int width, int height, DWORD fill);
void DestroyBuffer(Buffer* b);
// The registered buffer behind a handle, or nullptr.
Buffer* Lookup(HANDLE h);
// Cell k handed out whole, or nullptr when there is no memory for it; every lock needs an unlock.
BYTE* LockCell(Buffer* b, int k);
void UnlockCell(Buffer* b, int k);

}  // namespace t32
