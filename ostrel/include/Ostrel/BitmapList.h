// CBitmapList: a one-row picker of 30 x 30 pictures cut from one strip bitmap, scrolled sideways by
// the self-drawn bar along its bottom edge. The cell under the pointer is framed, the selected cell
// shaded, and the parent hears of both through WM_HSCROLL. The host allocates the object with new,
// fills the public data and creates the window with a class of its choice; the object deletes
// itself after its window is destroyed, and when the creation fails.
#pragma once
#include <afxwin.h>
#include <Ostrel/ListScrollBar.h>

// WM_HSCROLL codes sent by a bitmap list; the high word of wParam is the cell under the pointer.
#define BLN_HOVER    5  // the pointer moved onto another cell
#define BLN_SELECTED 8  // a click selected a cell
#define BLN_LEAVE    9  // the pointer left the cells with no button down

// Supplies the strip for every paint and takes it back afterwards.
class AFX_EXT_CLASS CListBitmapSource {
 public:
  virtual HBITMAP GetBitmap(HDC hdc) = 0;
  virtual void ReleaseBitmap(HBITMAP hBitmap) = 0;

 protected:
  ~CListBitmapSource() {}
};

class AFX_EXT_CLASS CBitmapList : public CWnd {
 public:
  CBitmapList();
  ~CBitmapList() override;

  // Repaints the whole list now.
  void UpdateControl();
  // Sends WM_HSCROLL with nCode and the cell under the pointer to the parent.
  void NotifyScroll(int nCode);
  // The strip for one paint: from the source when there is one, else loaded from the resources.
  HBITMAP getListBitmap(HDC hdc);
  HBITMAP createListBitmap();
  void releaseListBitmap(HBITMAP hBitmap);
  // Kept for the host; painting does not use it.
  void setListBitmap(HBITMAP hBitmap) { m_hListBitmap = hBitmap; }
  void resetListBitmap() { m_hListBitmap = NULL; }

  CListBitmapSource* m_pBitmapSource;  // not owned; NULL to load the strip from the resources
  HBITMAP m_hListBitmap;
  HINSTANCE m_hInstance;  // module and id of the strip bitmap
  UINT m_nBitmapID;

 protected:
  int m_nCurSel;    // selected cell
  int m_nCurIndex;  // cell under the pointer, -1 for none yet
  CListScrollOwner<CBitmapList> m_scrollOwner;
  CListScrollBar m_scrollBar;  // position in pixels

  void PostNcDestroy() override;
  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  friend class CListScrollOwner<CBitmapList>;
  int getCurSel() const { return m_nCurSel; }
  void setCurSel(int nSel) { m_nCurSel = nSel; }
  int getCurIndex() const { return m_nCurIndex; }
  void setCurIndex(int nIndex) { m_nCurIndex = nIndex; }
  // Range = how much wider the strip is than the client area, never below 0.
  void SetScrollRange();
  void draw3DBorder(HDC hdc, RECT& rc, int nType, HPEN hPen1, HPEN hPen2);
  // The bar's rectangle along the client's bottom edge, stored in the bar too.
  CRect BarRect();
  // The cell at client x, counting the scrolled-away pixels.
  int CellAt(int x) const { return (x + m_scrollBar.GetPos()) / 30; }
};
