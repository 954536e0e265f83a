// Framework layer: wrappers of the common controls (not included by afxwin.h; include it yourself).
#pragma once
#include "afxwin.h"
#include <commctrl.h>

// The tool record as the framework hands it around: a TOOLINFO with its size filled in.
class CToolInfo : public TOOLINFOA {
 public:
  CToolInfo() {
    memset((TOOLINFOA*)this, 0, sizeof(TOOLINFOA));
    cbSize = CToolInfo::RecordSize();
  }
  // The size every tool message is given: the original record without the later fields, which
  // every version of the control accepts.
  static UINT RecordSize() { return (UINT)TTTOOLINFOA_V1_SIZE; }
};

// The system's tool-tip control (TOOLTIPS_CLASS). Create makes it a pop-up owned by pParentWnd.
class AFX_API CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)
 public:
  CToolTipCtrl();
  ~CToolTipCtrl() override;
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

  // Tools. With nIDTool 0 the tool is pWnd itself (TTF_IDISHWND | TTF_SUBCLASS); otherwise the
  // rectangle lpRectTool of pWnd (TTF_SUBCLASS). Text: a string or a string id (with the
  // resource handle), or LPSTR_TEXTCALLBACK.
  BOOL AddTool(CWnd* pWnd, LPCSTR lpszText = LPSTR_TEXTCALLBACKA, LPCRECT lpRectTool = NULL, UINT_PTR nIDTool = 0);
  BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = NULL, UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  BOOL GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  void SetToolInfo(LPTOOLINFOA lpToolInfo);
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
  int GetToolCount() const;
  BOOL EnumTools(UINT nTool, CToolInfo& ToolInfo) const;
  BOOL GetCurrentTool(CToolInfo& ToolInfo) const;
  BOOL HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFOA lpToolInfo) const;
  void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  // Fills a record that names the tool (pWnd, nIDTool) for the tool messages.
  void FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const;

  // Showing
  void Activate(BOOL bActivate);
  void RelayEvent(LPMSG lpMsg);
  void Pop();
  void Update();
  void SetDelayTime(UINT nDelay);  // the automatic delay; the others follow from it
  void SetDelayTime(DWORD dwDuration, int iTime);
  int GetDelayTime(DWORD dwDuration) const;

  // Look
  int SetMaxTipWidth(int iWidth);
  int GetMaxTipWidth() const;
  void SetTipBkColor(COLORREF clr);
  COLORREF GetTipBkColor() const;
  void SetTipTextColor(COLORREF clr);
  COLORREF GetTipTextColor() const;
  void SetMargin(LPRECT lprc);
  void GetMargin(LPRECT lprc) const;

 protected:
  BOOL AddToolRecord(CWnd* pWnd, LPSTR lpszText, HINSTANCE hInst, LPCRECT lpRectTool, UINT_PTR nIDTool);
};

// The system's trackbar (TRACKBAR_CLASS). A dialog's trackbar is usually bound with DDX_Control.
class AFX_API CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)
 public:
  CSliderCtrl();
  ~CSliderCtrl() override;
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetPos() const;
  void SetPos(int nPos);  // redrawn at once
  int GetRangeMin() const;
  int GetRangeMax() const;
  void GetRange(int& nMin, int& nMax) const;
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
  int GetPageSize() const;
  int SetPageSize(int nSize);  // the previous size
  int GetLineSize() const;
  int SetLineSize(int nSize);
  void SetTicFreq(int nFreq);
};

// The system's tab control (WC_TABCONTROL). Items are added with InsertItem; the control's
// notifications (TCN_SELCHANGE ...) reach the parent through WM_NOTIFY.
class AFX_API CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)
 public:
  CTabCtrl() {}
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetItemCount() const;
  BOOL GetItem(int nItem, TCITEMA* pTabCtrlItem) const;
  BOOL SetItem(int nItem, TCITEMA* pTabCtrlItem);
  BOOL GetItemRect(int nItem, LPRECT lpRect) const;
  int GetCurSel() const;
  int SetCurSel(int nItem);
  int GetCurFocus() const;
  void SetCurFocus(int nItem);
  CSize SetItemSize(CSize size);  // the previous size
  int GetRowCount() const;
  LONG InsertItem(int nItem, LPCSTR lpszItem);
  LONG InsertItem(int nItem, TCITEMA* pTabCtrlItem);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  // Display rectangle from the window rectangle (bLarger FALSE) or the other way round.
  void AdjustRect(BOOL bLarger, LPRECT lpRect);
  int HitTest(TCHITTESTINFO* pHitTestInfo) const;
};

// The system's up-down control (UPDOWN_CLASS), usually paired with an edit as its buddy.
class AFX_API CSpinButtonCtrl : public CWnd {
  DECLARE_DYNAMIC(CSpinButtonCtrl)
 public:
  CSpinButtonCtrl() {}
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  CWnd* SetBuddy(CWnd* pWndBuddy);  // the previous buddy
  CWnd* GetBuddy() const;
  void SetRange(int nLower, int nUpper);  // 16 bits each
  void GetRange(int& nLower, int& nUpper) const;
  int SetPos(int nPos);  // the previous position
  int GetPos() const;    // the position; the high word is nonzero when the buddy's text is no number
  int SetBase(int nBase);
  UINT GetBase() const;
};
