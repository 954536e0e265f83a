// COkButton: subclassing, layout, fonts, painting and the button's own state keeping.
#include <Ostrel/OkButton.h>
#include <ROVuvu.h>
#include <algorithm>
#include <stdlib.h>
#include <mbstring.h>
#include <Ostrel/ExString.h>
#include "frame/LibraryState.h"
#include "res/resource.h"

namespace {

// Built-in strips of the module named by _ButtonVexBmpInst.
const UINT kBmpImages = 871;
const UINT kBmpRadio = 872;
const UINT kBmpCheck = 873;
const UINT kBmpPush = 874;
const UINT kBmpPushAlt1 = 875;
const UINT kBmpPushAlt2 = 876;
const UINT kBmpFace = 877;

const int kMeasureChars = 255;     // a caption is measured from at most this many characters
const int kPushCaptionChars = 29;  // a push-button caption is drawn from at most this many
const UINT kHoverMs = 50;
const int kCaptionGap = 4;  // between the image and a caption beside it
const COLORREF kDisabledLight = 0x00D7EFEF;
const COLORREF kDisabledDark = 0x00AFD7E7;
const UINT kFmtBesideRight = DT_LEFT | DT_WORDBREAK | DT_TABSTOP;
const UINT kFmtBesideLeft = DT_RIGHT | DT_WORDBREAK | DT_TABSTOP;
const UINT kFmtCentred = DT_CENTER | DT_WORDBREAK | DT_TABSTOP;

int LoadIntString(UINT nID) {
  char sz[32] = "";
  ::LoadStringA(_hResInst, nID, sz, sizeof(sz));
  return atoi(sz);
}

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace

IMPLEMENT_DYNAMIC(COkButton, CButton)

BEGIN_MESSAGE_MAP(COkButton, CButton)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_TIMER()
ON_WM_CAPTURECHANGED()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_UPDATE_COMMAND_UI_REFLECT(OnCommandUI)
ON_WM_DESTROY()
END_MESSAGE_MAP()

COkButton::COkButton()
    : m_nMenuItems(0),
      m_pMenuIDs(NULL),
      m_nCurMenuID(-1),
      m_nImageRows(1),
      m_nMenuIDBase(0),
      m_bLButtonDown(FALSE),
      m_nKind(2),
      m_nTextAlign(2),
      m_nButtonType(0),
      m_nState(0),
      m_nBitmapDefault(BITMAP_CUSTOM),
      m_bHot(FALSE),
      m_bEnabled(FALSE),
      m_bTracking(FALSE),
      m_nTimerID(0) {}

COkButton::~COkButton() {
  if (m_pMenuIDs != NULL) ::GlobalFree((HGLOBAL)m_pMenuIDs);
  m_pMenuIDs = NULL;
  m_bmpMenu.DeleteObject();
  m_bmpFace.DeleteObject();
  m_bmpButton.DeleteObject();
  m_font.DeleteObject();
  m_menuPopup.DestroyMenu();
}

// ---------------------------------------------------------------------------------------------
// Creation

BOOL COkButton::Create(CWnd* pParent, UINT nID, BITMAPDEFAULT bmpDefault, UINT nBitmapID, HINSTANCE hInst) {
  HWND hItem = pParent != NULL ? ::GetDlgItem(pParent->m_hWnd, (int)nID) : NULL;
  if (hItem == NULL) return FALSE;

  m_nState = (UINT)::SendMessageA(hItem, BM_GETSTATE, 0, 0);
  m_nBitmapDefault = bmpDefault;
  UINT nStyle = (UINT)::GetWindowLongA(hItem, GWL_STYLE) & 0xFF;
  m_nButtonType = nStyle & BS_TYPEMASK;
  if (bmpDefault != BITMAP_CUSTOM) nStyle = m_nButtonType = 0;

  switch (m_nButtonType) {
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      m_nKind = 0;
      m_nTextAlign = (nStyle & BS_LEFTTEXT) ? 1 : 0;
      break;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      m_nKind = 1;
      m_nTextAlign = (nStyle & BS_LEFTTEXT) ? 1 : 0;
      break;
    default:
      m_nKind = 2;
      m_nTextAlign = 2;
  }

  UINT nStrip = nBitmapID;
  HINSTANCE hStrip = hInst;
  BOOL bImageLook = bmpDefault >= BITMAP_IMAGE1 && bmpDefault <= BITMAP_IMAGE3;
  if (bImageLook) {
    nStrip = kBmpImages;
    m_nImageRows = 3;
  } else if (bmpDefault == BITMAP_PUSH_ALT1) {
    nStrip = kBmpPushAlt1;
  } else if (bmpDefault == BITMAP_PUSH_ALT2) {
    nStrip = kBmpPushAlt2;
  } else if (nBitmapID == 0) {
    nStrip = m_nKind == 0 ? kBmpRadio : (m_nKind == 1 ? kBmpCheck : kBmpPush);
  }
  if (bmpDefault != BITMAP_CUSTOM || nBitmapID == 0) hStrip = _ButtonVexBmpInst;
  if (!LoadAllBitmaps(nStrip, hStrip)) return FALSE;

  HBITMAP hFace = _ButtonVexBmpInst != NULL ? ::LoadBitmapA(_ButtonVexBmpInst, MAKEINTRESOURCEA(kBmpFace)) : NULL;
  m_bmpFace.DeleteObject();
  if (hFace == NULL || !m_bmpFace.Attach(hFace)) {
    if (hFace != NULL) ::DeleteObject(hFace);
    m_bmpButton.DeleteObject();
    return FALSE;
  }
  if (!SubclassDlgItem(nID, pParent)) {
    m_bmpButton.DeleteObject();
    m_bmpFace.DeleteObject();
    return FALSE;
  }

  if (!bImageLook) {
    if (m_nKind == 2)
      CreateFont();
    else
      CreateRadioCheckboxFont();
  }
  SizeToContent();

  DWORD dwStyle = GetStyle();
  m_nButtonType = bmpDefault != BITMAP_CUSTOM ? 0 : (dwStyle & BS_TYPEMASK);
  SendMessage(BM_SETSTYLE, (dwStyle & 0xF0) | BS_OWNERDRAW, TRUE);
  ::SetClassLongPtrA(m_hWnd, GCL_STYLE, ::GetClassLongPtrA(m_hWnd, GCL_STYLE) | CS_DBLCLKS);

  m_bEnabled = TRUE;
  m_nTimerID = nID;
  return TRUE;
}

BOOL COkButton::LoadAllBitmaps(UINT nBitmapID, HINSTANCE hInst) { return LoadStrip(m_bmpButton, nBitmapID, hInst); }

BOOL COkButton::LoadStrip(CBitmap& bmp, UINT nBitmapID, HINSTANCE hInst) {
  bmp.DeleteObject();
  LPCSTR pszName = MAKEINTRESOURCEA(nBitmapID);
  if (hInst == NULL) hInst = AfxFindResourceHandle(pszName, (LPCSTR)RT_BITMAP);
  HBITMAP hBmp = hInst != NULL ? ::LoadBitmapA(hInst, pszName) : NULL;
  if (hBmp == NULL) return FALSE;
  if (bmp.Attach(hBmp)) return TRUE;
  ::DeleteObject(hBmp);
  return FALSE;
}

// ---------------------------------------------------------------------------------------------
// Layout

BOOL COkButton::IsThreeState() const { return m_nButtonType == BS_3STATE || m_nButtonType == BS_AUTO3STATE; }

BOOL COkButton::IsAutoRadio() const { return m_nButtonType == BS_AUTORADIOBUTTON; }

CSize COkButton::CellSize(BOOL bPushRows) const {
  CSize strip = BitmapSize((HBITMAP)m_bmpButton.m_hObject);
  int ch = bPushRows ? strip.cy : (IsThreeState() ? strip.cy / 3 : strip.cy / 2);
  if (m_nImageRows > 1) ch /= m_nImageRows;
  return CSize(strip.cx / 4, ch);
}

void COkButton::GetPartBitmapRect(BITMAPPART nPart, RECT* pRect, UINT nBitmapDefault) {
  if (pRect == NULL) return;
  CSize strip = BitmapSize((HBITMAP)m_bmpButton.m_hObject);
  double H = strip.cy;
  double top = 0.0, bottom = H;
  if (m_nKind == 2) {
    if (nBitmapDefault >= BITMAP_IMAGE1 && nBitmapDefault <= BITMAP_IMAGE3) {
      top = (nBitmapDefault - 1) * H / 3;
      bottom = nBitmapDefault * H / 3;
    }
  } else if ((m_nState & 3) == BST_INDETERMINATE) {
    top = 2 * H / 3;
  } else if (IsThreeState()) {
    BOOL bChecked = (m_nState & 3) == BST_CHECKED;
    top = bChecked ? 0.0 : H / 3;
    bottom = bChecked ? H / 3 : 2 * H / 3;
  } else {
    BOOL bChecked = (m_nState & 3) == BST_CHECKED;
    top = bChecked ? 0.0 : H * 0.5;
    bottom = bChecked ? H * 0.5 : H;
  }
  GetColumnEdges(strip.cx, nPart, pRect);
  pRect->top = (int)top;
  pRect->bottom = (int)bottom;
}

void COkButton::GetColumnEdges(int nWidth, int nColumn, RECT* pRect) {
  pRect->left = (int)(nColumn * nWidth * 0.25);
  pRect->right = (int)((nColumn + 1) * nWidth * 0.25);
}

BOOL COkButton::GetImageRect(RECT* pRect) const {
  if (pRect == NULL || m_hWnd == NULL) return FALSE;
  CRect client;
  ::GetClientRect(m_hWnd, &client);
  if (m_nKind == 2) {
    *pRect = client;
    return TRUE;
  }
  CSize cell = CellSize(FALSE);
  CRect rc;
  if (m_nTextAlign == 1) {
    rc.right = client.right;
    rc.left = client.right - cell.cx;
  } else {
    rc.left = client.left;
    rc.right = client.left + cell.cx;
  }
  DWORD dwStyle = (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE);
  if (dwStyle & BS_TOP) {  // also BS_VCENTER, which holds the top bit
    rc.top = client.top;
    rc.bottom = client.top + cell.cy;
  } else if (dwStyle & BS_BOTTOM) {
    rc.bottom = client.bottom;
    rc.top = client.bottom - cell.cy;
  } else {
    rc.top = client.top + (client.Height() - cell.cy) / 2;
    rc.bottom = client.top + (client.Height() + cell.cy) / 2;
  }
  pRect->left = Clamp(rc.left, client.left, client.right);
  pRect->right = Clamp(rc.right, client.left, client.right);
  pRect->top = Clamp(rc.top, client.top, client.bottom);
  pRect->bottom = Clamp(rc.bottom, client.top, client.bottom);
  return TRUE;
}

// Lines split at '\n' or '|', walked by whole characters; '&' is not measured.
BOOL COkButton::GetTextSize(CSize* pSize) {
  if (pSize == NULL) return FALSE;
  *pSize = CSize(0, 0);
  if (m_nBitmapDefault >= BITMAP_IMAGE1 && m_nBitmapDefault <= BITMAP_IMAGE3) return TRUE;
  char szText[kMeasureChars + 1] = "";
  ::GetWindowTextA(m_hWnd, szText, sizeof(szText));
  CExString text;
  text.Exclude('&');
  text = szText;

  CDC* pDC = GetDC();
  if (pDC == NULL) return FALSE;
  CFont* pOldFont = m_font.m_hObject != NULL ? pDC->SelectObject(&m_font) : NULL;
  const unsigned char* p = (const unsigned char*)(const char*)text;
  const unsigned char* pLine = p;
  for (;;) {
    if (*p == 0 || *p == '\n' || *p == '|') {
      SIZE size = {0, 0};
      ::GetTextExtentPoint32A(pDC->m_hDC, (const char*)pLine, (int)(p - pLine), &size);
      if (size.cx > pSize->cx) pSize->cx = size.cx;
      pSize->cy += size.cy;
      if (*p == 0) break;
      pLine = p + 1;
      ++p;
    } else {
      p = _mbsinc(p);
    }
  }
  if (pOldFont != NULL) pDC->SelectObject(pOldFont);
  ReleaseDC(pDC);
  return TRUE;
}

BOOL COkButton::GetTextRect(RECT* pRect) {
  if (pRect == NULL) return FALSE;
  ::SetRectEmpty(pRect);
  CSize text;
  GetTextSize(&text);
  if (text.cx == 0 || text.cy == 0) return FALSE;
  CRect client;
  GetClientRect(&client);
  CRect rc = client;
  if (m_nTextAlign == 0) {
    CRect image;
    GetImageRect(&image);
    rc.left = image.right + kCaptionGap;
    rc.right = std::min((int)(rc.left + text.cx), (int)client.right);
  } else if (m_nTextAlign == 1) {
    rc.right = std::min((int)(client.left + text.cx), (int)client.right);
  } else if (text.cx <= client.Width() && text.cy <= client.Height()) {
    rc.left = client.left + (client.Width() - text.cx) / 2;
    rc.right = client.left + (client.Width() + text.cx) / 2;
    rc.top = client.top + (client.Height() - text.cy) / 2;
    rc.bottom = client.top + (client.Height() + text.cy) / 2;
  }
  *pRect = rc;
  return TRUE;
}

void COkButton::SizeToContent() {
  if (m_hWnd == NULL) return;
  CSize text;
  GetTextSize(&text);
  BOOL bPushRows = m_nButtonType == 0 || m_nButtonType == 1 || m_nBitmapDefault != BITMAP_CUSTOM;
  CSize cell = CellSize(bPushRows);
  int cx, cy = std::max((int)cell.cy, (int)text.cy);
  if (m_nTextAlign != 2)
    cx = cell.cx + ((text.cx != 0 && text.cy != 0) ? text.cx + kCaptionGap : 0);
  else
    cx = std::max((int)cell.cx, (int)text.cx);
  SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
  Invalidate(TRUE);
}

// ---------------------------------------------------------------------------------------------
// Fonts

BOOL COkButton::MakePushFont(CFont& font, int nHeight) {
  LOGFONTA lf = {};
  lf.lfHeight = nHeight;
  lf.lfWeight = LoadIntString(IDS_BUTTON_FONT_WEIGHT);
  lf.lfCharSet = (BYTE)LoadIntString(IDS_BUTTON_FONT_CHARSET);
  ::LoadStringA(_hResInst, IDS_BUTTON_FONT_FACE, lf.lfFaceName, LF_FACESIZE);
  font.DeleteObject();
  return font.CreateFontIndirect(&lf);
}

BOOL COkButton::CreateFont() {
  if (GetWindowTextLength() == 0) return FALSE;
  return MakePushFont(m_font, GetDispFontSize());
}

BOOL COkButton::CreateRadioCheckboxFont() {
  if (GetWindowTextLength() == 0) return FALSE;
  HWND hParent = ::GetParent(m_hWnd);
  HFONT hParentFont = hParent != NULL ? (HFONT)::SendMessageA(hParent, WM_GETFONT, 0, 0) : NULL;
  LOGFONTA lf;
  if (hParentFont != NULL && ::GetObjectA(hParentFont, sizeof(lf), &lf) != 0) {
    m_font.DeleteObject();
    if (m_font.CreateFontIndirect(&lf)) return TRUE;
  }
  return CreateFont();
}

// Starts at the configured height and shrinks until the whole caption fits the client width.
int COkButton::GetDispFontSize() {
  int nHeight = LoadIntString(IDS_BUTTON_FONT_HEIGHT);
  char szText[kMeasureChars + 1] = "";
  ::GetWindowTextA(m_hWnd, szText, sizeof(szText));
  CRect client;
  GetClientRect(&client);
  CDC* pDC = GetDC();
  if (pDC == NULL) return nHeight;
  for (;;) {
    CFont font;
    if (!MakePushFont(font, nHeight)) break;
    CFont* pOld = pDC->SelectObject(&font);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(pDC->m_hDC, szText, lstrlenA(szText), &size);
    pDC->SelectObject(pOld);
    if (size.cx < client.Width() || nHeight < 2) break;
    --nHeight;
  }
  ReleaseDC(pDC);
  return nHeight;
}

// ---------------------------------------------------------------------------------------------
// Painting

void COkButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct == NULL) return;
  if (lpDrawItemStruct->CtlType == ODT_MENU) {
    DrawMenu(lpDrawItemStruct);
    return;
  }
  BITMAPPART nPart = PART_NORMAL;
  if (m_bHot) nPart = PART_HOT;
  if (m_nState & BST_PUSHED) nPart = PART_PRESSED;
  if (!m_bEnabled) nPart = PART_DISABLED;

  CRect cell;
  if (m_nCurMenuID < 0)
    GetPartBitmapRect(nPart, &cell, m_nBitmapDefault);
  else if (!GetMenuPictureRect((HBITMAP)m_bmpButton.m_hObject, (UINT)m_nCurMenuID, nPart, &cell))
    return;

  CRect client, image;
  GetClientRect(&client);
  GetImageRect(&image);
  CDC* pTarget = CDC::FromHandle(lpDrawItemStruct->hDC);
  CDC dcSource;
  if (!dcSource.CreateCompatibleDC(pTarget)) return;
  CMemDC dcPicture(pTarget, client);

  CSize face = BitmapSize((HBITMAP)m_bmpFace.m_hObject);
  CBitmap* pOldSource = dcSource.SelectObject(&m_bmpFace);
  dcPicture.BitBlt(0, 0, client.Width(), client.Height(), &dcSource, 0, 0, SRCCOPY);
  dcPicture.BitBlt(client.Width() - face.cx, 0, face.cx, client.Height(), &dcSource, 0, 0, SRCCOPY);
  dcSource.SelectObject(&m_bmpButton);
  dcPicture.BitBlt(image.left, image.top, cell.Width(), cell.Height(), &dcSource, cell.left, cell.top, SRCCOPY);
  dcSource.SelectObject(pOldSource);

  if (m_nBitmapDefault == BITMAP_CUSTOM || m_nBitmapDefault == BITMAP_PUSH_ALT1 || m_nBitmapDefault == BITMAP_PUSH_ALT2)
    DrawCaption(&dcPicture, image);
}

void COkButton::DrawTwoPass(CDC* pDC, const char* pszText, RECT rc, UINT nFormat) {
  if (m_bEnabled) {
    pDC->DrawText(pszText, -1, &rc, nFormat);
    return;
  }
  COLORREF crOld = pDC->SetTextColor(kDisabledLight);
  pDC->DrawText(pszText, -1, &rc, kFmtCentred);
  ::OffsetRect(&rc, -1, -1);
  pDC->SetTextColor(kDisabledDark);
  pDC->DrawText(pszText, -1, &rc, kFmtCentred);
  pDC->SetTextColor(crOld);
}

void COkButton::DrawCaption(CDC* pDC, const RECT& rcImage) {
  char szText[kMeasureChars + 1] = "";
  ::GetWindowTextA(m_hWnd, szText, sizeof(szText));
  if (szText[0] == 0) return;
  CFont* pOldFont = m_font.m_hObject != NULL ? pDC->SelectObject(&m_font) : NULL;
  int nOldMode = pDC->SetBkMode(TRANSPARENT);
  CRect rc;
  if (m_nKind != 2) {
    GetTextRect(&rc);
    DrawTwoPass(pDC, szText, rc, m_nTextAlign == 1 ? kFmtBesideLeft : kFmtBesideRight);
  } else {
    szText[kPushCaptionChars] = 0;
    if (rcImage.right - rcImage.left == 82 && rcImage.bottom - rcImage.top == 36) {
      rc.SetRect(9, 11, 76, 28);
    } else {
      GetTextRect(&rc);
      if (rc.Height() > 3) rc.OffsetRect(-3, -3);
      rc.OffsetRect(2, 2);
    }
    if (!(m_nState & BST_PUSHED)) rc.OffsetRect(-2, -2);
    DrawTwoPass(pDC, szText, rc, kFmtCentred);
  }
  pDC->SetBkMode(nOldMode);
  if (pOldFont != NULL) pDC->SelectObject(pOldFont);
}

// ---------------------------------------------------------------------------------------------
// State and messages

void COkButton::InvalidateImage() {
  CRect rc;
  if (GetImageRect(&rc)) InvalidateRect(&rc, FALSE);
}

void COkButton::Notify(UINT nCode) {
  HWND hParent = ::GetParent(m_hWnd);
  if (hParent != NULL) ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), (LPARAM)m_hWnd);
}

void COkButton::SetCheckBits(UINT nCheck) {
  BOOL bWasUnchecked = (m_nState & 3) == BST_UNCHECKED;
  m_nState = (m_nState & ~3u) | (nCheck & 3);
  if (IsAutoRadio() && bWasUnchecked && (m_nState & 3) != BST_UNCHECKED) UncheckGroup();
}

// Unchecks the other auto radio buttons of this class in the parent's dialog group.
void COkButton::UncheckGroup() {
  HWND hParent = ::GetParent(m_hWnd);
  if (hParent == NULL) return;
  HWND hWnd = ::GetNextDlgGroupItem(hParent, m_hWnd, TRUE);
  for (int nGuard = 0; hWnd != NULL && hWnd != m_hWnd && nGuard < 10000; ++nGuard) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(COkButton))) {
      COkButton* pButton = (COkButton*)pWnd;
      if (pButton->m_nButtonType == BS_AUTORADIOBUTTON) {
        pButton->SendMessage(BM_SETCHECK, BST_UNCHECKED);
        pButton->InvalidateImage();
      }
    }
    hWnd = ::GetNextDlgGroupItem(hParent, hWnd, TRUE);
  }
}

BOOL COkButton::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT lDummy = 0;
  LRESULT& lResult = pResult != NULL ? *pResult : lDummy;
  switch (message) {
    case WM_ENABLE:
      m_bEnabled = (BOOL)wParam;
      InvalidateImage();
      break;
    case WM_SETFOCUS: {
      CWinThread* pThread = AfxGetThread();
      CWnd* pMain = pThread != NULL ? pThread->GetMainWnd() : NULL;
      if (pMain != NULL && pMain->m_hWnd != NULL) {
        ::SendMessageA(pMain->m_hWnd, WM_SETFOCUS, wParam, lParam);
        lResult = 1;
        return TRUE;
      }
      break;
    }
    case BM_GETCHECK:
      switch (m_nButtonType) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_AUTORADIOBUTTON:
          lResult = m_nState & 3;
          break;
        default:
          lResult = 0;
      }
      return TRUE;
    case BM_SETCHECK:
      SetCheckBits((UINT)wParam);
      InvalidateImage();
      lResult = 0;
      return TRUE;
    case BM_GETSTATE:
      lResult = m_nState;
      return TRUE;
    case BM_SETSTATE:
      if (wParam)
        m_nState |= BST_PUSHED;
      else
        m_nState &= ~(UINT)BST_PUSHED;
      InvalidateImage();
      lResult = 0;
      return TRUE;
  }
  return CButton::OnWndMsg(message, wParam, lParam, pResult);
}

void COkButton::OnMouseMove(UINT nFlags, CPoint point) {
  CRect client;
  GetClientRect(&client);
  BOOL bLeftDown = (nFlags & MK_LBUTTON) != 0;
  if (client.PtInRect(point)) {
    if (!m_bTracking && bLeftDown) return;
    BOOL bJustPushed = FALSE;
    if (!m_bTracking) {
      m_bTracking = TRUE;
      m_nTimerID = (UINT)SetTimer(m_nTimerID, kHoverMs, NULL);
    } else if (bLeftDown) {
      bJustPushed = !(m_nState & BST_PUSHED);
      m_nState |= BST_PUSHED;
    }
    CRect image;
    GetImageRect(&image);
    BOOL bHot = image.PtInRect(point);
    BOOL bChanged = bHot != m_bHot;
    m_bHot = bHot;
    if (bChanged || bJustPushed) InvalidateImage();
  } else if (GetCapture() == this) {
    BOOL bWasHot = m_bHot;
    if (!bLeftDown) ::ReleaseCapture();
    if (bWasHot) {
      m_bHot = FALSE;
      m_nState &= ~(UINT)BST_PUSHED;
      InvalidateImage();
      UpdateWindow();
    }
  } else {
    m_bHot = FALSE;
  }
  Default();
}

void COkButton::ActivateOnPress() {
  CWinThread* pThread = AfxGetThread();
  CWnd* pMain = pThread != NULL ? pThread->GetMainWnd() : NULL;
  if (pMain == NULL) return;
  if (::GetActiveWindow() != NULL)
    SetFocus();
  else
    pMain->SetForegroundWindow();
}

void COkButton::OnLButtonDown(UINT nFlags, CPoint point) {
  ActivateOnPress();
  CRect client;
  GetClientRect(&client);
  if (client.PtInRect(point) && (nFlags & MK_LBUTTON)) {
    m_nState |= BST_PUSHED;
    if (GetCapture() != this) SetCapture();
    Invalidate(FALSE);
    Notify(BN_PUSHED);
    m_bLButtonDown = TRUE;
  } else {
    m_nState &= ~(UINT)BST_PUSHED;
  }
}

void COkButton::OnLButtonUp(UINT, CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (!client.PtInRect(point)) {
    m_nState &= ~(UINT)BST_PUSHED;
    m_bLButtonDown = FALSE;
    if (GetCapture() == this) ::ReleaseCapture();
    return;
  }
  if (!m_bLButtonDown) return;
  m_bLButtonDown = FALSE;
  if (m_nState & BST_PUSHED) {
    m_nState &= ~(UINT)BST_PUSHED;
    UINT nCheck = m_nState & 3;
    if (m_nButtonType == BS_AUTOCHECKBOX) {
      SetCheckBits(nCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    } else if (m_nButtonType == BS_AUTORADIOBUTTON) {
      if (nCheck == BST_UNCHECKED) SetCheckBits(BST_CHECKED);
    } else if (m_nButtonType == BS_AUTO3STATE) {
      SetCheckBits(nCheck == BST_UNCHECKED ? BST_CHECKED : (nCheck == BST_CHECKED ? BST_INDETERMINATE : BST_UNCHECKED));
    }
  }
  Invalidate(FALSE);
  if (m_nMenuItems != 0) {
    OpenDropDown();
    return;
  }
  if (GetCapture() == this) ::ReleaseCapture();
  QSPlaySound(QS_SOUND_CLICK);
  Notify(BN_CLICKED);
}

void COkButton::OnLButtonDblClK(UINT, CPoint) {}

void COkButton::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != m_nTimerID || !m_bTracking) {
    Default();
    return;
  }
  if (GetCapture() == this) return;
  CPoint cursor;
  ::GetCursorPos(&cursor);
  CRect window;
  GetWindowRect(&window);
  if (window.PtInRect(cursor)) return;
  KillTimer(m_nTimerID);
  m_bTracking = FALSE;
  if (m_bHot) {
    m_bHot = FALSE;
    m_nState &= ~(UINT)BST_PUSHED;
    InvalidateImage();
    UpdateWindow();
  }
}

void COkButton::OnCaptureChanged(CWnd*) {
  m_bHot = FALSE;
  m_nState &= ~(UINT)BST_PUSHED;
  InvalidateImage();
}

void COkButton::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct != NULL && lpDrawItemStruct->CtlType == ODT_MENU)
    DrawMenu(lpDrawItemStruct);
  else
    DrawItem(lpDrawItemStruct);
}

// Drop-down items are one strip cell, less the check-mark room the menu adds by itself.
void COkButton::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct == NULL || lpMeasureItemStruct->CtlType != ODT_MENU || m_nMenuItems <= 0) {
    Default();
    return;
  }
  CSize strip = BitmapSize((HBITMAP)m_bmpMenu.m_hObject);
  lpMeasureItemStruct->itemWidth = (UINT)std::max(0, (int)strip.cx / 4 - ::GetSystemMetrics(SM_CXMENUCHECK));
  lpMeasureItemStruct->itemHeight = (UINT)(strip.cy / m_nMenuItems);
}

void COkButton::OnCommandUI(CCmdUI*) {}

void COkButton::OnDestroy() {
  if (m_bTracking) KillTimer(m_nTimerID);
  m_bTracking = FALSE;
  HWND hWnd = m_hWnd;
  WNDPROC pfnSuper = m_pfnSuper;
  UnsubclassWindow();
  if (pfnSuper != NULL)
    ::CallWindowProcA(pfnSuper, hWnd, WM_DESTROY, 0, 0);
  else
    ::DefWindowProcA(hWnd, WM_DESTROY, 0, 0);
}
