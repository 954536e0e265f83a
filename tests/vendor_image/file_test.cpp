// Image files: records, lines in order, bad files, the file-data dialog.
#include <gtest/gtest.h>
#include "image_files.h"
#include "modal_probe.h"
#include "t32File.h"
#include <objbase.h>
#include <cstring>

namespace {

struct ComInit {
  ComInit() { CoInitialize(nullptr); }
  ~ComInit() { CoUninitialize(); }
};

// Every line the callback receives.
struct Lines {
  std::vector<unsigned> rows;
  std::vector<std::vector<BYTE>> data;
  unsigned bits = 0, width = 0;
  int stopAfter = -1;
};

int CollectLine(DSFILEIORANGE* r, unsigned int, unsigned int line, unsigned int width, unsigned int bytes,
                unsigned char** pp, unsigned short bits, int, long) {
  Lines* l = static_cast<Lines*>(r->pUser);
  l->rows.push_back(line);
  l->data.emplace_back(*pp, *pp + bytes);
  l->bits = bits;
  l->width = width;
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

unsigned Pixel(const std::vector<BYTE>& line, int x, int bits) {
  if (bits == 24) return RGB(line[x * 3], line[x * 3 + 1], line[x * 3 + 2]);
  int bit = x * bits;
  return (line[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
}

class BmpDepth : public ::testing::TestWithParam<int> {
 protected:
  ComInit com;
  TempFolder dir;
};

TEST_P(BmpDepth, RecordAndLinesMatchTheFile) {
  const int bits = GetParam(), w = 19, h = 7;
  const std::string path = dir.Path("pic.bmp");
  ASSERT_TRUE(WriteBmp(path, bits, w, h));
  HGLOBAL hData = tfFileGetFileData(path.c_str(), 0);
  ASSERT_NE(nullptr, hData);
  TFFILEDATA rec = Record(hData);
  const int lineBits = bits <= 8 ? bits : 24;
  const int wantType = bits == 1    ? TF_COLOR_BW
                       : bits == 4  ? TF_COLOR_16
                       : bits == 8  ? TF_COLOR_256
                       : bits == 16 ? TF_COLOR_HIGH
                       : bits == 24 ? TF_COLOR_TRUE
                                    : TF_COLOR_ALPHA;
  EXPECT_EQ(TF_FORMAT_BMP, rec.nFormat);
  EXPECT_STREQ(path.c_str(), rec.szName);
  EXPECT_EQ(int(ReadBytes(path).size()), rec.nFileSize);
  EXPECT_EQ(bits, rec.nBitsPerPixel);
  EXPECT_EQ(w, rec.nWidth);
  EXPECT_EQ(h, rec.nHeight);
  EXPECT_NEAR(960000, rec.nXResolution, 1000);  // 3780 dots a metre
  EXPECT_NEAR(960000, rec.nYResolution, 1000);
  EXPECT_EQ(wantType, rec.nColorType);
  EXPECT_EQ(lineBits, rec.nLineBits);
  if (bits <= 8) {
    ASSERT_NE(0u, rec.hPalette);
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
  for (int y = 0; y < h; ++y) {
    ASSERT_EQ(unsigned(y), lines.rows[y]);
    ASSERT_EQ(size_t((w * lineBits + 7) / 8), lines.data[y].size());
    for (int x = 0; x < w; ++x) {
      unsigned want = bits <= 8 ? unsigned(TestIndex(x, y, bits)) : bits == 16 ? TestColour16(x, y) : TestColour(x, y);
      ASSERT_EQ(want, Pixel(lines.data[y], x, lineBits)) << x << "," << y;
    }
  }
  EXPECT_TRUE(tfFileFreeFileData(hData));
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpDepth, ::testing::Values(1, 4, 8, 16, 24, 32));

class ImageFile : public ::testing::Test {
 protected:
  ComInit com;
  TempFolder dir;
};

TEST_F(ImageFile, PngThroughTheCodecWithOrderPartsAndStop) {
  const std::string path = dir.Path("pic.png");
  ASSERT_TRUE(WritePng(path, 40, 30, 300.0));
  HGLOBAL hData = tfFileGetFileData(path.c_str(), 0);
  ASSERT_NE(nullptr, hData);
  TFFILEDATA rec = Record(hData);
  EXPECT_EQ(TF_FORMAT_PNG, rec.nFormat);
  EXPECT_EQ(24, rec.nBitsPerPixel);
  EXPECT_NEAR(3000000, rec.nXResolution, 2000);

  Lines part;
  DSFILEIORANGE range = Range(&part);
  range.nOrder = TF_ORDER_BOTTOM_UP;
  range.nLeft = 5, range.nTop = 10, range.nRight = 9, range.nBottom = 13;
  ASSERT_TRUE(tfFileRead(hData, &range, CollectLine));
  ASSERT_EQ(3u, part.rows.size());
  EXPECT_EQ(12u, part.rows[0]);
  EXPECT_EQ(10u, part.rows[2]);
  EXPECT_EQ(4u, part.width);
  EXPECT_EQ(TestColour(5, 12), Pixel(part.data[0], 0, 24));

  Lines stopped;
  stopped.stopAfter = 2;
  range = Range(&stopped);
  EXPECT_FALSE(tfFileRead(hData, &range, CollectLine));
  EXPECT_EQ(1, range.nLinesRead);  // the refused line does not count
  range.nRight = 41;
  range.nBottom = 2;
  EXPECT_FALSE(tfFileRead(hData, &range, CollectLine));
  range = Range(&stopped);
  range.nLineFormat = 1;
  EXPECT_FALSE(tfFileRead(hData, &range, CollectLine));
  EXPECT_FALSE(tfFileRead(hData, nullptr, CollectLine));
  tfFileFreeFileData(hData);
}

TEST_F(ImageFile, MissingTruncatedAndCorruptFilesGiveNoRecord) {
  EXPECT_EQ(nullptr, tfFileGetFileData(nullptr, 0));
  EXPECT_EQ(nullptr, tfFileGetFileData(dir.Path("none.bmp").c_str(), 0));
  ASSERT_TRUE(WriteBytes(dir.Path("empty.png"), {}));
  EXPECT_EQ(nullptr, tfFileGetFileData(dir.Path("empty.png").c_str(), 0));
  std::vector<BYTE> junk(3000);
  for (size_t i = 0; i < junk.size(); ++i) junk[i] = BYTE(i * 37 + 11);
  ASSERT_TRUE(WriteBytes(dir.Path("junk.jpg"), junk));
  EXPECT_EQ(nullptr, tfFileGetFileData(dir.Path("junk.jpg").c_str(), 0));

  for (const char* name : {"cut.bmp", "cut.png"}) {
    std::string path = dir.Path(name);
    ASSERT_TRUE(strstr(name, "bmp") ? WriteBmp(path, 24, 64, 64) : WritePng(path, 64, 64, 96));
    std::vector<BYTE> bytes = ReadBytes(path);
    for (size_t keep : {bytes.size() / 2, size_t(20)}) {
      std::vector<BYTE> cut(bytes.begin(), bytes.begin() + keep);
      ASSERT_TRUE(WriteBytes(path, cut));
      EXPECT_EQ(nullptr, tfFileGetFileData(path.c_str(), 0)) << name << " cut to " << keep;
      EXPECT_EQ(cut, ReadBytes(path));  // the file is left alone
    }
  }
  ASSERT_TRUE(WriteBmp(dir.Path("ok.bmp"), 8, 4, 4));
  EXPECT_EQ(nullptr, tfFileGetFileData(dir.Path("ok.bmp").c_str(), 1));  // unknown option
  EXPECT_FALSE(tfFileFreeFileData(nullptr));
}

TEST(FormatInfo, NamesAtOffset32) {
  for (int id = TF_FORMAT_BMP; id <= TF_FORMAT_ICO; ++id) {
    HGLOBAL h = tfFileGetFormatInfo(id);
    ASSERT_NE(nullptr, h);
    const char* p = static_cast<const char*>(GlobalLock(h));
    EXPECT_EQ(id, *reinterpret_cast<const int*>(p));
    EXPECT_GT(strlen(p + 32), 2u);
    GlobalUnlock(h);
    GlobalFree(h);
  }
  EXPECT_EQ(nullptr, tfFileGetFormatInfo(0));
  EXPECT_EQ(nullptr, tfFileGetFormatInfo(77));
}

TEST_F(ImageFile, DialogListsTheRecord) {
  const std::string path = dir.Path("dlg.bmp");
  ASSERT_TRUE(WriteBmp(path, 8, 21, 9));
  HGLOBAL hData = tfFileGetFileData(path.c_str(), 0);
  ASSERT_NE(nullptr, hData);
  for (int what : {TF_SHOW_ALL, 0}) {
    std::vector<std::string> items;
    int r = 0;
    ASSERT_TRUE(RunModal([&] { r = tfFileShowDlgFileData(nullptr, nullptr, hData, what, 0, 0); },
                         [&](HWND dlg) {
                           HWND list = GetDlgItem(dlg, TF_DLG_LIST);
                           int n = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
                           for (int i = 0; i < n; ++i) {
                             char text[800] = {};
                             SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
                             items.push_back(text);
                           }
                           SendMessageA(dlg, WM_COMMAND, IDOK, 0);
                         }));
    EXPECT_EQ(IDOK, r);
    ASSERT_EQ(what == TF_SHOW_ALL ? 10u : 3u, items.size());
    EXPECT_EQ("Name: " + path, items[0]);
    EXPECT_EQ("Format: Windows Bitmap", items[1]);
    if (what == TF_SHOW_ALL) {
      EXPECT_EQ("Width: 21 pixels", items[3]);
      EXPECT_EQ("Colour type: 256 colours", items[7]);
    }
  }
  EXPECT_EQ(0, tfFileShowDlgFileData(nullptr, nullptr, nullptr, TF_SHOW_ALL, 0, 0));
  tfFileFreeFileData(hData);
}

}  // namespace
