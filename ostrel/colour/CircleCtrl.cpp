// The angle dial: a face bitmap, a marker that runs round the rim, dragged with the mouse.
#include <Ostrel/CircleCtrl.h>
#include "frame/LibraryState.h"
#include "res/resource.h"
#include <math.h>

// The dial's constants take pi as 3.1415926535, so a point straight down reads 269 degrees.
static const double kTwoPi = 6.283185307;
static const double kRadToDeg = 57.29577951471995;
static const double kDegToRad = 0.017453292519444445;

class CCircleCtrl {
 public:
  explicit CCircleCtrl(HWND hWnd);
  virtual ~CCircleCtrl();

  void Paint();
  void OnMouseMove(int x, int y);
  void OnLButtonDown(int x, int y);
  void OnLButtonUp(int x, int y);
  LRESULT Setup(const CIRCLECTRL_SETUP* pSetup);
  LRESULT SetAngle(WPARAM nAngle, BOOL bRepaint);

  HWND m_hWnd;
  RECT m_rc;
  int m_nAngle;
  BOOL m_bDragging;
  BOOL m_bAnimate;
  int m_nStep;
  HCURSOR m_hCursor;
  HBITMAP m_hbmFace;
  HBITMAP m_hbmMarker;
  RECT m_rcFace;
  RECT m_rcMarker;

 private:
  int Width() const { return m_rc.right - m_rc.left; }
  int Height() const { return m_rc.bottom - m_rc.top; }
  int PointToAngle(int x, int y) const;
  bool IsOnRim(int x, int y) const;
  void ShowAngle(int nAngle);
  void SweepTo(int nNew);
  void MoveToAngle(int nAngle, int nCode);
  void Notify(int nCode);
};

CCircleCtrl::CCircleCtrl(HWND hWnd)
    : m_hWnd(hWnd),
      m_nAngle(0),
      m_bDragging(FALSE),
      m_bAnimate(TRUE),
      m_nStep(1),
      m_hCursor(LoadCursorA(_hResInst, MAKEINTRESOURCEA(IDC_CIRCLE_DRAG))),
      m_hbmFace(LoadBitmapA(_hResInst, MAKEINTRESOURCEA(IDB_CIRCLE_FACE))),
      m_hbmMarker(LoadBitmapA(_hResInst, MAKEINTRESOURCEA(IDB_CIRCLE_MARKER))),
      m_rcFace{0, 0, 84, 84},
      m_rcMarker{0, 0, 8, 8} {
  GetClientRect(hWnd, &m_rc);
}

CCircleCtrl::~CCircleCtrl() {
  if (m_hbmFace != NULL) DeleteObject(m_hbmFace);
  if (m_hbmMarker != NULL) DeleteObject(m_hbmMarker);
}

int CCircleCtrl::PointToAngle(int x, int y) const {
  double dx = x - Width() * 0.5;
  double dy = Height() * 0.5 - y;  // screen y grows downwards; +0 on the centre line, so left is 180
  double a = atan2(dy, dx);
  if (a < 0) a += kTwoPi;
  if (a >= kTwoPi) a -= kTwoPi;
  return (int)(a * kRadToDeg);
}

// Within one marker width inside the dial's outer edge.
bool CCircleCtrl::IsOnRim(int x, int y) const {
  double dx = x - Width() * 0.5;
  double dy = Height() * 0.5 - y;
  double d = sqrt(dx * dx + dy * dy);
  int mw = m_rcMarker.right - m_rcMarker.left;
  return Width() * 0.5 - mw <= d && d <= Width() * 0.5;
}

void CCircleCtrl::ShowAngle(int nAngle) {
  m_nAngle = nAngle;
  InvalidateRect(m_hWnd, NULL, FALSE);
  UpdateWindow(m_hWnd);
}

// Runs the marker the shorter way round; a half turn runs counter-clockwise.
void CCircleCtrl::SweepTo(int nNew) {
  int nOld = m_nAngle;
  int step = m_nStep;
  if (nOld == nNew) return;
  if (nOld > nNew && nOld - nNew < 180) {
    for (int a = nOld; a >= nNew; a -= step) ShowAngle(a);
  } else if (nOld > nNew) {
    for (int a = nOld; a <= nNew + 360; a += step) ShowAngle(a >= 360 ? a - 360 : a);
  } else if (nNew - nOld > 180) {
    for (int a = nOld; a >= nNew - 360; a -= step) ShowAngle(a < 0 ? a + 360 : a);
  } else {
    for (int a = nOld; a <= nNew; a += step) ShowAngle(a);
  }
}

void CCircleCtrl::Notify(int nCode) {
  HWND hParent = GetParent(m_hWnd);
  if (hParent == NULL || !IsWindow(hParent)) return;
  int nID = GetDlgCtrlID(m_hWnd);
  SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(nID, nCode), (LPARAM)m_hWnd);
}

void CCircleCtrl::MoveToAngle(int nAngle, int nCode) {
  if (m_bAnimate) SweepTo(nAngle);
  ShowAngle(nAngle);
  Notify(nCode);
}

void CCircleCtrl::OnLButtonDown(int x, int y) {
  if (!IsOnRim(x, y)) return;
  int nAngle = PointToAngle(x, y);
  m_bDragging = TRUE;
  SetCapture(m_hWnd);
  MoveToAngle(nAngle, CCN_PRESSED);
}

void CCircleCtrl::OnMouseMove(int x, int y) {
  if (IsOnRim(x, y) || m_bDragging) {
    if (GetCursor() != m_hCursor) SetCursor(m_hCursor);
  } else if (GetCursor() == m_hCursor) {
    SetCursor((HCURSOR)GetClassLongPtrA(m_hWnd, GCLP_HCURSOR));
  }
  if (m_bDragging) MoveToAngle(PointToAngle(x, y), CCN_DRAGGED);
}

void CCircleCtrl::OnLButtonUp(int x, int y) {
  if (!m_bDragging) return;
  MoveToAngle(PointToAngle(x, y), CCN_RELEASED);
  m_bDragging = FALSE;
  ReleaseCapture();
}

// Draws src (from its point srcOrigin) into dst, clipped to the ellipse that fills dst.
static void BlitInEllipse(HDC hDC, HBITMAP hbm, POINT srcOrigin, const RECT& dst) {
  HRGN hClip = CreateEllipticRgn(dst.left, dst.top, dst.right, dst.bottom);
  SelectClipRgn(hDC, hClip);
  HDC hMemDC = CreateCompatibleDC(hDC);
  HGDIOBJ hOld = SelectObject(hMemDC, hbm);
  BitBlt(hDC, dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top, hMemDC, srcOrigin.x, srcOrigin.y, SRCCOPY);
  SelectObject(hMemDC, hOld);
  DeleteDC(hMemDC);
  SelectClipRgn(hDC, NULL);
  DeleteObject(hClip);
}

void CCircleCtrl::Paint() {
  PAINTSTRUCT ps;
  HDC hDC = BeginPaint(m_hWnd, &ps);
  int w = Width(), h = Height();
  int mw = m_rcMarker.right - m_rcMarker.left, mh = m_rcMarker.bottom - m_rcMarker.top;

  RECT dial = {0, 0, w, h};
  BlitInEllipse(hDC, m_hbmFace, POINT{m_rcFace.left, m_rcFace.top}, dial);

  int cx = (m_rc.left + m_rc.right) / 2, cy = (m_rc.top + m_rc.bottom) / 2;
  HPEN hBlack = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  HGDIOBJ hOldPen = SelectObject(hDC, hBlack);
  HGDIOBJ hOldBrush = SelectObject(hDC, GetStockObject(HOLLOW_BRUSH));
  Rectangle(hDC, cx - 1, cy - 1, cx + 2, cy + 2);

  double r = w * 0.5 - mw / 2;
  double t = m_nAngle * kDegToRad;
  int mx = (int)(r * cos(t)), my = (int)(-r * sin(t));
  RECT marker = {mx - mw / 2 + w / 2, my - mh / 2 + h / 2, mx + mw / 2 + w / 2, my + mh / 2 + h / 2};

  HPEN hRed = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  SelectObject(hDC, hRed);
  MoveToEx(hDC, cx, cy, NULL);
  LineTo(hDC, (marker.left + marker.right) / 2, (marker.top + marker.bottom) / 2);
  SelectObject(hDC, hOldPen);
  SelectObject(hDC, hOldBrush);
  DeleteObject(hBlack);
  DeleteObject(hRed);

  BlitInEllipse(hDC, m_hbmMarker, POINT{m_rcMarker.left, m_rcMarker.top}, marker);
  EndPaint(m_hWnd, &ps);
}

// Moves and resizes the window to w x h about the centre of its current rectangle.
static void ResizeAboutCentre(HWND hWnd, const RECT& rcParent, int w, int h) {
  int left = (rcParent.left + rcParent.right) / 2 - w / 2;
  int top = (rcParent.top + rcParent.bottom) / 2 - h / 2;
  SetWindowPos(hWnd, NULL, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

static RECT WindowRectInParent(HWND hWnd) {
  RECT rc;
  GetWindowRect(hWnd, &rc);
  MapWindowPoints(NULL, GetParent(hWnd), (POINT*)&rc, 2);
  return rc;
}

LRESULT CCircleCtrl::Setup(const CIRCLECTRL_SETUP* pSetup) {
  if (pSetup != NULL) {
    if (pSetup->nStyle == CIRCLECTRL_NOANIMATE) m_bAnimate = FALSE;
    if (pSetup->nStep >= 1 && pSetup->nStep <= 10) m_nStep = (int)pSetup->nStep;
    if (pSetup->nAngle < 360) m_nAngle = (int)pSetup->nAngle;
    if (pSetup->hInst != NULL) {
      if (pSetup->nFaceId != 0) {
        if (m_hbmFace != NULL) DeleteObject(m_hbmFace);
        m_hbmFace = LoadBitmapA(pSetup->hInst, MAKEINTRESOURCEA(LOWORD(pSetup->nFaceId)));
        m_rcFace = pSetup->rcFace;
      }
      if (pSetup->nMarkerId != 0) {
        if (m_hbmMarker != NULL) DeleteObject(m_hbmMarker);
        m_hbmMarker = LoadBitmapA(pSetup->hInst, MAKEINTRESOURCEA(LOWORD(pSetup->nMarkerId)));
        m_rcMarker = pSetup->rcMarker;
      }
      if (pSetup->nCursorId != 0) m_hCursor = LoadCursorA(pSetup->hInst, MAKEINTRESOURCEA(LOWORD(pSetup->nCursorId)));
    }
    ResizeAboutCentre(m_hWnd, WindowRectInParent(m_hWnd), m_rcFace.right - m_rcFace.left,
                      m_rcFace.bottom - m_rcFace.top);
    GetClientRect(m_hWnd, &m_rc);
  }
  return m_hbmFace != NULL && m_hbmMarker != NULL;
}

LRESULT CCircleCtrl::SetAngle(WPARAM nAngle, BOOL bRepaint) {
  if (nAngle >= 360) return -1;
  int nOld = m_nAngle;
  m_nAngle = (int)nAngle;
  if (bRepaint) {
    InvalidateRect(m_hWnd, NULL, FALSE);
    UpdateWindow(m_hWnd);
  }
  return nOld;
}

static CCircleCtrl* StateOf(HWND hWnd) { return (CCircleCtrl*)GetWindowLongPtrA(hWnd, GWLP_USERDATA); }

static LRESULT CALLBACK CircleCtrlWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CCircleCtrl* pState = StateOf(hWnd);
  int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
  switch (message) {
    case WM_CREATE: {
      const CREATESTRUCTA* cs = (const CREATESTRUCTA*)lParam;
      RECT created = {cs->x, cs->y, cs->x + cs->cx, cs->y + cs->cy};
      ResizeAboutCentre(hWnd, created, 84, 84);
      try {
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR) new CCircleCtrl(hWnd));
      } catch (...) {
      }
      return 0;
    }
    case WM_DESTROY:
      delete pState;
      SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
      return 0;
    case WM_PAINT:
      if (pState != NULL) {
        pState->Paint();
      } else {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        EndPaint(hWnd, &ps);
      }
      return 0;
    case WM_SETCURSOR:
      return 0;  // the cursor is set on mouse moves
    case WM_MOUSEMOVE:
      if (pState != NULL) pState->OnMouseMove(x, y);
      return 0;
    case WM_LBUTTONDOWN:
      if (pState != NULL) pState->OnLButtonDown(x, y);
      return 0;
    case WM_LBUTTONUP:
      if (pState != NULL) pState->OnLButtonUp(x, y);
      return 0;
    case CCM_GETANGLE:
      if (pState == NULL) return -1;
      if (lParam != 0) *(int*)lParam = pState->m_nAngle;
      return pState->m_nAngle;
    case CCM_SETUP:
      return pState != NULL ? pState->Setup((const CIRCLECTRL_SETUP*)lParam) : 0;
    case CCM_SETANGLE:
      return pState != NULL ? pState->SetAngle(wParam, lParam != 0) : -1;
  }
  return DefWindowProcA(hWnd, message, wParam, lParam);
}

void RegisterCircleCtrlClass() { RegisterLibraryClass(CIRCLECTRL_CLASS, CircleCtrlWndProc); }
