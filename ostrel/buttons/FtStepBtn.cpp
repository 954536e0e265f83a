// CFtStepBtn: the two halves, the step strips and the menu of step pictures.
#include <Ostrel/FtStepBtn.h>
#include <qsComm.h>
#include <algorithm>
#include "BitmapCopy.h"
#include "frame/LibraryState.h"
#include "res/resource.h"

namespace {

// Strips of the module in _ButtonVexBmpInst: four state columns, six step rows.
const UINT kBmpSteps = 496;
const UINT kBmpMenuSteps = 497;
const UINT kBmpStepsDrop = 498;
const int kStepRows = 6;
const int kColNormal = 0, kColDisabled = 1, kColHot = 2, kColPressed = 3;
const UINT kMenuFlags = TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_LEFTBUTTON;  // above the button

void ShowError(UINT nID) { XShowMessage(_hResInst, (HWND)NULL, (int)nID, (char*)NULL, (char*)NULL); }

}  // namespace

IMPLEMENT_DYNAMIC(CFtStepBtn, COkButton)

BEGIN_MESSAGE_MAP(CFtStepBtn, COkButton)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CFtStepBtn::CFtStepBtn()
    : m_pParent(NULL),
      m_nID(0),
      m_nBitmapID(0),
      m_hBmpInst(NULL),
      m_nCurStep(0),
      m_nTotalSteps(0),
      m_rcRight(),
      m_rcLeft(),
      m_rcWindow(),
      m_bDropPart(FALSE),
      m_bInMenu(FALSE),
      m_bMenuClosedHere(FALSE) {}

CFtStepBtn::~CFtStepBtn() {}

// Steps outside 1..total are refused like a missing parent or picture.
BOOL CFtStepBtn::Create(CWnd* pParent, UINT nID, int nCurStep, int nTotalSteps, COkButton::BITMAPDEFAULT,
                        UINT nBitmapID, HINSTANCE hInst) {
  UINT nStrip = nBitmapID != 0 ? nBitmapID : kBmpSteps;
  HINSTANCE hModule = hInst != NULL ? hInst : _ButtonVexBmpInst;
  BOOL bSteps = nTotalSteps >= 1 && nCurStep >= 1 && nCurStep <= nTotalSteps;
  if (pParent == NULL || !::IsWindow(pParent->m_hWnd) || !bSteps ||
      !COkButton::Create(pParent, nID, BITMAP_CUSTOM, nStrip, hModule)) {
    ShowError(IDS_FOOTSTEP_CREATE_ERROR);
    return FALSE;
  }
  m_pParent = pParent;
  m_nID = nID;
  m_nCurStep = nCurStep;
  m_nTotalSteps = nTotalSteps;
  m_nBitmapID = nStrip;
  m_hBmpInst = hModule;
  m_nTextAlign = 2;

  m_menuSteps.DestroyMenu();
  if (!m_menuSteps.CreatePopupMenu() || !InsertMenuItems()) return FALSE;
  if (!LoadStrip(m_bmpSteps, nStrip, hModule) || !LoadStrip(m_bmpMenuSteps, kBmpMenuSteps, hModule) ||
      !LoadStrip(m_bmpStepsDrop, kBmpStepsDrop, hModule))
    return FALSE;
  GetDispBmpPart(TRUE, 1, kColNormal, &m_rcWindow);
  SetWindowPos(NULL, 0, 0, m_rcWindow.right - m_rcWindow.left, m_rcWindow.bottom - m_rcWindow.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

void CFtStepBtn::SetCurStep(int nStep) {
  if (nStep < 1 || nStep > m_nTotalSteps) {
    ShowError(IDS_FOOTSTEP_MODIFY_ERROR);
    return;
  }
  m_nCurStep = nStep;
  if (m_hWnd != NULL) Invalidate(FALSE);
}

int CFtStepBtn::GetCurStep() { return m_nCurStep; }

// The current step stays as it is, even above the new total.
void CFtStepBtn::SetTotalSteps(int nTotal) {
  if (nTotal < 1 || m_menuSteps.m_hMenu == NULL) {
    ShowError(IDS_FOOTSTEP_MODIFY_ERROR);
    return;
  }
  DeleteMenuItems();
  m_nTotalSteps = nTotal;
  if (!InsertMenuItems()) ShowError(IDS_FOOTSTEP_MODIFY_ERROR);
  if (m_hWnd != NULL) Invalidate(FALSE);
}

int CFtStepBtn::GetTotalSteps() { return m_nTotalSteps; }

BOOL CFtStepBtn::InsertMenuItems() {
  for (int k = 1; k <= m_nTotalSteps; ++k)
    if (!m_menuSteps.AppendMenu(MF_OWNERDRAW, (UINT)k)) return FALSE;
  return TRUE;
}

void CFtStepBtn::DeleteMenuItems() {
  for (int nPos = (int)m_menuSteps.GetMenuItemCount() - 1; nPos >= 0; --nPos)
    m_menuSteps.DeleteMenu((UINT)nPos, MF_BYPOSITION);
}

// Each cell is one pixel narrower and shorter than its pitch.
void CFtStepBtn::GetDispBmpPart(BOOL bStepStrip, int nStep, int nCol, RECT* pRect) {
  if (pRect == NULL) return;
  CSize strip = BitmapSize((HBITMAP)(bStepStrip ? m_bmpSteps : m_bmpMenuSteps).m_hObject);
  int cw = strip.cx / 4, rh = strip.cy / kStepRows;
  ::SetRect(pRect, cw * nCol, rh * (nStep - 1), cw * (nCol + 1) - 1, rh * nStep - 1);
}

void CFtStepBtn::GetDispBmpPart(int nCol, RECT* pRect) {
  if (pRect == NULL) return;
  CSize strip = BitmapSize((HBITMAP)m_bmpSteps.m_hObject);
  int cw = strip.cx / 4;
  ::SetRect(pRect, cw * nCol, 0, cw * (nCol + 1) - 1, strip.cy);
}

void CFtStepBtn::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct == NULL) return;
  if (lpDrawItemStruct->CtlType == ODT_MENU)
    DrawMenuItem(lpDrawItemStruct);
  else
    DrawBtn(lpDrawItemStruct);
}

// The face starts at the step's cell and covers the whole client area.
void CFtStepBtn::DrawBtn(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  POINT cursor;
  ::GetCursorPos(&cursor);
  ScreenToClient(&cursor);
  int nCol = kColNormal;
  if (::PtInRect(&m_rcWindow, cursor)) nCol = kColHot;
  if (m_nState & BST_PUSHED) nCol = kColPressed;
  if (!m_bEnabled) nCol = kColDisabled;
  RECT cell;
  GetDispBmpPart(TRUE, m_nCurStep, nCol, &cell);
  CRect client;
  GetClientRect(&client);
  CMemDC dcPicture(lpDrawItemStruct->hDC, client);
  CopyBitmapPart(dcPicture.m_hDC, 0, 0, client.Width(), client.Height(),
                 (HBITMAP)(m_bDropPart ? m_bmpStepsDrop : m_bmpSteps).m_hObject, cell.left, cell.top);
}

void CFtStepBtn::DrawMenuItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  RECT cell;
  GetDispBmpPart(FALSE, (int)lpDrawItemStruct->itemID,
                 (lpDrawItemStruct->itemState & ODS_SELECTED) ? kColHot : kColNormal, &cell);
  const RECT& rcItem = lpDrawItemStruct->rcItem;
  CopyBitmapPart(lpDrawItemStruct->hDC, rcItem.left, rcItem.top, cell.right - cell.left, cell.bottom - cell.top,
                 (HBITMAP)m_bmpMenuSteps.m_hObject, cell.left, cell.top);
}

void CFtStepBtn::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) { DrawItem(lpDrawItemStruct); }

void CFtStepBtn::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct == NULL || lpMeasureItemStruct->CtlType != ODT_MENU) {
    COkButton::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
    return;
  }
  RECT cell;
  GetDispBmpPart(FALSE, 1, kColNormal, &cell);
  lpMeasureItemStruct->itemWidth =
      (UINT)std::max(0, (int)(cell.right - ::GetSystemMetrics(SM_CXMENUCHECK) - cell.left));
  lpMeasureItemStruct->itemHeight = (UINT)std::max(0, (int)(cell.bottom - cell.top));
}

void CFtStepBtn::RepaintNow() {
  Invalidate(FALSE);
  UpdateWindow();
}

void CFtStepBtn::SendStepRequest(int nNewStep) {
  if (m_pParent == NULL || !::IsWindow(m_pParent->m_hWnd)) return;
  FTSTEPREQUEST request = {m_nID, m_nCurStep, nNewStep};
  ::SendMessageA(m_pParent->m_hWnd, FTSTEP_REQUEST, m_nID, (LPARAM)&request);
}

// No capture and no BN_ notification: the left half asks for the step before, the right half opens
// the menu, or closes it when this very click ended its loop.
void CFtStepBtn::OnLButtonDown(UINT, CPoint point) {
  ActivateOnPress();
  if (::PtInRect(&m_rcRight, point)) {
    if (m_bInMenu || m_bMenuClosedHere) {
      m_bInMenu = m_bMenuClosedHere = FALSE;
      RepaintNow();
      return;
    }
    m_nState |= BST_PUSHED;
    m_bDropPart = TRUE;
    RepaintNow();
    POINT pt = {m_rcRight.left, m_rcRight.top};
    ClientToScreen(&pt);
    m_menuSteps.TrackPopupMenu(kMenuFlags, pt.x, pt.y, this);
  } else if (::PtInRect(&m_rcLeft, point)) {
    m_nState |= BST_PUSHED;
    m_bDropPart = FALSE;
    RepaintNow();
    if (m_nCurStep > 1) SendStepRequest(m_nCurStep - 1);
  }
}

void CFtStepBtn::OnMouseMove(UINT nFlags, CPoint point) {
  if (::PtInRect(&m_rcRight, point))
    m_bDropPart = TRUE;
  else if (::PtInRect(&m_rcLeft, point))
    m_bDropPart = FALSE;
  COkButton::OnMouseMove(nFlags, point);
}

void CFtStepBtn::OnSize(UINT, int, int) {
  GetWindowRect(&m_rcWindow);
  ScreenToClient(&m_rcWindow);
  int nHalf = (m_rcWindow.right - m_rcWindow.left) / 2;
  ::SetRect(&m_rcLeft, m_rcWindow.left, m_rcWindow.top, m_rcWindow.left + nHalf, m_rcWindow.bottom);
  ::SetRect(&m_rcRight, m_rcWindow.left + nHalf, m_rcWindow.top, m_rcWindow.right, m_rcWindow.bottom);
  Default();
}

BOOL CFtStepBtn::OnCommand(WPARAM wParam, LPARAM) {
  int nStep = (int)LOWORD(wParam);
  if (nStep < 1 || nStep > m_nTotalSteps || m_pParent == NULL || !::IsWindow(m_pParent->m_hWnd)) return FALSE;
  SendStepRequest(nStep);
  return TRUE;
}

LRESULT CFtStepBtn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERMENULOOP) {
    m_bInMenu = TRUE;
    m_bMenuClosedHere = FALSE;
  } else if (message == WM_EXITMENULOOP) {
    POINT pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    m_bMenuClosedHere = ::PtInRect(&m_rcRight, pt);
    m_bInMenu = FALSE;
  }
  return COkButton::WindowProc(message, wParam, lParam);
}

void CFtStepBtn::OnDestroy() {
  DeleteMenuItems();
  m_menuSteps.DestroyMenu();
  m_bmpSteps.DeleteObject();
  m_bmpStepsDrop.DeleteObject();
  m_bmpMenuSteps.DeleteObject();
  COkButton::OnDestroy();
}
