// CBmpCombo: a drop-down list whose items show a picture (an image buffer of the maker's image
// library) followed by a caption.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CBmpCombo : public CComboBox {
  DECLARE_DYNAMIC(CBmpCombo)

 public:
  explicit CBmpCombo(CWnd* pParent = NULL);
  ~CBmpCombo() override;

  // A visible owner-drawn drop-down list at rc, emptied; FALSE when the window cannot be made.
  BOOL CreateCombo(const RECT& rc, CWnd* pParent, UINT nID);
  // Picture size of every item; the item height follows the picture height.
  void SetBitmapWidthHeight(int cx, int cy);
  // Adds the caption and a buffer copied from the bitmap. FALSE for a NULL bitmap or a failed
  // copy; the caption stays in the list then.
  BOOL AddItem(LPCSTR lpszText, HBITMAP hBitmap);
  // Adds the caption with the given buffer, which the combo owns from now on. FALSE for a NULL
  // buffer; the caption stays in the list then.
  BOOL AddItem(void* pImageBuffer, LPCSTR lpszText);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override;

 protected:
  CWnd* m_pParent;
  int m_nBmpWidth;
  int m_nBmpHeight;

  // The selection notifications stay with the combo: the parent does not get them.
  afx_msg void OnSelchange();
  afx_msg void OnEditchange();
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()
};
