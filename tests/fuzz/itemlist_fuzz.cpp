// Item-list files: a list of pictures of every depth, palettes, names, data blocks, two types and
// selections, corrupted with the file's CRC made right again.
#include <gtest/gtest.h>
#include <t32Base.h>
#include "Corpus.h"
#include "TempDir.h"

namespace {

std::string GoodListFile(const std::string& path) {
  CIIList list;
  list.SetFixedAPIIData(12);
  list.SetMulSelectNum(IIMULSEL_ANY);
  list.SetIdentType(IIIDENT_NAME);
  const int bits[] = {1, 4, 8, 24, 32, 24};
  const DWORD dwColour = 0x00336699;
  for (int i = 0; i < 6; i++) {
    _IIDATA data = {};
    wsprintfA(data.szName, "item %d", i);
    data.nMode = IIBUF_ADOPT;
    buf32Alloc(&data.hBuffer, bits[i], 5 + i, 7, BUF32_ALLOC_FILL, &dwColour);
    char block[12] = "block";
    data.pAPData = block;
    if (bits[i] == 8) {
      LOGPALETTE palette = {0x300, 1, {{10, 20, 30, 0}}};
      data.hPalette = CreatePalette(&palette);
    }
    const int nItem = list.AddII(&data);
    list.TypeAddII(i % 2, nItem);
    if (i < 3) list.TypeSetSelectII(i % 2, nItem, TRUE);
  }
  list.Save(path.c_str());
  return ostrel_test::TempDir::Read(path);
}

}  // namespace

TEST(FileFuzz, ItemListFiles) {
  ostrel_test::TempDir dir;
  const std::string seed = GoodListFile(dir.File("seed.lst"));
  ASSERT_GT(seed.size(), 200u);
  const auto inputs = fuzz::ListCorpus(seed, 900, 1);
  fuzz::RunCorpus(seed, inputs, "list.lst", [](const std::string& path) {
    CIIList list;
    if (!list.Load(path.c_str())) return false;
    fuzz::ShowList(list);
    return true;
  });
}
