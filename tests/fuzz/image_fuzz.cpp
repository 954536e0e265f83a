// Image files through the file library: a picture of each format written by the platform's
// encoders (BMP of every depth by hand), corrupted, PNG chunks with their CRCs made right again;
// each is described and then read line by line as a host reads it.
#include <gtest/gtest.h>
#include <t32File.h>
#include <wincodec.h>
#include "Corpus.h"
#include "TempDir.h"
#include "image_files.h"

namespace {

// Every whole chunk after the signature gets the CRC of its type and data.
void FixPngCrcs(std::string& b) {
  for (size_t nAt = 8; nAt + 12 <= b.size();) {
    const unsigned long nLength = (unsigned long)(unsigned char)b[nAt] << 24 | (unsigned char)b[nAt + 1] << 16 |
                                  (unsigned char)b[nAt + 2] << 8 | (unsigned char)b[nAt + 3];
    if (nLength > b.size() - nAt - 12) return;
    const unsigned long crc = fuzz::Crc32(b, nAt + 4, nLength + 4);
    for (int i = 0; i < 4; i++) b[nAt + 8 + nLength + i] = (char)(crc >> (24 - 8 * i));
    nAt += 12 + nLength;
  }
}

int T32API TouchLine(DSFILEIORANGE* pRange, unsigned int, unsigned int, unsigned int, unsigned int nLineBytes,
                     unsigned char** ppLine, unsigned short, int, long) {
  unsigned long* pSum = (unsigned long*)pRange->pUser;
  for (unsigned int i = 0; i < nLineBytes; i++) *pSum += (*ppLine)[i];
  return 1;
}

bool ReadImage(const std::string& path) {
  HGLOBAL hRecord = tfFileGetFileData(path.c_str(), 0);
  if (hRecord == NULL) return false;
  unsigned long sum = 0;
  DSFILEIORANGE range = {};
  range.nOrder = TF_ORDER_TOP_DOWN;
  range.nLineFormat = TF_LINES_FOR_BUFFER;
  range.pUser = &sum;
  const bool bRead = tfFileRead(hRecord, &range, TouchLine) != 0;
  tfFileFreeFileData(hRecord);
  return bRead;
}

struct Format {
  const char* pszName;
  std::string seed;
  fuzz::Fixup fix;
};

std::string Encoded(REFGUID container, const char* pszName) {
  ostrel_test::TempDir dir;
  const std::string path = dir.File(pszName);
  return WriteImage(path, container, 21, 13, 96) ? ostrel_test::TempDir::Read(path) : std::string();
}

}  // namespace

TEST(FileFuzz, ImageFiles) {
  CoInitialize(nullptr);
  const Format formats[] = {
      {"palette.bmp", BmpBytes(8, 21, 13), nullptr},
      {"mono.bmp", BmpBytes(1, 21, 13), nullptr},
      {"deep.bmp", BmpBytes(32, 21, 13), nullptr},
      {"picture.png", Encoded(GUID_ContainerFormatPng, "a.png"), FixPngCrcs},
      {"picture.jpg", Encoded(GUID_ContainerFormatJpeg, "a.jpg"), nullptr},
      {"picture.gif", Encoded(GUID_ContainerFormatGif, "a.gif"), nullptr},
      {"picture.tif", Encoded(GUID_ContainerFormatTiff, "a.tif"), nullptr},
  };
  unsigned nSeed = 10;
  for (const Format& format : formats) {
    ASSERT_FALSE(format.seed.empty()) << format.pszName;
    const auto inputs = fuzz::SeededCorpus(format.seed, 150, nSeed++, format.fix);
    fuzz::RunCorpus(format.seed, inputs, format.pszName, ReadImage);
    if (HasFailure()) break;
  }
  CoUninitialize();
}
