// The on-demand balloon tip: shown at the first tick of its timer after Show, closed by any click
// of the thread (seen through a thread mouse hook).
#include <Ostrel/TipUIEx.h>
#include <Ostrel/Balloon.h>
#include "tips/TipCanvas.h"
#include "frame/LibraryState.h"
#include "res/resource.h"
#include <stdlib.h>
#include <string.h>

namespace {

const UINT_PTR kShowTimer = 1;
const UINT kShowDelay = 100;
const int kExtraWidth = 18;
const int kExtraHeight = 38;

// Copies the next comma-separated field of *pp into out (at most cb bytes) and moves past it.
void NextField(const char** pp, char* out, size_t cb) {
  const char* p = *pp;
  const char* end = strchr(p, ',');
  size_t n = end != NULL ? (size_t)(end - p) : strlen(p);
  if (n >= cb) n = cb - 1;
  memcpy(out, p, n);
  out[n] = 0;
  *pp = end != NULL ? end + 1 : p + strlen(p);
}

}  // namespace

HHOOK CTipUIEx::m_hPrevHook = NULL;
HWND CTipUIEx::m_hTipWnd = NULL;

BEGIN_MESSAGE_MAP(CTipUIEx, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
AFX_WND_MSG(WM_RBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnLButtonDown)
AFX_WND_MSG(WM_NCLBUTTONDOWN, AfxSig_vwpNC, void, (UINT, CPoint), OnLButtonDown)
END_MESSAGE_MAP()

CTipUIEx::CTipUIEx()
    : m_bTimer(FALSE),
      m_bClosed(FALSE),
      m_hFont(NULL),
      m_nOpacity(9),
      m_nStringID(-1),
      m_nArrow(0),
      m_nParam(0),
      m_pTarget(NULL) {
  ::SetRectEmpty(&m_rcTarget);
}

CTipUIEx::~CTipUIEx() {
  if (m_hWnd != NULL) DestroyWindow();
  if (m_hFont != NULL) ::DeleteObject(m_hFont);
}

int CTipUIEx::Create(CWnd* pParentWnd, CRect& rect) {
  if (pParentWnd == NULL) return 0;
  m_pTarget = pParentWnd;
  m_rcTarget = rect;
  return CreateEx(0, AfxRegisterWndClass(CS_SAVEBITS), "test", WS_POPUP, rect, pParentWnd, 0);
}

int CTipUIEx::Create(CWnd* pParentWnd, CWnd* pTarget) {
  if (pParentWnd == NULL || pTarget == NULL) return 0;
  m_pTarget = pTarget;
  pTarget->GetWindowRect(&m_rcTarget);
  CRect rc(m_rcTarget);
  pParentWnd->ScreenToClient(&rc);
  return CreateEx(0, AfxRegisterWndClass(CS_SAVEBITS), "test", WS_POPUP, rc, pParentWnd, 0);
}

void CTipUIEx::Show(int nStringID, int nParam) {
  m_nStringID = nStringID;
  m_nParam = nParam;
  if (!m_bTimer && m_hWnd != NULL && SetTimer(kShowTimer, kShowDelay) != 0) m_bTimer = TRUE;
}

int CTipUIEx::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  // One extended tip at a time: a newer one takes the hook over.
  if (m_hPrevHook != NULL) ::UnhookWindowsHookEx(m_hPrevHook);
  m_hPrevHook = ::SetWindowsHookExA(WH_MOUSE, MouseHookProc, NULL, ::GetCurrentThreadId());
  m_hTipWnd = m_hWnd;
  CreateTipFont();
  return 0;
}

// String 11: "face, height, pitch and family, B(old) or not, character set".
void CTipUIEx::CreateTipFont() {
  char szFields[260] = "";
  ::LoadStringA(_hResInst, IDS_TIPEX_FONT, szFields, sizeof(szFields));
  LOGFONTA lf;
  memset(&lf, 0, sizeof(lf));
  char field[LF_FACESIZE];
  const char* p = szFields;
  NextField(&p, lf.lfFaceName, sizeof(lf.lfFaceName));
  NextField(&p, field, sizeof(field));
  lf.lfHeight = atoi(field);
  NextField(&p, field, sizeof(field));
  lf.lfPitchAndFamily = (BYTE)atoi(field);
  NextField(&p, field, sizeof(field));
  const char* pWeight = field + strspn(field, " \t");
  lf.lfWeight = *pWeight == 'B' ? FW_BOLD : FW_NORMAL;
  NextField(&p, field, sizeof(field));
  lf.lfCharSet = (BYTE)atoi(field);
  if (m_hFont != NULL) ::DeleteObject(m_hFont);
  m_hFont = ::CreateFontIndirectA(&lf);
}

LRESULT CALLBACK CTipUIEx::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode >= 0 && m_hTipWnd != NULL) {
    switch (wParam) {
      case WM_NCMOUSEMOVE:
      case WM_NCLBUTTONDOWN:
      case WM_MOUSEMOVE:
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
        ::SendMessageA(m_hTipWnd, (UINT)wParam, 0, 0);
        break;
    }
  }
  return ::CallNextHookEx(m_hPrevHook, nCode, wParam, lParam);
}

void CTipUIEx::OnDestroy() {
  if (m_hTipWnd == m_hWnd) {
    if (m_hPrevHook != NULL) ::UnhookWindowsHookEx(m_hPrevHook);
    m_hPrevHook = NULL;
    m_hTipWnd = NULL;
  }
  CWnd::OnDestroy();
}

void CTipUIEx::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kShowTimer) return;
  if (m_nStringID > 0) {
    m_bClosed = FALSE;
    ShowTip();
    m_nStringID = -1;
  } else {
    m_bTimer = FALSE;
    KillTimer(kShowTimer);
  }
}

void CTipUIEx::ShowTip() {
  AdjustTipPos();
  ShowWindow(SW_SHOWNOACTIVATE);
  EnableWindow(TRUE);
  RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CTipUIEx::AdjustTipPos() {
  CString text;
  if (!text.LoadString((UINT)m_nStringID) || text.IsEmpty()) return;
  CSize size = GetTipRect(this, text, CFont::FromHandle(m_hFont));
  const int W = size.cx + kExtraWidth, H = size.cy + kExtraHeight;
  if (m_pTarget != NULL && ::IsWindow(m_pTarget->GetSafeHwnd())) m_pTarget->GetWindowRect(&m_rcTarget);
  const int tw = m_rcTarget.right - m_rcTarget.left, th = m_rcTarget.bottom - m_rcTarget.top;
  const int xc = m_rcTarget.left + tw / 2, yc = m_rcTarget.top + th / 2;
  int x = xc, y = yc;
  m_nArrow = 0;
  if (xc + W + 1 > ::GetSystemMetrics(SM_CXSCREEN)) {
    x = xc - W;
    m_nArrow = 1;
  }
  if (yc + H + 14 > ::GetSystemMetrics(SM_CYSCREEN)) {
    y = yc - H;
    m_nArrow += 2;
  }
  if (m_nArrow >= 2)
    MoveWindow(x + 1 - tw / 2, y + 1 - th / 2, W, H, TRUE);
  else
    SetWindowPos(NULL, x + 1 - tw / 2, y + 13, W, H, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTipUIEx::CloseTip() {
  m_bClosed = TRUE;
  m_nStringID = -1;
  ShowWindow(SW_HIDE);
  m_bTimer = FALSE;
}

void CTipUIEx::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) {
  if (IsWindowVisible()) CloseTip();
}

void CTipUIEx::OnPaint() {
  CPaintDC dc(this);
  if (m_nStringID == -1) return;
  CRect rcWindow, rcClient;
  GetWindowRect(&rcWindow);
  GetClientRect(&rcClient);
  CTipCanvas screen, balloon;
  if (!screen.Create(rcWindow.Width(), rcWindow.Height()) || !balloon.Create(rcWindow.Width(), rcWindow.Height()))
    return;
  screen.CaptureScreen(rcWindow.left, rcWindow.top);
  CRect rcBalloon(rcClient.left, rcClient.top, rcClient.right - 3, rcClient.bottom - 3);
  CreateArrowRegion(m_nArrow, balloon.Dc(), ::GetSysColorBrush(COLOR_INFOBK), 1, 0x00000000, rcBalloon, 0);
  ::GdiFlush();
  const int nBytes = balloon.Width() * 3;
  for (int y = 0; y < balloon.Height(); y++) {
    BYTE* pOut = screen.Row(y);
    const BYTE* pIn = balloon.Row(y);
    for (int i = 0; i < nBytes; i++) {
      if (pIn[i] != 0) pOut[i] = (BYTE)((pOut[i] * (9 - m_nOpacity) + pIn[i] * (m_nOpacity + 1)) / 10);
    }
  }
  screen.CopyTo(dc.GetSafeHdc(), 0, 0);
  CString text;
  text.LoadString((UINT)m_nStringID);
  DrawTipText(&dc, text, CFont::FromHandle(m_hFont), m_nArrow);
}
