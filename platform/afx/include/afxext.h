// Framework layer: control bars (not included by afxwin.h; include it where needed).
#pragma once
#include "afxwin.h"

// A bar of controls inside a host window. Commands and notifications of its controls that the
// bar does not handle itself go on to its owner, as if the controls sat in the owner.
class AFX_API CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)
 public:
  CControlBar() : m_dwStyle(0) {}
  DWORD GetBarStyle() const { return m_dwStyle; }
  void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  DWORD m_dwStyle;  // CBRS_ alignment flags, kept for the host
};

// A control bar laid out by a dialog template (which must have the WS_CHILD style).
class AFX_API CDialogBar : public CControlBar {
  DECLARE_DYNAMIC(CDialogBar)
 public:
  CDialogBar() {}
  ~CDialogBar() override;
  // Creates the template as a visible child of pParentWnd with control id nID; FALSE when the
  // template is missing or the window cannot be made.
  BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID);
  BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);

  CSize m_sizeDefault;  // the bar's size as the template made it
};

#ifndef CBRS_ALIGN_TOP
#define CBRS_ALIGN_LEFT   0x1000L
#define CBRS_ALIGN_TOP    0x2000L
#define CBRS_ALIGN_RIGHT  0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_TOP          CBRS_ALIGN_TOP
#define CBRS_BOTTOM       CBRS_ALIGN_BOTTOM
#define CBRS_LEFT         CBRS_ALIGN_LEFT
#define CBRS_RIGHT        CBRS_ALIGN_RIGHT
#endif
