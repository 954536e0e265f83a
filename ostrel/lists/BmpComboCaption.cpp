#include "lists/BmpComboCaption.h"
#include <string.h>

void DrawComboCaption(const DRAWITEMSTRUCT* lpDIS, HFONT hFont, int x, int y, const char* pszText) {
  HDC hDC = lpDIS->hDC;
  BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
  COLORREF clrOldText = ::SetTextColor(hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  COLORREF clrOldBack = ::SetBkColor(hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(hDC, hFont) : NULL;
  if (pszText == NULL) pszText = "";
  ::ExtTextOutA(hDC, x, y, ETO_OPAQUE | ETO_CLIPPED, &lpDIS->rcItem, pszText, (UINT)strlen(pszText), NULL);
  if (hOldFont != NULL) ::SelectObject(hDC, hOldFont);
  ::SetTextColor(hDC, clrOldText);
  ::SetBkColor(hDC, clrOldBack);
}

HFONT CreateCaptionFont(LOGFONTA lf, int nHeight) {
  lf.lfHeight = nHeight;
  lf.lfWidth = 0;
  lf.lfEscapement = 0;
  lf.lfOrientation = 0;
  lf.lfWeight = FW_NORMAL;
  lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = 0;
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  return ::CreateFontIndirectA(&lf);
}
