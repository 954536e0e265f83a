#include "buffer_store.h"
#include "pixel_rows.h"
#include <algorithm>
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

// Copies the stored rows of cell (cx, cy) into a whole cell, or back from it.
void CopyCellRows(Buffer* b, int cx, int cy, BYTE* whole, bool intoWhole) {
  BYTE* stored = b->cell(cx, cy);
  const size_t pitch = size_t(b->cellPitch(cx));
  for (int y = 0; y < b->cellHeight(cy); ++y, stored += pitch, whole += b->cellRowBytes) {
    if (intoWhole)
      memcpy(whole, stored, pitch);
    else
      memcpy(stored, whole, pitch);
  }
}

}  // namespace

bool IsValidDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

Buffer* CreateBuffer(int bits, int width, int height, DWORD fill) {
  if (!IsValidDepth(bits) || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return nullptr;
  Buffer* b = new (std::nothrow) Buffer;
  if (!b) return nullptr;
  b->bits = bits;
  b->width = width;
  b->height = height;
  b->fill = fill;
  b->columns = CellsFor(width);
  b->rows = CellsFor(height);
  b->cellRowBytes = T32_CELL_SIZE * bits / 8;
  b->cellBytes = size_t(b->cellRowBytes) * T32_CELL_SIZE;
  // Stored bytes: whole cells of full rows and the narrower last column, over every image row.
  const uint64_t total = (uint64_t(b->columns - 1) * b->cellRowBytes + b->cellPitch(b->columns - 1)) * height;
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
  // One cell row of the colour; every stored row starts with (a part of) it.
  BYTE pattern[T32_CELL_SIZE * 4];
  FillPixels(pattern, 0, T32_CELL_SIZE, bits, fill);
  if (std::all_of(pattern, pattern + b->cellRowBytes, [&](BYTE v) { return v == pattern[0]; })) {
    memset(b->pixels, pattern[0], size_t(total));
  } else {
    BYTE* row = b->pixels;
    for (int cy = 0; cy < b->rows; ++cy)
      for (int cx = 0; cx < b->columns; ++cx)
        for (int y = 0; y < b->cellHeight(cy); ++y, row += b->cellPitch(cx)) memcpy(row, pattern, b->cellPitch(cx));
  }
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

BYTE* LockCell(Buffer* b, int k) {
  const int cx = k % b->columns, cy = k / b->columns;
  if (b->cellWidth(cx) == T32_CELL_SIZE && b->cellHeight(cy) == T32_CELL_SIZE) {
    ++b->cellLocks[k];
    return b->cell(cx, cy);
  }
  auto it = b->wholeCopies.find(k);
  if (it == b->wholeCopies.end()) {
    std::unique_ptr<BYTE[]> copy(new (std::nothrow) BYTE[b->cellBytes]);
    if (!copy) return nullptr;
    try {
      it = b->wholeCopies.emplace(k, std::move(copy)).first;
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
    BYTE* whole = it->second.get();
    for (int y = 0; y < T32_CELL_SIZE; ++y)
      FillPixels(whole + size_t(y) * b->cellRowBytes, 0, T32_CELL_SIZE, b->bits, b->fill);
    CopyCellRows(b, cx, cy, whole, true);
  }
  ++b->cellLocks[k];
  return it->second.get();
}

void UnlockCell(Buffer* b, int k) {
  if (--b->cellLocks[k] > 0) return;
  auto it = b->wholeCopies.find(k);
  if (it == b->wholeCopies.end()) return;
  CopyCellRows(b, k % b->columns, k / b->columns, it->second.get(), false);
  b->wholeCopies.erase(it);
}

}  // namespace t32
