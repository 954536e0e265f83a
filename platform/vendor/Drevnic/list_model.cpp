// CIIList: life, settings, items, types and selection.
#include <stddef.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <new>

#include "list_state.h"
#include "t32Base.h"

// The record layouts callers rely on, in both builds.
static const bool k64 = sizeof(void*) == 8;
static_assert(offsetof(_IIDATA, nMode) == 260 && offsetof(_IIDATA, hBuffer) == 264, "_IIDATA head");
static_assert(offsetof(_IIDATA, pAPData) == (k64 ? 272 : 268), "_IIDATA data block");
static_assert(offsetof(_IIDATA, hPalette) == (k64 ? 280 : 272), "_IIDATA palette");
static_assert(sizeof(_IIDATA) == (k64 ? 296 : 284), "_IIDATA size");
static_assert(offsetof(_IIOData, nFitStyle) == 4 && offsetof(_IIOData, dwIdentType) == 40 &&
                  offsetof(_IIOData, bCommonPalette) == 52 && offsetof(_IIOData, nIIWidth) == 64 &&
                  offsetof(_IIOData, nIIHeight) == 68 && sizeof(_IIOData) == 96,
              "_IIOData layout");
static_assert(offsetof(_ORDER, pItems) == (k64 ? 8 : 4), "_ORDER layout");

// ---------------------------------------------------------------------------------------------
// State helpers

void IIItem::Release() {
  if (hBuffer) buf32Free(hBuffer);
  if (hPalette) DeleteObject(hPalette);
  if (bOwnData) free(pData);
  hBuffer = NULL;
  hPalette = NULL;
  pData = NULL;
  bOwnData = false;
}

IIItem* IIListState::Find(int nItem) {
  auto it = items.find(nItem);
  return it == items.end() ? NULL : &it->second;
}

IIType* IIListState::Type(int nType) { return nType >= 0 && nType < (int)types.size() ? &types[nType] : NULL; }

void IIListState::RemoveItem(int nItem) {
  for (IIType& type : types) {
    if (type.members.erase(nItem)) type.order.erase(std::find(type.order.begin(), type.order.end(), nItem));
    type.selected.erase(nItem);
  }
  auto it = items.find(nItem);
  if (it == items.end()) return;
  it->second.Release();
  items.erase(it);
}

void IIListState::Clear() {
  for (auto& entry : items) entry.second.Release();
  items.clear();
  for (IIType& type : types) type = IIType();
  nNextId = 0;
  nFocusPos = 0;
  opt.nScrollPos = 0;
}

void IIListState::ViewChanged() const {
  if (hWndView != NULL && IsWindow(hWndView)) SendMessageA(hWndView, IIWM_LISTCHANGED, 0, 0);
}

// A list-owned copy of a fixed-size data block.
static void* CopyBlock(const void* pData, int nBytes) {
  void* pCopy = malloc(nBytes);
  if (pCopy) memcpy(pCopy, pData, nBytes);
  return pCopy;
}

// Puts a data block into an item, as the list's settings say.
static bool StoreData(IIListState& s, IIItem& item, void* pData) {
  void* pNew = pData;
  const bool bOwn = pData != NULL && s.opt.nFixedAPIIData > 0;
  if (bOwn && (pNew = CopyBlock(pData, s.opt.nFixedAPIIData)) == NULL) return false;
  if (item.bOwnData) free(item.pData);
  item.pData = pNew;
  item.bOwnData = bOwn;
  return true;
}

// ---------------------------------------------------------------------------------------------
// Life

CIIList::CIIList() : m_pState(new IIListState) {}

CIIList::CIIList(const CIIList& other) : m_pState(new IIListState) { *this = other; }

CIIList& CIIList::operator=(const CIIList& other) {
  if (this == &other) return *this;
  IIListState& s = *m_pState;
  const IIListState& o = *other.m_pState;
  Destroy();
  try {
    s.opt = o.opt;
    s.types = o.types;
    s.nNextId = o.nNextId;
    for (const auto& entry : o.items) {
      IIItem& item = s.items[entry.first];
      const IIItem& src = entry.second;
      item.strName = src.strName;
      item.hBuffer = IICopyBuffer(src.hBuffer);
      item.hPalette = IICopyPalette(src.hPalette);
      item.pData = src.bOwnData ? CopyBlock(src.pData, s.opt.nFixedAPIIData) : src.pData;
      item.bOwnData = src.bOwnData && item.pData != NULL;
    }
  } catch (const std::bad_alloc&) {
    Destroy();
  }
  s.ViewChanged();
  return *this;
}

CIIList::~CIIList() {
  m_pState->Clear();
  delete m_pState;
}

int CIIList::Destroy() {
  m_pState->Clear();
  m_pState->ViewChanged();
  return 1;
}

int CIIList::Create(_IIOData* pData) {
  if (pData != NULL && !SetIIListData(pData)) return 0;
  Destroy();
  return 1;
}

// ---------------------------------------------------------------------------------------------
// Settings: each setter goes through the full check.

int CIIList::GetIIListData(_IIOData* pData) {
  if (pData == NULL) return 0;
  *pData = m_pState->opt;
  return 1;
}

int CIIList::SetIIListData(const _IIOData* pData) {
  if (pData == NULL || !IIValidSettings(*pData)) return 0;
  IIListState& s = *m_pState;
  try {
    s.types.resize(pData->nMaxTypeNum);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  s.opt = *pData;
  for (IIType& type : s.types) {
    while (!s.SelectionFits(type.selected.size())) type.selected.erase(std::prev(type.selected.end()));
  }
  s.ViewChanged();
  return 1;
}

// Applies one change to a copy of the settings.
template <class F>
static int ChangeSetting(CIIList* pList, F change) {
  _IIOData opt;
  pList->GetIIListData(&opt);
  change(opt);
  return pList->SetIIListData(&opt);
}

int CIIList::SetDrag(unsigned long dwDrag) {
  return ChangeSetting(this, [&](_IIOData& o) { o.dwDrag = dwDrag; });
}
int CIIList::SetFixedAPIIData(int nBytes) {
  return ChangeSetting(this, [&](_IIOData& o) { o.nFixedAPIIData = nBytes; });
}
int CIIList::SetFitStyle(int nStyle) {
  return ChangeSetting(this, [&](_IIOData& o) { o.nFitStyle = nStyle; });
}
int CIIList::SetFrameType(unsigned long dwFrame) {
  return ChangeSetting(this, [&](_IIOData& o) { o.dwFrameType = dwFrame; });
}
int CIIList::SetIdentType(unsigned long dwIdent) {
  return ChangeSetting(this, [&](_IIOData& o) { o.dwIdentType = dwIdent; });
}
int CIIList::UseCommonPalette(int bUse) {
  return ChangeSetting(this, [&](_IIOData& o) { o.bCommonPalette = bUse ? 1 : 0; });
}
int CIIList::SetMaxTypeNum(int nTypes) {
  return ChangeSetting(this, [&](_IIOData& o) {
    o.nMaxTypeNum = nTypes;
    if (o.nActiveType >= nTypes) o.nActiveType = 0;
  });
}
int CIIList::SetIIWH(int nWidth, int nHeight) {
  return ChangeSetting(this, [&](_IIOData& o) {
    o.nIIWidth = nWidth;
    o.nIIHeight = nHeight;
  });
}
int CIIList::SetMulSelectNum(int nNum) {
  return ChangeSetting(this, [&](_IIOData& o) { o.nMulSelectNum = nNum; });
}
int CIIList::SetFitXY(int nX, int nY) {
  return ChangeSetting(this, [&](_IIOData& o) {
    o.nFitX = nX;
    o.nFitY = nY;
  });
}

int CIIList::RetrieveIIWH(int& nWidth, int& nHeight) {
  nWidth = m_pState->opt.nIIWidth;
  nHeight = m_pState->opt.nIIHeight;
  return 1;
}

// ---------------------------------------------------------------------------------------------
// Items

int CIIList::AddII(_IIDATA* pData) {
  IIListState& s = *m_pState;
  if (pData == NULL || (pData->nMode != IIBUF_COPY && pData->nMode != IIBUF_ADOPT) || s.nNextId == INT_MAX) return -1;
  if (memchr(pData->szName, 0, sizeof pData->szName) == NULL) return -1;
  try {
    IIItem item;
    item.strName = pData->szName;
    if (pData->hBuffer != NULL) {
      item.hBuffer = pData->nMode == IIBUF_COPY ? IICopyBuffer(pData->hBuffer) : pData->hBuffer;
      if (item.hBuffer == NULL) return -1;
    }
    if (!StoreData(s, item, pData->pAPData)) {
      if (pData->nMode == IIBUF_COPY) item.Release();
      return -1;
    }
    const int nItem = s.nNextId;
    s.items[nItem] = item;
    s.items[nItem].hPalette = pData->hPalette;
    s.nNextId++;
    s.ViewChanged();
    return nItem;
  } catch (const std::bad_alloc&) {
    return -1;
  }
}

int CIIList::DeleteII(int nItem, int nMode) {
  IIListState& s = *m_pState;
  if (nMode != 0 || s.Find(nItem) == NULL) return 0;
  s.RemoveItem(nItem);
  s.ViewChanged();
  return 1;
}

int CIIList::SetIIBuffer(int nItem, int nMode, HANDLE hBuffer) {
  IIItem* pItem = m_pState->Find(nItem);
  if (pItem == NULL || hBuffer == NULL || (nMode != IIBUF_COPY && nMode != IIBUF_ADOPT)) return 0;
  HANDLE hNew = nMode == IIBUF_COPY ? IICopyBuffer(hBuffer) : hBuffer;
  if (hNew == NULL) return 0;
  if (pItem->hBuffer != NULL && pItem->hBuffer != hNew) buf32Free(pItem->hBuffer);
  pItem->hBuffer = hNew;
  m_pState->ViewChanged();
  return 1;
}

int CIIList::SetAPIIData(int nItem, int nMode, void* pData) {
  IIItem* pItem = m_pState->Find(nItem);
  if (pItem == NULL || nMode != IIDATA_SET) return 0;
  return StoreData(*m_pState, *pItem, pData) ? 1 : 0;
}

HANDLE CIIList::GetIIBuffer(int nItem) {
  IIItem* pItem = m_pState->Find(nItem);
  return pItem ? pItem->hBuffer : NULL;
}

void* CIIList::GetAPIIData(int nItem) {
  IIItem* pItem = m_pState->Find(nItem);
  return pItem ? pItem->pData : NULL;
}

HPALETTE CIIList::GetIIPalette(int nItem) {
  IIItem* pItem = m_pState->Find(nItem);
  return pItem ? pItem->hPalette : NULL;
}

int CIIList::GetIICount() { return (int)m_pState->items.size(); }
int CIIList::IsIIValid(int nItem) { return m_pState->Find(nItem) != NULL; }

// ---------------------------------------------------------------------------------------------
// Types

int CIIList::TypeSetActivate(int nType) {
  IIListState& s = *m_pState;
  if (s.Type(nType) == NULL) return 0;
  if (nType != s.opt.nActiveType) {
    s.opt.nActiveType = nType;
    s.opt.nScrollPos = 0;
    s.nFocusPos = 0;
    s.ViewChanged();
  }
  return 1;
}

int CIIList::TypeGetActivate() { return m_pState->opt.nActiveType; }

int CIIList::TypeAddII(int nType, int nItem) {
  IIListState& s = *m_pState;
  IIType* pType = s.Type(nType);
  if (pType == NULL || s.Find(nItem) == NULL || pType->members.count(nItem)) return 0;
  try {
    pType->order.push_back(nItem);
    pType->members.insert(nItem);
  } catch (const std::bad_alloc&) {
    if (!pType->order.empty() && pType->order.back() == nItem) pType->order.pop_back();
    return 0;
  }
  s.ViewChanged();
  return 1;
}

int CIIList::TypeDeleteII(int nType, int nItem) {
  IIListState& s = *m_pState;
  IIType* pType = s.Type(nType);
  if (pType == NULL || pType->members.erase(nItem) == 0) return 0;
  pType->order.erase(std::find(pType->order.begin(), pType->order.end(), nItem));
  pType->selected.erase(nItem);
  s.ViewChanged();
  return 1;
}

int CIIList::TypeGetIndex(int nType, int nItem) {
  IIType* pType = m_pState->Type(nType);
  if (pType == NULL || !pType->members.count(nItem)) return -1;
  auto it = std::find(pType->order.begin(), pType->order.end(), nItem);
  return it == pType->order.end() ? -1 : (int)(it - pType->order.begin());
}

int CIIList::TypeGetII(int nType, int nPos) {
  IIType* pType = m_pState->Type(nType);
  if (pType == NULL || nPos < 0 || nPos >= (int)pType->order.size()) return -1;
  return pType->order[nPos];
}

int CIIList::TypeGetCount(int nType) {
  IIType* pType = m_pState->Type(nType);
  return pType ? (int)pType->order.size() : -1;
}

int CIIList::TypeGetOrder(int nType, _ORDER* pOrder) {
  IIType* pType = m_pState->Type(nType);
  if (pType == NULL || pOrder == NULL || pOrder->nCount < 0 || (pOrder->pItems == NULL && pOrder->nCount > 0)) return 0;
  const int n = std::min(pOrder->nCount, (int)pType->order.size());
  std::copy(pType->order.begin(), pType->order.begin() + n, pOrder->pItems);
  pOrder->nCount = n;
  return 1;
}

int CIIList::TypeSetSelect(int nType, _ORDER* pOrder) {
  IIListState& s = *m_pState;
  IIType* pType = s.Type(nType);
  if (pType == NULL) return 0;
  std::set<int> chosen;
  if (pOrder != NULL) {
    if (pOrder->nCount < 0 || (pOrder->pItems == NULL && pOrder->nCount > 0)) return 0;
    try {
      for (int i = 0; i < pOrder->nCount; i++) chosen.insert(pOrder->pItems[i]);
    } catch (const std::bad_alloc&) {
      return 0;
    }
    for (int nItem : chosen)
      if (TypeGetIndex(nType, nItem) < 0) return 0;
    if (!s.SelectionFits(chosen.size())) return 0;
  }
  pType->selected.swap(chosen);
  s.ViewChanged();
  return 1;
}

int CIIList::TypeSetSelectII(int nType, int nItem, BOOL bSelect) {
  IIListState& s = *m_pState;
  IIType* pType = s.Type(nType);
  if (pType == NULL || TypeGetIndex(nType, nItem) < 0) return 0;
  if (!bSelect) {
    pType->selected.erase(nItem);
  } else if (!pType->selected.count(nItem)) {
    if (!s.SelectionFits(pType->selected.size() + 1)) return 0;
    try {
      pType->selected.insert(nItem);
    } catch (const std::bad_alloc&) {
      return 0;
    }
  }
  s.ViewChanged();
  return 1;
}

int CIIList::TypeIsSelectII(int nType, int nItem) {
  IIType* pType = m_pState->Type(nType);
  return pType != NULL && pType->selected.count(nItem) != 0;
}

int CIIList::TypeGetSelectCount(int nType) {
  IIType* pType = m_pState->Type(nType);
  return pType ? (int)pType->selected.size() : -1;
}

// ---------------------------------------------------------------------------------------------
// Selection iterator

CIIList::iteratorTypeSelect::iteratorTypeSelect(CIIList* pList, int nType)
    : m_pList(pList), m_nType(nType), m_pItems(NULL), m_nCount(0), m_nIndex(0) {}

CIIList::iteratorTypeSelect::~iteratorTypeSelect() { delete[] m_pItems; }

void CIIList::iteratorTypeSelect::First() {
  delete[] m_pItems;
  m_pItems = NULL;
  m_nCount = m_nIndex = 0;
  IIType* pType = m_pList ? m_pList->m_pState->Type(m_nType) : NULL;
  if (pType == NULL || pType->selected.empty()) return;
  m_pItems = new (std::nothrow) int[pType->selected.size()];
  if (m_pItems == NULL) return;
  for (int nItem : pType->order)
    if (pType->selected.count(nItem)) m_pItems[m_nCount++] = nItem;
}

int CIIList::iteratorTypeSelect::IsDone() { return m_nIndex >= m_nCount; }
int* CIIList::iteratorTypeSelect::CurrentItem() { return IsDone() ? NULL : &m_pItems[m_nIndex]; }
void CIIList::iteratorTypeSelect::Next() {
  if (!IsDone()) m_nIndex++;
}

// ---------------------------------------------------------------------------------------------
// Default callbacks: list-owned data blocks are saved and loaded; nothing else happens.

int CIIList::OnIIAPDataSaveBuf(int nItem, void* pBuf) {
  IIItem* pItem = m_pState->Find(nItem);
  if (pItem == NULL || !pItem->bOwnData) return 0;
  if (pBuf != NULL) memcpy(pBuf, pItem->pData, m_pState->opt.nFixedAPIIData);
  return m_pState->opt.nFixedAPIIData;
}

int CIIList::OnIIAPDataSize(int nSize) { return nSize; }

int CIIList::OnIIAPDataLoadBuf(int nItem, void* pBuf) {
  if (pBuf == NULL || m_pState->opt.nFixedAPIIData <= 0) return 0;
  return SetAPIIData(nItem, IIDATA_SET, pBuf) ? m_pState->opt.nFixedAPIIData : 0;
}

int CIIList::OnSelectChange(int, unsigned long) { return 0; }
int CIIList::OnAskDrop(HWND, POINT*) { return 0; }
int CIIList::OnDrop(_DROPDATA*) { return 0; }
int CIIList::OnLButtonDblClk(int, POINT*) { return 0; }
