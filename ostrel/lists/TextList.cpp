// The text list: painting, mouse and keys. The editing itself is in TextLineEditor.cpp.
#include <Ostrel/TextList.h>
#include <algorithm>
#include <vector>
#include "frame/LibraryState.h"
#include "lists/ScrollRepeat.h"
#include "res/resource.h"

namespace {

const int kRow = CTextList::ROW_HEIGHT;
const int kBarWidth = 20;  // the bar's rectangle; it paints 19 pixels of it
const COLORREF kBackground = 0x00C8FFFF;
const COLORREF kTextColor = 0x000000FF;
const COLORREF kSelectedTextColor = 0x00FF0000;

// The current line's text, shared by every text list.
std::vector<char> g_lineText(1, '\0');

// A row's pattern brush: bitmap 1026 for selected rows, 1025 for the others, taken from the host's
// resources when it has them, else from the library's.
class RowBrush {
 public:
  explicit RowBrush(BOOL bSelected) {
    LPCSTR pszID = MAKEINTRESOURCEA(bSelected ? IDB_TEXT_LINE_SELECTED : IDB_TEXT_LINE);
    m_hBitmap = ::LoadBitmapA(AfxFindResourceHandle(pszID, (LPCSTR)RT_BITMAP), pszID);
    m_hBrush = m_hBitmap != NULL ? ::CreatePatternBrush(m_hBitmap) : NULL;
  }
  ~RowBrush() {
    if (m_hBrush != NULL) ::DeleteObject(m_hBrush);
    if (m_hBitmap != NULL) ::DeleteObject(m_hBitmap);
  }
  RowBrush(const RowBrush&) = delete;
  RowBrush& operator=(const RowBrush&) = delete;
  HBRUSH get() const { return m_hBrush; }

 private:
  HBITMAP m_hBitmap;
  HBRUSH m_hBrush;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Line source

int CTextListLineSource::GetCurIndex() { return m_pList->GetCurSel(); }

void CTextListLineSource::GetCurRect(RECT* pRect) {
  if (pRect == NULL) return;
  m_pList->GetItemRect(GetCurIndex() - m_pList->m_scrollBar.GetPos(), pRect);
  pRect->right -= m_pList->m_scrollBar.GetThickness();
}

HWND CTextListLineSource::GetWindow() { return m_pList->m_hWnd; }

const char* CTextListLineSource::GetCurText() {
  const int nCur = GetCurIndex();
  const int nLength = nCur >= 0 ? m_pList->GetTextLen(nCur) : LB_ERR;
  if (nLength == LB_ERR) return "";
  g_lineText.assign((size_t)nLength + 1, '\0');
  m_pList->GetText(nCur, g_lineText.data());
  return g_lineText.data();
}

void CTextListLineSource::SetCurText(const char* pszText) {
  const int nCur = GetCurIndex();
  if (nCur < 0 || pszText == NULL) return;
  const DWORD_PTR data = m_pList->GetItemData(nCur);  // the host's item data stays with the line
  m_pList->DeleteString(nCur);
  m_pList->InsertString(nCur, pszText);
  m_pList->SetItemData(nCur, data);
  m_pList->SetCurSel(nCur);
}

// ---------------------------------------------------------------------------------------------
// The list

BEGIN_MESSAGE_MAP(CTextList, CListBox)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_MOUSEMOVE()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

CTextList::CTextList()
    : m_scrollBar(&m_scrollOwner), m_scrollOwner(this, &CTextList::OnBarScrolled), m_lineSource(this) {
  m_scrollBar.SetVertical(TRUE);
  m_scrollBar.SetThickness(19);
  m_scrollBar.SetRange(4);
  m_scrollBar.SetPos(0);
}

CTextList::~CTextList() { StopScrollRepeat(m_scrollOwner); }

int CTextList::GetItemRect(int nRow, RECT* pRect) {
  if (pRect == NULL) return 0;
  GetClientRect(pRect);
  pRect->top = kRow * nRow;
  pRect->bottom = kRow * (nRow + 1);
  return 0;
}

int CTextList::ItemFromPoint(POINT& pt, int&) { return m_scrollBar.GetPos() + pt.y / kRow; }

int CTextList::getVisibleListMax() {
  CRect rc;
  GetClientRect(&rc);
  return rc.Height() / kRow;
}

BOOL CTextList::IsControlKey(UINT nKey) {
  return nKey == VK_BACK || nKey == VK_LEFT || nKey == VK_UP || nKey == VK_RIGHT || nKey == VK_DOWN ||
         nKey == VK_DELETE;
}

int CTextList::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }

void CTextList::UpdateControl() {
  if (m_hWnd == NULL) return;
  InvalidateRect(NULL, FALSE);
  UpdateWindow();
}

CRect CTextList::BarRect() {
  CRect rc;
  GetClientRect(&rc);
  rc.left = rc.right - kBarWidth;
  m_scrollBar.SetRect(rc);
  return rc;
}

void CTextList::OnBarScrolled() {
  m_caret.SetPos(m_editor.CaretX(m_lineSource), kRow * (GetCurSel() - m_scrollBar.GetPos()));
  UpdateControl();
}

// ---------------------------------------------------------------------------------------------
// Painting

BOOL CTextList::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_DRAWITEM) {  // the list paints its lines itself
    if (pResult != NULL) *pResult = TRUE;
    return TRUE;
  }
  return CListBox::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CTextList::OnEraseBkgnd(CDC*) { return FALSE; }

void CTextList::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) { DrawItem(lpDrawItemStruct); }

void CTextList::OnPaint() {
  const BOOL bCaretShown = m_caret.IsShown();
  m_caret.Hide();
  CRect rc;
  GetClientRect(&rc);
  HDC hdc = ::GetDC(m_hWnd);
  {
    CMemDC picture(hdc, rc);
    HBRUSH hBack = ::CreateSolidBrush(kBackground);
    if (hBack != NULL) {
      ::FillRect(picture, &rc, hBack);
      ::DeleteObject(hBack);
    }
    UpdateItems(picture);
    m_scrollBar.Paint(picture, BarRect());
  }
  ValidateRect(NULL);
  ::ReleaseDC(m_hWnd, hdc);
  if (bCaretShown) m_caret.Show();
}

void CTextList::UpdateItems(HDC hdc) {
  HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
  HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(hdc, hFont) : NULL;
  CRect client;
  GetClientRect(&client);
  const int nTop = m_scrollBar.GetPos(), nCount = GetCount();
  CString text;
  for (int nItem = nTop; nItem < nCount; nItem++) {
    DRAWITEMSTRUCT dis = {};
    GetItemRect(nItem - nTop, &dis.rcItem);
    if (dis.rcItem.top >= client.bottom) break;  // rows below the window show nothing
    GetText(nItem, text);
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = (UINT)GetDlgCtrlID();
    dis.itemID = (UINT)nItem;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = GetSel(nItem) > 0 ? ODS_SELECTED : 0;
    dis.hwndItem = m_hWnd;
    dis.hDC = hdc;
    dis.itemData = (ULONG_PTR)(LPCSTR)text;
    DrawItem(&dis);
  }
  if (hOldFont != NULL) ::SelectObject(hdc, hOldFont);
}

void CTextList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct == NULL || lpDrawItemStruct->hDC == NULL) return;
  HDC hdc = lpDrawItemStruct->hDC;
  const RECT& row = lpDrawItemStruct->rcItem;
  const int nItem = (int)lpDrawItemStruct->itemID;
  const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
  CString text;
  if (nItem >= 0 && nItem < GetCount()) GetText(nItem, text);  // the text by index: item data may be anything

  RowBrush brush(bSelected);
  if (brush.get() != NULL) ::FillRect(hdc, &row, brush.get());
  ::SetBkMode(hdc, TRANSPARENT);
  ::SetTextColor(hdc, bSelected ? kSelectedTextColor : kTextColor);
  RECT rcText = row;
  if (nItem == GetCurSel()) {  // the current line shows from its first shown character
    SIZE shift = {0, 0};
    const int nFirst = std::min(m_editor.m_nFirstChar, text.GetLength());
    if (nFirst > 0) ::GetTextExtentPoint32A(hdc, text, nFirst, &shift);
    rcText.left -= shift.cx;
  }
  // No prefix processing: an ampersand is a character like any other, where the caret measures it.
  ::DrawTextA(hdc, text, -1, &rcText, DT_BOTTOM | DT_NOPREFIX);
  HGDIOBJ hOldPen = ::SelectObject(hdc, ::GetStockObject(BLACK_PEN));
  ::MoveToEx(hdc, row.left, row.bottom - 1, NULL);
  ::LineTo(hdc, row.right, row.bottom - 1);
  ::SelectObject(hdc, hOldPen);
}

// ---------------------------------------------------------------------------------------------
// Focus, mouse and keys

void CTextList::OnSetFocus(CWnd*) {
  Default();
  HBITMAP hShape = ::LoadBitmapA(_hResInst, MAKEINTRESOURCEA(IDB_TEXT_CARET));
  const BOOL bMade = m_caret.Create(m_hWnd, hShape, 2, kRow);
  if (hShape != NULL) ::DeleteObject(hShape);  // the caret keeps its own copy
  if (!bMade) return;
  m_caret.SetPos(m_editor.CaretX(m_lineSource), kRow * (GetCurSel() - m_scrollBar.GetPos()));
  m_caret.Show();
}

void CTextList::OnKillFocus(CWnd*) {
  Default();
  m_caret.Destroy();
}

LRESULT CTextList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {  // the list box's own click handling never runs
    OnLButtonDown((UINT)wParam, CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
    return 0;
  }
  if (message == LB_ADDSTRING) {
    CListBox::WindowProc(message, wParam, lParam);
    UpdateControl();
    return 1;
  }
  return CListBox::WindowProc(message, wParam, lParam);
}

void CTextList::OnLButtonDown(UINT nFlags, CPoint point) {
  BarRect();
  if (m_scrollBar.HitTest(point.x, point.y)) {
    PressScrollBar(m_scrollOwner, nFlags, point.x, point.y);
    return;
  }
  int bOutside = FALSE;
  const int nItem = ItemFromPoint(point, bOutside);
  if (nItem >= GetCount()) {  // below the last line: nothing to edit there
    SetFocus();
    return;
  }
  if (nItem != GetCurSel()) m_editor.Home();
  SetCurSel(nItem);
  SetFocus();
  m_caret.Hide();
  m_editor.CaretToPoint(m_lineSource, point.x);
  m_caret.SetPos(m_editor.CaretX(m_lineSource), kRow * (nItem - m_scrollBar.GetPos()));
  UpdateControl();
  m_caret.Show();
}

void CTextList::OnMouseMove(UINT nFlags, CPoint point) {
  BarRect();
  if (m_scrollBar.HitTest(point.x, point.y)) {
    m_scrollBar.OnDrag(nFlags, point.x, point.y);
  } else {
    Default();
  }
}

void CTextList::OnKeyDown(UINT nChar, UINT, UINT) {
  if (nChar == VK_UP || nChar == VK_DOWN) {
    MoveSelection(nChar);
  } else if (IsControlKey(nChar) || nChar == VK_HOME || nChar == VK_END) {
    EditKey(nChar);
  } else {
    Default();
  }
}

void CTextList::EditKey(UINT nKey) {
  m_caret.Hide();
  switch (nKey) {
    case VK_BACK:
      m_editor.Backspace(m_lineSource);
      break;
    case VK_DELETE:
      m_editor.Delete(m_lineSource);
      break;
    case VK_HOME:
      m_editor.Home();
      break;
    case VK_END:
      m_editor.End(m_lineSource);
      break;
    case VK_LEFT:
      m_editor.Left(m_lineSource);
      break;
    case VK_RIGHT:
      m_editor.Right(m_lineSource);
      break;
  }
  OnBarScrolled();
  m_caret.Show();
}

void CTextList::MoveSelection(UINT nKey) {
  const int nCur = GetCurSel(), nTop = m_scrollBar.GetPos();
  if (nKey == VK_UP && nCur != 0 && nCur == nTop) m_scrollBar.SetPos(nTop - 1);
  if (nKey == VK_DOWN && nCur == nTop + getVisibleListMax() - 1) m_scrollBar.SetPos(nTop + 1);
  Default();
  m_editor.Home();
  m_caret.SetPos(0, kRow * (GetCurSel() - m_scrollBar.GetPos()));
  UpdateControl();
}

void CTextList::OnChar(UINT nChar, UINT, UINT) {
  if (nChar == VK_BACK) return;  // Backspace is a key of its own
  m_caret.Hide();
  m_editor.Char(m_lineSource, nChar);
  OnBarScrolled();
  m_caret.Show();
}
