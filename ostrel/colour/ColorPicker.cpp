// The colour-source pop-up: items and colour grid, hot marks, the thread mouse hook, the exits.
#include <Ostrel/ColorPicker.h>
#include "frame/LibraryState.h"
#include "res/resource.h"

namespace {

const int kColumns = 8;
const int kRows = 6;
const UINT kItemIds[3] = {IDC_PICKER_TARVIK, IDC_PICKER_WINDOWS, IDC_PICKER_EYEDROPPER};

// One table for every pop-up; entry 0 is the caller's default colour.
COLORREF s_colorTable[COLORPICKER_CELLS] = {
    0x808080, 0x80FFFF, 0x80FF80, 0x80FF00, 0xFFFF80, 0xFF8000, 0xC080FF, 0xFF80FF,  //
    0x0000FF, 0x00FFFF, 0x00FF80, 0x40FF00, 0xFFFF00, 0xC08000, 0xC08080, 0xFF00FF,  //
    0x404080, 0x4080FF, 0x00FF00, 0x808000, 0x804000, 0xFF8080, 0x400080, 0x8000FF,  //
    0x000080, 0x0080FF, 0x008000, 0x408000, 0xFF0000, 0xA00000, 0x800080, 0xFF0080,  //
    0x000040, 0x004080, 0x004000, 0x404000, 0x800000, 0x400000, 0x400040, 0x800040,  //
    0x000000, 0x008080, 0x408080, 0x808080, 0x808040, 0xC0C0C0, 0x404040, 0xFFFFFF,
};

// The brush the items paint with: made anew for each item by the pop-up painting them, and freed
// by that pop-up when it goes (or at the end of the process).
struct ItemBrush {
  HBRUSH hBrush = NULL;
  const CColorPicker* pMaker = NULL;
  HBRUSH Make(const CColorPicker* pPicker, COLORREF color) {
    Free();
    hBrush = ::CreateSolidBrush(color);
    pMaker = pPicker;
    return hBrush;
  }
  void FreeIfMadeBy(const CColorPicker* pPicker) {
    if (pMaker == pPicker) Free();
  }
  void Free() {
    if (hBrush != NULL) ::DeleteObject(hBrush);
    hBrush = NULL;
    pMaker = NULL;
  }
  ~ItemBrush() { Free(); }
} s_itemBrush;

const CColorPicker* s_pHookOwner = NULL;  // the pop-up that installed the mouse hook

int ItemIndex(const CWnd* pWnd) {
  int nID = pWnd != NULL ? pWnd->GetDlgCtrlID() : 0;
  for (int i = 0; i < 3; i++)
    if ((UINT)nID == kItemIds[i]) return i;
  return -1;
}

}  // namespace

HWND CColorPicker::m_handle = NULL;
HHOOK CColorPicker::hHookMouseFilter = NULL;

BEGIN_MESSAGE_MAP(CColorPicker, CDialog)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_ACTIVATEAPP, OnActivateApp)
END_MESSAGE_MAP()

CColorPicker::CColorPicker(CWnd* pParentWnd)
    : CDialog(IDD_COLOR_PICKER, pParentWnd),
      m_rcCells(),
      m_rcItems(),
      m_rcClient(),
      m_color(0),
      m_bEyeDropper(0),
      m_nItems(2),
      m_nHot(-1),
      m_bHotItem() {}

CColorPicker::~CColorPicker() {
  RemoveHook();  // a pop-up destroyed from outside must not leave its hook behind
  s_itemBrush.FreeIfMadeBy(this);
}

void CColorPicker::SetDefaultColor(unsigned long color) { s_colorTable[0] = (COLORREF)color; }

void CColorPicker::DoDataExchange(CDataExchange*) {}

BOOL CColorPicker::OnInitDialog() {
  CDialog::OnInitDialog();
  if (s_pHookOwner == NULL) {  // one pop-up is open at a time; another one's hook is left alone
    m_handle = m_hWnd;
    hHookMouseFilter = ::SetWindowsHookExA(WH_MOUSE, MouseFilter, NULL, ::GetCurrentThreadId());
    if (hHookMouseFilter != NULL) s_pHookOwner = this;
  }

  m_nItems = m_bEyeDropper ? 3 : 2;
  if (!m_bEyeDropper) {
    CWnd* pEye = GetDlgItem(IDC_PICKER_EYEDROPPER);
    if (pEye != NULL) pEye->ShowWindow(SW_HIDE);
  }
  LayOut();
  return TRUE;
}

// Reads the items, lays the grid out below them and sizes the window to fit it.
void CColorPicker::LayOut() {
  for (int i = 0; i < 3; i++) {
    ::SetRectEmpty(&m_rcItems[i]);
    CWnd* pItem = GetDlgItem(kItemIds[i]);
    if (i < m_nItems && pItem != NULL) {
      pItem->GetWindowRect(&m_rcItems[i]);
      ScreenToClient(&m_rcItems[i]);
    }
  }
  GetClientRect(&m_rcClient);

  const int itemH = m_rcItems[0].bottom - m_rcItems[0].top;
  const int top0 = itemH * m_nItems + 6;
  const int rowH = (m_rcClient.bottom - itemH * m_nItems - m_rcClient.top - 5) / kRows;
  const int colW = (m_rcItems[0].right - m_rcItems[0].left) / kColumns;
  for (int j = 0; j < COLORPICKER_CELLS; j++) {
    RECT& rc = m_rcCells[j];
    rc.left = 1 + (j % kColumns) * colW;
    rc.right = rc.left + colW - 2;
    rc.top = top0 + (j / kColumns) * rowH;
    rc.bottom = rc.top + rowH - 2;
  }
  if (colW > 0 && rowH > 0) PlaceAtPointer(colW, rowH, itemH);
}

// Top-left corner at the pointer; flipped left or up where the screen would cut it off.
void CColorPicker::PlaceAtPointer(int colW, int rowH, int itemH) {
  const int gridH = m_rcClient.bottom - itemH * m_nItems - m_rcClient.top - 5;
  const int width = 2 * ::GetSystemMetrics(SM_CXFRAME) + m_rcClient.right - (m_rcClient.right % colW) - 2;
  const int height = m_rcClient.bottom - (gridH % rowH) + 2 * ::GetSystemMetrics(SM_CYFRAME) - 2;
  POINT pt;
  ::GetCursorPos(&pt);
  if (pt.x + width > ::GetSystemMetrics(SM_CXSCREEN)) pt.x -= width;
  if (pt.y + height > ::GetSystemMetrics(SM_CYSCREEN)) pt.y -= height;
  SetWindowPos(NULL, pt.x, pt.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A left click on any non-client area of the thread's windows closes the pop-up; the click is swallowed.
LRESULT CALLBACK CColorPicker::MouseFilter(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && wParam == WM_NCLBUTTONDOWN) {
    ::PostMessageA(m_handle, WM_COMMAND, IDCANCEL, 0);
    return 1;
  }
  return ::CallNextHookEx(hHookMouseFilter, code, wParam, lParam);
}

// Only the pop-up that installed the hook removes it.
void CColorPicker::RemoveHook() {
  if (s_pHookOwner != this) return;
  ::UnhookWindowsHookEx(hHookMouseFilter);
  hHookMouseFilter = NULL;
  m_handle = NULL;
  s_pHookOwner = NULL;
}

void CColorPicker::OnPaint() {
  CPaintDC dc(this);
  for (int j = 0; j < COLORPICKER_CELLS; j++) {
    CRect rc(m_rcCells[j]);
    dc.Draw3dRect(&rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    rc.DeflateRect(1, 1);
    dc.FillSolidRect(&rc, s_colorTable[j]);
  }
  // Separator between the items and the grid.
  CGdiObject* pOldPen = dc.SelectStockObject(BLACK_PEN);
  const int y = m_rcCells[0].top - 4;
  dc.MoveTo(0, y);
  dc.LineTo(m_rcItems[0].right, y);
  dc.SelectObject(pOldPen);
  if (m_nHot >= m_nItems) FrameCell(dc, m_nHot - m_nItems, TRUE);  // keep the hot mark
}

// A 1-pixel frame just outside the cell: black when hot, the menu colour when not.
void CColorPicker::FrameCell(CDC& dc, int nCell, BOOL bOn) {
  if (nCell < 0 || nCell >= COLORPICKER_CELLS) return;
  CRect rc(m_rcCells[nCell]);
  rc.InflateRect(1, 1);
  CBrush brush;
  if (!brush.CreateSolidBrush(bOn ? RGB(0, 0, 0) : ::GetSysColor(COLOR_MENU))) return;
  dc.FrameRect(&rc, &brush);
}

void CColorPicker::InvertClrBoxPicker(int index, int bOn) {
  if (index < 0) return;
  if (index < m_nItems) {
    if (index == 2 && !m_bEyeDropper) return;
    m_bHotItem[index] = bOn;
    CWnd* pItem = GetDlgItem(kItemIds[index]);
    if (pItem != NULL) pItem->Invalidate(TRUE);
    return;
  }
  CClientDC dc(this);
  FrameCell(dc, index - m_nItems, bOn);
}

int CColorPicker::HitTest(CPoint point) const {
  for (int i = 0; i < m_nItems; i++)
    if (::PtInRect(&m_rcItems[i], point)) return i;
  for (int j = 0; j < COLORPICKER_CELLS; j++)
    if (::PtInRect(&m_rcCells[j], point)) return m_nItems + j;
  return -1;
}

void CColorPicker::OnMouseMove(UINT, CPoint point) {
  const int nHot = HitTest(point);
  if (nHot == m_nHot) return;
  InvertClrBoxPicker(m_nHot, 0);
  InvertClrBoxPicker(nHot, 1);
  m_nHot = nHot;
}

// Item: its index; cell: 48 with its colour in m_color; anywhere else (separator, gutters): -1.
void CColorPicker::EndWith(CPoint point) {
  RemoveHook();
  const int nHit = HitTest(point);
  int nResult = -1;
  if (nHit >= 0 && nHit < m_nItems) {
    nResult = nHit;
  } else if (nHit >= m_nItems) {
    m_color = s_colorTable[nHit - m_nItems];
    nResult = COLORPICKER_CELL;
  }
  EndDialog(nResult);
}

void CColorPicker::OnLButtonDown(UINT, CPoint point) { EndWith(point); }
void CColorPicker::OnRButtonDown(UINT, CPoint point) { EndWith(point); }

void CColorPicker::OnCancel() {
  RemoveHook();
  EndDialog(-1);
}

void CColorPicker::OnOK() {
  RemoveHook();
  EndDialog(IDOK);
}

LRESULT CColorPicker::OnActivateApp(WPARAM bActive, LPARAM) {
  Default();
  if (!bActive) OnCancel();
  return 0;
}

HBRUSH CColorPicker::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  if (pWnd == this) {
    // The pop-up's own background in the menu colour, like the items and the cleared hot marks.
    return ::GetSysColorBrush(COLOR_MENU);
  }
  const int nItem = ItemIndex(pWnd);
  if (nItem < 0) return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
  if (nItem == 2 && !m_bEyeDropper) {
    HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
    return hbr;
  }
  const BOOL bHot = m_bHotItem[nItem];
  pDC->SetTextColor(::GetSysColor(bHot ? COLOR_MENU : COLOR_MENUTEXT));
  pDC->SetBkMode(TRANSPARENT);
  return s_itemBrush.Make(this, ::GetSysColor(bHot ? COLOR_HIGHLIGHT : COLOR_MENU));
}
