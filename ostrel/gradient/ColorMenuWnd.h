// The gradient dialog's pop-up menu of 72 colours, and the small off-screen window that owns it:
// it measures and draws the colour items, remembers the colour under the pointer and hands the
// chosen command on to the dialog.
#pragma once
#include <afxwin.h>

#define COLORMENU_ROWS    12
#define COLORMENU_COLUMNS 6
#define COLORMENU_ITEMS   (COLORMENU_ROWS * COLORMENU_COLUMNS)
#define COLORMENU_BASE    37000  // command ids: base + 12 * column + row, in four groups of 100
#define COLORMENU_GROUPS  4

// Colour of item nIndex (12 * column + row); black outside the table.
COLORREF ColorMenuColor(int nIndex);
// Fills an empty pop-up menu with the owner-drawn colour items, a column break before every 12th.
// FALSE for a base other than 37000, 37100, 37200 or 37300 (the menu is left empty).
BOOL BuildColorMenu(CMenu& menu, UINT nBase);

class CColorMenuWnd : public CWnd {
 public:
  // A child of the application's main window, off screen; NULL when there is no main window.
  static CColorMenuWnd* CreateFor(CWnd* pDialog);
  ~CColorMenuWnd() override;

  COLORREF SelectedColor() const { return m_clrSelected; }
  int SelectedGroup() const { return m_nGroup; }  // 0 to 3 for the bases 37000 ... 37300

 protected:
  explicit CColorMenuWnd(CWnd* pDialog);
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasure);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDraw);
  afx_msg LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  CWnd* m_pDialog;  // receives the chosen commands
  COLORREF m_clrSelected;
  int m_nGroup;
  int m_nItemWidth, m_nItemHeight;
  CRect m_rcSelected;  // the item drawn selected last, in the menu's coordinates
};
