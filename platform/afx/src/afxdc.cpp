// CDC: DC ownership and the handle map, object selection, and the calls that keep the output and the
// attribute DC in step.
#include "afxgdi_internal.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

// Runs a setter on the output DC (when it is a different one) and on the attribute DC; the result is
// the attribute DC's, as it describes the state queries will see.
template <class R, class... P, class... A>
R ApplyToBoth(const CDC* pDC, R(WINAPI* fn)(HDC, P...), A... args) {
  R result = R();
  if (pDC->m_hDC != pDC->m_hAttribDC && pDC->m_hDC != NULL) result = fn(pDC->m_hDC, args...);
  if (pDC->m_hAttribDC != NULL) result = fn(pDC->m_hAttribDC, args...);
  return result;
}

// Runs a "...Ex" setter on both DCs and returns the previous value it reports.
template <class T, class... P, class... A>
T PreviousValue(const CDC* pDC, BOOL(WINAPI* fn)(HDC, P...), A... args) {
  T value = {};
  ApplyToBoth(pDC, fn, args..., &value);
  return value;
}

template <class T, class P>
T QueryValue(HDC hDC, BOOL(WINAPI* fn)(HDC, P)) {
  T value = {};
  fn(hDC, &value);
  return value;
}

}  // namespace

CDC::~CDC() {
  if (m_hDC != NULL) ::DeleteDC(Detach());
}

CDC* AFXAPI CDC::FromHandle(HDC hDC) {
  if (hDC == NULL) return NULL;
  return afx_gdi::LookupOrWrap(afx_gdi::DCOwners(), &afx_gdi::GdiMaps::dcs, hDC, [](CDC* p) { return p->m_hDC; });
}

void AFXAPI CDC::DeleteTempMap() {
  if (afx_gdi::GdiMaps* pMaps = afx_gdi::ThreadMaps(false)) pMaps->dcs.DeleteTemp();
}

BOOL CDC::Attach(HDC hDC) {
  if (!afx_gdi::AttachHandle(this, m_hDC, hDC, afx_gdi::DCOwners())) return FALSE;
  SetAttribDC(hDC);
  return TRUE;
}

BOOL CDC::AttachCreated(HDC hDC) {
  if (m_hDC != NULL && hDC != NULL) {
    ::DeleteDC(hDC);
    return FALSE;
  }
  return Attach(hDC);
}

HDC CDC::Detach() {
  HDC hDC = afx_gdi::DetachHandle(this, m_hDC, afx_gdi::DCOwners());
  ReleaseAttribDC();
  ReleaseOutputDC();
  return hDC;
}

BOOL CDC::DeleteDC() {
  if (m_hDC == NULL) return FALSE;
  return ::DeleteDC(Detach());
}

CPoint CDC::GetBrushOrg() const { return QueryValue<POINT>(m_hDC, ::GetBrushOrgEx); }

CPoint CDC::SetBrushOrg(int x, int y) {
  POINT pt = {0, 0};
  ::SetBrushOrgEx(m_hDC, x, y, &pt);
  return pt;
}

// --- selection ---

CGdiObject* CDC::SelectGdiObject(HGDIOBJ hObject) {
  if (hObject == NULL || m_hDC == NULL) return NULL;
  if (::GetObjectType(hObject) == OBJ_REGION) {
    SelectClipRgn(CRgn::FromHandle((HRGN)hObject));  // a region has no "previous object"
    return NULL;
  }
  if (m_hAttribDC != NULL && m_hAttribDC != m_hDC) ::SelectObject(m_hAttribDC, hObject);
  HGDIOBJ hOld = ::SelectObject(m_hDC, hObject);
  return hOld == HGDI_ERROR ? NULL : CGdiObject::FromHandle(hOld);
}

int CDC::SelectObject(CRgn* pRgn) {
  HRGN hRgn = (HRGN)pRgn->GetSafeHandle();
  if (hRgn == NULL) return ERROR;
  return (int)(INT_PTR)ApplyToBoth(this, ::SelectObject, (HGDIOBJ)hRgn);
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
  if (hObject == NULL) return NULL;
  return ApplyToBoth(this, ::SelectObject, hObject);
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
  HPALETTE hPalette = (HPALETTE)pPalette->GetSafeHandle();
  if (hPalette == NULL || m_hDC == NULL) return NULL;
  return CPalette::FromHandle(::SelectPalette(m_hDC, hPalette, bForceBackground));
}

// --- attributes ---

COLORREF CDC::SetBkColor(COLORREF crColor) { return ApplyToBoth(this, ::SetBkColor, crColor); }
int CDC::SetBkMode(int nBkMode) { return ApplyToBoth(this, ::SetBkMode, nBkMode); }
int CDC::SetPolyFillMode(int nPolyFillMode) { return ApplyToBoth(this, ::SetPolyFillMode, nPolyFillMode); }
int CDC::SetROP2(int nDrawMode) { return ApplyToBoth(this, ::SetROP2, nDrawMode); }
int CDC::SetStretchBltMode(int nStretchMode) { return ApplyToBoth(this, ::SetStretchBltMode, nStretchMode); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return ApplyToBoth(this, ::SetTextColor, crColor); }
UINT CDC::SetTextAlign(UINT nFlags) { return ApplyToBoth(this, ::SetTextAlign, nFlags); }
int CDC::SetTextCharacterExtra(int nCharExtra) { return ApplyToBoth(this, ::SetTextCharacterExtra, nCharExtra); }
DWORD CDC::SetMapperFlags(DWORD dwFlag) { return ApplyToBoth(this, ::SetMapperFlags, dwFlag); }
int CDC::SetMapMode(int nMapMode) { return ApplyToBoth(this, ::SetMapMode, nMapMode); }

// --- coordinates ---

CPoint CDC::GetViewportOrg() const { return QueryValue<POINT>(m_hAttribDC, ::GetViewportOrgEx); }
CPoint CDC::SetViewportOrg(int x, int y) { return PreviousValue<POINT>(this, ::SetViewportOrgEx, x, y); }
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
  return PreviousValue<POINT>(this, ::OffsetViewportOrgEx, nWidth, nHeight);
}
CSize CDC::GetViewportExt() const { return QueryValue<SIZE>(m_hAttribDC, ::GetViewportExtEx); }
CSize CDC::SetViewportExt(int cx, int cy) { return PreviousValue<SIZE>(this, ::SetViewportExtEx, cx, cy); }
CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
  return PreviousValue<SIZE>(this, ::ScaleViewportExtEx, xNum, xDenom, yNum, yDenom);
}
CPoint CDC::GetWindowOrg() const { return QueryValue<POINT>(m_hAttribDC, ::GetWindowOrgEx); }
CPoint CDC::SetWindowOrg(int x, int y) { return PreviousValue<POINT>(this, ::SetWindowOrgEx, x, y); }
CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
  return PreviousValue<POINT>(this, ::OffsetWindowOrgEx, nWidth, nHeight);
}
CSize CDC::GetWindowExt() const { return QueryValue<SIZE>(m_hAttribDC, ::GetWindowExtEx); }
CSize CDC::SetWindowExt(int cx, int cy) { return PreviousValue<SIZE>(this, ::SetWindowExtEx, cx, cy); }
CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
  return PreviousValue<SIZE>(this, ::ScaleWindowExtEx, xNum, xDenom, yNum, yDenom);
}

// Sizes convert by the ratio of the extents alone (origins do not move a size).
static void ScaleSize(LPSIZE lpSize, SIZE sizeTo, SIZE sizeFrom) {
  if (sizeFrom.cx == 0 || sizeFrom.cy == 0) return;
  lpSize->cx = ::MulDiv(lpSize->cx, abs(sizeTo.cx), abs(sizeFrom.cx));
  lpSize->cy = ::MulDiv(lpSize->cy, abs(sizeTo.cy), abs(sizeFrom.cy));
}

void CDC::DPtoLP(LPSIZE lpSize) const { ScaleSize(lpSize, GetWindowExt(), GetViewportExt()); }
void CDC::LPtoDP(LPSIZE lpSize) const { ScaleSize(lpSize, GetViewportExt(), GetWindowExt()); }

// --- clipping ---

int CDC::SelectClipRgn(CRgn* pRgn) { return ApplyToBoth(this, ::SelectClipRgn, (HRGN)pRgn->GetSafeHandle()); }

int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
  return ApplyToBoth(this, ::ExtSelectClipRgn, (HRGN)pRgn->GetSafeHandle(), nMode);
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
  return ApplyToBoth(this, ::ExcludeClipRect, x1, y1, x2, y2);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
  return ApplyToBoth(this, ::IntersectClipRect, x1, y1, x2, y2);
}

int CDC::OffsetClipRgn(int x, int y) { return ApplyToBoth(this, ::OffsetClipRgn, x, y); }

// --- lines ---

CPoint CDC::GetCurrentPosition() const { return QueryValue<POINT>(m_hAttribDC, ::GetCurrentPositionEx); }
CPoint CDC::MoveTo(int x, int y) { return PreviousValue<POINT>(this, ::MoveToEx, x, y); }

BOOL CDC::LineTo(int x, int y) {
  if (m_hAttribDC != NULL && m_hAttribDC != m_hDC) ::MoveToEx(m_hAttribDC, x, y, NULL);
  return ::LineTo(m_hDC, x, y);
}

// --- filled shapes ---

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
  ::SetBkColor(m_hDC, clr);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  RECT rect = {x, y, x + cx, y + cy};
  FillSolidRect(&rect, clr);
}

// Two edges of each colour, the colour set once for both.
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  const RECT edges[4] = {{x, y, x + cx - 1, y + 1},
                         {x, y, x + 1, y + cy - 1},
                         {x + cx - 1, y, x + cx, y + cy},
                         {x, y + cy - 1, x + cx, y + cy}};
  for (int i = 0; i < 4; ++i) {
    if (i % 2 == 0) ::SetBkColor(m_hDC, i == 0 ? clrTopLeft : clrBottomRight);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &edges[i], NULL, 0, NULL);
  }
}

// --- text ---

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
  SIZE size = {0, 0};
  if (lpszString != NULL && nCount > 0) ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
  return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const {
  SIZE size = {0, 0};
  if (lpszString != NULL && nCount > 0) ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
  return size;
}

int CDC::GetTextFace(CString& rString) const {
  int nLen = ::GetTextFaceA(m_hAttribDC, 0, NULL);
  if (nLen <= 0) {
    rString.Empty();
    return 0;
  }
  nLen = ::GetTextFaceA(m_hAttribDC, nLen, rString.GetBuffer(nLen));
  rString.ReleaseBuffer();
  return nLen;
}
