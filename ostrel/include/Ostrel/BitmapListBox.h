// CBitmapListBox: a list box whose items are equal cells cut from three bitmap strips, one for
// normal items, one for the selected item and one for the item under the pointer.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CBitmapListBox : public CListBox {
  DECLARE_DYNAMIC(CBitmapListBox)

 public:
  CBitmapListBox();

  // Cuts the strips of hInst (ids: low 16 bits) into nCells cells of strip width / nCells and
  // adds one empty item per cell. FALSE, with nothing changed, before the window exists, for a
  // NULL module, a missing normal strip, a cell count below 1 or a strip width that the count
  // does not divide.
  BOOL AssociateBitmaps(HINSTANCE hInst, int nNormal, int nSelected, int nHot, int nCells);

  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;

 protected:
  HINSTANCE m_hBmpInst;
  UINT m_nBmpNormal;
  UINT m_nBmpSelected;
  UINT m_nBmpHot;
  int m_nCells;
  int m_nCellWidth;
  int m_nCellHeight;
  int m_nHotItem;  // item under the pointer

  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  DECLARE_MESSAGE_MAP()
};
