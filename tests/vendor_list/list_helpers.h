// Small helpers for the item-list tests: pictures, items and a list that logs its callbacks.
#pragma once
#include <list>
#include <string>
#include <vector>

#include "Drevnic.h"

namespace list_test {

// Adds an item with an 8 x 6 picture of one colour (copied, and the buffer freed here) to type
// nType; returns its id.
int AddSolid(CIIList& list, COLORREF color, int nType = 0, void* pData = NULL, const char* pszName = "");
// Colour of the top-left pixel of an item's picture, CLR_INVALID without one.
COLORREF PictureColor(CIIList& list, int nItem);
std::vector<int> Order(CIIList& list, int nType);
std::vector<int> Selected(CIIList& list, int nType);

// A list whose data blocks are 8-byte records it owns, and which logs every callback.
class LoggingList : public CIIList {
 public:
  ~LoggingList() override { Destroy(); }
  std::string log;
  std::list<long long> blocks;
  long long* NewBlock(long long value) { return &*blocks.insert(blocks.end(), value); }

  int OnIIAPDataSaveBuf(int nItem, void* pBuf) override;
  int OnIIAPDataSize(int nSize) override;
  int OnIIAPDataLoadBuf(int nItem, void* pBuf) override;
  int OnSelectChange(int nItem, unsigned long dwFlags) override;
  int OnLButtonDblClk(int nItem, POINT* pt) override;

 private:
  int m_nNextSize = 0;
};

}  // namespace list_test
