// GDI objects: ownership of handles, the per-thread handle maps, and the creation helpers that need
// more than one call.
#include "afxgdi_internal.h"
#include "afxstate.h"

extern "C++" AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace afx_gdi {
namespace {

// A temporary wrapper of the class that matches the handle's kind.
CGdiObject* NewTempObject(HGDIOBJ h) {
  CGdiObject* p;
  switch (::GetObjectType(h)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
      p = new CPen;
      break;
    case OBJ_BRUSH:
      p = new CBrush;
      break;
    case OBJ_FONT:
      p = new CFont;
      break;
    case OBJ_BITMAP:
      p = new CBitmap;
      break;
    case OBJ_PAL:
      p = new CPalette;
      break;
    case OBJ_REGION:
      p = new CRgn;
      break;
    default:
      p = new CGdiObject;
      break;
  }
  p->m_hObject = h;
  return p;
}

void ReleaseTempObject(CGdiObject* p) {
  p->m_hObject = NULL;  // the handle is not ours to delete
  delete p;
}

CDC* NewTempDC(HDC h) {
  CDC* p = new CDC;
  p->m_hDC = p->m_hAttribDC = h;
  return p;
}

void ReleaseTempDC(CDC* p) {
  p->m_hDC = p->m_hAttribDC = NULL;
  delete p;
}

}  // namespace

GdiMaps::GdiMaps() : objects(NewTempObject, ReleaseTempObject), dcs(NewTempDC, ReleaseTempDC) {}

// Made once and never freed: objects of other modules may let go of their handles at process end.
SharedOwners<CGdiObject, HGDIOBJ>& ObjectOwners() {
  static SharedOwners<CGdiObject, HGDIOBJ>* s_pOwners = new SharedOwners<CGdiObject, HGDIOBJ>;
  return *s_pOwners;
}

SharedOwners<CDC, HDC>& DCOwners() {
  static SharedOwners<CDC, HDC>* s_pOwners = new SharedOwners<CDC, HDC>;
  return *s_pOwners;
}

// The maps hang off the framework's thread state.
GdiMaps* ThreadMaps(bool bCreate) {
  AFX_THREAD_STATE* pState = bCreate ? AfxGetThreadState() : AfxPeekThreadState();
  if (pState == NULL) return NULL;
  if (pState->m_pGdiMaps == NULL && bCreate) pState->m_pGdiMaps = new GdiMaps;
  return pState->m_pGdiMaps;
}

}  // namespace afx_gdi

using afx_gdi::ThreadMaps;

void AFXAPI AfxDeleteTempGdiMaps() {
  CGdiObject::DeleteTempMap();
  CDC::DeleteTempMap();
}

void AFXAPI AfxTermThreadGdiMaps() {
  // Temporary wrappers go with the maps; owners are in the process-wide registry.
  AFX_THREAD_STATE* pState = AfxPeekThreadState();
  if (pState == NULL) return;
  afx_gdi::GdiMaps* pMaps = pState->m_pGdiMaps;
  pState->m_pGdiMaps = NULL;
  delete pMaps;
}

// --- CGdiObject ---

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* AFXAPI CGdiObject::FromHandle(HGDIOBJ hObject) {
  if (hObject == NULL) return NULL;
  return afx_gdi::LookupOrWrap(afx_gdi::ObjectOwners(), &afx_gdi::GdiMaps::objects, hObject,
                               [](CGdiObject* p) { return p->m_hObject; });
}

void AFXAPI CGdiObject::DeleteTempMap() {
  if (afx_gdi::GdiMaps* pMaps = ThreadMaps(false)) pMaps->objects.DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  return afx_gdi::AttachHandle(this, m_hObject, hObject, afx_gdi::ObjectOwners());
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject) {
  if (m_hObject != NULL && hObject != NULL) {
    ::DeleteObject(hObject);
    return FALSE;
  }
  return Attach(hObject);
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = afx_gdi::DetachHandle(this, m_hObject, afx_gdi::ObjectOwners());
  m_hObject = NULL;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == NULL) return FALSE;
  return ::DeleteObject(Detach());
}

// --- objects made in more than one step ---

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
  if (!CreatePen(nPenStyle, nWidth, crColor)) AfxThrowResourceException();
}

CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle) {
  if (!CreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle)) AfxThrowResourceException();
}

CBrush::CBrush(COLORREF crColor) {
  if (!CreateSolidBrush(crColor)) AfxThrowResourceException();
}

CBrush::CBrush(int nIndex, COLORREF crColor) {
  if (!CreateHatchBrush(nIndex, crColor)) AfxThrowResourceException();
}

CBrush::CBrush(CBitmap* pBitmap) {
  if (!CreatePatternBrush(pBitmap)) AfxThrowResourceException();
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
  HBITMAP hBitmap = (HBITMAP)pBitmap->GetSafeHandle();
  return hBitmap != NULL && AttachCreated(::CreatePatternBrush(hBitmap));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
  LOGFONTA logFont;
  memset(&logFont, 0, sizeof(logFont));
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfHeight = nPointSize;
  if (lpszFaceName != NULL) lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
  return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC) {
  if (lpLogFont == NULL) return FALSE;
  HDC hDC = pDC != NULL ? pDC->m_hAttribDC : ::GetDC(NULL);
  if (hDC == NULL) return FALSE;
  // Tenths of a point to device pixels, then to the DC's logical units.
  LOGFONTA logFont = *lpLogFont;
  POINT pt = {0, ::GetDeviceCaps(hDC, LOGPIXELSY) * logFont.lfHeight / 720};
  POINT ptOrg = {0, 0};
  ::DPtoLP(hDC, &pt, 1);
  ::DPtoLP(hDC, &ptOrg, 1);
  logFont.lfHeight = -abs(pt.y - ptOrg.y);
  if (pDC == NULL) ::ReleaseDC(NULL, hDC);
  return CreateFontIndirect(&logFont);
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) {
  if (lpszResourceName == NULL) return FALSE;
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  return hInst != NULL && AttachCreated(::LoadBitmapA(hInst, lpszResourceName));
}

BOOL CBitmap::LoadMappedBitmap(UINT nIDBitmap, UINT nFlags, LPCOLORMAP lpColorMap, int nMapSize) {
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIDBitmap), RT_BITMAP);
  return hInst != NULL && AttachCreated(::CreateMappedBitmap(hInst, nIDBitmap, (UINT)nFlags, lpColorMap, nMapSize));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  HDC hDC = pDC->GetSafeHdc();
  return hDC != NULL && AttachCreated(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight) {
  HDC hDC = pDC->GetSafeHdc();
  return hDC != NULL && AttachCreated(::CreateDiscardableBitmap(hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDIBitmap(CDC* pDC, const BITMAPINFOHEADER* lpbmih, DWORD dwInit, const void* lpbInit,
                             const BITMAPINFO* lpbmi, UINT uUsage) {
  HDC hDC = pDC->GetSafeHdc();
  return hDC != NULL && AttachCreated(::CreateDIBitmap(hDC, lpbmih, dwInit, lpbInit, lpbmi, uUsage));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC) {
  HDC hDC = pDC->GetSafeHdc();
  return hDC != NULL && AttachCreated(::CreateHalftonePalette(hDC));
}

BOOL CRgn::CreateFromPath(CDC* pDC) {
  HDC hDC = pDC->GetSafeHdc();
  return hDC != NULL && AttachCreated(::PathToRegion(hDC));
}
