// A balloon tip shown on demand next to a target window; any click in the thread closes it.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CTipUIEx : public CWnd {
 public:
  CTipUIEx();
  ~CTipUIEx() override;

  // The tip pop-up at rect, owned by pParentWnd, which is also the target; 0 when it is null.
  int Create(CWnd* pParentWnd, CRect& rect);
  // The tip pop-up for pTarget, owned by pParentWnd; 0 when either is null.
  int Create(CWnd* pParentWnd, CWnd* pTarget);
  // Shows string nStringID about 100 ms later; ids 0 and below show nothing.
  void Show(int nStringID, int nParam);
  void ChangeRect(const CRect& rect) { m_rcTarget = rect; }
  void CloseTip();

  BOOL m_bTimer;
  BOOL m_bClosed;
  HFONT m_hFont;
  int m_nOpacity;
  int m_nStringID;
  int m_nArrow;
  int m_nParam;
  RECT m_rcTarget;
  CWnd* m_pTarget;

  static HHOOK m_hPrevHook;
  static HWND m_hTipWnd;

 protected:
  void ShowTip();
  void AdjustTipPos();
  void CreateTipFont();
  static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnPaint();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
};
