#include <Ostrel.h>
#include <gtest/gtest.h>
#include <t32Base.h>
#include <t32File.h>
#include "../vendor_image/image_files.h"
#include "TempDir.h"

using ostrel_test::TempDir;

// Both builds' layouts: the handle and pointer members widen to 8 bytes in the 64-bit build.
#ifdef _WIN64
static_assert(sizeof(t32Base::IBuf) == 32 && sizeof(CUImage) == 152, "64-bit layouts");
#else
static_assert(sizeof(t32Base::IBuf) == 20 && sizeof(CUImage) == 96, "32-bit layouts");
#endif

// Pixel (x, y) of a buffer: the palette index below 16 bits, else the COLORREF.
static DWORD PixelAt(HANDLE h, int x, int y) {
  BUF32INFO info = {};
  BYTE px[4] = {};
  buf32GetInfo(h, &info);
  buf32GetMem(h, x, y, 1, 1, px);
  return info.nBitsPerPixel >= 24 ? RGB(px[0], px[1], px[2]) : px[0] >> (8 - info.nBitsPerPixel);
}

// Every pixel of a file of every depth (decoding itself is the file library's own tests' matter).
TEST(IBuf, FilesOfEveryDepthGiveTheirFactsAndPixelsAndBadFilesNothing) {
  TempDir dir;
  const int w = 37, h = 21;
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(bits);
    const std::string file = dir.Write("p" + std::to_string(bits) + ".bmp", BmpBytes(bits, w, h));
    t32Base::IBuf buf;
    HGLOBAL hRecord = (HGLOBAL)buf.CreateFromFile((char*)file.c_str(), NULL);
    ASSERT_NE(nullptr, hRecord);
    EXPECT_EQ(w, buf.m_pInfo->nWidth);
    EXPECT_EQ(h, buf.m_pInfo->nHeight);
    EXPECT_EQ(bits < 16 ? bits : 24, buf.m_pInfo->nBitsPerPixel);
    for (int y = 0; y < h; y++)
      for (int x = 0; x < w; x++) {
        const DWORD want = bits <= 8 ? TestIndex(x, y, bits) : bits == 16 ? TestColour16(x, y) : TestColour(x, y);
        ASSERT_EQ(want, PixelAt(buf.m_hBuf, x, y)) << x << "," << y;
      }
    buf32Free(buf.m_hBuf);
    tfFileFreeFileData(hRecord);
  }

  // Files that cannot be read, no name, a resample without a buffer, a handle that is none: nothing.
  t32Base::IBuf buf;
  for (const std::string& path : {dir.File("missing.bmp"), dir.Write("cut.bmp", BmpBytes(24, 20, 20).substr(0, 60)),
                                  dir.Write("text.png", "not a picture at all")}) {
    EXPECT_EQ(nullptr, buf.CreateFromFile((char*)path.c_str(), NULL)) << path;
    EXPECT_EQ(nullptr, buf.m_hBuf);
  }
  EXPECT_EQ(nullptr, buf.CreateFromFile(NULL, NULL));
  buf.Resample(10, 10);
  EXPECT_EQ(nullptr, buf.m_hBuf);
  buf.CreateFromBuf((void*)0x1234);
  EXPECT_EQ(nullptr, buf.m_hBuf);
  EXPECT_EQ(0, buf.m_pInfo->nWidth);
}

TEST(IBuf, AdoptedBufferResamplesWithItsCorners) {
  const COLORREF corners[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
  HANDLE hSource = NULL;
  const DWORD white = 0xFFFFFF;
  ASSERT_TRUE(buf32Alloc(&hSource, 24, 200, 150, BUF32_ALLOC_FILL, &white));
  for (int i = 0; i < 4; i++) {
    std::vector<BYTE> block(50 * 50 * 3);
    for (size_t p = 0; p < block.size(); p += 3)
      block[p] = GetRValue(corners[i]), block[p + 1] = GetGValue(corners[i]), block[p + 2] = GetBValue(corners[i]);
    buf32MergeMem(hSource, i % 2 ? 150 : 0, i / 2 ? 100 : 0, 50, 50, block.data());
  }
  t32Base::IBuf buf;
  buf.CreateFromBuf(hSource);
  EXPECT_EQ(hSource, buf.m_hBuf);
  EXPECT_EQ(200, buf.m_pInfo->nWidth);
  EXPECT_EQ(150, buf.m_pInfo->nHeight);
  EXPECT_EQ(24, buf.m_pInfo->nBitsPerPixel);

  for (SIZE bad : {SIZE{0, 40}, SIZE{40000, 40000}}) {  // sizes that cannot be made change nothing
    buf.Resample(bad.cx, bad.cy);
    EXPECT_EQ(hSource, buf.m_hBuf);
    EXPECT_EQ(200, buf.m_pInfo->nWidth);
  }
  buf.Resample(60, 40);
  ASSERT_NE(hSource, buf.m_hBuf);
  EXPECT_EQ(60, buf.m_pInfo->nWidth);
  EXPECT_EQ(40, buf.m_pInfo->nHeight);
  for (int i = 0; i < 4; i++) EXPECT_EQ(corners[i], PixelAt(buf.m_hBuf, i % 2 ? 59 : 0, i / 2 ? 39 : 0)) << i;
  buf32Free(buf.m_hBuf);
  buf32Free(hSource);
}
