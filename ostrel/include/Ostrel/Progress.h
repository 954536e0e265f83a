// CProgress: one process-wide progress state for nested operations, shown by one bar window with
// a Cancel button that runs on a thread of its own.
#pragma once
#include <afxwin.h>
#include <deque>
#include <stack>
#include <qsComm.h>
#include <Ostrel/OkButton.h>

#define PROGRESS_MSG_CANCELMODE (WM_USER + 127)  // wParam id, lParam nonzero: show the Cancel holder
#define PROGRESS_MSG_RESETBAR   (WM_USER + 128)  // wParam id: reset the model
#define PROGRESS_CANCEL_ID      3025

class AFX_EXT_CLASS CProgress : public CWnd {
  DECLARE_DYNCREATE(CProgress)

 public:
  CProgress();
  virtual ~CProgress();

  int Create(UINT nID, const RECT& rect, CWnd* pParentWnd);
  void ResizeProgress(CRect& rect);

  // The progress callback handed to long operations: 1 begin, 2 doing (wParam percent), 4 end.
  static int SimplePCB(int nMsg, unsigned int wParam, long lParam, void* pData);
  int NestedBegin(int nSegs, double* pLens);
  int NestedEnd();
  void ResetAll();
  void SetInterruptable(int bInterruptable);
  int IsCancelPressed();
  int IsBarRunning();

  // Model state, one per process.
  static int m_nSegTotal;
  static double m_dSegLen;
  static double* m_pLenArray;
  static int m_nSegDone;
  static int m_nBasePercent;
  static int m_nPercent;
  static int m_nBarStatus;
  static int m_bInterruptable;
  static int m_bCancelPressed;
  static int m_bShowCancel;
  static int m_nLockCount;
  static CProgress* m_pBar;
  static std::stack<int, std::deque<int>> m_stkSegTotal;
  static std::stack<int, std::deque<int>> m_stkSegDone;
  static std::stack<double*, std::deque<double*>> m_stkLenArray;
  static std::stack<int, std::deque<int>> m_stkBasePercent;

  // Window side, one per process.
  static COkButton m_BtnCancel;
  static HWND m_hCancelP;
  static HWND m_hCancel;
  static HANDLE m_hEvent;
  static BOOL m_bCancelOK;
  static BOOL m_bKill;
  static BOOL m_bNeedDeAct;

  // Handed by the host to the imaging libraries: 1, SimplePCB, 0, 0, 100.
  DSAIK32PCB m_pcb;
  UINT m_nID;

 protected:
  HBITMAP m_hbmEmpty;
  HBITMAP m_hbmFull;
  HBITMAP m_hbmCancel;
  HBITMAP m_hbmBack;
  BOOL m_bInit;
  CRect m_rcCancel;
  CRect m_rcClient;
  CFont m_font;

  static int ProgressBegin();
  static int ProgressDoing(unsigned int nPercent);
  static int ProgressEnd();
  double* DupArray(int n, double* pSrc, double dScale);

  BOOL Initiallize();
  BOOL InitCancelBtn();
  static UINT AFX_CDECL CancelFunction(LPVOID pParam);
  static BOOL RegWndClass(char* pszName);
  static LRESULT CALLBACK CancelWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnDestroy();
  void DrawBar(CDC* pDC);
  void DrawPercent(HDC hDC, int cx, int cy, int nUnused);
  void TileBackground(CDC* pDC);
  void LayoutCancel(CDC* pDC);
  afx_msg LRESULT OnCancelMode(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnResetBar(WPARAM wParam, LPARAM lParam);

  // View steps of the model.
  static void InvalidateBarArea(int nBottomCut, int nRightCut);
  static void OpenPanel(BOOL bFromCallback);
  static void ClosePanel();
  static void ReleasePanel();
  static CWnd* Panel();
  static void BringTopAncestorForward();
  // Ends the Cancel thread and forgets its windows (destruction of the bar).
  void StopCancelThread();

  DECLARE_MESSAGE_MAP()
};
