// CTextEdit: an edit that tells its parent about focus changes and clicks through WM_COMMAND
// with private codes: 1 focus gained (lParam: the window that lost it), 2 focus lost (lParam: the
// window that gains it), 3 left button pressed (lParam 0).
#pragma once
#include <afxwin.h>

#define TEXTEDIT_SETFOCUS    1
#define TEXTEDIT_KILLFOCUS   2
#define TEXTEDIT_LBUTTONDOWN 3

class AFX_EXT_CLASS CTextEdit : public CEdit {
  DECLARE_DYNAMIC(CTextEdit)

 public:
  CTextEdit() {}

 protected:
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()

 private:
  void NotifyParent(WORD wCode, HWND hWndOther);
};
