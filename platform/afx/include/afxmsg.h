// Framework layer: message maps. A class lists the messages it handles between BEGIN_MESSAGE_MAP and
// END_MESSAGE_MAP; each ON_ macro fixes the handler's signature, so a handler with the wrong
// signature does not compile.
#pragma once
#include "afxdefs.h"

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

// Handler signatures (how the dispatcher unpacks wParam and lParam).
enum AfxSig {
  AfxSig_end = 0,
  AfxSig_vv,        // void ()
  AfxSig_is,        // int (LPCREATESTRUCT)
  AfxSig_bD,        // BOOL (CDC*)
  AfxSig_vwp,       // void (UINT, CPoint)
  AfxSig_vwii,      // void (UINT, int, int)
  AfxSig_vii,       // void (int, int)
  AfxSig_vt,        // void (UINT_PTR)
  AfxSig_bWww,      // BOOL (CWnd*, UINT, UINT)
  AfxSig_vwww,      // void (UINT, UINT, UINT)
  AfxSig_vW,        // void (CWnd*)
  AfxSig_vb,        // void (BOOL)
  AfxSig_vbw,       // void (BOOL, UINT)
  AfxSig_hDWw,      // HBRUSH (CDC*, CWnd*, UINT)
  AfxSig_hDw,       // HBRUSH (CDC*, UINT)            reflected colour
  AfxSig_vOWNER,    // void (int, LPDRAWITEMSTRUCT)
  AfxSig_vMEASURE,  // void (int, LPMEASUREITEMSTRUCT)
  AfxSig_vwwX,      // void (UINT, UINT, CScrollBar*)
  AfxSig_vwwW,      // void (UINT, UINT)               reflected scroll
  AfxSig_bwsp,      // BOOL (UINT, short, CPoint)
  AfxSig_lp,        // LRESULT (CPoint)
  AfxSig_wv,        // UINT ()
  AfxSig_vwWb,      // void (UINT, CWnd*, BOOL)
  AfxSig_iWww,      // int (CWnd*, UINT, UINT)
  AfxSig_vWp,       // void (CWnd*, CPoint)
  AfxSig_vPOS,      // void (WINDOWPOS*)
  AfxSig_vMINMAX,   // void (MINMAXINFO*)
  AfxSig_vwl,       // void (UINT, LPARAM)
  AfxSig_vMwb,      // void (CMenu*, UINT, BOOL)
  AfxSig_vbNC,      // void (BOOL, NCCALCSIZE_PARAMS*)
  AfxSig_vwpNC,     // void (UINT, CPoint) for non-client mouse messages (hit-test code, screen point)
  AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)
  AfxSig_vwr,       // void (UINT, LPRECT)
  AfxSig_bv,        // BOOL ()
  // commands and notifications (matched on code and control id)
  AfxSigCmd_v,     // void ()
  AfxSigCmd_b,     // BOOL ()                       reflected, may pass on
  AfxSigCmd_w,     // void (UINT)                   command ranges
  AfxSigCmd_UI,    // void (CCmdUI*)
  AfxSigNotify_v,  // void (NMHDR*, LRESULT*)
  AfxSigNotify_b,  // BOOL (NMHDR*, LRESULT*)
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // window message, or WM_COMMAND / WM_NOTIFY, or reflected (WM_REFLECT_BASE + message)
  UINT nCode;     // control code or notification code
  UINT nID;       // control id, or 0 for window messages
  UINT nLastID;   // last id of a range
  UINT_PTR nSig;  // AfxSig
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define WM_REFLECT_BASE      0xBC00
#define WM_CTLCOLOR          0x0019  // all WM_CTLCOLORxxx messages arrive at one handler
#define CN_COMMAND           0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_NOTIFY            0x4E  // matches WM_NOTIFY

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  virtual const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    typedef theClass ThisClass;                                                     \
    typedef baseClass TheBaseClass;                                                 \
    (void)sizeof(ThisClass);                                                        \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                       \
  { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 }                                                       \
  }                                                                                             \
  ;                                                                                             \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                           \
  }

// Stores a handler of any signature in an entry; the entry's AfxSig says how to call it back.
template <class F>
inline AFX_PMSG AfxHandlerToPMSG(F pfn) {
  static_assert(sizeof(F) == sizeof(AFX_PMSG), "member function pointers of one size");
  union {
    F pfnTyped;
    AFX_PMSG pfnStored;
  } u;
  u.pfnTyped = pfn;
  return u.pfnStored;
}

// A handler given as a member of ThisClass, checked against the signature of class C.
#define AFX_HANDLER(C, R, ARGS, name)        AfxHandlerToPMSG(static_cast<R(C::*) ARGS>(&ThisClass::name))
#define AFX_WND_MSG(msg, sig, R, ARGS, name) {msg, 0, 0, 0, sig, AFX_HANDLER(CWnd, R, ARGS, name)},

#define ON_WM_CREATE()         AFX_WND_MSG(WM_CREATE, AfxSig_is, int, (LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY()        AFX_WND_MSG(WM_DESTROY, AfxSig_vv, void, (), OnDestroy)
#define ON_WM_NCDESTROY()      AFX_WND_MSG(WM_NCDESTROY, AfxSig_vv, void, (), OnNcDestroy)
#define ON_WM_CLOSE()          AFX_WND_MSG(WM_CLOSE, AfxSig_vv, void, (), OnClose)
#define ON_WM_PAINT()          AFX_WND_MSG(WM_PAINT, AfxSig_vv, void, (), OnPaint)
#define ON_WM_NCPAINT()        AFX_WND_MSG(WM_NCPAINT, AfxSig_vv, void, (), OnNcPaint)
#define ON_WM_ERASEBKGND()     AFX_WND_MSG(WM_ERASEBKGND, AfxSig_bD, BOOL, (CDC*), OnEraseBkgnd)
#define ON_WM_SIZE()           AFX_WND_MSG(WM_SIZE, AfxSig_vwii, void, (UINT, int, int), OnSize)
#define ON_WM_MOVE()           AFX_WND_MSG(WM_MOVE, AfxSig_vii, void, (int, int), OnMove)
#define ON_WM_TIMER()          AFX_WND_MSG(WM_TIMER, AfxSig_vt, void, (UINT_PTR), OnTimer)
#define ON_WM_SETCURSOR()      AFX_WND_MSG(WM_SETCURSOR, AfxSig_bWww, BOOL, (CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_MOUSEMOVE()      AFX_WND_MSG(WM_MOUSEMOVE, AfxSig_vwp, void, (UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN()    AFX_WND_MSG(WM_LBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP()      AFX_WND_MSG(WM_LBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()  AFX_WND_MSG(WM_LBUTTONDBLCLK, AfxSig_vwp, void, (UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN()    AFX_WND_MSG(WM_RBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP()      AFX_WND_MSG(WM_RBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()  AFX_WND_MSG(WM_RBUTTONDBLCLK, AfxSig_vwp, void, (UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN()    AFX_WND_MSG(WM_MBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP()      AFX_WND_MSG(WM_MBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnMButtonUp)
#define ON_WM_MOUSEWHEEL()     AFX_WND_MSG(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL, (UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSELEAVE()     AFX_WND_MSG(WM_MOUSELEAVE, AfxSig_vv, void, (), OnMouseLeave)
#define ON_WM_NCHITTEST()      AFX_WND_MSG(WM_NCHITTEST, AfxSig_lp, LRESULT, (CPoint), OnNcHitTest)
#define ON_WM_NCMOUSEMOVE()    AFX_WND_MSG(WM_NCMOUSEMOVE, AfxSig_vwpNC, void, (UINT, CPoint), OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN()  AFX_WND_MSG(WM_NCLBUTTONDOWN, AfxSig_vwpNC, void, (UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCCALCSIZE()     AFX_WND_MSG(WM_NCCALCSIZE, AfxSig_vbNC, void, (BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_KEYDOWN()        AFX_WND_MSG(WM_KEYDOWN, AfxSig_vwww, void, (UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP()          AFX_WND_MSG(WM_KEYUP, AfxSig_vwww, void, (UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR()           AFX_WND_MSG(WM_CHAR, AfxSig_vwww, void, (UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN()     AFX_WND_MSG(WM_SYSKEYDOWN, AfxSig_vwww, void, (UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSCHAR()        AFX_WND_MSG(WM_SYSCHAR, AfxSig_vwww, void, (UINT, UINT, UINT), OnSysChar)
#define ON_WM_SETFOCUS()       AFX_WND_MSG(WM_SETFOCUS, AfxSig_vW, void, (CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS()      AFX_WND_MSG(WM_KILLFOCUS, AfxSig_vW, void, (CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_WND_MSG(WM_CAPTURECHANGED, AfxSig_vW, void, (CWnd*), OnCaptureChanged)
#define ON_WM_CANCELMODE()     AFX_WND_MSG(WM_CANCELMODE, AfxSig_vv, void, (), OnCancelMode)
#define ON_WM_ENABLE()         AFX_WND_MSG(WM_ENABLE, AfxSig_vb, void, (BOOL), OnEnable)
#define ON_WM_SHOWWINDOW()     AFX_WND_MSG(WM_SHOWWINDOW, AfxSig_vbw, void, (BOOL, UINT), OnShowWindow)
#define ON_WM_CTLCOLOR()       AFX_WND_MSG(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH, (CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM()       AFX_WND_MSG(WM_DRAWITEM, AfxSig_vOWNER, void, (int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM() \
  AFX_WND_MSG(WM_MEASUREITEM, AfxSig_vMEASURE, void, (int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_HSCROLL()       AFX_WND_MSG(WM_HSCROLL, AfxSig_vwwX, void, (UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL()       AFX_WND_MSG(WM_VSCROLL, AfxSig_vwwX, void, (UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_GETDLGCODE()    AFX_WND_MSG(WM_GETDLGCODE, AfxSig_wv, UINT, (), OnGetDlgCode)
#define ON_WM_ACTIVATE()      AFX_WND_MSG(WM_ACTIVATE, AfxSig_vwWb, void, (UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_MOUSEACTIVATE() AFX_WND_MSG(WM_MOUSEACTIVATE, AfxSig_iWww, int, (CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_CONTEXTMENU()   AFX_WND_MSG(WM_CONTEXTMENU, AfxSig_vWp, void, (CWnd*, CPoint), OnContextMenu)
#define ON_WM_WINDOWPOSCHANGING() \
  AFX_WND_MSG(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void, (WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_WND_MSG(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void, (WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_GETMINMAXINFO()    AFX_WND_MSG(WM_GETMINMAXINFO, AfxSig_vMINMAX, void, (MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_SYSCOMMAND()       AFX_WND_MSG(WM_SYSCOMMAND, AfxSig_vwl, void, (UINT, LPARAM), OnSysCommand)
#define ON_WM_INITMENUPOPUP()    AFX_WND_MSG(WM_INITMENUPOPUP, AfxSig_vMwb, void, (CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_SIZING()           AFX_WND_MSG(WM_SIZING, AfxSig_vwr, void, (UINT, LPRECT), OnSizing)
#define ON_WM_SYSCOLORCHANGE()   AFX_WND_MSG(WM_SYSCOLORCHANGE, AfxSig_vv, void, (), OnSysColorChange)

#define ON_MESSAGE(message, memberFxn) \
  {message, 0, 0, 0, AfxSig_lwl, AFX_HANDLER(CWnd, LRESULT, (WPARAM, LPARAM), memberFxn)},
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
  {0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&nMessageVariable), AFX_HANDLER(CWnd, LRESULT, (WPARAM, LPARAM), memberFxn)},

// Commands and control notifications arriving at the parent.
#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_v, AFX_HANDLER(CCmdTarget, void, (), memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSigCmd_w, AFX_HANDLER(CCmdTarget, void, (UINT), memberFxn)},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)      \
  {WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), \
   (WORD)(id), AfxSigCmd_UI,         AFX_HANDLER(CCmdTarget, void, (CCmdUI*), memberFxn)},
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
  {WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigCmd_v, AFX_HANDLER(CCmdTarget, void, (), memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_COMMAND,     (WORD)(wNotifyCode), (WORD)(id),          \
   (WORD)(idLast), AfxSigCmd_w,         AFX_HANDLER(CCmdTarget, void, (UINT), memberFxn)},
#define ON_NOTIFY(wNotifyCode, id, memberFxn)        \
  {WM_NOTIFY,  (WORD)(int)(wNotifyCode), (WORD)(id), \
   (WORD)(id), AfxSigNotify_v,           AFX_HANDLER(CCmdTarget, void, (NMHDR*, LRESULT*), memberFxn)},
#define ON_BN_CLICKED(id, memberFxn)       ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn)        ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn)     ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn)      ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn)    ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn)       ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn)    ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn)     ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn)      ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn)   ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)

// Notifications reflected back to the control that sent them.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
  {WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_v, AFX_HANDLER(CCmdTarget, void, (), memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
  {WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_b, AFX_HANDLER(CCmdTarget, BOOL, (), memberFxn)},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
  {WM_NOTIFY + WM_REFLECT_BASE,                   \
   (WORD)(int)(wNotifyCode),                      \
   0,                                             \
   0,                                             \
   AfxSigNotify_v,                                \
   AFX_HANDLER(CCmdTarget, void, (NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
  {WM_NOTIFY + WM_REFLECT_BASE,                      \
   (WORD)(int)(wNotifyCode),                         \
   0,                                                \
   0,                                                \
   AfxSigNotify_b,                                   \
   AFX_HANDLER(CCmdTarget, BOOL, (NMHDR*, LRESULT*), memberFxn)},
#define ON_WM_CTLCOLOR_REFLECT() \
  {WM_CTLCOLOR + WM_REFLECT_BASE, 0, 0, 0, AfxSig_hDw, AFX_HANDLER(CWnd, HBRUSH, (CDC*, UINT), CtlColor)},
#define ON_WM_HSCROLL_REFLECT() \
  {WM_HSCROLL + WM_REFLECT_BASE, 0, 0, 0, AfxSig_vwwW, AFX_HANDLER(CWnd, void, (UINT, UINT), HScroll)},
#define ON_WM_VSCROLL_REFLECT() \
  {WM_VSCROLL + WM_REFLECT_BASE, 0, 0, 0, AfxSig_vwwW, AFX_HANDLER(CWnd, void, (UINT, UINT), VScroll)},
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn) \
  {WM_COMMAND + WM_REFLECT_BASE,                \
   CN_UPDATE_COMMAND_UI,                        \
   0,                                           \
   0,                                           \
   AfxSigCmd_UI,                                \
   AFX_HANDLER(CCmdTarget, void, (CCmdUI*), memberFxn)},
