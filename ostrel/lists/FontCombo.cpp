// CFontCombo: the TrueType families, each name in its own face.
#include <Ostrel/FontCombo.h>
#include <qsComm.h>
#include <string.h>
#include "lists/BmpComboCaption.h"

IMPLEMENT_DYNAMIC(CFontCombo, CComboBox)

BEGIN_MESSAGE_MAP(CFontCombo, CComboBox)
ON_CONTROL_REFLECT(CBN_SELCHANGE, OnSelchange)
ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnEditchange)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

const int kItemHeight = 20;  // text cell of a face name; 16 for double-byte names

bool IsFontCopy(ULONG_PTR data) { return data != 0 && data != (ULONG_PTR)CB_ERR; }

struct FillContext {
  CFontCombo* pCombo;
  BYTE nCharSet;  // the screen's own character set, preferred when a family comes in several
};

// One item per family: the system may report a family once for every character set it covers.
int CALLBACK AddTrueTypeFamily(const LOGFONTA* lpLogFont, const TEXTMETRICA*, DWORD nFontType, LPARAM lParam) {
  if (!(nFontType & TRUETYPE_FONTTYPE)) return 1;
  const FillContext& ctx = *(const FillContext*)lParam;
  int nIndex = ctx.pCombo->FindStringExact(-1, lpLogFont->lfFaceName);
  if (nIndex >= 0) {
    LOGFONTA* pCopy = (LOGFONTA*)ctx.pCombo->GetItemData(nIndex);
    if (IsFontCopy((ULONG_PTR)pCopy) && pCopy->lfCharSet != ctx.nCharSet && lpLogFont->lfCharSet == ctx.nCharSet)
      *pCopy = *lpLogFont;
    return 1;
  }
  nIndex = ctx.pCombo->AddString(lpLogFont->lfFaceName);
  if (nIndex < 0) return 1;
  HGLOBAL hCopy = ::GlobalAlloc(GPTR, sizeof(LOGFONTA));
  if (hCopy != NULL) {
    memcpy((void*)hCopy, lpLogFont, sizeof(LOGFONTA));
    ctx.pCombo->SetItemDataPtr(nIndex, (void*)hCopy);
  }
  return 1;
}

}  // namespace

CFontCombo::CFontCombo() : m_nCurSel(-1) { m_szFontName[0] = '\0'; }

CFontCombo::CFontCombo(CWnd*, LPCSTR lpszFont) : CFontCombo() {
  if (lpszFont != NULL) lstrcpynA(m_szFontName, lpszFont, sizeof(m_szFontName));
}

CFontCombo::~CFontCombo() {
  // Destroyed here, while OnDestroy is still this class's: it frees the copies.
  if (m_hWnd != NULL) DestroyWindow();
}

BOOL CFontCombo::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style |= WS_VISIBLE | WS_VSCROLL | WS_TABSTOP;
  return CComboBox::PreCreateWindow(cs);
}

BOOL CFontCombo::CreateCombo(const RECT& rc, CWnd* pParent, UINT nID) {
  DWORD dwStyle = CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_SORT | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;
  if (!Create(dwStyle, rc, pParent, nID)) return FALSE;
  // An always-open list may measure its items without asking: keep them 20 high all the same.
  if (GetItemHeight(0) < kItemHeight) SetItemHeight(0, kItemHeight);
  FillFonts();
  m_nCurSel = SelectString(-1, m_szFontName);
  if (m_nCurSel < 0) m_nCurSel = SetCurSel(0);
  return TRUE;
}

BOOL CFontCombo::FillFonts() {
  if (m_hWnd == NULL) return TRUE;
  CClientDC dc(this);
  FillContext ctx = {this, (BYTE)::GetTextCharset(dc.m_hDC)};
  ::EnumFontFamiliesA(dc.m_hDC, NULL, (FONTENUMPROCA)AddTrueTypeFamily, (LPARAM)&ctx);
  return TRUE;
}

LOGFONTA* CFontCombo::GetSelectedFont() {
  int nSel = GetCurSel();
  if (nSel < 0) return NULL;
  ULONG_PTR data = GetItemData(nSel);
  return IsFontCopy(data) ? (LOGFONTA*)data : NULL;
}

void CFontCombo::SetFontName(char* pszName) {
  if (pszName == NULL) return;
  CString strItem;
  for (int i = 0; i < GetCount(); ++i) {
    GetLBText(i, strItem);
    if (strItem == pszName) {
      SetCurSel(i);
      return;
    }
  }
}

void CFontCombo::Clear() {
  for (int i = GetCount() - 1; i >= 0; --i) {
    ULONG_PTR data = GetItemData(i);
    if (IsFontCopy(data)) ::GlobalFree((HGLOBAL)data);
    SetItemData(i, 0);
  }
}

void CFontCombo::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
  if ((int)lpMIS->itemID >= 0 && lpMIS->itemHeight < (UINT)kItemHeight) lpMIS->itemHeight = kItemHeight;
}

void CFontCombo::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  int nItem = (int)lpDIS->itemID;
  if (nItem < 0) return;
  CString strFace;
  GetLBText(nItem, strFace);
  HFONT hFont = NULL;
  if (IsFontCopy(lpDIS->itemData)) {
    const LOGFONTA& lf = *(const LOGFONTA*)lpDIS->itemData;
    int nHeight = IsSystemDBCS() && HasDoubleByteChar(lf.lfFaceName) ? 16 : kItemHeight;
    hFont = CreateCaptionFont(lf, nHeight);
  }
  const RECT& rc = lpDIS->rcItem;
  DrawComboCaption(lpDIS, hFont, rc.left + 2, (rc.top + rc.bottom - kItemHeight) / 2, strFace);
  if (hFont != NULL) ::DeleteObject(hFont);
}

int CFontCombo::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }

void CFontCombo::OnSelchange() {}
void CFontCombo::OnEditchange() {}

void CFontCombo::OnDestroy() {
  Clear();
  CComboBox::OnDestroy();
}
