// The balloon tool tip: tools from the string table, placement beside the mouse pointer and the
// half-transparent balloon painted over the screen.
#include <Ostrel/VexTip.h>
#include <Ostrel/Balloon.h>
#include "tips/TipCanvas.h"
#include "tips/TipMarkup.h"
#include "frame/LibraryState.h"
#include "res/resource.h"
#include <stdlib.h>
#include <new>

namespace {

// While on, moves and resizes of the tip window that do not come from the tip are cancelled: the
// control would otherwise put the placed balloon back where it wants it. On from placing a tip to
// its first paint.
BOOL g_bMoveGuard = FALSE;

// The key colour of the balloon bitmap (bytes blue, green, red): pixels still holding it are
// outside the balloon.
const BYTE kKey[3] = {0, 1, 2};

// Extra size of the balloon around its text.
const int kExtraWidth = 18;
const int kExtraHeight = 38;

BYTE Blend(int background, int balloon, int nBalloonTenths) {
  int value = (background * (10 - nBalloonTenths) + balloon * nBalloonTenths) / 10;
  return (BYTE)(value < 0 ? 0 : value > 255 ? 255 : value);
}

bool IsDropDownCombo(HWND hWnd) {
  char szClass[16] = "";
  ::GetClassNameA(hWnd, szClass, sizeof(szClass));
  return lstrcmpiA(szClass, "combobox") == 0 && (::GetWindowLongA(hWnd, GWL_STYLE) & 0xF) == CBS_DROPDOWN;
}

}  // namespace

int CVexTip::nArrowDirect = 3;
int CVexTip::m_nTransparent = 5;
int CVexTip::m_nBorder = 1;
COLORREF CVexTip::m_BorderColor = 0x00808080;
COLORREF CVexTip::m_crTip = 0;

IMPLEMENT_DYNCREATE(CVexTip, CToolTipCtrl)

BEGIN_MESSAGE_MAP(CVexTip, CToolTipCtrl)
ON_NOTIFY_REFLECT(TTN_SHOW, ShowTips)
ON_WM_PAINT()
ON_WM_WINDOWPOSCHANGING()
ON_WM_ENABLE()
ON_MESSAGE(TTM_WINDOWFROMPOINT, OnWindowFromPoint)
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CVexTip::CVexTip() : m_hInst(NULL), m_hDefInst(NULL), m_hToolWnd(NULL) {}

CVexTip::~CVexTip() {}

BOOL CVexTip::CreateFont() {
  CExString face, weight, height, charset;
  face.LoadString(_hResInst, IDS_TIP_FONT_FACE);
  weight.LoadString(_hResInst, IDS_TIP_FONT_WEIGHT);
  height.LoadString(_hResInst, IDS_TIP_FONT_HEIGHT);
  charset.LoadString(_hResInst, IDS_TIP_FONT_CHARSET);
  m_font.DeleteObject();
  return m_font.CreateFont(atoi(height), 0, 0, 0, atoi(weight), 0, 0, 0, (BYTE)atoi(charset), 0, 0, 0, 0, face);
}

int CVexTip::SubTipControl() { return SubTipControl(::GetWindow(m_hWnd, GW_OWNER)); }

int CVexTip::SubTipControl(HWND hParent) {
  int nResult = ::EnumChildWindows(hParent, EnumWindowsProc, (LPARAM)this);
  CreateFont();
  return nResult;
}

BOOL CALLBACK CVexTip::EnumWindowsProc(HWND hWnd, LPARAM lParam) {
  ((CVexTip*)lParam)->OnSubTipControl(hWnd);
  return TRUE;
}

// Tip strings are searched in m_hInst, then in m_hDefInst.
BOOL CVexTip::LoadTipString(CExString& str, UINT nID) const {
  HINSTANCE hFirst = m_hInst != NULL ? m_hInst : m_hDefInst;
  str = "";
  if (hFirst == NULL) return FALSE;
  if (str.LoadString(hFirst, nID)) return TRUE;
  return m_hDefInst != NULL && m_hDefInst != hFirst && str.LoadString(m_hDefInst, nID);
}

int CVexTip::OnSubTipControl(HWND hChild) {
  CExString text;
  if (LoadTipString(text, (UINT)::GetDlgCtrlID(hChild))) {
    CWnd* pChild = CWnd::FromHandle(hChild);
    AddWindowTool(pChild, text == "$" ? LPSTR_TEXTCALLBACKA : (LPCSTR)text);
  }
  return 1;
}

int CVexTip::AddWindowTool(CWnd* pWnd, const char* text) {
  return AddToolRecord(pWnd, (LPSTR)text, m_hInst != NULL ? m_hInst : m_hDefInst, NULL, 0);
}

int CVexTip::AddRectTool(CWnd* pWnd, const char* text, const RECT* pRect, unsigned int nID) {
  if (pRect == NULL || nID == 0) return 0;
  return AddToolRecord(pWnd, (LPSTR)text, m_hInst != NULL ? m_hInst : m_hDefInst, pRect, nID);
}

int CVexTip::Clear() {
  CToolInfo ti;
  // Bounded, so a tool the control refuses to delete cannot hold us here.
  for (int nLeft = GetToolCount(); nLeft > 0 && EnumTools(0, ti); nLeft--) {
    ti.cbSize = CToolInfo::RecordSize();
    SendMessage(TTM_DELTOOLA, 0, (LPARAM)(TOOLINFOA*)&ti);
  }
  return GetToolCount() == 0;
}

void CVexTip::ShowTips(NMHDR* pNMHDR, LRESULT* pResult) {
  m_hToolWnd = (HWND)pNMHDR->idFrom;
  CToolInfo ti;
  UINT nID = 0;
  if (GetCurrentTool(ti)) nID = (ti.uFlags & TTF_IDISHWND) ? (UINT)::GetDlgCtrlID((HWND)ti.uId) : (UINT)ti.uId;
  g_bMoveGuard = FALSE;
  BeforeShowTips(m_hWnd, nID);
  g_bMoveGuard = TRUE;
  *pResult = 1;
}

void CVexTip::BeforeShowTips(HWND hTip, UINT nID) {
  LoadTipString(m_strText, nID);
  if (m_strText == "#" || m_strText == "$") {
    char szText[1024] = "";
    ::GetWindowTextA(hTip, szText, sizeof(szText));
    m_strText = szText;
  }
  ::SetWindowLongA(hTip, GWL_STYLE, ::GetWindowLongA(hTip, GWL_STYLE) & ~WS_BORDER);
  if (m_strText.IsEmpty()) return;
  if (m_font.GetSafeHandle() == NULL) CreateFont();
  Parse(m_strText);
  CSize text = GetTipRect(CWnd::FromHandle(hTip), m_strText, &m_font);
  const int W = text.cx + kExtraWidth, H = text.cy + kExtraHeight;

  POINT pt;
  ::GetCursorPos(&pt);
  int x = pt.x, y = pt.y, nDirect = 0;
  if (x + W + 1 > ::GetSystemMetrics(SM_CXSCREEN)) {
    x -= W;
    nDirect = 1;
  }
  if (y + H + 14 > ::GetSystemMetrics(SM_CYSCREEN)) {
    y -= H;
    nDirect += 2;
  }
  nArrowDirect = nDirect;

  const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (nDirect < 2) {
    RECT rcWindow;
    ::GetWindowRect(hTip, &rcWindow);
    TOOLINFOA ti;
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = CToolInfo::RecordSize();
    ti.hwnd = ::GetParent(m_hToolWnd);
    ti.uId = (UINT_PTR)m_hToolWnd;
    ::SetRect(&ti.rect, x, rcWindow.top, x + W, rcWindow.top + H);
    ::SendMessageA(hTip, TTM_NEWTOOLRECTA, 0, (LPARAM)&ti);
    ::SetWindowPos(hTip, NULL, x, y + 13, W, H, nFlags);
  } else {
    ::SetWindowPos(hTip, NULL, x, y - 1, W, H, nFlags);
  }
}

void CVexTip::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
  if (g_bMoveGuard) lpwndpos->flags |= SWP_NOMOVE | SWP_NOSIZE;
  CToolTipCtrl::OnWindowPosChanging(lpwndpos);
}

void CVexTip::OnPaint() {
  CPaintDC dc(this);
  CRect rc;
  GetClientRect(&rc);
  Draw(&dc, rc);
  DrawTipText(&dc, m_strText, &m_font, nArrowDirect);
  g_bMoveGuard = FALSE;
}

void CVexTip::Draw(CDC* /*pDC*/) {}

void CVexTip::Draw(CDC* pDC, CRect& rc) {
  if (pDC == NULL || rc.Width() <= 0 || rc.Height() <= 0) return;
  CRect rcScreen = rc;
  ClientToScreen(&rcScreen);
  CTipCanvas screen, balloon;
  if (!screen.Create(rc.Width(), rc.Height()) || !balloon.Create(rc.Width(), rc.Height())) return;
  screen.CaptureScreen(rcScreen.left, rcScreen.top);

  for (int y = 0; y < balloon.Height(); y++) {
    BYTE* p = balloon.Row(y);
    for (int x = 0; x < balloon.Width(); x++, p += 3) memcpy(p, kKey, 3);
  }
  HBRUSH hbr = ::CreateSolidBrush(m_crTip != 0 ? m_crTip : ::GetSysColor(COLOR_INFOBK));
  // The balloon bitmap's origin is rc's top-left corner.
  CRect rcBalloon(0, 0, rc.Width() - 3, rc.Height() - 3);
  CreateArrowRegion(nArrowDirect, balloon.Dc(), hbr, m_nBorder, m_BorderColor, rcBalloon, 0);
  ::DeleteObject(hbr);
  ::GdiFlush();

  for (int y = 0; y < balloon.Height(); y++) {
    BYTE* pOut = screen.Row(y);
    const BYTE* pIn = balloon.Row(y);
    for (int x = 0; x < balloon.Width(); x++, pOut += 3, pIn += 3) {
      if (memcmp(pIn, kKey, 3) == 0) continue;
      for (int i = 0; i < 3; i++) pOut[i] = Blend(pOut[i], pIn[i], m_nTransparent);
    }
  }
  screen.CopyTo(pDC->GetSafeHdc(), 0, 0);
}

void CVexTip::OnEnable(BOOL bEnable) {
  if (bEnable == 1) Activate(TRUE);
}

LRESULT CVexTip::OnWindowFromPoint(WPARAM /*wParam*/, LPARAM lParam) {
  if (lParam == 0) return 0;
  POINT pt = *(const POINT*)lParam;
  HWND hWnd = ::WindowFromPoint(pt);
  if (hWnd == NULL) return 0;
  HWND hParent = ::GetParent(hWnd);
  if (hParent != NULL && IsDropDownCombo(hParent)) return 0;
  POINT ptClient = pt;
  ::ScreenToClient(hWnd, &ptClient);
  HWND hChild = ::ChildWindowFromPointEx(hWnd, ptClient, CWP_SKIPINVISIBLE);
  if (hChild != NULL && hChild != hWnd && !::IsWindowEnabled(hChild)) return (LRESULT)hChild;
  return (LRESULT)hWnd;
}

LRESULT CVexTip::OnPrintClient(WPARAM wParam, LPARAM lParam) {
  if (lParam & PRF_ERASEBKGND) ::SetBkMode((HDC)wParam, TRANSPARENT);
  return 1;
}

int Parse(CString& text) {
  int n = text.GetLength();
  char* pResult = new (std::nothrow) char[n + 1];
  if (pResult == NULL) return 0;
  ApplyTipMarkup(text, pResult, IsAnsiLeadByte);
  int nResult = 1;
  try {
    text = pResult;
  } catch (CException* e) {
    e->Delete();
    nResult = 0;
  }
  delete[] pResult;
  return nResult;
}
