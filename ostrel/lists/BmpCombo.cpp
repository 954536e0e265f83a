// CBmpCombo: drop-down list items of a picture and a caption.
#include <Ostrel/BmpCombo.h>
#include <qsComm.h>
#include <t32Base.h>
#include <t32Cvt.h>
#include "gradient/GradientDraw.h"
#include "lists/BmpComboCaption.h"

IMPLEMENT_DYNAMIC(CBmpCombo, CComboBox)

BEGIN_MESSAGE_MAP(CBmpCombo, CComboBox)
ON_CONTROL_REFLECT(CBN_SELCHANGE, OnSelchange)
ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnEditchange)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// On a palette screen (16 or 256 entries) bitmaps are read through the system palette; NULL
// otherwise. The caller deletes the palette.
HPALETTE CreateScreenPalette() {
  HDC hScreen = ::GetDC(NULL);
  int nEntries = ::GetDeviceCaps(hScreen, SIZEPALETTE);
  HPALETTE hPalette = NULL;
  if (nEntries == 16 || nEntries == 256) {
    struct {
      WORD palVersion;
      WORD palNumEntries;
      PALETTEENTRY entries[256];
    } pal = {0x300, (WORD)nEntries, {}};
    ::GetSystemPaletteEntries(hScreen, 0, (UINT)nEntries, pal.entries);
    hPalette = ::CreatePalette((LOGPALETTE*)&pal);
  }
  ::ReleaseDC(NULL, hScreen);
  return hPalette;
}

bool IsBuffer(ULONG_PTR data) { return data != 0 && data != (ULONG_PTR)CB_ERR; }

}  // namespace

CBmpCombo::CBmpCombo(CWnd* pParent) : m_pParent(pParent), m_nBmpWidth(0), m_nBmpHeight(0) {}

CBmpCombo::~CBmpCombo() {
  // Destroyed here, while OnDestroy is still this class's: it frees the buffers.
  if (m_hWnd != NULL) DestroyWindow();
}

BOOL CBmpCombo::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style |= WS_VISIBLE | WS_VSCROLL;
  return CComboBox::PreCreateWindow(cs);
}

BOOL CBmpCombo::CreateCombo(const RECT& rc, CWnd* pParent, UINT nID) {
  if (!Create(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, rc, pParent, nID)) return FALSE;
  ResetContent();
  return TRUE;
}

void CBmpCombo::SetBitmapWidthHeight(int cx, int cy) {
  m_nBmpWidth = cx;
  m_nBmpHeight = cy;
  if (m_hWnd != NULL && cy > 0) {
    SetItemHeight(-1, (UINT)cy);
    SetItemHeight(0, (UINT)cy);
  }
}

BOOL CBmpCombo::AddItem(LPCSTR lpszText, HBITMAP hBitmap) {
  if (m_hWnd == NULL) return FALSE;
  int nIndex = AddString(lpszText != NULL ? lpszText : "");
  if (nIndex < 0 || hBitmap == NULL) return FALSE;
  HPALETTE hPalette = CreateScreenPalette();
  HANDLE hBuffer = NULL;
  int nConverted = cvt32DDBToBuf(hBitmap, &hBuffer, hPalette);
  if (hPalette != NULL) ::DeleteObject(hPalette);
  if (!nConverted || hBuffer == NULL) return FALSE;
  SetItemDataPtr(nIndex, hBuffer);
  return TRUE;
}

BOOL CBmpCombo::AddItem(void* pImageBuffer, LPCSTR lpszText) {
  int nIndex = m_hWnd != NULL ? AddString(lpszText != NULL ? lpszText : "") : CB_ERR;
  if (pImageBuffer == NULL) return FALSE;
  if (nIndex < 0) {
    buf32Free(pImageBuffer);  // ours from the call on, and nowhere to keep it
    return FALSE;
  }
  SetItemDataPtr(nIndex, pImageBuffer);
  return TRUE;
}

void CBmpCombo::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
  // Before the picture size is known the system's height stays.
  if (m_nBmpHeight > 0) lpMIS->itemHeight = (UINT)m_nBmpHeight;
}

void CBmpCombo::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  int nItem = (int)lpDIS->itemID;
  if (nItem < 0) return;
  int nTextHeight = m_nBmpHeight * 2 / 3;
  HFONT hFont = NULL;
  LOGFONTA lf;  // the host's interface font
  if (m_nBmpHeight != 0 && GetGDILogFont(&lf)) hFont = CreateCaptionFont(lf, nTextHeight);
  const RECT& rc = lpDIS->rcItem;
  CString strText;
  GetLBText(nItem, strText);
  DrawComboCaption(lpDIS, hFont, rc.left + m_nBmpWidth + 5, (rc.top + rc.bottom - nTextHeight) / 2, strText);
  if (hFont != NULL) ::DeleteObject(hFont);
  if (IsBuffer(lpDIS->itemData))
    DrawBufferInRect(lpDIS->hDC, (void*)lpDIS->itemData, 0, rc.left, rc.top, rc.left + m_nBmpWidth,
                     rc.top + m_nBmpHeight);
}

void CBmpCombo::DeleteItem(LPDELETEITEMSTRUCT lpDIS) {
  if (IsBuffer(lpDIS->itemData)) buf32Free((HANDLE)lpDIS->itemData);
}

void CBmpCombo::OnSelchange() {}
void CBmpCombo::OnEditchange() {}

void CBmpCombo::OnDestroy() {
  // Buffers of items the parent was not told to delete are freed here; the items keep no data.
  for (int i = GetCount() - 1; i >= 0; --i) {
    ULONG_PTR data = GetItemData(i);
    if (IsBuffer(data)) buf32Free((HANDLE)data);
    SetItemData(i, 0);
  }
  CComboBox::OnDestroy();
}
