// Image files: the record and line order of every BMP depth, a PNG read stopped by its receiver.
#include <gtest/gtest.h>
#include <objbase.h>
#include <string.h>
#include <wincodec.h>
#include <vector>
#include "TempDir.h"
#include "image_files.h"
#include "t32File.h"

using namespace ostrel_test;

namespace {

struct Lines {
  std::vector<unsigned> rows;
  unsigned bits = 0;
  int stopAfter = -1;
};

int CollectLine(DSFILEIORANGE* r, unsigned int, unsigned int line, unsigned int, unsigned int, unsigned char**,
                unsigned short bits, int, long) {
  Lines* l = static_cast<Lines*>(r->pUser);
  l->rows.push_back(line);
  l->bits = bits;
  return l->stopAfter < 0 || int(l->rows.size()) < l->stopAfter;
}

DSFILEIORANGE Range(Lines* l) {
  DSFILEIORANGE r = {};
  r.nOrder = TF_ORDER_TOP_DOWN;
  r.nLineFormat = TF_LINES_FOR_BUFFER;
  r.pUser = l;
  return r;
}

TFFILEDATA Record(HGLOBAL h) {
  TFFILEDATA r = *static_cast<TFFILEDATA*>(GlobalLock(h));
  GlobalUnlock(h);
  return r;
}

class ImageFile : public ::testing::Test {
 protected:
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override { CoUninitialize(); }
  TempDir dir;
};

class BmpDepth : public ImageFile, public ::testing::WithParamInterface<int> {};

const int kDepths[] = {1, 4, 8, 16, 24, 32};
const int kColourTypes[] = {TF_COLOR_BW, TF_COLOR_16, TF_COLOR_256, TF_COLOR_HIGH, TF_COLOR_TRUE, TF_COLOR_ALPHA};

TEST_P(BmpDepth, RecordAndLinesMatchTheFile) {
  const int bits = kDepths[GetParam()], w = 19, h = 7, lineBits = bits <= 8 ? bits : 24;
  const std::string path = dir.Write("pic.bmp", BmpBytes(bits, w, h));
  HGLOBAL hData = tfFileGetFileData(path.c_str(), 0);
  ASSERT_NE(nullptr, hData);
  TFFILEDATA rec = Record(hData);
  const int got[] = {rec.nFormat, rec.nBitsPerPixel, rec.nWidth, rec.nHeight, rec.nColorType, rec.nLineBits};
  EXPECT_EQ(std::vector<int>({TF_FORMAT_BMP, bits, w, h, kColourTypes[GetParam()], lineBits}),
            std::vector<int>(got, got + 6));
  EXPECT_NEAR(960000, rec.nXResolution, 1000);  // 3780 dots a metre
  if (bits <= 8) {
    PALETTEENTRY e[256];
    ASSERT_EQ(UINT(1 << bits), GetPaletteEntries((HPALETTE)LongToHandle(LONG(rec.hPalette)), 0, 256, e));
    EXPECT_EQ(TestPaletteEntry(1), RGB(e[1].peRed, e[1].peGreen, e[1].peBlue));
  } else {
    EXPECT_EQ(0u, rec.hPalette);
  }

  Lines lines;
  DSFILEIORANGE range = Range(&lines);
  ASSERT_TRUE(tfFileRead(hData, &range, CollectLine));
  EXPECT_EQ(h, range.nLinesRead);
  ASSERT_EQ(size_t(h), lines.rows.size());
  EXPECT_EQ(unsigned(lineBits), lines.bits);
  for (int y = 0; y < h; ++y) EXPECT_EQ(unsigned(y), lines.rows[y]);  // the pixels: the IBuf tests
  EXPECT_TRUE(tfFileFreeFileData(hData));
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpDepth, ::testing::Range(0, 6));

TEST_F(ImageFile, PngReadStoppedByItsReceiver) {
  const std::string path = dir.File("pic.png");
  ASSERT_TRUE(WriteImage(path, GUID_ContainerFormatPng, 40, 30, 300.0));
  HGLOBAL hData = tfFileGetFileData(path.c_str(), 0);
  ASSERT_NE(nullptr, hData);
  TFFILEDATA rec = Record(hData);
  EXPECT_EQ(TF_FORMAT_PNG, rec.nFormat);
  EXPECT_NEAR(3000000, rec.nXResolution, 2000);

  Lines stopped;
  stopped.stopAfter = 2;
  DSFILEIORANGE range = Range(&stopped);
  EXPECT_FALSE(tfFileRead(hData, &range, CollectLine));
  EXPECT_EQ(1, range.nLinesRead);  // the refused line does not count
  range.nRight = 41;               // beyond the picture
  EXPECT_FALSE(tfFileRead(hData, &range, CollectLine));
  EXPECT_FALSE(tfFileRead(hData, nullptr, CollectLine));
  tfFileFreeFileData(hData);
}

}  // namespace
