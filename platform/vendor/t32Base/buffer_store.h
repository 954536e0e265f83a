// Buffer objects behind the t32Base handles, and checked handle lookup.
#pragma once
#include "t32Base.h"
#include <cstdint>
#include <vector>

namespace t32 {

struct Buffer {
  int bits = 0;
  int width = 0;
  int height = 0;
  int columns = 0;
  int rows = 0;
  int cellRowBytes = 0;  // 128 * bits / 8
  size_t cellBytes = 0;  // 128 rows of cellRowBytes
  int lockCount = 0;
  int lockMode = 0;
  std::vector<int> cellLocks;
  BYTE* pixels = nullptr;  // all cells, one after another

  BYTE* cell(int k) const { return pixels + cellBytes * size_t(k); }
  // Start of image row y inside cell column cx.
  BYTE* cellRow(int cx, int y) const {
    return cell((y / T32_CELL_SIZE) * columns + cx) + size_t(y % T32_CELL_SIZE) * cellRowBytes;
  }
  int rowBytes() const { return int((int64_t(width) * bits + 7) / 8); }
};

bool IsValidDepth(int bits);
// Creates and registers a buffer; pixels set to the colour value.
Buffer* CreateBuffer(int bits, int width, int height, DWORD fill);
void DestroyBuffer(Buffer* b);
// The registered buffer behind a handle, or nullptr.
Buffer* Lookup(HANDLE h);

}  // namespace t32
