// CActiveStatic: transparent text in m_crText with the DC's own font.
#include <Ostrel/ActiveStatic.h>
#include <new>

int CActiveStatic::m_MaxTextLen = 50;

BEGIN_MESSAGE_MAP(CActiveStatic, CStatic)
ON_WM_PAINT()
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CActiveStatic::CActiveStatic() : m_crText(0) {}

CActiveStatic::~CActiveStatic() {}

void CActiveStatic::UpdateControl() {
  if (m_hWnd == NULL) return;
  Invalidate(TRUE);
  UpdateWindow();
}

void CActiveStatic::PostNcDestroy() { delete this; }

void CActiveStatic::OnPaint() {
  CPaintDC dc(this);
  if (m_MaxTextLen < 1) return;
  char* pszText = new (std::nothrow) char[m_MaxTextLen];
  if (pszText == NULL) return;
  CRect rcClient;
  GetClientRect(&rcClient);
  ::FillRect(dc.m_hDC, &rcClient, (HBRUSH)::GetStockObject(NULL_BRUSH));
  int nLength = ::GetWindowTextA(m_hWnd, pszText, m_MaxTextLen);
  COLORREF crOld = dc.SetTextColor(m_crText);
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(0, 0, pszText, nLength);
  dc.SetTextColor(crOld);
  delete[] pszText;
}

HBRUSH CActiveStatic::CtlColor(CDC*, UINT) { return NULL; }
