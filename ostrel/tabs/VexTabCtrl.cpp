// CVexTabCtrl: tab strip and page painted from pictures, labels in a shrinking font.
#include <Ostrel/VexTabCtrl.h>
#include <stdlib.h>
#include <algorithm>
#include <initializer_list>
#include "frame/LibraryState.h"

IMPLEMENT_DYNAMIC(CVexTabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(CVexTabCtrl, CTabCtrl)
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

const int kStripWidth = 205;  // the strip picture, from tab 0's corner
const int kStripHeight = 25;
const int kTile = 74;  // page background tile, square
const int kTextLength = 260;

// Font strings of m_hFontInst.
const UINT kFontFace = 30025;
const UINT kFontWeight = 30026;
const UINT kFontHeight = 30027;
const UINT kFontCharSet = 30028;
const UINT kLabelOffset = 30151;  // label top below the tab's top

CString LoadText(HINSTANCE hInst, UINT nID) {
  char szText[kTextLength] = "";
  if (hInst != NULL) ::LoadStringA(hInst, nID, szText, sizeof(szText));
  return szText;
}

int LoadNumber(HINSTANCE hInst, UINT nID) { return atoi(LoadText(hInst, nID)); }

}  // namespace

CVexTabCtrl::CVexTabCtrl()
    : m_nLastTab(0),
      m_nTextId(0),
      m_hBmpInst(NULL),
      m_hTextInst(NULL),
      m_hFontInst(NULL),
      m_nReserved(0),
      m_nBmp2Id(0),
      m_nBmp3Id(0),
      m_nBackId(0),
      m_nCurSel(0),
      m_hbmTab2{NULL, NULL},
      m_hbmTab3{NULL, NULL, NULL},
      m_hbmBack(NULL) {}

CVexTabCtrl::~CVexTabCtrl() { DeleteBitmaps(); }

void CVexTabCtrl::DeleteBitmaps() {
  for (HBITMAP* phBmp : {&m_hbmTab2[0], &m_hbmTab2[1], &m_hbmTab3[0], &m_hbmTab3[1], &m_hbmTab3[2], &m_hbmBack}) {
    if (*phBmp != NULL) ::DeleteObject(*phBmp);
    *phBmp = NULL;
  }
}

void CVexTabCtrl::LoadTabBmp() {
  DeleteBitmaps();
  m_nCurSel = 0;
  for (int i = 0; i < 2; ++i) m_hbmTab2[i] = ::LoadBitmapA(m_hBmpInst, MAKEINTRESOURCEA(m_nBmp2Id + i));
  for (int i = 0; i < 3; ++i) m_hbmTab3[i] = ::LoadBitmapA(m_hBmpInst, MAKEINTRESOURCEA(m_nBmp3Id + i));
  m_hbmBack = ::LoadBitmapA(m_hBmpInst, MAKEINTRESOURCEA(m_nBackId));
}

BOOL CVexTabCtrl::PreCreateWindow(CREATESTRUCT& cs) {
  // The same control as a class of the library's module, without a background brush: the
  // pictures cover it. The system's own class stays as it is.
  WNDCLASSA wc;
  if (cs.lpszClass != NULL && ::GetClassInfoA(_hResInst, cs.lpszClass, &wc)) {
    wc.style &= ~CS_GLOBALCLASS;
    wc.hbrBackground = (HBRUSH)::GetStockObject(NULL_BRUSH);
    wc.hInstance = _hResInst;
    wc.lpszClassName = cs.lpszClass;
    if (!::RegisterClassA(&wc)) {
      ::UnregisterClassA(cs.lpszClass, _hResInst);
      ::RegisterClassA(&wc);
    }
    cs.hInstance = _hResInst;
  }
  return CTabCtrl::PreCreateWindow(cs);
}

BOOL CVexTabCtrl::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_RIGHT)) return TRUE;
  return CTabCtrl::PreTranslateMessage(pMsg);
}

LRESULT CVexTabCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CTabCtrl::WindowProc(message, wParam, lParam);
}

HFONT CVexTabCtrl::CreateLabelFont(int nHeight) {
  return ::CreateFontA(nHeight, 0, 0, 0, LoadNumber(m_hFontInst, kFontWeight), 0, 0, 0,
                       (DWORD)LoadNumber(m_hFontInst, kFontCharSet), 0, 0, 0, 0, LoadText(m_hFontInst, kFontFace));
}

CString CVexTabCtrl::LoadLabel(int nTab) { return LoadText(m_hTextInst, (UINT)(m_nTextId + nTab)); }

void CVexTabCtrl::DrawTabItem(int nSel) {
  CRect tab0, client;
  GetItemRect(0, &tab0);
  GetClientRect(&client);
  HBITMAP hStrip;
  if (m_nLastTab < 2)
    hStrip = m_hbmTab2[nSel != 0 ? 1 : 0];
  else
    hStrip = m_hbmTab3[nSel == 0 ? 0 : (nSel == 1 ? 1 : 2)];
  {
    CClientDC dc(this);
    DrawBitmapPart(dc.m_hDC, client.left, client.top, tab0.left + kStripWidth - client.left,
                   tab0.top + kStripHeight - client.top, hStrip, 0, 0);
  }
  SetTabText();
}

int CVexTabCtrl::GetDispFontSize() {
  int nHeight = LoadNumber(m_hFontInst, kFontHeight);
  CRect tab0;
  GetItemRect(0, &tab0);
  int nSpace = tab0.Width() - 2 * (tab0.Width() / 10);
  int nTabs = m_nTextId < 0 ? 0 : std::min(m_nLastTab + 1, GetItemCount());  // only tabs that exist
  CStringArray labels;
  for (int i = 0; i < nTabs; ++i) labels.Add(LoadLabel(i));

  CClientDC dc(this);
  for (;;) {
    HFONT hFont = CreateLabelFont(nHeight);
    HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, hFont);
    int nWidest = 0;
    for (int i = 0; i < labels.GetSize(); ++i) nWidest = std::max(nWidest, (int)dc.GetTextExtent(labels[i]).cx);
    ::SelectObject(dc.m_hDC, hOldFont);
    ::DeleteObject(hFont);
    if (nWidest < nSpace || nHeight < 2) return nHeight;
    --nHeight;
  }
}

void CVexTabCtrl::SetTabText() {
  if (m_nTextId < 0) return;
  HFONT hFont = CreateLabelFont(GetDispFontSize());
  int nOffset = LoadNumber(m_hFontInst, kLabelOffset);
  CClientDC dc(this);
  HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, hFont);
  int nOldMode = dc.SetBkMode(TRANSPARENT);
  COLORREF clrOld = dc.SetTextColor(RGB(0, 0, 0));
  for (int i = 0; i <= m_nLastTab && i < GetItemCount(); ++i) {
    CRect tab;
    if (!GetItemRect(i, &tab)) continue;
    CString strLabel = LoadLabel(i);
    dc.TextOut(tab.left + tab.Width() / 12, tab.top + nOffset, strLabel);
  }
  dc.SetTextColor(clrOld);
  dc.SetBkMode(nOldMode);
  ::SelectObject(dc.m_hDC, hOldFont);
  ::DeleteObject(hFont);
}

void CVexTabCtrl::OnPaint() {
  CPaintDC dc(this);
  DrawTabItem(m_nCurSel);
  SetTabText();

  CRect page, tab0;
  GetClientRect(&page);
  GetItemRect(0, &tab0);
  page.top = tab0.bottom;
  if (page.IsRectEmpty()) return;
  dc.IntersectClipRect(&page);
  int nColumns = (page.Width() + kTile - 1) / kTile;
  int nRows = (page.Height() + kTile - 1) / kTile;
  for (int row = 0; row < nRows; ++row)
    for (int column = 0; column < nColumns; ++column)
      DrawBitmapPart(dc.m_hDC, page.left + column * kTile, page.top + row * kTile, kTile, kTile, m_hbmBack, 0, 0);
}
