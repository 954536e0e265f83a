// CIconList: 40 x 40 icons from strips, with a hover look driven by the host's idle updates.
#include <Ostrel/IconList.h>
#include <initializer_list>
#include "frame/LibraryState.h"

IMPLEMENT_DYNAMIC(CIconList, CListBox)

namespace {
const int kIcon = 40;           // icon cell, square
const int kHoverPositions = 4;  // visible positions that show the hover look
}  // namespace

CIconList::CIconList()
    : m_nCount(1),
      m_nFocusItem(-1),
      m_bBitmapsSet(FALSE),
      m_hBmpNormal(NULL),
      m_hBmpFocus(NULL),
      m_hBmpSelected(NULL) {}

CIconList::~CIconList() { DeleteStrips(); }

void CIconList::DeleteStrips() {
  for (HBITMAP* phBmp : {&m_hBmpNormal, &m_hBmpFocus, &m_hBmpSelected}) {
    if (*phBmp != NULL) ::DeleteObject(*phBmp);
    *phBmp = NULL;
  }
}

BOOL CIconList::SetBitmaps(HINSTANCE hInst, int nNormal, int nFocus, int nSelected, int, int nCount) {
  if (m_bBitmapsSet) return TRUE;
  if (nCount < 1) return FALSE;
  m_nCount = nCount;
  m_hBmpNormal = ::LoadBitmapA(hInst, MAKEINTRESOURCEA(nNormal));
  m_hBmpFocus = ::LoadBitmapA(hInst, MAKEINTRESOURCEA(nFocus));
  m_hBmpSelected = ::LoadBitmapA(hInst, MAKEINTRESOURCEA(nSelected));
  BOOL bOK = hInst != NULL && m_hBmpNormal != NULL && m_hBmpFocus != NULL && m_hBmpSelected != NULL;
  for (int i = 0; bOK && i < nCount; ++i) bOK = SendMessage(LB_ADDSTRING, 0, (LPARAM) "") >= 0;
  if (!bOK) {
    DeleteStrips();
    return FALSE;
  }
  // A multi-column list shows one icon per column.
  if (GetStyle() & LBS_MULTICOLUMN) SetColumnWidth(kIcon);
  m_bBitmapsSet = TRUE;
  return TRUE;
}

BOOL CIconList::PreCreateWindow(CREATESTRUCT& cs) {
  cs.dwExStyle |= WS_EX_CLIENTEDGE;
  cs.style |= LBS_OWNERDRAWFIXED;
  cs.style &= ~(LBS_SORT | LBS_OWNERDRAWVARIABLE);
  return CListBox::PreCreateWindow(cs);
}

void CIconList::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
  lpMIS->itemWidth = kIcon;
  lpMIS->itemHeight = kIcon;
}

void CIconList::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  int nItem = (int)lpDIS->itemID;
  if (nItem < 0 || nItem >= m_nCount) return;
  HBITMAP hStrip = (lpDIS->itemState & ODS_SELECTED) ? m_hBmpSelected : m_hBmpNormal;
  const RECT& rc = lpDIS->rcItem;
  DrawBitmapPart(lpDIS->hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hStrip, kIcon * nItem, 0);
}

int CIconList::GetFocusIndex(CPoint pt) { return GetTopIndex() + pt.x / kIcon; }

void CIconList::SetFocusItem(int nItem, BOOL bFocus) {
  int nPosition = nItem - GetTopIndex();
  if (nPosition < 0 || nPosition >= kHoverPositions || nItem >= m_nCount) return;
  ActivateTips(FALSE);
  CClientDC dc(this);
  DrawBitmapPart(dc.m_hDC, kIcon * nPosition, 0, kIcon, kIcon, bFocus ? m_hBmpFocus : m_hBmpNormal, kIcon * nItem, 0);
  ActivateTips(TRUE);
}

void CIconList::ActivateTips(BOOL) {}

void CIconList::OnUpdateUI(CCmdUI*) {
  if (m_hWnd == NULL || (::GetAsyncKeyState(VK_LBUTTON) & 0x8000)) return;
  CPoint pt;
  ::GetCursorPos(&pt);
  ScreenToClient(&pt);
  CRect client;
  GetClientRect(&client);
  int nSelected = GetCurSel();
  if (!client.PtInRect(pt)) {
    if (m_nFocusItem != -1 && m_nFocusItem != nSelected) SetFocusItem(m_nFocusItem, FALSE);
    m_nFocusItem = -1;
    return;
  }
  int nItem = GetFocusIndex(pt);
  if (nItem == nSelected) {
    if (m_nFocusItem != -1 && m_nFocusItem != nItem) SetFocusItem(m_nFocusItem, FALSE);
    m_nFocusItem = -1;
    return;
  }
  if (m_nFocusItem != nItem) {
    if (m_nFocusItem != -1) SetFocusItem(m_nFocusItem, FALSE);
    SetFocusItem(nItem, TRUE);
  }
  m_nFocusItem = nItem;
}
