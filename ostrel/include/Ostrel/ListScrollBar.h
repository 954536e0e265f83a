// CListScrollBar: the small self-drawn scroll bar inside the bitmap and text lists. It is not a
// window: its list stores the bar's rectangle, forwards presses, drags and painting to it, and hears
// of every change the bar makes through CScrollBarOwner.
#pragma once
#include <afxwin.h>

class CListScrollBar;

// Told by the bar after every position change the bar makes itself.
class AFX_EXT_CLASS CScrollBarOwner {
 public:
  virtual void OnScrollChanged() {}
  // The owning list's window and bar, for code that holds only the owner (NULL when not given).
  virtual CWnd* GetOwnerWnd() { return NULL; }
  virtual CListScrollBar* GetScrollBar() { return NULL; }

 protected:
  ~CScrollBarOwner() {}
};

// The owner a list embeds beside its bar: it hands the bar's changes to one member of the list.
template <class TList>
class CListScrollOwner : public CScrollBarOwner {
 public:
  typedef void (TList::*CHANGEFN)();
  CListScrollOwner(TList* pList, CHANGEFN pfnChanged) : m_pList(pList), m_pfnChanged(pfnChanged) {}
  void OnScrollChanged() override { (m_pList->*m_pfnChanged)(); }
  CWnd* GetOwnerWnd() override { return m_pList; }
  CListScrollBar* GetScrollBar() override { return &m_pList->m_scrollBar; }

 private:
  TList* m_pList;
  CHANGEFN m_pfnChanged;
};

class AFX_EXT_CLASS CListScrollBar {
 public:
  explicit CListScrollBar(CScrollBarOwner* pOwner);

  void SetThickness(int nThickness) { m_nThickness = nThickness; }
  int GetThickness() const { return m_nThickness; }
  // The range is never negative; the position is left as it is.
  void SetRange(int nMax) { m_nMax = nMax > 0 ? nMax : 0; }
  int GetRange() const { return m_nMax; }
  // Clamped to 0 .. range; the owner is not told.
  void SetPos(int nPos);
  int GetPos() const { return m_nPos; }
  void SetVertical(BOOL bVertical) { m_bVertical = bVertical; }
  BOOL IsVertical() const { return m_bVertical; }
  // The bar's rectangle in the list's client coordinates; hit tests, presses and drags use it.
  void SetRect(const RECT& rc) { m_rcBar = rc; }
  const RECT& GetRect() const { return m_rcBar; }

  // TRUE on the bar's rectangle, edges included.
  BOOL HitTest(int x, int y) const;
  // -1 on the first end zone (13 pixels and less from the start), 1 on the second, 0 between them.
  int EndZoneAt(int x, int y) const;
  // A press on an end zone steps 10 units; elsewhere it anchors a drag.
  void OnPress(UINT nFlags, int x, int y);
  // With a button held and off the end zones, moves by the distance dragged since the anchor.
  void OnDrag(UINT nFlags, int x, int y);
  // Paints the bar into rc: outline, both end zones, track, thumb and its round grip.
  void Paint(HDC hdc, const RECT& rc);

  // Thumb length for a bar nLength pixels long: one pixel per unit of range is taken from it.
  int ThumbLength(int nLength) const { return nLength - m_nMax - 23; }

  // The bevel of the bar's boxes, also the lists' borders. Type 1 and 2 differ in which corner
  // pixels each pen covers; type 3 leaves both far corners to the second pen.
  static void DrawBevel(HDC hdc, const RECT& rc, int nType, HPEN hFirst, HPEN hSecond);

 protected:
  CScrollBarOwner* m_pOwner;
  int m_nThickness;
  int m_nPos;
  int m_nMax;
  BOOL m_bVertical;
  int m_nDragAnchor;
  RECT m_rcBar;

 private:
  int Along(int x, int y) const { return m_bVertical ? y : x; }
  int Start() const { return m_bVertical ? m_rcBar.top : m_rcBar.left; }
  int End() const { return m_bVertical ? m_rcBar.bottom : m_rcBar.right; }
  void Changed();
};
