// CBitmapCheckButton: a toggle button drawn from three whole bitmaps (normal, checked, under the
// pointer). Alone it toggles on every click; in a CCtrlGroup it acts as a radio button. Every click
// reaches the parent as BN_CLICKED. The host subclasses one of its dialog's buttons with it.
#pragma once
#include <afxwin.h>
#include <Ostrel/CtrlGroup.h>

class AFX_EXT_CLASS CBitmapCheckButton : public CButton, public CCtrlGroup_Client {
 public:
  CBitmapCheckButton();
  virtual ~CBitmapCheckButton();

  // FALSE and no change for a NULL module. No repaint.
  BOOL AssociateBitmaps(HINSTANCE hInst, int nNormal, int nChecked, int nHover);
  // Repaints when the state changes; tells neither the parent nor the group.
  void SetCheck(BOOL bCheck);
  BOOL IsChecked();
  // For the host's idle command-UI update: enables the button and re-reads the pointer position.
  void OnUpdateCommandUI(CCmdUI* pCmdUI);

 protected:
  virtual void OnActiveChange(CCtrlGroup_Client* pActive);

  HINSTANCE m_hBmpInst;
  UINT m_nBmpNormal;
  UINT m_nBmpChecked;
  UINT m_nBmpHover;
  BOOL m_bChecked;
  BOOL m_bHover;

  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);

 private:
  void RepaintNow();
  DECLARE_MESSAGE_MAP()
};
