// Saving and loading a list of 1,000 thumbnails with 68-byte data blocks, as a ratio to writing
// and reading the same number of bytes with plain WriteFile/ReadFile in the same run.
// Prints one line each for save and load; 1.0 would mean no cost beyond the disk itself. The target
// is on the time itself: load and save of the 1,000 presets together under 100 ms.
#include <windows.h>
#include "../BenchClock.h"
#include "../BenchReport.h"

#include <cstdio>
#include <string>
#include <vector>

#include "Drevnic.h"
#include "t32Base.h"

namespace {

const int kItems = 1000, kThumb = 34, kBlock = 68;

void FillList(CIIList& list) {
  list.SetFixedAPIIData(kBlock);
  list.SetIIWH(kThumb, kThumb);
  std::vector<unsigned char> block(kBlock);
  for (int i = 0; i < kItems; i++) {
    DWORD color = RGB(i % 256, (i * 7) % 256, 128);
    _IIDATA data = {};
    data.nMode = IIBUF_ADOPT;
    buf32Alloc(&data.hBuffer, 24, kThumb, kThumb, BUF32_ALLOC_FILL, &color);
    block[0] = (unsigned char)i;
    data.pAPData = block.data();
    list.TypeAddII(0, list.AddII(&data));
  }
}

bool PlainWrite(const std::string& path, const std::vector<char>& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  DWORD n = 0;
  bool ok = h != INVALID_HANDLE_VALUE && WriteFile(h, bytes.data(), (DWORD)bytes.size(), &n, NULL);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  return ok;
}

bool PlainRead(const std::string& path, std::vector<char>& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  DWORD n = 0;
  bool ok = h != INVALID_HANDLE_VALUE && ReadFile(h, bytes.data(), (DWORD)bytes.size(), &n, NULL);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  return ok;
}

}  // namespace

int main() {
  char szTemp[MAX_PATH];
  GetTempPathA(MAX_PATH, szTemp);
  const std::string listPath = std::string(szTemp) + "bench_itemlist.lst";
  const std::string plainPath = std::string(szTemp) + "bench_itemlist.raw";

  CIIList list;
  FillList(list);
  if (!list.Save(listPath.c_str())) {
    std::printf("save failed\n");
    return 1;
  }
  WIN32_FILE_ATTRIBUTE_DATA info;
  GetFileAttributesExA(listPath.c_str(), GetFileExInfoStandard, &info);
  std::vector<char> bytes(info.nFileSizeLow, 'x');

  const double tSave = BestSeconds([&] { list.Save(listPath.c_str()); });
  const double tWrite = BestSeconds([&] { PlainWrite(plainPath, bytes); });
  CIIList loaded;
  const double tLoad = BestSeconds([&] { loaded.Load(listPath.c_str()); });
  const double tRead = BestSeconds([&] { PlainRead(plainPath, bytes); });
  const bool bSame = loaded.GetIICount() == kItems && loaded.TypeGetCount(0) == kItems;

  std::printf("item list, %d items of %dx%d, %lu bytes%s\n", kItems, kThumb, kThumb, info.nFileSizeLow,
              bSame ? "" : " (LOAD MISMATCH)");
  std::printf("save  %8.3f ms   plain write %8.3f ms   ratio %6.2f\n", tSave * 1e3, tWrite * 1e3, tSave / tWrite);
  std::printf("load  %8.3f ms   plain read  %8.3f ms   ratio %6.2f\n", tLoad * 1e3, tRead * 1e3, tLoad / tRead);
  PrintTarget("item list of 1,000 presets of 34x34, load + save", "%.1f ms", (tLoad + tSave) * 1e3, "< 100 ms",
              bSame && tLoad + tSave < 0.1);
  DeleteFileA(listPath.c_str());
  DeleteFileA(plainPath.c_str());
  return bSame ? 0 : 1;
}
