// Filling a preset list item by item (an item with its record block, put at the end of its type)
// and emptying it again one item at a time must stay linear in the number of items. For 2,000,
// 8,000 and 32,000 items, prints the time of each as a ratio to adding the same number of bare
// items in the same run (best of several rounds): linear work keeps the ratios flat as the list
// grows.
#include <Ostrel.h>
#include "../BenchClock.h"
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

void AddBare(CIIList& list, int nItems) {
  for (int i = 0; i < nItems; i++) {
    _IIDATA data = {};
    data.nMode = IIBUF_COPY;
    list.AddII(&data);
  }
}

// A record block as the list owns them: fixed global memory.
void* NewRecord() { return GlobalLock(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, sizeof(GFILL_OPTION))); }

void Fill(CGradientList& list, int nItems) {
  for (int i = 0; i < nItems; i++) {
    _IIDATA data = {};
    data.nMode = IIBUF_COPY;
    data.pAPData = NewRecord();
    list.TypeAddII(0, list.AddItemWithBlock(&data));
  }
}

}  // namespace

int main() {
  for (int nItems : {2000, 8000, 32000}) {
    const double tBare = BestSeconds(
        [&] {
          CIIList list;
          AddBare(list, nItems);
        },
        7);
    std::unique_ptr<CGradientList> pList;
    double tFill = 1e30, tEmpty = 1e30;
    for (int nRound = 0; nRound < 5; nRound++) {
      pList.reset(new CGradientList);
      tFill = std::min(tFill, BestSeconds([&] { Fill(*pList, nItems); }, 1));
      tEmpty = std::min(tEmpty, BestSeconds(
                                    [&] {
                                      while (pList->TypeGetCount(0) > 0)
                                        pList->DeleteItemOfType(0, pList->TypeGetII(0, 0));
                                    },
                                    1));
    }
    if (pList->GetIICount() != 0) {
      fprintf(stderr, "bench_preset_list: %d items left\n", pList->GetIICount());
      return 1;
    }
    printf("preset list of %5d items: filled %6.1f x, emptied %6.1f x adding bare items (%.3f ms)\n", nItems,
           tFill / tBare, tEmpty / tBare, tBare * 1000);
  }
  return 0;
}
