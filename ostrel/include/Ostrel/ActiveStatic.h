// CActiveStatic: a static text drawn transparently in a colour of its own, over whatever the parent
// painted behind it. Made on the heap; the object deletes itself with its window.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CActiveStatic : public CStatic {
 public:
  CActiveStatic();
  virtual ~CActiveStatic();

  // Erases and redraws at once, so the parent's background shows through before the text.
  void UpdateControl();

  COLORREF m_crText;        // the host writes it directly
  static int m_MaxTextLen;  // characters read from the window text, terminator included

 protected:
  virtual void PostNcDestroy();
  afx_msg void OnPaint();
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  DECLARE_MESSAGE_MAP()
};
