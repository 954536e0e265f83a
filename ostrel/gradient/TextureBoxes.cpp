// CTextureBoxes: loading the texture library, the swatch, the dialog and the records' release.
#include <Ostrel/TextureBoxes.h>
#include <qsComm.h>
#include <string.h>
#include <t32Comm.h>
#include "frame/LibraryState.h"
#include "gradient/GradientDraw.h"
#include "gradient/TextureModule.h"
#include "res/resource.h"

namespace {
const int kTextureType = 1;  // the list's type that holds the textures
}

IMPLEMENT_DYNCREATE(CTextureBoxes, CWnd)

BEGIN_MESSAGE_MAP(CTextureBoxes, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CTextureBoxes::CTextureBoxes() : m_nID(0), m_bHover(FALSE), m_bInited(FALSE) {
  m_txtur.nTexture = 0;
  m_txtur.hPalette = NULL;
  m_txtur.pItem = NULL;
  m_list.m_pItems = &m_items;
}

CTextureBoxes::~CTextureBoxes() {
  // The window goes first, so that no message reaches a half-emptied list.
  if (m_hWnd != NULL) DestroyWindow();
  TEXTURE_RELEASE release = NULL;
  const BOOL bRelease = RequestTextureEntries(NULL, &release, NULL);
  for (int i = 0; i < m_items.GetSize(); i++) {
    CTextureItem* pItem = (CTextureItem*)m_items[i];
    if (pItem->m_hData != NULL && bRelease) release(pItem->m_hData);
    delete pItem;
  }
  m_items.RemoveAll();
  m_list.Destroy();
}

int CTextureBoxes::Create(UINT nID, const RECT& rect, CWnd* pParentWnd, int nTexture) {
  if (pParentWnd == NULL) return 0;
  if (!CWnd::Create(NULL, NULL, WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID)) return 0;
  m_nID = nID;
  m_txtur.nTexture = nTexture < 0 ? 0 : nTexture;
  if (!InitTexture()) return 0;
  m_txtur.hPalette = NULL;
  m_txtur.pItem = (CTextureItem*)GetAt(m_txtur.nTexture);
  m_bInited = TRUE;
  return 1;
}

int CTextureBoxes::InitTexture() {
  char szExe[MAX_PATH] = "", szPath[MAX_PATH] = "", szName[MAX_PATH + 1] = "";
  const DWORD nExe = ::GetModuleFileNameA(NULL, szExe, MAX_PATH);
  // A path cut short by the buffer names no real file.
  BOOL bOk = nExe > 0 && nExe < MAX_PATH && tfdSplitPathname(szExe, NULL, szPath) &&
             ::LoadStringA(_hResInst, IDS_TEXTURE_SAMPLE_FILE, szName, sizeof szName) > 0 &&
             strlen(szPath) + strlen(szName) < MAX_PATH;
  if (bOk) {
    strcat(szPath, szName);
    const DWORD dwAttributes = ::GetFileAttributesA(szPath);
    bOk = dwAttributes != INVALID_FILE_ATTRIBUTES && !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY) && m_list.Load(szPath);
  }
  if (bOk) {
    m_list.TypeSetActivate(kTextureType);
    m_list.SetFixedAPIIData(0);
    bOk = m_list.InitIIAPData(kTextureType, m_txtur.nTexture);
  }
  if (!bOk) XShowMessage(_hResInst, (HWND)NULL, IDS_TEXTURE_INIT_ERROR, (char*)NULL, (char*)NULL);
  return bOk ? 1 : 0;
}

int CTextureBoxes::SetTextureOpt(int nTexture) {
  if (nTexture < 0 || !m_bInited) return 0;
  m_txtur.nTexture = nTexture;
  m_txtur.hPalette = NULL;
  m_txtur.pItem = (CTextureItem*)GetAt(nTexture);
  Invalidate(FALSE);
  UpdateWindow();
  return 1;
}

SIMPLE_TXTUR CTextureBoxes::GetTextureOpt() { return m_txtur; }

void CTextureBoxes::OnTextureChange(SIMPLE_TXTUR* pTexture) {
  if (CWnd* pParent = GetParent()) pParent->SendMessage(TXTBOX_TEXTURECHANGE, m_nID, (LPARAM)pTexture);
}

void CTextureBoxes::OnUpdateUI(CCmdUI*) {
  if (!m_bInited || m_hWnd == NULL) return;
  GetClientRect(&m_rcClient);
  CPoint pt;
  ::GetCursorPos(&pt);
  ScreenToClient(&pt);
  const BOOL bInside = m_rcClient.PtInRect(pt) ? TRUE : FALSE;
  if (bInside == (m_bHover ? TRUE : FALSE)) return;
  m_bHover = bInside;
  Invalidate(FALSE);
  UpdateWindow();
}

void* CTextureBoxes::GetAt(int nItem) {
  for (int i = 0; i < m_items.GetSize(); i++) {
    CTextureItem* pItem = (CTextureItem*)m_items[i];
    if (pItem->m_nItem == nItem) return pItem;
  }
  return NULL;
}

void CTextureBoxes::OnPaint() {
  CPaintDC dc(this);
  if (!m_bInited) return;
  GetClientRect(&m_rcClient);
  if (m_rcClient.IsRectEmpty()) return;
  CMemDC memDC(&dc, m_rcClient);
  Drawing(&memDC);
}

// The picture is not scaled: its top-left part fills the swatch. An id with no picture in the
// list shows the button face.
void CTextureBoxes::Drawing(CDC* pDC) {
  const CRect& rc = m_rcClient;
  const CRect rcPicture = m_bHover ? CRect(rc.left + 1, rc.top + 1, rc.right, rc.bottom)
                                   : CRect(rc.left, rc.top, rc.right - 1, rc.bottom - 1);
  HANDLE hBuffer = m_list.GetIIBuffer(m_txtur.nTexture);
  if (hBuffer != NULL)
    DrawBufferToDC(hBuffer, rcPicture, pDC->GetSafeHdc());
  else
    pDC->FillSolidRect(&rcPicture, ::GetSysColor(COLOR_BTNFACE));
  if (!m_bHover) {
    DrawEdgeFrame(pDC->GetSafeHdc(), &rc, FALSE);
    return;
  }
  CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  CPen* pOldPen = pDC->SelectObject(&pen);
  pDC->MoveTo(rc.left, rc.top);
  pDC->LineTo(rc.right, rc.top);
  pDC->MoveTo(rc.left, rc.top);
  pDC->LineTo(rc.left, rc.bottom);
  pDC->SelectObject(pOldPen);
}

void CTextureBoxes::OnLButtonDown(UINT, CPoint) {
  if (!m_bInited) return;
  CMTextureLibraryDlg dlg(this);
  m_list.m_pDlg = &dlg;
  dlg.m_pIIList = &m_list;
  m_bHover = FALSE;
  Invalidate(FALSE);
  UpdateWindow();
  CMTextureLibraryDlg::m_nSel = m_txtur.nTexture;
  const INT_PTR nResult = dlg.DoModal();
  m_list.m_pDlg = NULL;
  if (nResult != IDOK) return;
  m_txtur.nTexture = CMTextureLibraryDlg::m_nSel;
  m_txtur.hPalette = dlg.m_hPalette;
  m_txtur.pItem = (CTextureItem*)GetAt(m_txtur.nTexture);
  Invalidate(FALSE);
  UpdateWindow();
  OnTextureChange(&m_txtur);
}
