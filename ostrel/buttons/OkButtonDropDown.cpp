// COkButton's picture drop-down mode: the identifier list, the owner-drawn menu cut from one strip
// (a row per item, four state columns) and the choice that becomes the button's face.
#include <Ostrel/OkButton.h>
#include <t32Comm.h>
#include "BitmapCopy.h"
#include "frame/LibraryState.h"

namespace {

const UINT kIDModulus = 32767;  // identifiers above it are base x 32767 + menu command

}  // namespace

BOOL COkButton::CreateSubDB(UINT* pIDs, int nCount, UINT nBitmapID, HINSTANCE hInst) {
  if (pIDs == NULL || nCount < 1) return FALSE;
  m_nImageRows = nCount;
  m_menuPopup.DestroyMenu();
  if (!m_menuPopup.CreatePopupMenu()) return FALSE;
  if (pIDs[0] > kIDModulus) m_nMenuIDBase = pIDs[0] / kIDModulus;
  for (int k = 0; k < nCount; ++k) m_menuPopup.AppendMenu(MF_OWNERDRAW, pIDs[k] % kIDModulus);
  m_menuPopup.CheckMenuItem(pIDs[0] % kIDModulus, MF_BYCOMMAND | MF_CHECKED);
  BOOL bStrip = LoadStrip(m_bmpMenu, nBitmapID, hInst);

  m_nMenuItems = nCount;
  if (m_pMenuIDs != NULL) ::GlobalFree((HGLOBAL)m_pMenuIDs);
  m_pMenuIDs = (UINT*)::GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, (SIZE_T)nCount * sizeof(UINT));
  if (m_pMenuIDs == NULL) {
    c32SetDLLErrInfo(0, 0, 1001, 543, 7, 1501);
    return 0;
  }
  for (int k = 0; k < nCount; ++k) m_pMenuIDs[k] = pIDs[k];
  SizeToContent();
  return bStrip;
}

// Only an identifier exactly as listed counts; its item alone is checked.
BOOL COkButton::SetCurMenuID(UINT nID) {
  int nFound = -1;
  for (int i = 0; m_pMenuIDs != NULL && i < m_nMenuItems && nFound < 0; ++i)
    if (m_pMenuIDs[i] == nID) nFound = i;
  if (nFound < 0) return FALSE;
  m_nCurMenuID = (int)nID;
  for (int i = 0; i < m_nMenuItems; ++i)
    m_menuPopup.CheckMenuItem(m_pMenuIDs[i] % kIDModulus, MF_BYCOMMAND | (i == nFound ? MF_CHECKED : MF_UNCHECKED));
  return TRUE;
}

int COkButton::GetCurMenuID() { return m_nCurMenuID; }

// A stored identifier matches nID itself or as its menu command; the first match counts.
BOOL COkButton::GetMenuPictureRect(HBITMAP hStrip, UINT nID, int nColumn, RECT* pRect) const {
  if (m_pMenuIDs == NULL || m_nMenuItems <= 0 || pRect == NULL) return FALSE;
  int i = 0;
  while (i < m_nMenuItems && m_pMenuIDs[i] != nID && m_pMenuIDs[i] % kIDModulus != nID) ++i;
  if (i == m_nMenuItems) return FALSE;
  CSize strip = BitmapSize(hStrip);
  double dRow = (double)strip.cy / m_nMenuItems;
  GetColumnEdges(strip.cx, nColumn, pRect);
  pRect->top = (int)(dRow * i);
  pRect->bottom = (int)(dRow * (i + 1));
  return TRUE;
}

void COkButton::DrawMenu(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct == NULL) return;
  UINT nState = lpDrawItemStruct->itemState;
  int nColumn = (nState & ODS_CHECKED) ? 3 : (nState & ODS_SELECTED) ? 2 : (nState & ODS_GRAYED) ? 1 : 0;
  CRect cell;
  if (!GetMenuPictureRect((HBITMAP)m_bmpMenu.m_hObject, lpDrawItemStruct->itemID, nColumn, &cell)) return;
  const RECT& rcItem = lpDrawItemStruct->rcItem;
  CopyBitmapPart(lpDrawItemStruct->hDC, rcItem.left, rcItem.top, cell.Width(), cell.Height(),
                 (HBITMAP)m_bmpMenu.m_hObject, cell.left, cell.top);
}

// Below the button and from its left edge when the parent has room there, else above it or ending
// at its right edge.
void COkButton::OpenDropDown() {
  CRect rcButton, rcParent;
  GetWindowRect(&rcButton);
  HWND hParent = ::GetParent(m_hWnd);
  ::GetWindowRect(hParent != NULL ? hParent : ::GetDesktopWindow(), &rcParent);
  CSize strip = BitmapSize((HBITMAP)m_bmpMenu.m_hObject);
  int nMenuWidth = strip.cx / 4 - ::GetSystemMetrics(SM_CXMENUCHECK) + 3;
  int nMenuHeight = strip.cy + 3;

  UINT nFlags = TPM_RIGHTBUTTON | TPM_RETURNCMD;
  int x = rcButton.left, y = rcButton.bottom;
  if (rcButton.left + nMenuWidth >= rcParent.right && rcButton.right - nMenuWidth >= rcParent.left) {
    x = rcButton.right;
    nFlags |= TPM_RIGHTALIGN;
  }
  if (rcButton.bottom + nMenuHeight >= rcParent.bottom && rcButton.top - nMenuHeight >= rcParent.top) {
    y = rcButton.top;
    nFlags |= TPM_BOTTOMALIGN;
  }
  UINT nCommand = (UINT)::TrackPopupMenu(m_menuPopup.m_hMenu, nFlags, x, y, 0, m_hWnd, NULL);
  if (nCommand == 0) return;

  m_nCurMenuID = (int)(m_nMenuIDBase * kIDModulus + nCommand);
  for (UINT nPos = 0; nPos < m_menuPopup.GetMenuItemCount(); ++nPos)
    if (m_menuPopup.GetMenuState(nPos, MF_BYPOSITION) & MF_CHECKED)
      m_menuPopup.CheckMenuItem(nPos, MF_BYPOSITION | MF_UNCHECKED);
  m_menuPopup.CheckMenuItem(nCommand, MF_BYCOMMAND | MF_CHECKED);
  HWND hNotify = ::GetParent(m_hWnd);
  if (hNotify != NULL) ::SendMessageA(hNotify, WM_COMMAND, (WPARAM)(m_nCurMenuID & 0xFFFF), (LPARAM)m_hWnd);
  InvalidateImage();
}
