// The colour pop-up menu and its owner window.
#include "gradient/ColorMenuWnd.h"
#include <Ostrel/ColorBar.h>
#include "gradient/GradientDraw.h"

namespace {

// Rows are hues (the last one greys), columns go from dark to light.
const COLORREF kColours[COLORMENU_ROWS][COLORMENU_COLUMNS] = {
    {0x000073, 0x0000B9, 0x0000FF, 0x4848FF, 0x8E8EFF, 0xD4D4FF},
    {0x4A0073, 0x7A00B9, 0xAA00FF, 0xB848FF, 0xD48EFF, 0xF0D4FF},
    {0x73004A, 0xB9007A, 0xFF00AA, 0xFF48B8, 0xFF8ED4, 0xFFD4F0},
    {0x730000, 0xB90000, 0xFF0000, 0xFF4848, 0xFF8E8E, 0xFFD4D4},
    {0x734A00, 0xB97A00, 0xFFAA00, 0xFFB848, 0xFFD48E, 0xFFF0D4},
    {0x737300, 0xB9B900, 0xE0E000, 0xFFFF00, 0xFFFF8E, 0xFFFFD4},
    {0x007300, 0x00B900, 0x00E000, 0x00FF00, 0x8EFF8E, 0xD4FFD4},
    {0x00734A, 0x00B97A, 0x00E08C, 0x00FFAA, 0x8EFFD4, 0xD4FFF0},
    {0x007373, 0x00B9B9, 0x00E0E0, 0x00FFFF, 0x8EFFFF, 0xD4FFFF},
    {0x004A73, 0x007AB9, 0x00AAFF, 0x48B8FF, 0x8ED4FF, 0xD4F0FF},
    {0x002573, 0x003DB9, 0x0055FF, 0x4873FF, 0x8EAAFF, 0xD4E0FF},
    {0x000000, 0x565656, 0x7A7A7A, 0xAAAAAA, 0xCCCCCC, 0xFFFFFF},
};

const UINT kGroupStep = 100;

// Group of a command id of the menu, -1 for any other id.
int GroupOf(UINT nID) {
  if (nID < COLORMENU_BASE || nID >= COLORMENU_BASE + COLORMENU_GROUPS * kGroupStep) return -1;
  return (nID - COLORMENU_BASE) % kGroupStep < COLORMENU_ITEMS ? (int)((nID - COLORMENU_BASE) / kGroupStep) : -1;
}

int IndexOf(UINT nID) { return (int)((nID - COLORMENU_BASE) % kGroupStep); }

}  // namespace

COLORREF ColorMenuColor(int nIndex) {
  if (nIndex < 0 || nIndex >= COLORMENU_ITEMS) return 0;
  return kColours[nIndex % COLORMENU_ROWS][nIndex / COLORMENU_ROWS];
}

BOOL BuildColorMenu(CMenu& menu, UINT nBase) {
  if (nBase < COLORMENU_BASE || (nBase - COLORMENU_BASE) % kGroupStep != 0 || GroupOf(nBase) < 0) return FALSE;
  for (int n = 0; n < COLORMENU_ITEMS; n++) {
    UINT nFlags = MF_OWNERDRAW | (n > 0 && n % COLORMENU_ROWS == 0 ? MF_MENUBREAK : 0);
    if (!menu.AppendMenu(nFlags, nBase + n, (LPCSTR)(ULONG_PTR)ColorMenuColor(n))) return FALSE;
  }
  return TRUE;
}

BEGIN_MESSAGE_MAP(CColorMenuWnd, CWnd)
ON_WM_MEASUREITEM()
ON_WM_DRAWITEM()
ON_MESSAGE(WM_MENUSELECT, OnMenuSelect)
END_MESSAGE_MAP()

CColorMenuWnd::CColorMenuWnd(CWnd* pDialog)
    : m_pDialog(pDialog), m_clrSelected(0), m_nGroup(0), m_rcSelected(0, 0, 0, 0) {
  m_nItemHeight = ::GetSystemMetrics(SM_CYMENU);
  m_nItemWidth = m_nItemHeight / 3;
}

CColorMenuWnd::~CColorMenuWnd() {
  if (m_hWnd != NULL) DestroyWindow();
}

CColorMenuWnd* CColorMenuWnd::CreateFor(CWnd* pDialog) {
  CWnd* pMain = AfxGetMainWnd();
  if (pMain->GetSafeHwnd() == NULL) return NULL;
  const char* pszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_PARENTDC | CS_SAVEBITS);
  CColorMenuWnd* pWnd = new CColorMenuWnd(pDialog);
  if (!pWnd->CreateEx(0, pszClass, "MenuWnd", WS_CHILD | WS_VISIBLE, 65535, 65535, 20, 20, pMain->m_hWnd, NULL)) {
    delete pWnd;
    return NULL;
  }
  return pWnd;
}

void CColorMenuWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasure) {
  if (lpMeasure->CtlType != ODT_MENU || GroupOf(lpMeasure->itemID) < 0) return;
  lpMeasure->itemWidth = m_nItemWidth;
  lpMeasure->itemHeight = m_nItemHeight;
}

void CColorMenuWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDraw) {
  if (lpDraw->CtlType != ODT_MENU || GroupOf(lpDraw->itemID) < 0) return;
  CDC* pDC = CDC::FromHandle(lpDraw->hDC);
  CColorBlock block;
  if (block.SetBlockRect((COLORREF)lpDraw->itemData, &lpDraw->rcItem)) block.Draw(pDC);
  if (lpDraw->itemState & ODS_SELECTED) {
    if (!m_rcSelected.IsRectEmpty()) DrawEdgeFrame(lpDraw->hDC, &m_rcSelected, TRUE);
    DrawEdgeFrame(lpDraw->hDC, &lpDraw->rcItem, FALSE);
    m_rcSelected = lpDraw->rcItem;
  }
}

LRESULT CColorMenuWnd::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
  CWnd* pMain = AfxGetMainWnd();
  if (pMain->GetSafeHwnd() != NULL) pMain->SendMessage(WM_MENUSELECT, wParam, lParam);
  if (HIWORD(wParam) == 0xFFFF && lParam == 0) {  // the menu closes
    m_rcSelected.SetRectEmpty();
    return 0;
  }
  const UINT nID = LOWORD(wParam);
  const int nGroup = GroupOf(nID);
  if (nGroup >= 0) {
    m_nGroup = nGroup;
    m_clrSelected = ColorMenuColor(IndexOf(nID));
  }
  return 0;
}

BOOL CColorMenuWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (m_pDialog->GetSafeHwnd() != NULL) m_pDialog->PostMessage(WM_COMMAND, wParam, lParam);
  return TRUE;
}
