// CWnd's default message handlers: each passes the current message to the default procedure.
#include "afxstate.h"

#define AFX_DEFAULT_VOID(decl) \
  void CWnd::decl { Default(); }
#define AFX_DEFAULT_RESULT(type, decl) \
  type CWnd::decl { return (type)Default(); }

AFX_DEFAULT_RESULT(int, OnCreate(LPCREATESTRUCT))
AFX_DEFAULT_VOID(OnDestroy())
AFX_DEFAULT_VOID(OnClose())
AFX_DEFAULT_VOID(OnPaint())
AFX_DEFAULT_VOID(OnNcPaint())
AFX_DEFAULT_RESULT(BOOL, OnEraseBkgnd(CDC*))
AFX_DEFAULT_VOID(OnSize(UINT, int, int))
AFX_DEFAULT_VOID(OnMove(int, int))
AFX_DEFAULT_VOID(OnTimer(UINT_PTR))
AFX_DEFAULT_RESULT(BOOL, OnSetCursor(CWnd*, UINT, UINT))
AFX_DEFAULT_VOID(OnMouseMove(UINT, CPoint))
AFX_DEFAULT_VOID(OnLButtonDown(UINT, CPoint))
AFX_DEFAULT_VOID(OnLButtonUp(UINT, CPoint))
AFX_DEFAULT_VOID(OnLButtonDblClk(UINT, CPoint))
AFX_DEFAULT_VOID(OnRButtonDown(UINT, CPoint))
AFX_DEFAULT_VOID(OnRButtonUp(UINT, CPoint))
AFX_DEFAULT_VOID(OnRButtonDblClk(UINT, CPoint))
AFX_DEFAULT_VOID(OnMButtonDown(UINT, CPoint))
AFX_DEFAULT_VOID(OnMButtonUp(UINT, CPoint))
AFX_DEFAULT_RESULT(BOOL, OnMouseWheel(UINT, short, CPoint))
AFX_DEFAULT_VOID(OnMouseLeave())
AFX_DEFAULT_RESULT(LRESULT, OnNcHitTest(CPoint))
AFX_DEFAULT_VOID(OnNcMouseMove(UINT, CPoint))
AFX_DEFAULT_VOID(OnNcLButtonDown(UINT, CPoint))
AFX_DEFAULT_VOID(OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*))
AFX_DEFAULT_VOID(OnKeyDown(UINT, UINT, UINT))
AFX_DEFAULT_VOID(OnKeyUp(UINT, UINT, UINT))
AFX_DEFAULT_VOID(OnChar(UINT, UINT, UINT))
AFX_DEFAULT_VOID(OnSysKeyDown(UINT, UINT, UINT))
AFX_DEFAULT_VOID(OnSysChar(UINT, UINT, UINT))
AFX_DEFAULT_VOID(OnSetFocus(CWnd*))
AFX_DEFAULT_VOID(OnKillFocus(CWnd*))
AFX_DEFAULT_VOID(OnCaptureChanged(CWnd*))
AFX_DEFAULT_VOID(OnCancelMode())
AFX_DEFAULT_VOID(OnEnable(BOOL))
AFX_DEFAULT_VOID(OnShowWindow(BOOL, UINT))
AFX_DEFAULT_RESULT(HBRUSH, OnCtlColor(CDC*, CWnd*, UINT))
AFX_DEFAULT_VOID(OnHScroll(UINT, UINT, CScrollBar*))
AFX_DEFAULT_VOID(OnVScroll(UINT, UINT, CScrollBar*))
AFX_DEFAULT_RESULT(UINT, OnGetDlgCode())
AFX_DEFAULT_VOID(OnActivate(UINT, CWnd*, BOOL))
AFX_DEFAULT_RESULT(int, OnMouseActivate(CWnd*, UINT, UINT))
AFX_DEFAULT_VOID(OnContextMenu(CWnd*, CPoint))
AFX_DEFAULT_VOID(OnWindowPosChanging(WINDOWPOS*))
AFX_DEFAULT_VOID(OnWindowPosChanged(WINDOWPOS*))
AFX_DEFAULT_VOID(OnGetMinMaxInfo(MINMAXINFO*))
AFX_DEFAULT_VOID(OnSysCommand(UINT, LPARAM))
AFX_DEFAULT_VOID(OnInitMenuPopup(CMenu*, UINT, BOOL))
AFX_DEFAULT_VOID(OnSizing(UINT, LPRECT))
AFX_DEFAULT_VOID(OnSysColorChange())

// Owner-drawn menu items are drawn by the CMenu object that owns the menu.
void CWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (nIDCtl == 0 && lpDrawItemStruct->CtlType == ODT_MENU) {
    CMenu* pMenu = afxMapHMENU()->LookupPermanent((HMENU)lpDrawItemStruct->hwndItem);
    if (pMenu != NULL) {
      pMenu->DrawItem(lpDrawItemStruct);
      return;
    }
  }
  Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (nIDCtl == 0 && lpMeasureItemStruct->CtlType == ODT_MENU) {
    // The message does not name the menu: the permanent menu holding the item's id measures it.
    UINT nID = lpMeasureItemStruct->itemID;
    CMenu* pMenu = afxMapHMENU()->FindPermanent([nID](CMenu* p) {
      MENUITEMINFOA mii = {};
      mii.cbSize = sizeof mii;
      mii.fMask = MIIM_ID;
      return ::GetMenuItemInfoA(p->m_hMenu, nID, FALSE, &mii) != FALSE;
    });
    if (pMenu != NULL) {
      pMenu->MeasureItem(lpMeasureItemStruct);
      return;
    }
  }
  Default();
}
