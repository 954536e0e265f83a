// CIIListWindow: shows the active type of the attached list, scrolls, and turns mouse and keys
// into selection changes, double clicks and drops reported through the list's callbacks.
#include <stdlib.h>

#include <algorithm>

#include "list_layout.h"
#include "list_state.h"

namespace {

IILayout LayoutFor(HWND hWnd, const IIListState& s) {
  RECT rc;
  GetClientRect(hWnd, &rc);
  const int nCount = (int)s.types[s.opt.nActiveType].order.size();
  return IIComputeLayout(s.opt, nCount, rc.right, rc.bottom);
}

// Sets the scroll bar of the layout's axis; a bar that appears or goes changes the client, so
// the layout is made again once.
IILayout UpdateScrollBar(HWND hWnd, IIListState& s) {
  IILayout l;
  for (int nPass = 0; nPass < 2; nPass++) {
    l = LayoutFor(hWnd, s);
    s.opt.nScrollPos = std::min(s.opt.nScrollPos, l.MaxScroll());
    const int nBar = l.bHorizontal ? SB_HORZ : SB_VERT;
    const DWORD dwStyle = (DWORD)GetWindowLongA(hWnd, GWL_STYLE);
    SCROLLINFO si = {sizeof si, SIF_ALL, 0, std::max(0, l.nLines - 1), (UINT)l.nFullLines, s.opt.nScrollPos, 0};
    if (dwStyle & (l.bHorizontal ? WS_HSCROLL : WS_VSCROLL)) si.fMask |= SIF_DISABLENOSCROLL;
    SetScrollInfo(hWnd, nBar, &si, TRUE);
  }
  return l;
}

int ClampPos(int nPos, int nCount) { return std::max(0, std::min(nPos, nCount - 1)); }

}  // namespace

int CIIList::ScrollTo(int nPos) {
  IIListState& s = *m_pState;
  if (s.hWndView == NULL || !IsWindow(s.hWndView) || nPos < 0 || nPos >= TypeGetCount(s.opt.nActiveType)) return 0;
  const IILayout l = LayoutFor(s.hWndView, s);
  s.opt.nScrollPos = std::min(IIScrollToShow(l, nPos, s.opt.nScrollPos), l.MaxScroll());
  s.nFocusPos = nPos;
  s.ViewChanged();
  return 1;
}

IMPLEMENT_DYNCREATE(CIIListWindow, CWnd)

BEGIN_MESSAGE_MAP(CIIListWindow, CWnd)
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_CAPTURECHANGED()
ON_MESSAGE(IIWM_LISTCHANGED, OnListChanged)
END_MESSAGE_MAP()

CIIListWindow::CIIListWindow() : m_pIIList(NULL) {}

CIIListWindow::~CIIListWindow() {
  // Destroyed here, while the object is still whole, so OnDestroy runs as this class.
  if (m_hWnd != NULL && CWnd::FromHandlePermanent(m_hWnd) == this) DestroyWindow();
  DetachIIList();
}

BOOL CIIListWindow::AttachIIList(CIIList* pList) {
  if (pList == NULL) return FALSE;
  if (m_pIIList != NULL && m_pIIList != pList) DetachIIList();
  m_pIIList = pList;
  IIListState& s = IIListAccess::Of(*pList);
  s.bDragArmed = false;
  {
    CIIList::iteratorTypeSelect it(pList, s.opt.nActiveType);
    it.First();
    s.nFocusPos = it.IsDone() ? 0 : pList->TypeGetIndex(s.opt.nActiveType, *it.CurrentItem());
  }
  if (m_hWnd != NULL) {
    s.hWndView = m_hWnd;
    pList->ScrollTo(s.nFocusPos);
    OnListChanged(0, 0);
  }
  return TRUE;
}

CIIList* CIIListWindow::DetachIIList() {
  CIIList* pList = m_pIIList;
  if (pList == NULL) return NULL;
  IIListState& s = IIListAccess::Of(*pList);
  if (s.hWndView == m_hWnd) s.hWndView = NULL;
  m_pIIList = NULL;
  if (m_hWnd != NULL && ::IsWindow(m_hWnd)) {
    SetScrollRange(SB_HORZ, 0, 0);
    SetScrollRange(SB_VERT, 0, 0);
    Invalidate(FALSE);
  }
  return pList;
}

void CIIListWindow::PreSubclassWindow() {
  if (m_pIIList != NULL) IIListAccess::Of(*m_pIIList).hWndView = m_hWnd;
}

void CIIListWindow::OnDestroy() {
  if (m_pIIList != NULL) {
    IIListState& s = IIListAccess::Of(*m_pIIList);
    if (s.hWndView == m_hWnd) s.hWndView = NULL;
    s.bDragArmed = false;
  }
  CWnd::OnDestroy();
}

LRESULT CIIListWindow::OnListChanged(WPARAM, LPARAM) {
  if (m_pIIList != NULL) {
    IIListState& s = IIListAccess::Of(*m_pIIList);
    s.nFocusPos = ClampPos(s.nFocusPos, (int)s.Active().order.size());
    UpdateScrollBar(m_hWnd, s);
  }
  Invalidate(FALSE);
  return 0;
}

void CIIListWindow::OnSize(UINT, int, int) { OnListChanged(0, 0); }

BOOL CIIListWindow::OnEraseBkgnd(CDC*) { return TRUE; }

void CIIListWindow::OnPaint() {
  CPaintDC dc(this);
  RECT rcClient;
  GetClientRect(&rcClient);
  // Straight to the paint DC: the window surface reaches the screen only once the paint is over,
  // and an off-screen copy would cost more than the whole strip.
  FillRect(dc, &rcClient, GetSysColorBrush(COLOR_WINDOW));
  if (m_pIIList == NULL) return;
  IIListState& s = IIListAccess::Of(*m_pIIList);
  const IIType& type = s.Active();
  const int nCount = (int)type.order.size();
  const IILayout l = IIComputeLayout(s.opt, nCount, rcClient.right, rcClient.bottom);
  const bool bFocus = ::GetFocus() == m_hWnd;
  const int nFirst = s.opt.nScrollPos * l.nPerLine;
  const int nEnd = std::min(nCount, nFirst + (l.nFullLines + 1) * l.nPerLine);
  for (int nPos = nFirst; nPos < nEnd; nPos++) {
    _IIPAINT paint = {dc, IICellRect(l, nPos, s.opt.nScrollPos), type.order[nPos], nPos, 0, 0};
    RECT rcShown;
    if (!IntersectRect(&rcShown, &paint.rcCell, &dc.m_ps.rcPaint)) continue;
    paint.bSelected = type.selected.count(paint.nItem) != 0;
    paint.bFocused = bFocus && nPos == s.nFocusPos;
    m_pIIList->OnDrawII(&paint);
  }
}

void CIIListWindow::Scroll(int nSBCode, int nThumb) {
  if (m_pIIList == NULL) return;
  IIListState& s = IIListAccess::Of(*m_pIIList);
  const IILayout l = LayoutFor(m_hWnd, s);
  int nPos = s.opt.nScrollPos;
  switch (nSBCode) {
    case SB_LINEUP:
      nPos--;
      break;
    case SB_LINEDOWN:
      nPos++;
      break;
    case SB_PAGEUP:
      nPos -= l.nFullLines;
      break;
    case SB_PAGEDOWN:
      nPos += l.nFullLines;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      nPos = nThumb;
      break;
    case SB_TOP:
      nPos = 0;
      break;
    case SB_BOTTOM:
      nPos = l.MaxScroll();
      break;
    default:
      return;
  }
  nPos = std::max(0, std::min(nPos, l.MaxScroll()));
  if (nPos == s.opt.nScrollPos) return;
  s.opt.nScrollPos = nPos;
  OnListChanged(0, 0);
}

// The thumb position comes from the bar itself, so positions beyond 16 bits work.
static int TrackPos(HWND hWnd, int nBar) {
  SCROLLINFO si = {sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(hWnd, nBar, &si);
  return si.nTrackPos;
}

void CIIListWindow::OnHScroll(UINT nSBCode, UINT, CScrollBar*) { Scroll(nSBCode, TrackPos(m_hWnd, SB_HORZ)); }
void CIIListWindow::OnVScroll(UINT nSBCode, UINT, CScrollBar*) { Scroll(nSBCode, TrackPos(m_hWnd, SB_VERT)); }

BOOL CIIListWindow::OnMouseWheel(UINT, short zDelta, CPoint) {
  Scroll(zDelta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
  return TRUE;
}

// Applies a click or key at a position and reports what changed: deselections first, then
// selections, then (-1) when nothing is left selected.
void CIIListWindow::SelectByUser(int nPos, BOOL bToggle) {
  if (m_pIIList == NULL) return;
  CIIList* pList = m_pIIList;
  IIListState& s = IIListAccess::Of(*pList);
  IIType& type = s.Active();
  const std::set<int> before = type.selected;
  std::set<int> after;
  const int nItem = nPos >= 0 && nPos < (int)type.order.size() ? type.order[nPos] : -1;
  if (nItem < 0) {
    if (s.opt.nMulSelectNum == IIMULSEL_KEEPONE) return;
  } else if (bToggle && s.SelectionFits(2)) {
    after = before;
    if (!after.erase(nItem)) after.insert(nItem);
    if (!s.SelectionFits(after.size())) return;
  } else {
    after.insert(nItem);
  }
  if (nItem >= 0) {
    s.nFocusPos = nPos;
    pList->ScrollTo(nPos);
  }
  if (after == before) return;
  type.selected = after;
  s.ViewChanged();
  std::vector<int> off, on;
  for (int n : type.order) {
    if (before.count(n) && !after.count(n)) off.push_back(n);
    if (after.count(n) && !before.count(n)) on.push_back(n);
  }
  // The callbacks may change the list or close the window: only the copies are used from here.
  for (int n : off) pList->OnSelectChange(n, IISEL_OFF);
  for (int n : on) pList->OnSelectChange(n, IISEL_ON);
  if (after.empty()) pList->OnSelectChange(-1, IISEL_ON);
}

void CIIListWindow::OnLButtonDown(UINT nFlags, CPoint point) {
  SetFocus();
  if (m_pIIList == NULL) return;
  IIListState& s = IIListAccess::Of(*m_pIIList);
  const int nPos = IIHitTest(LayoutFor(m_hWnd, s), point, s.opt.nScrollPos, (int)s.Active().order.size());
  SelectByUser(nPos, (nFlags & MK_CONTROL) != 0);
  if (m_pIIList != NULL && nPos >= 0 && s.opt.dwDrag == IIDRAG_OUT) {
    s.bDragArmed = true;
    s.ptDragStart = point;
    SetCapture();
  }
}

void CIIListWindow::OnLButtonUp(UINT, CPoint point) {
  if (m_pIIList == NULL || !IIListAccess::Of(*m_pIIList).bDragArmed) return;
  IIListState& s = IIListAccess::Of(*m_pIIList);
  s.bDragArmed = false;
  const bool bMoved = abs(point.x - s.ptDragStart.x) > GetSystemMetrics(SM_CXDRAG) ||
                      abs(point.y - s.ptDragStart.y) > GetSystemMetrics(SM_CYDRAG);
  ReleaseCapture();
  if (bMoved) FinishDrag(point);
}

void CIIListWindow::OnCaptureChanged(CWnd*) {
  if (m_pIIList != NULL) IIListAccess::Of(*m_pIIList).bDragArmed = false;
}

// Offers the selected items to the window under the pointer; the list decides.
void CIIListWindow::FinishDrag(CPoint point) {
  CIIList* pList = m_pIIList;
  POINT ptScreen = point;
  ::ClientToScreen(m_hWnd, &ptScreen);
  HWND hTarget = ::WindowFromPoint(ptScreen);
  if (pList == NULL || hTarget == NULL || hTarget == m_hWnd || !pList->OnAskDrop(hTarget, &ptScreen)) return;
  IIListState& s = IIListAccess::Of(*pList);
  std::vector<int> items;
  for (int n : s.Active().order)
    if (s.Active().selected.count(n)) items.push_back(n);
  _DROPDATA drop = {hTarget, ptScreen, s.opt.nActiveType, (int)items.size(), items.data()};
  pList->OnDrop(&drop);
}

void CIIListWindow::OnLButtonDblClk(UINT, CPoint point) {
  if (m_pIIList == NULL) return;
  IIListState& s = IIListAccess::Of(*m_pIIList);
  const int nPos = IIHitTest(LayoutFor(m_hWnd, s), point, s.opt.nScrollPos, (int)s.Active().order.size());
  POINT pt = point;
  m_pIIList->OnLButtonDblClk(nPos >= 0 ? s.Active().order[nPos] : -1, &pt);
}

void CIIListWindow::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (m_pIIList == NULL) return CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
  IIListState& s = IIListAccess::Of(*m_pIIList);
  const int nCount = (int)s.Active().order.size();
  if (nCount == 0) return;
  const IILayout l = LayoutFor(m_hWnd, s);
  // Along a line the step is one cell; across lines it is a whole line.
  const int nStepX = l.bHorizontal ? l.nPerLine : 1, nStepY = l.bHorizontal ? 1 : l.nPerLine;
  int nPos = s.nFocusPos;
  switch (nChar) {
    case VK_LEFT:
      nPos -= nStepX;
      break;
    case VK_RIGHT:
      nPos += nStepX;
      break;
    case VK_UP:
      nPos -= nStepY;
      break;
    case VK_DOWN:
      nPos += nStepY;
      break;
    case VK_PRIOR:
      nPos -= l.nPerLine * l.nFullLines;
      break;
    case VK_NEXT:
      nPos += l.nPerLine * l.nFullLines;
      break;
    case VK_HOME:
      nPos = 0;
      break;
    case VK_END:
      nPos = nCount - 1;
      break;
    case VK_SPACE:
      return SelectByUser(nPos, TRUE);
    default:
      return CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
  }
  SelectByUser(ClampPos(nPos, nCount), FALSE);
}

UINT CIIListWindow::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
void CIIListWindow::OnSetFocus(CWnd*) { Invalidate(FALSE); }
void CIIListWindow::OnKillFocus(CWnd*) { Invalidate(FALSE); }
