// CNumEdit: an integer field bounded by a range, optionally paired with a spin control. When the
// user types something out of range, the host's change handler calls OnEnChange, which puts the
// last good value back. A click is reported to the parent as WM_COMMAND code 1.
#pragma once
#include <afxcmn.h>

class AFX_EXT_CLASS CNumEdit : public CEdit {
  DECLARE_DYNAMIC(CNumEdit)

 public:
  CNumEdit();

  void SetSpin(CSpinButtonCtrl* pSpin);
  // The accepted values; a negative nMin makes the field signed. Sets the spin control's range
  // too (16 bits each). Call it before any other member.
  void SetRange(int nMin, int nMax);
  // Enables or disables the field and its spin control; the field's EnableWindow result.
  int Enable(BOOL bEnable);
  // The field's number, or -1 when the text is no number or lies outside the range.
  int GetNum();
  // Writes nNum and returns it; -1, with nothing changed, when it lies outside the range.
  int SetNum(int nNum);
  // For the host's EN_CHANGE handler: a bad entry beeps, gets *pnLast back, selected, and the
  // focus; a good one is stored into *pnLast. pnLast may be NULL.
  void OnEnChange(int* pnLast);

 protected:
  int m_nMin;
  int m_nMax;
  CSpinButtonCtrl* m_pSpin;

  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
};
