// CFontCombo: an always-open list of the system's TrueType font families, each name drawn in its
// own face; every item keeps a copy of its family's LOGFONTA.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CFontCombo : public CComboBox {
  DECLARE_DYNAMIC(CFontCombo)

 public:
  CFontCombo();
  // lpszFont: the face to select once the list is filled (at most 31 characters are kept).
  CFontCombo(CWnd* pParent, LPCSTR lpszFont);
  ~CFontCombo() override;

  // Makes the list, fills it and selects the first face that starts with the preset name, or
  // the first item. FALSE when the window cannot be made.
  BOOL CreateCombo(const RECT& rc, CWnd* pParent, UINT nID);
  // Adds every TrueType family of the screen once, sorted by name (of a family reported in
  // several character sets, the screen's own is kept). TRUE.
  BOOL FillFonts();
  // The selected family's LOGFONTA, or NULL when nothing is selected.
  LOGFONTA* GetSelectedFont();
  // Selects the first item whose name is exactly pszName (case counts); nothing for no match or
  // NULL.
  void SetFontName(char* pszName);
  // Frees every item's LOGFONTA copy; the names stay. Whatever is left is freed with the window.
  void Clear();

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;

 protected:
  int m_nCurSel;          // the item selected by CreateCombo
  char m_szFontName[32];  // face to select first

  // The selection notifications stay with the combo: the parent does not get them.
  afx_msg void OnSelchange();
  afx_msg void OnEditchange();
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()
};
