// CIIWnd and its list: items with data blocks, the list file, selection and deletion.
#include <Ostrel/IIWnd.h>
#include <string.h>
#include "gradient/ListFiles.h"
#include "gradient/RecordBlock.h"

// ---------------------------------------------------------------------------------------------
// CIIWndList

CIIWndList::CIIWndList(CIIWnd* pWnd, int nRecordSize)
    : m_pWnd(pWnd), m_nAPDataSize(nRecordSize), m_nRecordSize(nRecordSize), m_nRefused(0), m_bTakeBlock(TRUE) {}

CIIWndList::~CIIWndList() {
  for (void* pBlock : m_blocks) FreeRecordBlock(pBlock);
}

void CIIWndList::FreeItemBlock(int nItem) {
  void* pBlock = GetAPIIData(nItem);
  if (pBlock == NULL || m_blocks.erase(pBlock) == 0) return;
  SetAPIIData(nItem, IIDATA_SET, NULL);
  FreeRecordBlock(pBlock);
}

int CIIWndList::AddItemWithBlock(_IIDATA* pData) {
  if (pData == NULL) return -1;
  const int nItem = AddII(pData);
  if (nItem < 0) {
    FreeRecordBlock(pData->pAPData);
  } else if (pData->pAPData != NULL) {
    m_blocks.insert(pData->pAPData);
  }
  return nItem;
}

BOOL CIIWndList::ReplaceItemBlock(int nItem, void* pBlock) {
  if (!IsIIValid(nItem)) {
    FreeRecordBlock(pBlock);
    return FALSE;
  }
  FreeItemBlock(nItem);
  SetAPIIData(nItem, IIDATA_SET, pBlock);
  if (pBlock != NULL) m_blocks.insert(pBlock);
  return TRUE;
}

BOOL CIIWndList::DeleteItemOfType(int nType, int nItem) {
  if (!TypeDeleteII(nType, nItem)) return FALSE;
  FreeItemBlock(nItem);
  return DeleteII(nItem, 0);
}

int CIIWndList::OnIIAPDataSize(int nSize) {
  // A list made for one record size refuses blocks of any other: they are not its records. Nor
  // does it take blocks from a file that has the list keep copies of another size of its own:
  // those copies would be taken from past the block's end, or read past their own.
  _IIOData opt;
  const int nFixed = GetIIListData(&opt) ? opt.nFixedAPIIData : 0;
  m_bTakeBlock = (m_nRecordSize == 0 || nSize == m_nRecordSize) && (nFixed == 0 || nFixed == nSize);
  if (!m_bTakeBlock) {
    m_nRefused++;
    return nSize;
  }
  m_nAPDataSize = nSize;
  return nSize;
}

int CIIWndList::OnIIAPDataLoadBuf(int nItem, void* pBuf) {
  if (!m_bTakeBlock || pBuf == NULL || m_nAPDataSize <= 0) return 0;
  void* pBlock = AllocRecordBlock((SIZE_T)m_nAPDataSize);
  if (pBlock == NULL) return 0;  // the item goes without its block
  memcpy(pBlock, pBuf, (size_t)m_nAPDataSize);
  SetAPIIData(nItem, IIDATA_SET, pBlock);
  m_blocks.insert(pBlock);
  return m_nAPDataSize;
}

int CIIWndList::OnSelectChange(int nItem, unsigned long dwFlags) {
  void* pBlock = nItem >= 0 ? GetAPIIData(nItem) : NULL;
  if (dwFlags == IISEL_ON && pBlock != NULL && m_pWnd != NULL) m_pWnd->OnItemSelected(pBlock);
  return 0;
}

int CIIWndList::OnAskDrop(HWND hWnd, POINT* pt) { return m_pWnd != NULL ? m_pWnd->OnListAskDrop(hWnd, pt) : 0; }
int CIIWndList::OnDrop(_DROPDATA* pDrop) { return m_pWnd != NULL ? m_pWnd->OnListDrop(pDrop) : 0; }

// ---------------------------------------------------------------------------------------------
// CIIWnd

IMPLEMENT_DYNCREATE(CIIWnd, CIIListWindow)

CIIWnd::CIIWnd() : m_pOwner(NULL) {}
CIIWnd::CIIWnd(CWnd* pOwner) : m_pOwner(pOwner) {}

CIIWnd::~CIIWnd() {
  CIIWndList* pList = GetList();
  if (pList == NULL) return;
  Save();
  pList->Destroy();
  if (m_hWnd != NULL) DestroyWindow();
  DetachIIList();
  delete pList;
}

CIIWndList* CIIWnd::GetList() const { return static_cast<CIIWndList*>(m_pIIList); }

BOOL CIIWnd::Create(DWORD, const RECT&, CWnd*, UINT) { return FALSE; }

void CIIWnd::SetDataFile(CString strName) {
  char szModule[MAX_PATH + 1] = "";
  ::GetModuleFileNameA(AfxGetModuleState()->m_hCurrentInstanceHandle, szModule, MAX_PATH);
  m_strPath = DataFilePath(szModule, strName).c_str();
}

// The system palette for pictures shown on a palette display (16 or 256 colours), else NULL.
static HPALETTE DisplayPalette() {
  CWnd* pMain = AfxGetMainWnd();
  HDC hDC = ::GetDC(pMain->GetSafeHwnd());
  if (hDC == NULL) return NULL;
  HPALETTE hPalette = NULL;
  const int nEntries = ::GetDeviceCaps(hDC, SIZEPALETTE);
  if (nEntries == 256 || nEntries == 16) {
    struct {
      LOGPALETTE head;
      PALETTEENTRY more[255];
    } pal = {};
    pal.head.palVersion = 0x300;
    pal.head.palNumEntries = (WORD)nEntries;
    ::GetSystemPaletteEntries(hDC, 0, nEntries, pal.head.palPalEntry);
    hPalette = ::CreatePalette(&pal.head);
  }
  ::ReleaseDC(pMain->GetSafeHwnd(), hDC);
  return hPalette;
}

void CIIWnd::AddItem(void* hBuffer, void* pData) {
  CIIWndList* pList = GetList();
  if (pList == NULL) {
    FreeRecordBlock(pData);
    return;
  }
  _IIDATA data;
  memset(&data, 0, sizeof data);
  data.nMode = IIBUF_COPY;
  data.hBuffer = hBuffer;
  data.pAPData = pData;
  data.hPalette = DisplayPalette();  // the list takes it
  const int nItem = pList->AddItemWithBlock(&data);
  if (nItem < 0) {
    if (data.hPalette != NULL) ::DeleteObject(data.hPalette);
    return;
  }
  const int nType = pList->TypeGetActivate();
  pList->TypeAddII(nType, nItem);
  const int nSel = GetFirstSelItem(nType);
  if (nSel != -1) pList->TypeSetSelectII(nType, nSel, FALSE);
  pList->TypeSetSelectII(nType, nItem, TRUE);
  pList->ScrollTo(pList->TypeGetIndex(nType, nItem));
}

void CIIWnd::UpdateSelItem(void* hBuffer, void* pData) {
  CIIWndList* pList = GetList();
  const int nSel = pList != NULL ? GetFirstSelItem(pList->TypeGetActivate()) : -1;
  if (nSel == -1) {
    FreeRecordBlock(pData);
    return;
  }
  if (hBuffer != NULL) pList->SetIIBuffer(nSel, IIBUF_COPY, (HANDLE)hBuffer);
  if (pData != NULL) pList->ReplaceItemBlock(nSel, pData);
}

int CIIWnd::Save() {
  CIIWndList* pList = GetList();
  return pList != NULL && !m_strPath.IsEmpty() ? pList->Save(m_strPath) : 0;
}

void CIIWnd::OnItemSelected(void*) {}

void CIIWnd::ActivateType(int nType) {
  CIIWndList* pList = GetList();
  if (pList == NULL || !pList->TypeSetActivate(nType)) return;
  const int nSel = GetFirstSelItem(nType);
  if (nSel != -1) pList->ScrollTo(pList->TypeGetIndex(nType, nSel));
}

void CIIWnd::DeleteSelItems(int nType) {
  CIIWndList* pList = GetList();
  if (pList == NULL) return;
  CIIList::iteratorTypeSelect it(pList, nType);
  for (it.First(); !it.IsDone(); it.Next()) pList->DeleteItemOfType(nType, *it.CurrentItem());
}

int CIIWnd::OnListAskDrop(HWND, POINT*) { return 0; }
int CIIWnd::OnListDrop(_DROPDATA*) { return 0; }

int CIIWnd::GetFirstSelItem(int nType) {
  CIIWndList* pList = GetList();
  if (pList == NULL) return -1;
  CIIList::iteratorTypeSelect it(pList, nType);
  it.First();
  return it.IsDone() ? -1 : *it.CurrentItem();
}
