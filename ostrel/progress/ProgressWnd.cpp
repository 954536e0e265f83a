// CProgress window: the bar of cells with its percent box, the panel it lives on, and the Cancel
// button served by a thread of its own.
#include <Ostrel/Progress.h>
#include <stdio.h>
#include <t32Cfg.h>
#include <t32Comm.h>
#include "frame/LibraryState.h"
#include "res/resource.h"

COkButton CProgress::m_BtnCancel;
HWND CProgress::m_hCancelP = NULL;
HWND CProgress::m_hCancel = NULL;
HANDLE CProgress::m_hEvent = NULL;
BOOL CProgress::m_bCancelOK = FALSE;
BOOL CProgress::m_bKill = FALSE;
BOOL CProgress::m_bNeedDeAct = FALSE;

namespace {

const char kHolderClass[] = "PseudoParent";
const UINT kIDS_CancelCaption = 11070;  // supplied by the host
const int kHolderWidth = 82;
const int kHolderHeight = 36;
const int kBarMargin = 60;  // room for the percent box beside the cells
const int kCellsLeft = 6;
const int kCellsTop = 12;
const int kPercentWidth = 30;
const int kPercentHeight = 20;
const int kPercentGap = 15;
const int kHolderBottomGap = 18;
const DWORD kStopWaitMs = 2000;

int s_nDrawnPercent = -1;  // redraw caches of DrawBar
int s_nDrawnCells = -1;
CWinThread* s_pCancelThread = NULL;  // kept (not auto-deleted) until it is known to have ended

// Copies the whole of hBmp to (x, y) of hDC through hSrc.
void Blit(HDC hDC, HDC hSrc, HBITMAP hBmp, int x, int y, CSize size) {
  HGDIOBJ hOld = ::SelectObject(hSrc, hBmp);
  ::BitBlt(hDC, x, y, size.cx, size.cy, hSrc, 0, 0, SRCCOPY);
  ::SelectObject(hSrc, hOld);
}

// Waits for the thread while answering messages other threads send to this one; TRUE once it has
// ended.
BOOL JoinThread(HANDLE hThread) {
  DWORD dwStart = ::GetTickCount();
  for (;;) {
    DWORD dwLeft = kStopWaitMs - (::GetTickCount() - dwStart);
    if ((int)dwLeft <= 0) return FALSE;
    DWORD r = ::MsgWaitForMultipleObjects(1, &hThread, FALSE, dwLeft, QS_SENDMESSAGE);
    if (r == WAIT_OBJECT_0) return TRUE;
    if (r != WAIT_OBJECT_0 + 1) return FALSE;
    MSG msg;
    ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace

IMPLEMENT_DYNCREATE(CProgress, CWnd)

BEGIN_MESSAGE_MAP(CProgress, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
ON_MESSAGE(PROGRESS_MSG_CANCELMODE, OnCancelMode)
ON_MESSAGE(PROGRESS_MSG_RESETBAR, OnResetBar)
END_MESSAGE_MAP()

CProgress::CProgress()
    : m_nID(0), m_hbmEmpty(NULL), m_hbmFull(NULL), m_hbmCancel(NULL), m_hbmBack(NULL), m_bInit(FALSE) {
  m_pcb.nActive = 1;
  m_pcb.pfnProgress = &CProgress::SimplePCB;
  m_pcb.lParam = 0;
  m_pcb.pData = NULL;
  m_pcb.nRange = 100;
}

CProgress::~CProgress() {
  HBITMAP* bitmaps[] = {&m_hbmEmpty, &m_hbmFull, &m_hbmCancel, &m_hbmBack};
  for (HBITMAP* p : bitmaps) {
    if (*p != NULL) ::DeleteObject(*p);
    *p = NULL;
  }
  m_font.DeleteObject();
  if (m_pBar != this) return;  // a refused second bar owns nothing
  if (m_bInit) ResetAll();
  StopCancelThread();
  m_pBar = NULL;  // a later bar may be made once this one is gone
}

// ---------------------------------------------------------------------------------------------
// Creation

int CProgress::Create(UINT nID, const RECT& rect, CWnd* pParentWnd) {
  if (pParentWnd == NULL || m_pBar != NULL) return 0;
  if (!CWnd::Create(NULL, "", WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID)) return 0;
  m_pBar = this;
  m_bInit = Initiallize();
  if (m_bInit) {
    m_nID = nID;
    m_bShowCancel = 0;
    OnCancelMode(nID, 0);
  }
  return m_bInit;
}

BOOL CProgress::Initiallize() {
  m_hbmEmpty = ::LoadBitmapA(_hResInst, MAKEINTRESOURCEA(IDB_PROGRESS_EMPTY));
  m_hbmFull = ::LoadBitmapA(_hResInst, MAKEINTRESOURCEA(IDB_PROGRESS_FULL));
  m_hbmCancel = ::LoadBitmapA(_hResInst, MAKEINTRESOURCEA(IDB_PROGRESS_CANCEL));
  m_hbmBack = ::LoadBitmapA(_hResInst, MAKEINTRESOURCEA(IDB_PROGRESS_BACK));
  char szFace[64] = "", szHeight[8] = "";
  int nFace = ::LoadStringA(_hResInst, IDS_PROGRESS_FONT_FACE, szFace, sizeof(szFace));
  int nHeight = ::LoadStringA(_hResInst, IDS_PROGRESS_FONT_HEIGHT, szHeight, sizeof(szHeight));
  if (!m_hbmEmpty || !m_hbmFull || !m_hbmCancel || !m_hbmBack || nFace == 0 || nHeight == 0) return FALSE;

  CSize cancel = BitmapSize(m_hbmCancel);
  m_rcCancel.SetRect(0, 0, cancel.cx / 4, cancel.cy);
  if (!InitCancelBtn()) return FALSE;

  T32CFGSYSINFO info = {};
  t32CfgGetSystemInfo(0, &info, 0, T32CFG_SYSINFO);
  HFONT hFont = ::CreateFontA(-atoi(szHeight), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, info.bCharSet,
                              OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, szFace);
  if (hFont == NULL) return FALSE;
  if (m_font.Attach(hFont)) return TRUE;
  ::DeleteObject(hFont);
  return FALSE;
}

BOOL CProgress::RegWndClass(char* pszName) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof(wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = CancelWndProc;
  wc.hInstance = _hResInst;
  wc.hCursor = ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = pszName;
  return ::RegisterClassExA(&wc) != 0;
}

BOOL CProgress::InitCancelBtn() {
  StopCancelThread();  // the thread of an earlier bar, told to stop, may not have ended yet
  if (s_pCancelThread != NULL) return FALSE;
  m_bKill = FALSE;
  m_bCancelOK = FALSE;
  m_hEvent = NULL;
  m_bCancelPressed = 0;
  m_hEvent = ::CreateEventA(NULL, TRUE, FALSE, NULL);
  if (m_hEvent == NULL) return FALSE;

  if (RegWndClass((char*)kHolderClass)) {
    CWinThread* pThread = AfxBeginThread(CancelFunction, this, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (pThread != NULL) {
      pThread->m_bAutoDelete = FALSE;
      s_pCancelThread = pThread;
      pThread->ResumeThread();
      ::WaitForSingleObject(m_hEvent, INFINITE);
    } else {
      ::UnregisterClassA(kHolderClass, _hResInst);  // no thread uses it
    }
  }
  HANDLE hEvent = m_hEvent;
  m_hEvent = NULL;
  ::CloseHandle(hEvent);
  if (!m_bCancelOK) {
    StopCancelThread();  // it ends by itself after a failed start
    return FALSE;
  }
  if (::SetParent(m_hCancelP, m_hWnd) == NULL) return FALSE;
  // A child of another thread's window shares that thread's input; the Cancel button must hear the
  // mouse while this thread is busy with the long operation.
  ::AttachThreadInput(s_pCancelThread->m_nThreadID, ::GetCurrentThreadId(), FALSE);
  return TRUE;
}

// ---------------------------------------------------------------------------------------------
// The Cancel thread

UINT AFX_CDECL CProgress::CancelFunction(LPVOID) {
  m_hCancelP =
      ::CreateWindowExA(0, kHolderClass, "", WS_POPUP, 0, 0, kHolderWidth, kHolderHeight, NULL, NULL, _hResInst, NULL);
  char szCaption[256] = "";
  HINSTANCE hStrings = AfxFindResourceHandle(MAKEINTRESOURCEA(kIDS_CancelCaption / 16 + 1), (LPCSTR)RT_STRING);
  if (hStrings != NULL) ::LoadStringA(hStrings, kIDS_CancelCaption, szCaption, sizeof(szCaption));
  m_hCancel = m_hCancelP == NULL
                  ? NULL
                  : ::CreateWindowExA(0, "button", szCaption, WS_CHILD, 0, 0, kHolderWidth, kHolderHeight, m_hCancelP,
                                      (HMENU)(UINT_PTR)PROGRESS_CANCEL_ID, _hResInst, NULL);
  BOOL bOK = FALSE;
  if (m_hCancel != NULL && !m_bKill) {
    CWnd wndHolder;
    wndHolder.Attach(m_hCancelP);
    bOK = m_BtnCancel.Create(&wndHolder, PROGRESS_CANCEL_ID, COkButton::BITMAP_CUSTOM, IDB_PROGRESS_CANCEL, _hResInst);
    wndHolder.Detach();
  }
  if (!bOK) {
    if (m_hCancelP != NULL) ::DestroyWindow(m_hCancelP);
    m_hCancelP = m_hCancel = NULL;
    m_bCancelOK = FALSE;
    ::SetEvent(m_hEvent);
    return 0;
  }
  m_bCancelOK = TRUE;
  ::SetEvent(m_hEvent);
  ::SetWindowPos(m_hCancel, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  ::SetWindowPos(m_hCancelP, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  UINT nResult = 0;
  MSG msg;
  while (::GetMessageA(&msg, NULL, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    AfxDeleteTempMaps();
    if (m_bKill) {
      nResult = 1;
      break;
    }
  }
  if (nResult == 0) {
    m_bCancelOK = FALSE;
    if (m_hEvent != NULL) ::SetEvent(m_hEvent);
  }
  // The holder and its button go with this thread (the button's object lets go of its window on the
  // way), and so do the button's pictures.
  if (m_hCancelP != NULL && ::IsWindow(m_hCancelP)) ::DestroyWindow(m_hCancelP);
  m_BtnCancel.m_bmpButton.DeleteObject();
  m_BtnCancel.m_bmpFace.DeleteObject();
  m_BtnCancel.m_font.DeleteObject();
  return nResult;
}

LRESULT CALLBACK CProgress::CancelWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  switch (nMsg) {
    case WM_DRAWITEM:
      if (m_hCancel != NULL && ::IsWindow(m_hCancel)) m_BtnCancel.DrawItem((LPDRAWITEMSTRUCT)lParam);
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED)
        m_bCancelPressed = 1;
      else if (HIWORD(wParam) == BN_PUSHED)
        m_bNeedDeAct = TRUE;
      break;
    case WM_LBUTTONDOWN:
      BringTopAncestorForward();
      break;
    case WM_MOUSEACTIVATE:
      // Left to the default, a click on Cancel would ask the bar - on the busy thread, which pumps
      // no messages during the run - whether to activate, and wait for its answer until the run ends.
      return MA_NOACTIVATE;
  }
  return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

// Tells the thread to leave its loop. Its handle, its windows' names and the holder's class are let
// go of only once it has ended; a thread that does not end in time keeps them, and the next stop or
// start tries again.
void CProgress::StopCancelThread() {
  if (s_pCancelThread == NULL) return;
  m_bKill = TRUE;
  ::PostThreadMessageA(s_pCancelThread->m_nThreadID, WM_NULL, 0, 0);  // the loop looks at m_bKill after it
  if (!JoinThread(s_pCancelThread->m_hThread)) return;
  delete s_pCancelThread;
  s_pCancelThread = NULL;
  m_hCancelP = m_hCancel = NULL;
  ::UnregisterClassA(kHolderClass, _hResInst);
}

void CProgress::OnDestroy() {
  if (m_pBar == this) {
    if (m_bInit) ResetAll();
    StopCancelThread();
  }
  CWnd::OnDestroy();
}

// ---------------------------------------------------------------------------------------------
// Private messages and layout

LRESULT CProgress::OnCancelMode(WPARAM wParam, LPARAM lParam) {
  if (m_pBar == NULL || wParam != m_pBar->m_nID) return 0;
  CRect rcPanel, rcButton;
  CWnd* pPanel = GetParent();
  if (pPanel != NULL) pPanel->GetClientRect(&rcPanel);
  if (m_hCancel != NULL) ::GetClientRect(m_hCancel, &rcButton);
  const UINT nFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
  if (lParam != 0) {
    ::SetWindowPos(m_hCancelP, NULL, (rcPanel.Width() - rcButton.Width()) / 2,
                   rcPanel.Height() - rcButton.Height() - kHolderBottomGap, 0, 0, nFlags);
    if (m_hCancel != NULL) ::InvalidateRect(m_hCancel, NULL, FALSE);
  } else {
    ::SetWindowPos(m_hCancelP, NULL, -100, -100, 0, 0, nFlags);
    if (m_bNeedDeAct) {
      BringTopAncestorForward();
      m_bNeedDeAct = FALSE;
    }
  }
  return 0;
}

LRESULT CProgress::OnResetBar(WPARAM wParam, LPARAM) {
  if (m_pBar != NULL && wParam == m_pBar->m_nID) ResetAll();
  return 0;
}

void CProgress::ResizeProgress(CRect& rect) {
  CWnd* pPanel = GetParent();
  if (pPanel != NULL) pPanel->GetClientRect(&m_rcClient);
  MoveWindow(&rect, FALSE);
  CRect rcButton;
  if (m_hCancel != NULL) ::GetWindowRect(m_hCancel, &rcButton);
  ::SetWindowPos(m_hCancelP, NULL, rect.right - rcButton.Width() - 2, rect.top + 5, rcButton.Width(), rcButton.Height(),
                 SWP_NOZORDER | SWP_SHOWWINDOW);
}

void CProgress::LayoutCancel(CDC* pDC) {
  CWnd* pPanel = GetParent();
  if (pPanel != NULL) pPanel->GetClientRect(&m_rcClient);
  CPoint target(m_rcClient.right - m_rcCancel.right + m_rcCancel.left - 2, m_rcClient.top + 5);
  CRect rcButton;
  if (m_hCancel != NULL) ::GetWindowRect(m_hCancel, &rcButton);
  ScreenToClient(&rcButton);
  if (rcButton.TopLeft() == target) return;
  if (pDC != NULL) {
    HDC hSrc = ::CreateCompatibleDC(pDC->m_hDC);
    Blit(pDC->m_hDC, hSrc, m_hbmCancel, 0, 0, CSize(m_rcCancel.Width(), m_rcCancel.Height()));
    ::DeleteDC(hSrc);
  }
  if (m_bShowCancel)
    ::SetWindowPos(m_hCancelP, NULL, target.x, target.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---------------------------------------------------------------------------------------------
// Painting

void CProgress::OnPaint() {
  CPaintDC dc(this);
  if (m_bInit && m_nBarStatus == 1) DrawBar(&dc);
}

BOOL CProgress::OnEraseBkgnd(CDC*) {
  if (m_pBar != NULL) {
    Invalidate(FALSE);
    UpdateWindow();
  }
  return TRUE;
}

void CProgress::DrawBar(CDC* pDC) {
  int nWidth = (m_rcClient.right - m_rcCancel.right - m_rcClient.left) + m_rcCancel.left - kBarMargin;
  CSize cell = BitmapSize(m_hbmFull);
  if (cell.cx <= 0) return;
  int nCells = nWidth / cell.cx;
  int nFilled = (m_nPercent * nCells) / 100;
  if (nFilled > nCells) nFilled = nCells;

  if (m_nPercent == s_nDrawnPercent) return;
  s_nDrawnPercent = m_nPercent;
  {
    const CRect rcBox(CPoint(nWidth + kPercentGap, (m_rcClient.Height() - kPercentHeight) / 2),
                      CSize(kPercentWidth, kPercentHeight));
    CMemDC box(pDC, rcBox);
    ::SetViewportOrgEx(box, rcBox.left, rcBox.top, NULL);  // the box draws from its own top-left
    DrawPercent(box, kPercentWidth, kPercentHeight, 0);
  }

  if (nFilled == s_nDrawnCells) return;
  HDC hSrc = ::CreateCompatibleDC(pDC->m_hDC);
  if (hSrc == NULL) return;
  s_nDrawnCells = nFilled;
  for (int i = 0; i <= nCells; ++i)
    Blit(pDC->m_hDC, hSrc, i <= nFilled ? m_hbmFull : m_hbmEmpty, kCellsLeft + i * cell.cx, kCellsTop, cell);
  ::DeleteDC(hSrc);
}

void CProgress::DrawPercent(HDC hDC, int cx, int cy, int) {
  int nValue = m_nPercent < 1 ? 1 : (m_nPercent > 100 ? 100 : m_nPercent);
  char szText[16];
  snprintf(szText, sizeof(szText), "%d%%", nValue);

  CSize tile = BitmapSize(m_hbmBack);
  HDC hSrc = ::CreateCompatibleDC(hDC);
  if (hSrc != NULL && tile.cx > 0) {
    for (int i = 0; i <= cx / tile.cx; ++i) Blit(hDC, hSrc, m_hbmBack, i * tile.cx, 0, tile);
    Blit(hDC, hSrc, m_hbmBack, cx - tile.cx, 0, tile);
  }
  if (hSrc != NULL) ::DeleteDC(hSrc);

  HGDIOBJ hOldFont = ::SelectObject(hDC, m_font.m_hObject);
  ::SetBkMode(hDC, TRANSPARENT);
  RECT rc = {2, 2, cx - 2, cy - 2};
  ::DrawTextA(hDC, szText, -1, &rc, DT_CENTER | DT_VCENTER);
  ::SelectObject(hDC, hOldFont);
}

void CProgress::TileBackground(CDC* pDC) {
  GetClientRect(&m_rcClient);
  CSize tile = BitmapSize(m_hbmBack);
  if (pDC == NULL || tile.cx <= 0) return;
  HDC hSrc = ::CreateCompatibleDC(pDC->m_hDC);
  int nWidth = m_rcClient.Width();
  for (int i = 0; i < nWidth / tile.cx; ++i) Blit(pDC->m_hDC, hSrc, m_hbmBack, i * tile.cx, 0, tile);
  Blit(pDC->m_hDC, hSrc, m_hbmBack, nWidth - tile.cx, 0, tile);
  ::DeleteDC(hSrc);
}

// ---------------------------------------------------------------------------------------------
// View steps of the model

CWnd* CProgress::Panel() {
  if (m_pBar == NULL || m_pBar->m_hWnd == NULL) return NULL;
  HWND hPanel = ::GetParent(m_pBar->m_hWnd);
  return hPanel != NULL && ::IsWindow(hPanel) ? CWnd::FromHandle(hPanel) : NULL;
}

void CProgress::InvalidateBarArea(int nBottomCut, int nRightCut) {
  if (m_pBar == NULL || m_pBar->m_hWnd == NULL) return;
  CRect rc = m_pBar->m_rcClient;
  rc.bottom -= nBottomCut;
  rc.right -= nRightCut;
  m_pBar->InvalidateRect(&rc, FALSE);
  m_pBar->UpdateWindow();
}

void CProgress::OpenPanel(BOOL bFromCallback) {
  CWnd* pPanel = Panel();
  if (pPanel == NULL) return;
  if (!pPanel->IsWindowVisible() && m_nLockCount == 0) {
    if (bFromCallback) {
      t32MoveWindow(pPanel->m_hWnd, T32MW_NEAREST, T32MW_INTO_VIEW);
      pPanel->ShowWindow(SW_SHOW);
      if (m_hCancelP != NULL && !::IsWindowVisible(m_hCancelP)) ::ShowWindow(m_hCancelP, SW_SHOWNORMAL);
    } else {
      pPanel->EnableWindow(TRUE);
      pPanel->ShowWindow(SW_SHOW);
    }
    pPanel->SetCapture();
  }
  ++m_nLockCount;
  if (bFromCallback) {
    pPanel->Invalidate();
    pPanel->UpdateWindow();
  }
}

void CProgress::ClosePanel() {
  CWnd* pPanel = Panel();
  if (pPanel == NULL) return;
  pPanel->ShowWindow(SW_HIDE);
  ::ReleaseCapture();
  HWND hOuter = ::GetParent(pPanel->m_hWnd);
  if (hOuter != NULL) ::SetForegroundWindow(hOuter);
}

void CProgress::ReleasePanel() {
  CWnd* pPanel = Panel();
  if (pPanel == NULL) return;
  if (m_nLockCount > 0) --m_nLockCount;
  if (pPanel->IsWindowVisible() && m_nLockCount == 0) ClosePanel();
}

void CProgress::BringTopAncestorForward() {
  if (m_pBar == NULL || m_pBar->m_hWnd == NULL) return;
  HWND hTop = m_pBar->m_hWnd;
  for (HWND h = ::GetParent(hTop); h != NULL; h = ::GetParent(h)) hTop = h;
  ::SetForegroundWindow(hTop);
}
