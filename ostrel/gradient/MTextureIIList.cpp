// CMtextureIIList: the texture list. While the list loads, each stored block becomes a texture
// record of the host's texture module; selections made in the dialog are reported to it.
#include <Ostrel/MTextureLibraryDlg.h>
#include <string.h>
#include <new>
#include "frame/LibraryState.h"
#include "gradient/TextureBlock.h"
#include "gradient/TextureModule.h"

namespace {

void ReleaseRecord(void* pRecord) {
  TEXTURE_RELEASE release = NULL;
  if (RequestTextureEntries(NULL, &release, NULL)) release(pRecord);
}

}  // namespace

CMtextureIIList::CMtextureIIList() : m_pDlg(NULL), m_pItems(NULL), m_nBlockSize(-1) {}

CMtextureIIList::CMtextureIIList(const CMtextureIIList& other)
    : CIIList(other), m_pDlg(other.m_pDlg), m_pItems(other.m_pItems), m_nBlockSize(-1) {}

CMtextureIIList& CMtextureIIList::operator=(const CMtextureIIList& other) {
  CIIList::operator=(other);
  m_pDlg = other.m_pDlg;
  m_pItems = other.m_pItems;
  return *this;
}

CMtextureIIList::~CMtextureIIList() { Destroy(); }

int CMtextureIIList::InitIIAPData(int nType, int nItem) {
  const int nCount = TypeGetCount(nType);
  if (nCount <= 0) return 1;
  int* pItems = new (std::nothrow) int[nCount];
  if (pItems == NULL) return 0;
  _ORDER order = {nCount, pItems};
  TypeGetOrder(nType, &order);
  for (int i = 0; i < order.nCount && i < nCount; i++) {
    if (pItems[i] == nItem) {
      GetAPIIData(nItem);
      break;
    }
  }
  delete[] pItems;
  return 1;
}

int CMtextureIIList::OnIIAPDataSaveBuf(int, void*) { return 0; }

int CMtextureIIList::OnIIAPDataSize(int nSize) {
  m_nBlockSize = nSize;
  return 1;
}

int CMtextureIIList::OnIIAPDataLoadBuf(int nItem, void* pBuf) {
  void* pRecord = NULL;
  const int bMade = pBuf != NULL && GetTextureDataFromIIO(pBuf, &pRecord);
  m_nBlockSize = -1;
  if (!bMade) return 0;
  CTextureItem* pItem = new (std::nothrow) CTextureItem(pRecord, nItem);
  if (pItem != NULL && m_pItems != NULL) {
    try {
      m_pItems->Add(pItem);
      return 0;
    } catch (CMemoryException* e) {
      e->Delete();
    }
  }
  // Nowhere to keep the record: it goes back to the module at once.
  delete pItem;
  ReleaseRecord(pRecord);
  return 0;
}

int CMtextureIIList::OnLButtonDblClk(int, POINT*) { return 0; }

int CMtextureIIList::OnSelectChange(int nItem, unsigned long) {
  if (nItem >= 0) {
    CMTextureLibraryDlg::m_nSel = nItem;
    if (m_pDlg != NULL) m_pDlg->m_hPalette = GetIIPalette(nItem);
  }
  return 0;
}

int CMtextureIIList::GetMPOptionData(void* pBlock, void* pOut) {
  const int n = TextureBlockPayloadLength(pBlock, m_nBlockSize > 0 ? (size_t)m_nBlockSize : 0);
  if (n <= 0) return 0;
  if (pOut != NULL) memcpy(pOut, (const BYTE*)pBlock + TEXBLOCK_PAYLOAD_AT, n);
  return n;
}

int CMtextureIIList::GetTextureDataFromIIO(void* pBlock, void** ppRecord) {
  TEXTURE_CREATE create = NULL;
  TEXTURE_FILL fill = NULL;
  if (ppRecord == NULL || !RequestTextureEntries(&create, NULL, &fill)) return 0;
  const int n = GetMPOptionData(pBlock, NULL);
  GlobalBlock payload(n);
  if (payload.Bytes() == NULL || GetMPOptionData(pBlock, payload.Bytes()) != n) return 0;
  const int m = TexturePayloadDataLength(payload.Bytes(), n);
  if (m < 0) return 0;

  void* pRecord = NULL;
  if (!create(&pRecord, 0, 0) || pRecord == NULL) return 0;
  memcpy(pRecord, payload.Bytes(), TEXBLOCK_RECORD_HEAD);
  memset((BYTE*)pRecord + TEXBLOCK_DATA_LENGTH_AT, 0, 8);  // the record's own state starts empty
  if (!fill(pRecord, m, payload.Bytes() + TEXBLOCK_RECORD_HEAD)) {
    ReleaseRecord(pRecord);
    return 0;
  }
  *ppRecord = pRecord;
  return 1;
}
