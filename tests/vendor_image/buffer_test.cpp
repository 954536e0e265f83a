// Image buffers.
#include <gtest/gtest.h>
#include "t32Base.h"
#include <vector>

namespace {

int RowBytes(int w, int bits) { return (w * bits + 7) / 8; }

// Pixel x of a packed row (reference reader, independent of the library).
unsigned PixelAt(const std::vector<BYTE>& mem, int rowBytes, int x, int y, int bits) {
  const BYTE* row = &mem[size_t(y) * rowBytes];
  if (bits < 8) {
    int bit = x * bits;
    return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
  }
  unsigned v = 0;
  for (int c = 0; c < bits / 8; ++c) v |= unsigned(row[x * bits / 8 + c]) << (8 * c);
  return v;
}

struct Buf {
  HANDLE h = nullptr;
  Buf(int bits, int w, int hgt, int opt = 0, const void* data = nullptr) {
    EXPECT_TRUE(buf32Alloc(&h, bits, w, hgt, opt, data));
  }
  ~Buf() { buf32Free(h); }
};

class BufferDepth : public ::testing::TestWithParam<int> {};

// 300 x 200 gives 3 x 2 cells with a last column of 44 and a last row of 72.
TEST_P(BufferDepth, PixelsRoundTripAcrossCellsAndPartialCells) {
  const int bits = GetParam(), w = 300, h = 200, rb = RowBytes(w, bits);
  Buf b(bits, w, h);
  BUF32INFO info;
  ASSERT_TRUE(buf32GetInfo(b.h, &info));
  const int got[] = {info.nBitsPerPixel, info.nBytesPerPixel, info.nCellColumns,   info.nCellRows,
                     info.nCellWidth,    info.nLastColWidth,  info.nLastRowHeight, info.nTotalBytes};
  EXPECT_EQ(std::vector<int>({bits, (bits + 7) / 8, 3, 2, 128, 44, 72, rb * h}), std::vector<int>(got, got + 8));

  std::vector<BYTE> src(size_t(rb) * h);
  for (size_t i = 0; i < src.size(); ++i) src[i] = BYTE((i * 2654435761u) >> 13);
  for (int y = 0; y < h; ++y) ASSERT_TRUE(buf32Line(b.h, y, BUF32_LINE_PACKED, &src[size_t(y) * rb]));
  std::vector<BYTE> all(src.size());
  ASSERT_TRUE(buf32GetMem(b.h, 0, 0, w, h, all.data()));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) ASSERT_EQ(PixelAt(src, rb, x, y, bits), PixelAt(all, rb, x, y, bits)) << x << "," << y;

  // An odd block straddling four cells, then written back elsewhere.
  const int bx = 121, by = 117, bw = 13, bh = 19, brb = RowBytes(bw, bits);
  std::vector<BYTE> block(size_t(brb) * bh);
  ASSERT_TRUE(buf32GetMem(b.h, bx, by, bw, bh, block.data()));
  for (int y = 0; y < bh; ++y)
    for (int x = 0; x < bw; ++x) ASSERT_EQ(PixelAt(src, rb, bx + x, by + y, bits), PixelAt(block, brb, x, y, bits));
  ASSERT_TRUE(buf32MergeMem(b.h, 251, 123, bw, bh, block.data()));
  std::vector<BYTE> back(block.size());
  ASSERT_TRUE(buf32GetMem(b.h, 251, 123, bw, bh, back.data()));
  EXPECT_TRUE(back == block);
}

INSTANTIATE_TEST_SUITE_P(Depths, BufferDepth, ::testing::Values(1, 4, 8, 24, 32));

// Cell 2 of 300 x 200 is an edge cell 44 pixels wide, cell 1 a whole one. Both are handed out as
// 128 x 128 cells; the edge cell's writes land at its last unlock, the part beyond the image
// holds the fill value.
TEST(Buffer, LockedCellsAreWholeAndEdgeCellsWriteBack) {
  const DWORD fill = RGB(1, 2, 3);
  Buf b(24, 300, 200, BUF32_ALLOC_FILL, &fill);
  BYTE *edge = nullptr, *again = nullptr, *whole = nullptr;
  ASSERT_TRUE(buf32CellLock(b.h, 2, reinterpret_cast<void**>(&edge)));
  ASSERT_TRUE(buf32CellLock(b.h, 2, reinterpret_cast<void**>(&again)));
  EXPECT_EQ(edge, again);
  const BYTE* corner = edge + 127 * 384 + 127 * 3;
  EXPECT_EQ(fill, RGB(corner[0], corner[1], corner[2]));
  edge[5 * 384 + 43 * 3] = 0xEE;  // pixel (256 + 43, 5)
  EXPECT_TRUE(buf32CellUnlock(b.h, 2));
  EXPECT_TRUE(buf32CellUnlock(b.h, 2));
  EXPECT_FALSE(buf32CellUnlock(b.h, 2));
  ASSERT_TRUE(buf32CellLock(b.h, 1, reinterpret_cast<void**>(&whole)));
  whole[3 * 384 + 7 * 3] = 0xDD;  // pixel (128 + 7, 3), seen at once
  BYTE px[3];
  ASSERT_TRUE(buf32GetMem(b.h, 135, 3, 1, 1, px));
  EXPECT_EQ(0xDD, px[0]);
  EXPECT_TRUE(buf32CellUnlock(b.h, 1));
  ASSERT_TRUE(buf32GetMem(b.h, 299, 5, 1, 1, px));
  EXPECT_EQ(0xEE, px[0]);
  EXPECT_EQ(2, px[1]);
}

// Zero, negative and unknown sizes and depths are in the bad-input table.
TEST(Buffer, LocksAreCountedAndBadUseIsRefused) {
  HANDLE h = nullptr;
  EXPECT_FALSE(buf32Alloc(nullptr, 24, 10, 10, 0, nullptr));
  EXPECT_FALSE(buf32Alloc(&h, 24, 10, 10, BUF32_ALLOC_FILL, nullptr));
  EXPECT_FALSE(buf32Alloc(&h, 32, 32768, 32768, 0, nullptr));  // beyond 2 GB
  EXPECT_EQ(nullptr, h);
  ASSERT_TRUE(buf32Alloc(&h, 24, 10, 10, 0, nullptr));
  void* mem = nullptr;
  EXPECT_TRUE(buf32Lock(h, BUF32_LOCK_READ, &mem));
  EXPECT_TRUE(buf32Lock(h, BUF32_LOCK_RW, nullptr));
  EXPECT_TRUE(buf32Unlock(h));
  EXPECT_TRUE(buf32Unlock(h));
  EXPECT_FALSE(buf32Unlock(h));
  EXPECT_FALSE(buf32Lock(h, 4, &mem));
  BYTE line[30] = {};
  EXPECT_FALSE(buf32Line(h, 10, BUF32_LINE_PACKED, line));
  EXPECT_FALSE(buf32Line(h, 0, BUF32_LINE_PACKED, nullptr));
  EXPECT_TRUE(buf32Free(h));
  BUF32INFO info;
  EXPECT_FALSE(buf32GetInfo(h, &info));  // a freed handle is no longer a buffer
  EXPECT_FALSE(buf32Free(h));
  int w = 0;
  EXPECT_FALSE(buf32GetWHU(&info, &w, &w, nullptr));  // not a handle at all
}

}  // namespace
