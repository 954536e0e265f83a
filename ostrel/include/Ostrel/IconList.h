// CIconList: a list box of 40 x 40 icons cut from strips (normal, hover and selected). The hover
// look follows the pointer when the host calls OnUpdateUI from its command-UI updates.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CIconList : public CListBox {
  DECLARE_DYNAMIC(CIconList)

 public:
  CIconList();
  ~CIconList() override;

  // Loads the three strips of hInst (icon i is the cell at x = 40 * i) and adds nCount empty
  // items. Only the first successful call counts; later ones return TRUE at once. FALSE, with
  // no strip kept, when a strip is missing, nCount is below 1 or the items cannot be added.
  // nReserved is not used.
  BOOL SetBitmaps(HINSTANCE hInst, int nNormal, int nFocus, int nSelected, int nReserved, int nCount);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  // Moves the hover look to the icon under the pointer (none over the selected icon, none
  // outside the list); nothing while the left button is down.
  void OnUpdateUI(CCmdUI* pCmdUI);

 protected:
  int m_nCount;
  int m_nFocusItem;  // the icon that shows the hover look, or -1
  BOOL m_bBitmapsSet;
  HBITMAP m_hBmpNormal;
  HBITMAP m_hBmpFocus;
  HBITMAP m_hBmpSelected;

  int GetFocusIndex(CPoint pt);
  // Draws the icon with or without the hover look, straight onto the window, when it is one of
  // the first four visible positions.
  void SetFocusItem(int nItem, BOOL bFocus);
  void ActivateTips(BOOL bActivate);

 private:
  void DeleteStrips();
};
