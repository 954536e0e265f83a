// CPopupEdit: a display field that becomes an editor on a second click. The first click selects
// its text; the second (or a double click) lays a CTextEdit (control id 100) over it in the
// editor's parent window. ClosePopupEdit writes the edited text back, CancelPopupEdit drops it;
// the host calls one of them, typically when the editor reports that it lost the focus.
#pragma once
#include <Ostrel/TextEdit.h>

#define POPUPEDIT_EDITOR_ID   100
#define POPUPEDIT_TEXT_LENGTH 260

class AFX_EXT_CLASS CPopupEdit : public CEdit {
  DECLARE_DYNAMIC(CPopupEdit)

 public:
  CPopupEdit();
  ~CPopupEdit() override;

  // pToolUI: the window repainted under the field; pParentUI: the editor's parent (pToolUI when
  // NULL).
  void SetToolUI(CWnd* pToolUI, CWnd* pParentUI);
  int IsPopupEditExist();
  // The last committed text without its trailing blanks (which are dropped from it too).
  CString GetInputText();

  // Opens the editor over the field with the field's text selected; 0 when it cannot be made.
  int CreatePopupEdit();
  // Commits the editor's text to the field; on a field that is only selected, unselects it.
  void ClosePopupEdit();
  // Closes the editor without keeping its text.
  void CancelPopupEdit();
  void RepaintEdit();
  // Shows pszText in the field without committing it.
  void UpdateWindowText(const char* pszText);

 protected:
  BOOL m_bSelected;
  CTextEdit* m_pEdit;
  CWnd* m_pToolUI;
  CWnd* m_pParentUI;
  CString m_strText;

  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
};
