// The window DCs (paint, client area, whole window) and the CDC members that need a CWnd.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

// The constructors throw the framework's resource exception when the window gives no DC.

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
  memset(&m_ps, 0, sizeof(m_ps));
  if (!Attach(::BeginPaint(m_hWnd, &m_ps))) AfxThrowResourceException();
}

CPaintDC::~CPaintDC() {
  if (m_hDC == NULL) return;
  ::EndPaint(m_hWnd, &m_ps);
  Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
  if (!Attach(::GetDC(m_hWnd))) AfxThrowResourceException();
}

CClientDC::~CClientDC() {
  if (m_hDC != NULL) ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
  if (!Attach(::GetWindowDC(m_hWnd))) AfxThrowResourceException();
}

CWindowDC::~CWindowDC() {
  if (m_hDC != NULL) ::ReleaseDC(m_hWnd, Detach());
}

CWnd* CDC::GetWindow() const { return m_hDC == NULL ? NULL : CWnd::FromHandle(::WindowFromDC(m_hDC)); }

int CDC::ExcludeUpdateRgn(CWnd* pWnd) {
  HWND hWnd = pWnd->GetSafeHwnd();
  return hWnd == NULL ? ERROR : ::ExcludeUpdateRgn(m_hDC, hWnd);
}
