// The list file (the preset store's tests check that a failed save keeps the old file).
#include <gtest/gtest.h>

#include "TempDir.h"
#include "list_file.h"
#include "list_helpers.h"

using namespace list_test;
using ostrel_test::TempDir;
using V = std::vector<int>;

namespace {

// Three items in two types; item 1 was deleted before, so the ids have a gap.
void FillSample(LoggingList& list) {
  list.SetIIWH(34, 20);
  list.SetFitXY(5, -1);
  list.SetMulSelectNum(IIMULSEL_ANY);
  const int a = AddSolid(list, RGB(200, 10, 10), 0, list.NewBlock(111), "red");
  list.DeleteII(AddSolid(list, 0), 0);
  const int c = AddSolid(list, RGB(10, 200, 10), 1, list.NewBlock(333));
  _IIDATA bare;
  memset(&bare, 0, sizeof bare);
  bare.nMode = IIBUF_COPY;
  LOGPALETTE pal = {0x300, 1, {{1, 2, 3, 0}}};
  bare.hPalette = CreatePalette(&pal);
  const int d = list.AddII(&bare);  // no picture, no data, a palette
  list.TypeAddII(0, d);
  list.TypeAddII(1, a);
  list.TypeSetSelectII(0, d, TRUE);
  list.TypeSetSelectII(1, a, TRUE);
  list.TypeSetSelectII(1, c, TRUE);
  list.TypeSetActivate(1);
}

// Loads bytes from a file and checks the promise for bad files: failure, empty, file untouched.
void ExpectRejected(const TempDir& dir, const std::string& bytes, const char* pszWhat, size_t nAt) {
  const std::string path = dir.Write("bad.lst", bytes);
  LoggingList list;
  AddSolid(list, 0);
  ASSERT_EQ(0, list.Load(path.c_str())) << pszWhat << " at " << nAt;
  EXPECT_EQ(0, list.GetIICount());
  EXPECT_EQ("", list.log);
  EXPECT_EQ(bytes, TempDir::Read(path));
}

// Patches a 32-bit word and makes the checksum match again, so only the checks on content remain.
std::string PatchWord(std::string bytes, size_t nAt, unsigned long value) {
  for (int i = 0; i < 4; i++) bytes[nAt + i] = (char)(value >> (8 * i));
  const size_t nBody = bytes.size() - 4;
  unsigned long crc = IICrc32((const unsigned char*)bytes.data(), nBody);
  for (int i = 0; i < 4; i++) bytes[nBody + i] = (char)(crc >> (8 * i));
  return bytes;
}

}  // namespace

TEST(ItemListFile, RoundTripKeepsItemsPicturesDataTypesAndSettings) {
  TempDir dir;
  const std::string path = dir.File("list.qs4");
  {
    LoggingList list;
    FillSample(list);
    ASSERT_EQ(1, list.Save(path.c_str()));
    // Each item is asked for its size, and for its bytes only when it has some.
    EXPECT_EQ("save(0,0)save(0,1)save(2,0)save(2,1)save(3,0)", list.log);
  }
  LoggingList list;
  ASSERT_EQ(1, list.Load(path.c_str()));
  EXPECT_EQ("size(8,0)load(0,111)size(8,0)load(2,333)", list.log);
  EXPECT_EQ(3, list.GetIICount());
  EXPECT_EQ(V({0, 3}), Order(list, 0));
  EXPECT_EQ(V({2, 0}), Order(list, 1));
  EXPECT_EQ(V({3}), Selected(list, 0));
  EXPECT_EQ(V({2, 0}), Selected(list, 1));
  EXPECT_EQ(1, list.TypeGetActivate());
  EXPECT_EQ(RGB(200, 10, 10), PictureColor(list, 0));
  EXPECT_EQ(RGB(10, 200, 10), PictureColor(list, 2));
  EXPECT_EQ(NULL, list.GetIIBuffer(3));
  EXPECT_EQ(333, *(long long*)list.GetAPIIData(2));
  PALETTEENTRY entry = {};
  ASSERT_NE(nullptr, list.GetIIPalette(3));
  GetPaletteEntries(list.GetIIPalette(3), 0, 1, &entry);
  EXPECT_EQ(2, entry.peGreen);
  _IIOData opt;
  list.GetIIListData(&opt);
  EXPECT_EQ(34, opt.nIIWidth);
  EXPECT_EQ(20, opt.nIIHeight);
  EXPECT_EQ(5, opt.nFitX);
  EXPECT_EQ(4, AddSolid(list, 0));  // ids continue after the highest loaded one
}

TEST(ItemListFile, DamagedFilesAndAbsurdFieldsAreRejected) {
  TempDir dir;
  LoggingList sample;
  FillSample(sample);
  ASSERT_EQ(1, sample.Save(dir.File("sample.lst").c_str()));
  const std::string good = TempDir::Read(dir.File("sample.lst"));
  std::string flipped = good;
  flipped[good.size() / 2] ^= 0x5A;
  ExpectRejected(dir, flipped, "flipped byte", good.size() / 2);
  ExpectRejected(dir, good.substr(0, good.size() - 1), "truncated", good.size() - 1);
  ExpectRejected(dir, good + "x", "appended", good.size());
  // Fields patched with the checksum made to match. First item: id, flags, name length 3, "red",
  // then bits, width, height.
  const size_t nItemCount = 8 + 4 + sizeof(_IIOData), nWidth = nItemCount + 8 + 12 + 3 + 4;
  const struct {
    const char* what;
    size_t at;
    unsigned long value;
  } patches[] = {{"version", 8, 2},
                 {"item count", nItemCount, 0x7FFFFFFF},
                 {"name length", nItemCount + 16, 0xFFFFFFF0},
                 {"depth", nWidth - 4, 12},
                 {"height", nWidth + 4, 0x40000000}};
  for (const auto& p : patches) ExpectRejected(dir, PatchWord(good, p.at, p.value), p.what, p.at);

  // A file far beyond any list is refused before it is read.
  const std::string huge = dir.File("huge.lst");
  HANDLE hFile = CreateFileA(huge.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  LARGE_INTEGER size;
  size.QuadPart = (LONGLONG)IIFILE_MAX_BYTES + 1;
  SetFilePointerEx(hFile, size, NULL, FILE_BEGIN);
  SetEndOfFile(hFile);
  CloseHandle(hFile);
  CIIList list;
  EXPECT_EQ(0, list.Load(huge.c_str()));
  DeleteFileA(huge.c_str());
}
