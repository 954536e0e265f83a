#include "buffer_store.h"
#include "pixel_rows.h"
#include <cstdint>
#include <cstring>
#include "handle_set.h"
#include <new>

namespace t32 {

namespace {

const int kMaxSide = 32768;

HandleSet<Buffer>& Registry() {
  static HandleSet<Buffer> s;
  return s;
}

int CellsFor(int n) { return (n + T32_CELL_SIZE - 1) / T32_CELL_SIZE; }

}  // namespace

bool IsValidDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

Buffer* CreateBuffer(int bits, int width, int height, DWORD fill) {
  if (!IsValidDepth(bits) || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return nullptr;
  Buffer* b = new (std::nothrow) Buffer;
  if (!b) return nullptr;
  b->bits = bits;
  b->width = width;
  b->height = height;
  b->columns = CellsFor(width);
  b->rows = CellsFor(height);
  b->cellRowBytes = T32_CELL_SIZE * bits / 8;
  b->cellBytes = size_t(b->cellRowBytes) * T32_CELL_SIZE;
  uint64_t total = uint64_t(b->cellBytes) * uint64_t(b->columns) * uint64_t(b->rows);
  // Packed sizes are reported as int: keep the whole image below 2 GB.
  if (total > SIZE_MAX / 2 || uint64_t(b->rowBytes()) * uint64_t(height) > uint64_t(INT32_MAX)) {
    delete b;
    return nullptr;
  }
  try {
    b->cellLocks.assign(size_t(b->columns) * b->rows, 0);
  } catch (const std::bad_alloc&) {
    delete b;
    return nullptr;
  }
  b->pixels = new (std::nothrow) BYTE[size_t(total)];
  if (!b->pixels) {
    delete b;
    return nullptr;
  }
  // Fill the first cell row by row, then copy it into every other cell.
  for (int y = 0; y < T32_CELL_SIZE; ++y)
    FillPixels(b->pixels + size_t(y) * b->cellRowBytes, 0, T32_CELL_SIZE, bits, fill);
  for (size_t k = 1; k < b->cellLocks.size(); ++k) memcpy(b->cell(int(k)), b->pixels, b->cellBytes);
  if (!Registry().Add(b)) {
    delete[] b->pixels;
    delete b;
    return nullptr;
  }
  return b;
}

void DestroyBuffer(Buffer* b) {
  Registry().Remove(b);
  delete[] b->pixels;
  delete b;
}

Buffer* Lookup(HANDLE h) { return Registry().Find(h); }

}  // namespace t32
