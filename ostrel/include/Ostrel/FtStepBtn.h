// CFtStepBtn: the footstep button of a numbered sequence of steps (a wizard's pages). Its face is
// the picture of the current step; the left half asks to go one step back, the right half opens a
// menu of step pictures. The button never moves by itself: the parent hears the request and
// answers with SetCurStep.
#pragma once
#include <afxwin.h>
#include <Ostrel/OkButton.h>

// Sent to the parent: wParam the control id, lParam a FTSTEPREQUEST valid during the call.
#define FTSTEP_REQUEST (WM_USER + 200)

struct FTSTEPREQUEST {
  UINT nID;      // control id
  int nCurStep;  // the step shown now
  int nNewStep;  // the step asked for
};

class AFX_EXT_CLASS CFtStepBtn : public COkButton {
  DECLARE_DYNAMIC(CFtStepBtn)

 public:
  CFtStepBtn();
  virtual ~CFtStepBtn();

  // Subclasses dialog item nID of pParent. The strips are nBitmapID (default 496), 497 (menu) and
  // 498 (right half lit) of hInst, by default the module in _ButtonVexBmpInst. Steps count from 1.
  BOOL Create(CWnd* pParent, UINT nID, int nCurStep, int nTotalSteps,
              COkButton::BITMAPDEFAULT bmpDefault = COkButton::BITMAP_CUSTOM, UINT nBitmapID = 0,
              HINSTANCE hInst = NULL);
  void SetCurStep(int nStep);
  int GetCurStep();
  void SetTotalSteps(int nTotal);
  int GetTotalSteps();

  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  CWnd* m_pParent;
  UINT m_nID;
  UINT m_nBitmapID;
  HINSTANCE m_hBmpInst;
  CBitmap m_bmpSteps;
  CBitmap m_bmpStepsDrop;
  CBitmap m_bmpMenuSteps;
  int m_nCurStep;
  int m_nTotalSteps;
  RECT m_rcRight;  // client coordinates
  RECT m_rcLeft;
  RECT m_rcWindow;
  CMenu m_menuSteps;
  BOOL m_bDropPart;        // the right half is the active part
  BOOL m_bInMenu;          // this button's menu loop runs
  BOOL m_bMenuClosedHere;  // the menu loop ended with the pointer over the right half

  BOOL InsertMenuItems();
  // Cell of step nStep in state column nCol of the step strip (bStepStrip) or the menu strip.
  void GetDispBmpPart(BOOL bStepStrip, int nStep, int nCol, RECT* pRect);
  // Column nCol of the step strip over its full height.
  void GetDispBmpPart(int nCol, RECT* pRect);
  void DrawBtn(LPDRAWITEMSTRUCT lpDrawItemStruct);
  void DrawMenuItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnDestroy();

 private:
  void SendStepRequest(int nNewStep);
  void DeleteMenuItems();
  void RepaintNow();
  DECLARE_MESSAGE_MAP()
};
