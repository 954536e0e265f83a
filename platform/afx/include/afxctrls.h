// Framework layer: wrappers of the system's standard controls (included by afxwin.h).
#pragma once

class AFX_API CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
 public:
  CStatic() {}
  BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xffff);
  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_API CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)
 public:
  CButton() {}
  BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  UINT GetState() const;
  void SetState(BOOL bHighlight);
  int GetCheck() const;
  void SetCheck(int nCheck);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_API CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
 public:
  CEdit() {}
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL CanUndo() const;
  int GetLineCount() const;
  BOOL GetModify() const;
  void SetModify(BOOL bModified = TRUE);
  void GetRect(LPRECT lpRect) const;
  DWORD GetSel() const;
  void GetSel(int& nStartChar, int& nEndChar) const;
  int GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const;
  void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
  void SetLimitText(UINT nMax);
  UINT GetLimitText() const;
  void LimitText(int nChars = 0);
  int LineFromChar(int nIndex = -1) const;
  int LineIndex(int nLine = -1) const;
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  void SetMargins(UINT nLeft, UINT nRight);
  CPoint PosFromChar(UINT nChar) const;
  int CharFromPos(CPoint pt) const;
  void Clear();
  void Copy();
  void Cut();
  void Paste();
  BOOL Undo();
};

class AFX_API CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)
 public:
  CListBox() {}
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  int GetCount() const;
  int GetHorizontalExtent() const;
  void SetHorizontalExtent(int cxExtent);
  int GetTopIndex() const;
  int SetTopIndex(int nIndex);
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  int GetSel(int nIndex) const;
  int SetSel(int nIndex, BOOL bSelect = TRUE);
  int GetSelCount() const;
  int GetSelItems(int nMaxItems, LPINT rgIndex) const;
  DWORD_PTR GetItemData(int nIndex) const;
  void* GetItemDataPtr(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  int SetItemDataPtr(int nIndex, void* pData);
  int GetItemRect(int nIndex, LPRECT lpRect) const;
  int GetText(int nIndex, LPSTR lpszBuffer) const;
  void GetText(int nIndex, CString& rString) const;
  int GetTextLen(int nIndex) const;
  int SetItemHeight(int nIndex, UINT cyItemHeight);
  int GetItemHeight(int nIndex) const;
  int GetCaretIndex() const;
  int SetCaretIndex(int nIndex, BOOL bScroll = TRUE);
  void SetColumnWidth(int cxWidth);  // multi-column lists
  UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
  int AddString(LPCSTR lpszItem);
  int DeleteString(UINT nIndex);
  int InsertString(int nIndex, LPCSTR lpszItem);
  void ResetContent();
  int FindString(int nStartAfter, LPCSTR lpszItem) const;
  int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
  int SelectString(int nStartAfter, LPCSTR lpszItem);
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_API CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)
 public:
  CComboBox() {}
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  DWORD GetEditSel() const;
  BOOL LimitText(int nMaxChars);
  BOOL SetEditSel(int nStartChar, int nEndChar);
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  void* GetItemDataPtr(int nIndex) const;
  int SetItemDataPtr(int nIndex, void* pData);
  int GetLBText(int nIndex, LPSTR lpszText) const;
  void GetLBText(int nIndex, CString& rString) const;
  int GetLBTextLen(int nIndex) const;
  int SetItemHeight(int nIndex, UINT cyItemHeight);
  int GetItemHeight(int nIndex) const;
  int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
  int SetExtendedUI(BOOL bExtended = TRUE);
  BOOL GetExtendedUI() const;
  void GetDroppedControlRect(LPRECT lprect) const;
  BOOL GetDroppedState() const;
  int GetDroppedWidth() const;
  int SetDroppedWidth(UINT nWidth);
  void ShowDropDown(BOOL bShowIt = TRUE);
  int AddString(LPCSTR lpszString);
  int DeleteString(UINT nIndex);
  int InsertString(int nIndex, LPCSTR lpszString);
  void ResetContent();
  int FindString(int nStartAfter, LPCSTR lpszString) const;
  int SelectString(int nStartAfter, LPCSTR lpszString);
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_API CScrollBar : public CWnd {
  DECLARE_DYNAMIC(CScrollBar)
 public:
  CScrollBar() {}
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  int GetScrollPos() const;
  int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
  void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
  void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
};
