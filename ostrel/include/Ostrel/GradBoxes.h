// CGradBoxes: a small child window showing one two-colour gradient as a swatch. A left click opens
// the "Gradient Fill" dialog on it; after OK the box takes the new gradient and calls
// OnGradChange, which sends GRADBOX_CHANGE to the parent. The box looks raised while the mouse is
// over it and sunken otherwise; the host drives that by calling OnUpdateUI from its idle update.
#pragma once
#include <afxwin.h>
#include <ROVuvu.h>
#include <Ostrel/GradientRecords.h>

// Messages to the parent (plain numbers, below WM_USER); wParam the control id.
#define GRADBOX_CHANGE   0xCD  // lParam the box's SGRADOPTION, valid during the call
#define GRADBOX_GETFOCUS 0xCE  // lParam 0; sent only by derived classes through OnGetFocus

class AFX_EXT_CLASS CGradBoxes : public CWnd, public IWorkspaceClient {
  DECLARE_DYNCREATE(CGradBoxes)
 public:
  CGradBoxes();
  virtual ~CGradBoxes();

  // A visible child of pParentWnd (0 without a parent or when the window cannot be made).
  int Create(UINT nID, const RECT& rect, CWnd* pParentWnd, SGRADOPTION* pOpt);
  int SetGradOpt(SGRADOPTION* pOpt);  // repaints at once; no notification
  SGRADOPTION GetGradOpt();
  // Called after the user changed the gradient with OK.
  virtual void OnGradChange(SGRADOPTION* pOpt);
  // Hover tracking, from the host's idle update (pCmdUI is not used).
  void OnUpdateUI(CCmdUI* pCmdUI);
  // The host's eyedropper, offered in the dialog while the host has a current document.
  void AddEyeDropper(void* pfn);

 protected:
  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  void Drawing(CDC* pDC);
  void OnGetFocus();  // sends GRADBOX_GETFOCUS
  DECLARE_MESSAGE_MAP()

  SGRADOPTION m_gradOpt;
  CRect m_rcClient;
  UINT m_nID;
  BOOL m_bHover;
  void* m_pfnEyeDropper;
};
