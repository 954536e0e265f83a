// Wrappers of the standard controls, with owner-draw messages routed to the control's own object.
#include "afxstate.h"
#include <type_traits>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

#define SEND(msg, w, l) ::SendMessageA(m_hWnd, msg, (WPARAM)(w), (LPARAM)(l))

// Owner-draw messages that a parent reflects to the control: the control's virtuals answer them.
template <class Ctrl>
static BOOL ReflectOwnerDraw(Ctrl* pCtrl, UINT message, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_DRAWITEM:
      pCtrl->DrawItem((LPDRAWITEMSTRUCT)lParam);
      break;
    case WM_MEASUREITEM:
      if constexpr (!std::is_same<Ctrl, CButton>::value && !std::is_same<Ctrl, CStatic>::value)
        pCtrl->MeasureItem((LPMEASUREITEMSTRUCT)lParam);
      else
        return FALSE;
      break;
    case WM_COMPAREITEM:
      if constexpr (!std::is_same<Ctrl, CButton>::value && !std::is_same<Ctrl, CStatic>::value) {
        LRESULT r = pCtrl->CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        if (pResult != NULL) *pResult = r;
        return TRUE;
      } else {
        return FALSE;
      }
    case WM_DELETEITEM:
      if constexpr (!std::is_same<Ctrl, CButton>::value && !std::is_same<Ctrl, CStatic>::value)
        pCtrl->DeleteItem((LPDELETEITEMSTRUCT)lParam);
      else
        return FALSE;
      break;
    default:
      return FALSE;
  }
  if (pResult != NULL) *pResult = TRUE;
  return TRUE;
}

// Static
BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}
HICON CStatic::SetIcon(HICON hIcon) { return (HICON)SEND(STM_SETICON, hIcon, 0); }
HICON CStatic::GetIcon() const { return (HICON)SEND(STM_GETICON, 0, 0); }
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) { return (HBITMAP)SEND(STM_SETIMAGE, IMAGE_BITMAP, hBitmap); }
HBITMAP CStatic::GetBitmap() const { return (HBITMAP)SEND(STM_GETIMAGE, IMAGE_BITMAP, 0); }
void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}
BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_DRAWITEM) return ReflectOwnerDraw(this, message, lParam, pResult);
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// Button
BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}
UINT CButton::GetState() const { return (UINT)SEND(BM_GETSTATE, 0, 0); }
void CButton::SetState(BOOL bHighlight) { SEND(BM_SETSTATE, bHighlight, 0); }
int CButton::GetCheck() const { return (int)SEND(BM_GETCHECK, 0, 0); }
void CButton::SetCheck(int nCheck) { SEND(BM_SETCHECK, nCheck, 0); }
UINT CButton::GetButtonStyle() const { return (UINT)GetStyle() & 0xFFFF; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) { SEND(BM_SETSTYLE, nStyle, bRedraw); }
HBITMAP CButton::SetBitmap(HBITMAP hBitmap) { return (HBITMAP)SEND(BM_SETIMAGE, IMAGE_BITMAP, hBitmap); }
HBITMAP CButton::GetBitmap() const { return (HBITMAP)SEND(BM_GETIMAGE, IMAGE_BITMAP, 0); }
HICON CButton::SetIcon(HICON hIcon) { return (HICON)SEND(BM_SETIMAGE, IMAGE_ICON, hIcon); }
HICON CButton::GetIcon() const { return (HICON)SEND(BM_GETIMAGE, IMAGE_ICON, 0); }
void CButton::DrawItem(LPDRAWITEMSTRUCT) {}
BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_DRAWITEM) return ReflectOwnerDraw(this, message, lParam, pResult);
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// Edit
BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}
BOOL CEdit::CanUndo() const { return (BOOL)SEND(EM_CANUNDO, 0, 0); }
int CEdit::GetLineCount() const { return (int)SEND(EM_GETLINECOUNT, 0, 0); }
BOOL CEdit::GetModify() const { return (BOOL)SEND(EM_GETMODIFY, 0, 0); }
void CEdit::SetModify(BOOL bModified) { SEND(EM_SETMODIFY, bModified, 0); }
void CEdit::GetRect(LPRECT lpRect) const { SEND(EM_GETRECT, 0, lpRect); }
DWORD CEdit::GetSel() const { return (DWORD)SEND(EM_GETSEL, 0, 0); }
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  DWORD start = 0, end = 0;
  SEND(EM_GETSEL, &start, &end);
  nStartChar = (int)start;
  nEndChar = (int)end;
}
int CEdit::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const {
  if (lpszBuffer == NULL || nMaxLength < 2) return 0;
  *(WORD*)lpszBuffer = (WORD)nMaxLength;
  return (int)SEND(EM_GETLINE, nIndex, lpszBuffer);
}
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
  SEND(EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
  if (!bNoScroll) SEND(EM_SCROLLCARET, 0, 0);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
  SEND(EM_SETSEL, nStartChar, nEndChar);
  if (!bNoScroll) SEND(EM_SCROLLCARET, 0, 0);
}
void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo) { SEND(EM_REPLACESEL, bCanUndo, lpszNewText); }
void CEdit::SetLimitText(UINT nMax) { SEND(EM_SETLIMITTEXT, nMax, 0); }
UINT CEdit::GetLimitText() const { return (UINT)SEND(EM_GETLIMITTEXT, 0, 0); }
void CEdit::LimitText(int nChars) { SEND(EM_LIMITTEXT, nChars, 0); }
int CEdit::LineFromChar(int nIndex) const { return (int)SEND(EM_LINEFROMCHAR, nIndex, 0); }
int CEdit::LineIndex(int nLine) const { return (int)SEND(EM_LINEINDEX, nLine, 0); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return (BOOL)SEND(EM_SETREADONLY, bReadOnly, 0); }
void CEdit::SetMargins(UINT nLeft, UINT nRight) {
  SEND(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}
CPoint CEdit::PosFromChar(UINT nChar) const {
  DWORD pos = (DWORD)SEND(EM_POSFROMCHAR, nChar, 0);
  return CPoint((short)LOWORD(pos), (short)HIWORD(pos));
}
int CEdit::CharFromPos(CPoint pt) const { return (int)SEND(EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)); }
void CEdit::Clear() { SEND(WM_CLEAR, 0, 0); }
void CEdit::Copy() { SEND(WM_COPY, 0, 0); }
void CEdit::Cut() { SEND(WM_CUT, 0, 0); }
void CEdit::Paste() { SEND(WM_PASTE, 0, 0); }
BOOL CEdit::Undo() { return (BOOL)SEND(EM_UNDO, 0, 0); }

// List box
BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("LISTBOX", NULL, dwStyle, rect, pParentWnd, nID);
}
int CListBox::GetCount() const { return (int)SEND(LB_GETCOUNT, 0, 0); }
int CListBox::GetHorizontalExtent() const { return (int)SEND(LB_GETHORIZONTALEXTENT, 0, 0); }
void CListBox::SetHorizontalExtent(int cxExtent) { SEND(LB_SETHORIZONTALEXTENT, cxExtent, 0); }
int CListBox::GetTopIndex() const { return (int)SEND(LB_GETTOPINDEX, 0, 0); }
int CListBox::SetTopIndex(int nIndex) { return (int)SEND(LB_SETTOPINDEX, nIndex, 0); }
int CListBox::GetCurSel() const { return (int)SEND(LB_GETCURSEL, 0, 0); }
int CListBox::SetCurSel(int nSelect) { return (int)SEND(LB_SETCURSEL, nSelect, 0); }
int CListBox::GetSel(int nIndex) const { return (int)SEND(LB_GETSEL, nIndex, 0); }
int CListBox::SetSel(int nIndex, BOOL bSelect) { return (int)SEND(LB_SETSEL, bSelect, nIndex); }
int CListBox::GetSelCount() const { return (int)SEND(LB_GETSELCOUNT, 0, 0); }
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const { return (int)SEND(LB_GETSELITEMS, nMaxItems, rgIndex); }
DWORD_PTR CListBox::GetItemData(int nIndex) const { return (DWORD_PTR)SEND(LB_GETITEMDATA, nIndex, 0); }
void* CListBox::GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return (int)SEND(LB_SETITEMDATA, nIndex, dwItemData); }
int CListBox::SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const { return (int)SEND(LB_GETITEMRECT, nIndex, lpRect); }
int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const { return (int)SEND(LB_GETTEXT, nIndex, lpszBuffer); }
void CListBox::GetText(int nIndex, CString& rString) const {
  int nLen = GetTextLen(nIndex);
  if (nLen < 0) {
    rString.Empty();
    return;
  }
  GetText(nIndex, rString.GetBufferSetLength(nLen));
  rString.ReleaseBuffer();
}
int CListBox::GetTextLen(int nIndex) const { return (int)SEND(LB_GETTEXTLEN, nIndex, 0); }
int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
  return (int)SEND(LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
}
int CListBox::GetItemHeight(int nIndex) const { return (int)SEND(LB_GETITEMHEIGHT, nIndex, 0); }
int CListBox::GetCaretIndex() const { return (int)SEND(LB_GETCARETINDEX, 0, 0); }
int CListBox::SetCaretIndex(int nIndex, BOOL bScroll) {
  return (int)SEND(LB_SETCARETINDEX, nIndex, MAKELONG(bScroll, 0));
}
void CListBox::SetColumnWidth(int cxWidth) { SEND(LB_SETCOLUMNWIDTH, cxWidth, 0); }
UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
  DWORD dw = (DWORD)SEND(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
  bOutside = HIWORD(dw) != 0;
  return LOWORD(dw);
}
int CListBox::AddString(LPCSTR lpszItem) { return (int)SEND(LB_ADDSTRING, 0, lpszItem); }
int CListBox::DeleteString(UINT nIndex) { return (int)SEND(LB_DELETESTRING, nIndex, 0); }
int CListBox::InsertString(int nIndex, LPCSTR lpszItem) { return (int)SEND(LB_INSERTSTRING, nIndex, lpszItem); }
void CListBox::ResetContent() { SEND(LB_RESETCONTENT, 0, 0); }
int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const {
  return (int)SEND(LB_FINDSTRING, nStartAfter, lpszItem);
}
int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
  return (int)SEND(LB_FINDSTRINGEXACT, nIndexStart, lpszFind);
}
int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem) {
  return (int)SEND(LB_SELECTSTRING, nStartAfter, lpszItem);
}
void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}
BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (ReflectOwnerDraw(this, message, lParam, pResult)) return TRUE;
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// Combo box
BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("COMBOBOX", NULL, dwStyle, rect, pParentWnd, nID);
}
int CComboBox::GetCount() const { return (int)SEND(CB_GETCOUNT, 0, 0); }
int CComboBox::GetCurSel() const { return (int)SEND(CB_GETCURSEL, 0, 0); }
int CComboBox::SetCurSel(int nSelect) { return (int)SEND(CB_SETCURSEL, nSelect, 0); }
DWORD CComboBox::GetEditSel() const { return (DWORD)SEND(CB_GETEDITSEL, 0, 0); }
BOOL CComboBox::LimitText(int nMaxChars) { return (BOOL)SEND(CB_LIMITTEXT, nMaxChars, 0); }
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) {
  return (BOOL)SEND(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const { return (DWORD_PTR)SEND(CB_GETITEMDATA, nIndex, 0); }
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return (int)SEND(CB_SETITEMDATA, nIndex, dwItemData); }
void* CComboBox::GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
int CComboBox::SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const { return (int)SEND(CB_GETLBTEXT, nIndex, lpszText); }
void CComboBox::GetLBText(int nIndex, CString& rString) const {
  int nLen = GetLBTextLen(nIndex);
  if (nLen < 0) {
    rString.Empty();
    return;
  }
  GetLBText(nIndex, rString.GetBufferSetLength(nLen));
  rString.ReleaseBuffer();
}
int CComboBox::GetLBTextLen(int nIndex) const { return (int)SEND(CB_GETLBTEXTLEN, nIndex, 0); }
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
  return (int)SEND(CB_SETITEMHEIGHT, nIndex, cyItemHeight);
}
int CComboBox::GetItemHeight(int nIndex) const { return (int)SEND(CB_GETITEMHEIGHT, nIndex, 0); }
int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
  return (int)SEND(CB_FINDSTRINGEXACT, nIndexStart, lpszFind);
}
int CComboBox::SetExtendedUI(BOOL bExtended) { return (int)SEND(CB_SETEXTENDEDUI, bExtended, 0); }
BOOL CComboBox::GetExtendedUI() const { return (BOOL)SEND(CB_GETEXTENDEDUI, 0, 0); }
void CComboBox::GetDroppedControlRect(LPRECT lprect) const { SEND(CB_GETDROPPEDCONTROLRECT, 0, lprect); }
BOOL CComboBox::GetDroppedState() const { return (BOOL)SEND(CB_GETDROPPEDSTATE, 0, 0); }
int CComboBox::GetDroppedWidth() const { return (int)SEND(CB_GETDROPPEDWIDTH, 0, 0); }
int CComboBox::SetDroppedWidth(UINT nWidth) { return (int)SEND(CB_SETDROPPEDWIDTH, nWidth, 0); }
void CComboBox::ShowDropDown(BOOL bShowIt) { SEND(CB_SHOWDROPDOWN, bShowIt, 0); }
int CComboBox::AddString(LPCSTR lpszString) { return (int)SEND(CB_ADDSTRING, 0, lpszString); }
int CComboBox::DeleteString(UINT nIndex) { return (int)SEND(CB_DELETESTRING, nIndex, 0); }
int CComboBox::InsertString(int nIndex, LPCSTR lpszString) { return (int)SEND(CB_INSERTSTRING, nIndex, lpszString); }
void CComboBox::ResetContent() { SEND(CB_RESETCONTENT, 0, 0); }
int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const {
  return (int)SEND(CB_FINDSTRING, nStartAfter, lpszString);
}
int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString) {
  return (int)SEND(CB_SELECTSTRING, nStartAfter, lpszString);
}
void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}
BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (ReflectOwnerDraw(this, message, lParam, pResult)) return TRUE;
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// Scroll bar
BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("SCROLLBAR", NULL, dwStyle, rect, pParentWnd, nID);
}
int CScrollBar::GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) { return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw); }
void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const {
  ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
}
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw) {
  ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
}
BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
  return CWnd::SetScrollInfo(SB_CTL, lpScrollInfo, bRedraw);
}
BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) {
  return CWnd::GetScrollInfo(SB_CTL, lpScrollInfo, nMask);
}
