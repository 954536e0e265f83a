// CTextList: a list box whose lines are edited in place. It subclasses a list box of the host's
// dialog (one with strings), paints every line itself on a textured background beside a
// self-drawn vertical scroll bar, and turns the selected line into a one-line editor: typed
// characters go in at the caret, Backspace, Delete, Home, End, Left and Right edit and move, and
// the line scrolls sideways to keep the caret in view. Up and Down move the selection and scroll
// one row at the edges. Edits are written straight back into the list box's items.
#pragma once
#include <afxwin.h>
#include <Ostrel/ListScrollBar.h>

class CTextList;

// The current line as the editor reaches it.
class AFX_EXT_CLASS CTextLineSource {
 public:
  virtual int GetCurIndex() = 0;
  // The current line's row, less the scroll bar.
  virtual void GetCurRect(RECT* pRect) = 0;
  virtual HWND GetWindow() = 0;
  // The current line's text; "" when there is none.
  virtual const char* GetCurText() = 0;
  // Replaces the current line's text (nothing without a current line).
  virtual void SetCurText(const char* pszText) = 0;

 protected:
  ~CTextLineSource() {}
};

// Caret and sideways scroll of the current line. Positions are byte offsets into the line that
// always fall on character boundaries, so a double-byte character is stepped over whole.
class AFX_EXT_CLASS CTextLineEditor {
 public:
  CTextLineEditor();

  // Caret x from the row's left edge: the width of the characters shown before it.
  int CaretX(CTextLineSource& line);
  // The caret goes before the character under x (the line's end when x is past it).
  void CaretToPoint(CTextLineSource& line, int x);
  // Accepted for 0 .. line length only.
  BOOL SetCaret(CTextLineSource& line, int nChar);
  void Home();
  void End(CTextLineSource& line);
  // FALSE at the line's start.
  BOOL Left(CTextLineSource& line);
  void Right(CTextLineSource& line);
  void Delete(CTextLineSource& line);
  void Backspace(CTextLineSource& line);
  // One WM_CHAR: a single-byte character, or a lead byte kept until its trail byte comes.
  void Char(CTextLineSource& line, UINT nChar);

  int m_nFirstChar;  // first character of the current line that is shown
  int m_nCaretChar;  // caret, 0 .. line length

 private:
  void Insert(CTextLineSource& line, const char* pChars, int nBytes);
  BYTE m_chLead;  // lead byte of a double-byte character waiting for its trail byte
};

// The window's caret. Shown only when hidden and hidden only when shown, so the calls never nest;
// position calls do nothing while no window owns the caret.
class AFX_EXT_CLASS CTextListCaret {
 public:
  CTextListCaret() : m_hWnd(NULL), m_bShown(FALSE) {}
  BOOL Create(HWND hWnd, HBITMAP hShape, int nWidth, int nHeight);
  void Destroy();
  void Show();
  void Hide();
  BOOL IsShown() const { return m_bShown; }
  void SetPos(int x, int y);
  BOOL GetPos(POINT* pPoint) const;

  HWND m_hWnd;  // owner of the caret, NULL while there is none
  BOOL m_bShown;
};

// The text list's own line source: the list box's current item.
class AFX_EXT_CLASS CTextListLineSource : public CTextLineSource {
 public:
  explicit CTextListLineSource(CTextList* pList) : m_pList(pList) {}
  int GetCurIndex() override;
  void GetCurRect(RECT* pRect) override;
  HWND GetWindow() override;
  const char* GetCurText() override;
  void SetCurText(const char* pszText) override;

 private:
  CTextList* m_pList;
};

class AFX_EXT_CLASS CTextList : public CListBox {
 public:
  enum { ROW_HEIGHT = 16 };

  CTextList();
  ~CTextList() override;

  // Row nRow of the window (0 at the top); returns 0.
  int GetItemRect(int nRow, RECT* pRect);
  // The item shown at the point (it may be past the last item); bOutside is not written.
  int ItemFromPoint(POINT& pt, int& bOutside);
  // Repaints the whole list now.
  void UpdateControl();
  int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;

 protected:
  CTextLineEditor m_editor;
  CListScrollBar m_scrollBar;  // position = the top row's item
  CTextListCaret m_caret;
  CListScrollOwner<CTextList> m_scrollOwner;
  CTextListLineSource m_lineSource;

  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  DECLARE_MESSAGE_MAP()

 private:
  friend class CListScrollOwner<CTextList>;
  friend class CTextListLineSource;
  // The line painter.
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void UpdateItems(HDC hdc);
  int getVisibleListMax();
  BOOL IsControlKey(UINT nKey);
  void OnLButtonDown(UINT nFlags, CPoint point);
  // The bar's rectangle at the client's right edge, stored in the bar too.
  CRect BarRect();
  // Caret to the current line's row and caret character, then a repaint (the bar's owner calls it).
  void OnBarScrolled();
  // One editor key with the caret hidden meanwhile.
  void EditKey(UINT nKey);
  // Up or Down: the list box moves the selection; the list scrolls one row at its edges.
  void MoveSelection(UINT nKey);
};
