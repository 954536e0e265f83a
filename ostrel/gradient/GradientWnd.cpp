// CGradientWnd: the preset strip of the gradient dialog, and its list of GFILL_OPTION records.
#include <Ostrel/GradientWnd.h>
#include <stdlib.h>
#include <string.h>
#include <new>
#include "gradient/ListFiles.h"

// Strip settings: no dragging, blocks kept by the strip, pictures fitted with their aspect, a
// sunken edge and a 3-pixel selection frame, no names, one type, always exactly one selected
// once the user has chosen.
#define GRADWND_FRAME_TYPE 0x310

// ---------------------------------------------------------------------------------------------
// CGradientList

CGradientList::CGradientList(CIIWnd* pWnd) : CIIWndList(pWnd, (int)sizeof(GFILL_OPTION)) {}

int CGradientList::OnIIAPDataSaveBuf(int nItem, void* pBuf) {
  void* pBlock = GetAPIIData(nItem);
  if (pBlock == NULL || pBuf == NULL) return m_nAPDataSize;
  memcpy(pBuf, pBlock, (size_t)m_nAPDataSize);
  return 4;
}

// ---------------------------------------------------------------------------------------------
// CGradientWnd

IMPLEMENT_DYNCREATE(CGradientWnd, CIIWnd)

BEGIN_MESSAGE_MAP(CGradientWnd, CIIWnd)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CGradientWnd::CGradientWnd() {}
CGradientWnd::CGradientWnd(CWnd* pOwner) : CIIWnd(pOwner) {}

// Loads the preset file into pList. A file that is there but cannot be read (or holds blocks
// that are not gradient records) is copied aside before the list starts empty; when even that
// copy fails, the strip forgets the file's path, so nothing is ever written over it.
static BOOL LoadPresets(CGradientList* pList, CString& strPath) {
  if (pList->Load(strPath) && pList->RefusedBlocks() == 0) return TRUE;
  const std::string path = (const char*)strPath;
  if (FileExists(path) && !KeepUnreadableFile(path)) strPath.Empty();
  return pList->Create(NULL);
}

BOOL CGradientWnd::Create(DWORD /*dwStyle*/, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  const int nSize = abs(rect.bottom - rect.top - 18);
  SetDataFile(GRADWND_FILE);
  if (!CWnd::Create(T32IIO_CLASSNAME, NULL, GRADWND_STYLE, rect, pParentWnd, nID)) return FALSE;
  CGradientList* pList = new (std::nothrow) CGradientList(this);
  if (pList == NULL || !LoadPresets(pList, m_strPath)) {
    delete pList;
    DestroyWindow();
    return FALSE;
  }
  pList->SetDrag(IIDRAG_NONE);
  pList->SetFixedAPIIData(0);
  pList->SetFitStyle(IIFIT_ASPECT);
  pList->SetFrameType(GRADWND_FRAME_TYPE);
  pList->SetIdentType(IIIDENT_NONE);
  pList->UseCommonPalette(1);
  pList->SetMaxTypeNum(1);
  pList->SetIIWH(nSize, nSize);
  pList->SetMulSelectNum(IIMULSEL_KEEPONE);
  pList->TypeSetSelect(0, NULL);
  AttachIIList(pList);
  return TRUE;
}

void CGradientWnd::OnItemSelected(void* pData) {
  if (m_pOwner->GetSafeHwnd() != NULL)
    ::PostMessageA(m_pOwner->GetSafeHwnd(), WM_COMMAND, GRADWND_SELECT_COMMAND, (LPARAM)pData);
}

void CGradientWnd::SelectItem(int nItem) {
  CIIWndList* pList = GetList();
  if (pList == NULL) return;
  const int nType = pList->TypeGetActivate();
  const int nSel = GetFirstSelItem(nType);
  if (nSel != -1) pList->TypeSetSelectII(nType, nSel, FALSE);
  if (nItem != -1) pList->TypeSetSelectII(nType, nItem, TRUE);
}

void CGradientWnd::DeleteFirstSelItem() {
  CIIWndList* pList = GetList();
  if (pList == NULL) return;
  const int nType = pList->TypeGetActivate();
  const int nSel = GetFirstSelItem(nType);
  if (nSel != -1) pList->DeleteItemOfType(nType, nSel);
}

void CGradientWnd::DeleteSelAndReselect() {
  CIIWndList* pList = GetList();
  if (pList == NULL) return;
  const int nType = pList->TypeGetActivate();
  int nPos = pList->TypeGetIndex(nType, GetFirstSelItem(nType));
  DeleteFirstSelItem();
  if (nPos != 0) nPos--;  // the one before; the new first one when the first went
  const int nItem = pList->TypeGetII(nType, nPos);
  SelectItem(nItem);
  OnItemSelected(pList->GetAPIIData(nItem));
}
