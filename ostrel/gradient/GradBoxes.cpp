// CGradBoxes: the swatch, its hover look and the dialog behind a click.
#include <Ostrel/GradBoxes.h>
#include <Ostrel/GradDlg.h>
#include "gradient/GradientDraw.h"
#include "gradient/GradientLines.h"

IMPLEMENT_DYNCREATE(CGradBoxes, CWnd)

BEGIN_MESSAGE_MAP(CGradBoxes, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CGradBoxes::CGradBoxes() : m_gradOpt(), m_nID(0), m_bHover(FALSE), m_pfnEyeDropper(NULL) {}

CGradBoxes::~CGradBoxes() {
  if (m_hWnd != NULL) DestroyWindow();
}

int CGradBoxes::Create(UINT nID, const RECT& rect, CWnd* pParentWnd, SGRADOPTION* pOpt) {
  if (pParentWnd == NULL) return 0;
  if (!CWnd::Create(NULL, NULL, WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID)) return 0;
  m_nID = nID;
  if (pOpt != NULL) m_gradOpt = *pOpt;
  return 1;
}

int CGradBoxes::SetGradOpt(SGRADOPTION* pOpt) {
  if (pOpt == NULL) return 0;
  m_gradOpt = *pOpt;
  if (m_hWnd != NULL) {
    Invalidate(FALSE);
    UpdateWindow();
  }
  return 1;
}

SGRADOPTION CGradBoxes::GetGradOpt() { return m_gradOpt; }

void CGradBoxes::OnGradChange(SGRADOPTION* pOpt) {
  CWnd* pParent = GetParent();
  if (pParent != NULL) pParent->SendMessage(GRADBOX_CHANGE, m_nID, (LPARAM)pOpt);
}

void CGradBoxes::OnGetFocus() {
  CWnd* pParent = GetParent();
  if (pParent != NULL) pParent->SendMessage(GRADBOX_GETFOCUS, m_nID, 0);
}

void CGradBoxes::AddEyeDropper(void* pfn) { m_pfnEyeDropper = pfn; }

void CGradBoxes::OnUpdateUI(CCmdUI*) {
  if (m_hWnd == NULL) return;
  GetClientRect(&m_rcClient);
  CPoint pt;
  ::GetCursorPos(&pt);
  ScreenToClient(&pt);
  const BOOL bInside = m_rcClient.PtInRect(pt);
  if (bInside == (m_bHover != FALSE)) return;
  m_bHover = bInside;
  Invalidate(FALSE);
  UpdateWindow();
}

void CGradBoxes::OnPaint() {
  CPaintDC dc(this);
  GetClientRect(&m_rcClient);
  CMemDC mem(&dc, m_rcClient);
  Drawing(&mem);
}

void CGradBoxes::Drawing(CDC* pDC) {
  const CRect& rc = m_rcClient;
  if (m_bHover) {
    DrawGradientRect(pDC, CRect(rc.left + 1, rc.top + 1, rc.right, rc.bottom), m_gradOpt.clrStart, m_gradOpt.clrEnd,
                     m_gradOpt.nDirection, m_gradOpt.nColorShift);
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(rc.left, rc.top);
    pDC->LineTo(rc.right, rc.top);
    pDC->MoveTo(rc.left, rc.top);
    pDC->LineTo(rc.left, rc.bottom);
    pDC->SelectObject(pOld);
  } else {
    DrawGradientRect(pDC, CRect(rc.left, rc.top, rc.right - 1, rc.bottom - 1), m_gradOpt.clrStart, m_gradOpt.clrEnd,
                     m_gradOpt.nDirection, m_gradOpt.nColorShift);
    pDC->Draw3dRect(rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  }
}

void CGradBoxes::OnLButtonDown(UINT, CPoint) {
  CGradDLg dlg(this);
  GFILL_OPTION opt = MakeGradOption(m_gradOpt, GRADLINE_BOX, 0, 0);
  dlg.m_pGFillOption = &opt;
  dlg.AddEyeDropper(IsCurrentDocuemntExist() == 1 ? m_pfnEyeDropper : NULL);
  m_bHover = FALSE;
  Invalidate(FALSE);
  UpdateWindow();
  if (dlg.DoModal() != IDOK) return;
  m_gradOpt.clrStart = opt.clrStart;
  m_gradOpt.clrEnd = opt.clrEnd;
  m_gradOpt.nColorShift = opt.nColorShift;
  m_gradOpt.nDirection = GradBoxDirection(opt, m_gradOpt.nDirection);
  Invalidate(FALSE);
  UpdateWindow();
  OnGradChange(&m_gradOpt);
}
