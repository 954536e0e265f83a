// CBitmapListBox: list box cells cut from normal, selected and hot strips.
#include <Ostrel/BitmapListBox.h>
#include "frame/LibraryState.h"

IMPLEMENT_DYNAMIC(CBitmapListBox, CListBox)

BEGIN_MESSAGE_MAP(CBitmapListBox, CListBox)
ON_WM_MOUSEMOVE()
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

static HBITMAP LoadStrip(HINSTANCE hInst, UINT nID) { return ::LoadBitmapA(hInst, MAKEINTRESOURCEA(LOWORD(nID))); }

CBitmapListBox::CBitmapListBox()
    : m_hBmpInst(NULL),
      m_nBmpNormal(0),
      m_nBmpSelected(0),
      m_nBmpHot(0),
      m_nCells(0),
      m_nCellWidth(0),
      m_nCellHeight(0),
      m_nHotItem(0) {}

BOOL CBitmapListBox::AssociateBitmaps(HINSTANCE hInst, int nNormal, int nSelected, int nHot, int nCells) {
  if (m_hWnd == NULL || hInst == NULL || nCells < 1) return FALSE;
  HBITMAP hNormal = LoadStrip(hInst, (UINT)nNormal);
  CSize size = BitmapSize(hNormal);
  if (hNormal != NULL) ::DeleteObject(hNormal);
  if (size.cx == 0 || size.cx % nCells != 0) return FALSE;

  m_hBmpInst = hInst;
  m_nBmpNormal = (UINT)nNormal;
  m_nBmpSelected = (UINT)nSelected;
  m_nBmpHot = (UINT)nHot;
  m_nCells = nCells;
  m_nCellWidth = size.cx / nCells;
  m_nCellHeight = size.cy;
  // A fixed-height list measured its items when it was made, before the strips were known.
  if (GetStyle() & LBS_OWNERDRAWFIXED) SetItemHeight(0, (UINT)m_nCellHeight);
  for (int i = 0; i < nCells; ++i) SendMessage(LB_ADDSTRING, 0, (LPARAM) "");
  return TRUE;
}

void CBitmapListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
  lpMIS->itemWidth = (UINT)m_nCellWidth;
  lpMIS->itemHeight = (UINT)m_nCellHeight;
}

void CBitmapListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  if (m_hBmpInst == NULL) return;
  int nItem = (int)lpDIS->itemID;
  if (nItem < 0 || nItem >= m_nCells) return;
  UINT nStrip = m_nBmpNormal;
  if (lpDIS->itemState & ODS_SELECTED)
    nStrip = m_nBmpSelected;
  else if (nItem == m_nHotItem)
    nStrip = m_nBmpHot;
  HBITMAP hStrip = LoadStrip(m_hBmpInst, nStrip);
  DrawBitmapPart(lpDIS->hDC, lpDIS->rcItem.left, lpDIS->rcItem.top, m_nCellWidth, m_nCellHeight, hStrip,
                 m_nCellWidth * nItem, 0);
  if (hStrip != NULL) ::DeleteObject(hStrip);
}

int CBitmapListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }

void CBitmapListBox::OnMouseMove(UINT nFlags, CPoint point) {
  BOOL bOutside = TRUE;
  UINT nItem = ItemFromPoint(point, bOutside);
  int nHot = bOutside ? -1 : (int)nItem;
  if (nHot != m_nHotItem) {
    m_nHotItem = nHot;
    Invalidate(FALSE);
    UpdateWindow();
  }
  CListBox::OnMouseMove(nFlags, point);
}

HBRUSH CBitmapListBox::CtlColor(CDC* pDC, UINT) {
  pDC->SelectStockObject(WHITE_BRUSH);
  return (HBRUSH)::GetStockObject(WHITE_BRUSH);
}
