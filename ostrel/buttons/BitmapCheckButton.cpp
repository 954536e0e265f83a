// CBitmapCheckButton: the click rule, the hover look and painting from whole bitmaps.
#include <Ostrel/BitmapCheckButton.h>
#include "BitmapCopy.h"
#include "frame/LibraryState.h"

BEGIN_MESSAGE_MAP(CBitmapCheckButton, CButton)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CBitmapCheckButton::CBitmapCheckButton()
    : m_hBmpInst(NULL), m_nBmpNormal(0), m_nBmpChecked(0), m_nBmpHover(0), m_bChecked(FALSE), m_bHover(FALSE) {}

CBitmapCheckButton::~CBitmapCheckButton() {}

BOOL CBitmapCheckButton::AssociateBitmaps(HINSTANCE hInst, int nNormal, int nChecked, int nHover) {
  if (hInst == NULL) return FALSE;
  m_hBmpInst = hInst;
  m_nBmpNormal = (UINT)nNormal;
  m_nBmpChecked = (UINT)nChecked;
  m_nBmpHover = (UINT)nHover;
  return TRUE;
}

void CBitmapCheckButton::SetCheck(BOOL bCheck) {
  bCheck = bCheck ? TRUE : FALSE;
  if (bCheck == m_bChecked) return;
  m_bChecked = bCheck;
  RepaintNow();
}

BOOL CBitmapCheckButton::IsChecked() { return m_bChecked; }

void CBitmapCheckButton::OnUpdateCommandUI(CCmdUI* pCmdUI) {
  if (pCmdUI != NULL) pCmdUI->Enable(TRUE);
  if (m_hWnd == NULL) return;
  POINT pt;
  ::GetCursorPos(&pt);
  ScreenToClient(&pt);
  OnMouseMove(0, CPoint(pt));
}

void CBitmapCheckButton::OnActiveChange(CCtrlGroup_Client*) {
  m_bChecked = FALSE;
  RepaintNow();
}

void CBitmapCheckButton::RepaintNow() {
  if (m_hWnd == NULL) return;
  Invalidate(FALSE);
  UpdateWindow();
}

// The checked look wins over the hover look; the bitmap is loaded for this paint only.
void CBitmapCheckButton::OnPaint() {
  CPaintDC dc(this);
  if (m_hBmpInst == NULL) return;
  UINT nBitmap = m_bChecked ? m_nBmpChecked : (m_bHover ? m_nBmpHover : m_nBmpNormal);
  HBITMAP hBmp = ::LoadBitmapA(m_hBmpInst, MAKEINTRESOURCEA(nBitmap));
  if (hBmp == NULL) return;
  CSize size = BitmapSize(hBmp);
  CopyBitmapPart(dc.m_hDC, 0, 0, size.cx, size.cy, hBmp, 0, 0);
  ::DeleteObject(hBmp);
}

// The press decides: grouped buttons check themselves, lone ones toggle.
void CBitmapCheckButton::OnLButtonDown(UINT, CPoint) {
  m_bChecked = IsGrouped() ? TRUE : !m_bChecked;
  SetActive();
  RepaintNow();
  HWND hParent = ::GetParent(m_hWnd);
  if (hParent != NULL)
    ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID() & 0xFFFF, BN_CLICKED), (LPARAM)m_hWnd);
}

void CBitmapCheckButton::OnMouseMove(UINT, CPoint point) {
  CRect client;
  GetClientRect(&client);
  BOOL bHover = client.PtInRect(point);
  if (bHover == m_bHover) return;
  m_bHover = bHover;
  RepaintNow();
}

// The platform's button never sees the click.
void CBitmapCheckButton::OnLButtonUp(UINT, CPoint) {}

void CBitmapCheckButton::OnLButtonDblClk(UINT, CPoint) {}
