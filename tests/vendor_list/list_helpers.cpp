// Helpers for the item-list tests.
#include "list_helpers.h"

#include "t32Base.h"

namespace list_test {

int AddSolid(CIIList& list, COLORREF color, int nType, void* pData, const char* pszName) {
  _IIDATA data;
  memset(&data, 0, sizeof data);
  lstrcpynA(data.szName, pszName, sizeof data.szName);
  data.nMode = IIBUF_COPY;
  const DWORD dwColor = color;
  buf32Alloc(&data.hBuffer, 24, 8, 6, BUF32_ALLOC_FILL, &dwColor);
  data.pAPData = pData;
  const int nItem = list.AddII(&data);
  buf32Free(data.hBuffer);
  if (nItem >= 0) list.TypeAddII(nType, nItem);
  return nItem;
}

COLORREF PictureColor(CIIList& list, int nItem) {
  unsigned char rgb[3];
  HANDLE hBuf = list.GetIIBuffer(nItem);
  if (hBuf == NULL || !buf32GetMem(hBuf, 0, 0, 1, 1, rgb)) return CLR_INVALID;
  return RGB(rgb[0], rgb[1], rgb[2]);
}

std::vector<int> Order(CIIList& list, int nType) {
  std::vector<int> items(list.TypeGetCount(nType) > 0 ? list.TypeGetCount(nType) : 0);
  _ORDER order = {(int)items.size(), items.data()};
  list.TypeGetOrder(nType, &order);
  items.resize(order.nCount);
  return items;
}

std::vector<int> Selected(CIIList& list, int nType) {
  std::vector<int> items;
  CIIList::iteratorTypeSelect it(&list, nType);
  for (it.First(); !it.IsDone(); it.Next()) items.push_back(*it.CurrentItem());
  return items;
}

static std::string Entry(const char* pszName, int a, long long b) {
  return std::string(pszName) + "(" + std::to_string(a) + "," + std::to_string(b) + ")";
}

int LoggingList::OnIIAPDataSaveBuf(int nItem, void* pBuf) {
  long long* pData = (long long*)GetAPIIData(nItem);
  log += Entry("save", nItem, pBuf != NULL);
  if (pData == NULL) return 0;
  if (pBuf != NULL) memcpy(pBuf, pData, sizeof *pData);
  return pBuf ? 4 : (int)sizeof *pData;
}

int LoggingList::OnIIAPDataSize(int nSize) {
  log += Entry("size", nSize, 0);
  m_nNextSize = nSize;
  return nSize;
}

int LoggingList::OnIIAPDataLoadBuf(int nItem, void* pBuf) {
  long long value = 0;
  memcpy(&value, pBuf, m_nNextSize < 8 ? m_nNextSize : 8);
  log += Entry("load", nItem, value);
  SetAPIIData(nItem, IIDATA_SET, NewBlock(value));
  return m_nNextSize;
}

int LoggingList::OnSelectChange(int nItem, unsigned long dwFlags) {
  log += Entry("sel", nItem, dwFlags);
  return 0;
}

int LoggingList::OnLButtonDblClk(int nItem, POINT* pt) {
  log += Entry("dbl", nItem, pt != NULL);
  return 0;
}

}  // namespace list_test
