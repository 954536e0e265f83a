// CColorPicker: the colour-source pop-up shown at the mouse pointer. Three items (the plug-in
// picker, the system colour dialog, the eyedropper) above a grid of 48 colour cells.
#pragma once
#include <afxwin.h>

#define COLORPICKER_CELLS 48  // cells in the grid, 8 across and 6 down
#define COLORPICKER_CELL  48  // DoModal result after a click on a cell (m_color holds its colour)

class AFX_EXT_CLASS CColorPicker : public CDialog {
 public:
  explicit CColorPicker(CWnd* pParentWnd = NULL);
  ~CColorPicker() override;

  // Entry 0 of the colour table that every pop-up shares, from now on.
  static void SetDefaultColor(unsigned long color);

  // DoModal (inherited) returns 0, 1 or 2 for an item, 48 for a cell, -1 when cancelled.

  RECT m_rcCells[COLORPICKER_CELLS];  // client coordinates, row by row
  RECT m_rcItems[3];                  // item controls, client coordinates
  RECT m_rcClient;
  COLORREF m_color;    // in: the caller's colour; out: the clicked cell's colour
  BOOL m_bEyeDropper;  // set by the caller to offer the eyedropper item
  int m_nItems;        // 2, or 3 with the eyedropper
  int m_nHot;          // -1 none, 0..m_nItems-1 an item, m_nItems + j cell j
  BOOL m_bHotItem[3];

  static HWND m_handle;           // the pop-up that is open
  static HHOOK hHookMouseFilter;  // its thread mouse hook

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void OnOK() override;  // Enter: result 1, like the framework's, but without leaving the hook

  static LRESULT CALLBACK MouseFilter(int code, WPARAM wParam, LPARAM lParam);
  void InvertClrBoxPicker(int index, int bOn);

  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg LRESULT OnActivateApp(WPARAM bActive, LPARAM dwThreadID);
  DECLARE_MESSAGE_MAP()

 private:
  void LayOut();
  void PlaceAtPointer(int colW, int rowH, int itemH);
  void FrameCell(CDC& dc, int nCell, BOOL bOn);
  int HitTest(CPoint point) const;  // same index scheme as m_nHot
  void EndWith(CPoint point);
  void RemoveHook();
};
