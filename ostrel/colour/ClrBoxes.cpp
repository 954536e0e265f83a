// CClrBoxes: state, set-up, enabling, notifications and the mouse.
#include <Ostrel/ClrBoxes.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <new>

IMPLEMENT_DYNCREATE(CClrBoxes, CWnd)

BEGIN_MESSAGE_MAP(CClrBoxes, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_TIMER()
END_MESSAGE_MAP()

// Set when a single box has been lit up, cleared when the mouse leaves one; shared by every single
// box of the process.
static BOOL s_bSimpleLit = FALSE;

CClrBoxes::CClrBoxes(unsigned long color)
    : m_nID(0),
      m_color(color),
      m_colorSaved(color),
      m_pColors(NULL),
      m_pBackupColors(NULL),
      m_pCellRects(NULL),
      m_nType(CLRBOX_UNCREATED),
      m_nHotCell(-1),
      m_bCaptured(FALSE),
      m_nCount(0),
      m_nAlign(0),
      m_bEnabled(TRUE),
      m_pfnEyeDropper(NULL),
      m_pfnEyeDropperSaved(NULL),
      m_pTips(NULL),
      m_nUseW(-1),
      m_nUseH(-1),
      m_hRgn(NULL),
      m_colorDefault(0x00808080) {
  SetRectEmpty(&m_rcUse);
  SetRectEmpty(&m_rcClient);
}

CClrBoxes::~CClrBoxes() {
  // The window goes first, so that no message reaches the freed arrays.
  if (m_hWnd != NULL) DestroyWindow();
  FreePalette();
}

void CClrBoxes::FreePalette() {
  delete[] m_pColors;
  delete[] m_pBackupColors;
  delete[] m_pCellRects;
  m_pColors = m_pBackupColors = NULL;
  m_pCellRects = NULL;
}

int CClrBoxes::Create(unsigned int nID, const RECT& rect, CWnd* pParentWnd, unsigned int nType, unsigned long* pPalette,
                      int nCount, unsigned int nAlign) {
  if (pParentWnd == NULL) return 0;
  if (!CWnd::Create(NULL, NULL, WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID)) return 0;
  if (nType == 1) return 0;  // refused: the window stays, but the control does nothing
  m_nType = (int)nType;
  m_nID = nID;
  int result = 1;
  if (nType == CLRBOX_SIMPLE || nType == CLRBOX_NOPICKER)
    result = InitSimple();
  else if (nType == CLRBOX_PALETTE)
    result = InitNoGrad(pPalette, nCount, nAlign);
  m_colorSaved = m_color;
  return result;
}

int CClrBoxes::InitSimple() {
  m_bCaptured = FALSE;
  return 1;
}

int CClrBoxes::InitNoGrad(unsigned long* pPalette, int nCount, unsigned int nAlign) {
  if (nCount < 1) return 0;
  if (nCount == 1) {
    m_nType = CLRBOX_SIMPLE;
    if (pPalette != NULL) m_color = pPalette[0];
    return 1;
  }
  m_nCount = nCount & ~1;
  m_pColors = new (std::nothrow) COLORREF[m_nCount];
  m_pBackupColors = new (std::nothrow) COLORREF[m_nCount];
  m_pCellRects = new (std::nothrow) RECT[m_nCount]();
  if (m_pColors == NULL || m_pBackupColors == NULL || m_pCellRects == NULL) {
    m_nCount = 0;  // what was obtained is freed with the control
    return 0;
  }
  if (pPalette != NULL) {
    memcpy(m_pColors, pPalette, m_nCount * sizeof(COLORREF));
    memcpy(m_pBackupColors, pPalette, m_nCount * sizeof(COLORREF));
  } else {
    RandColors();
  }
  m_nHotCell = -1;
  m_nAlign = nAlign;
  m_bCaptured = FALSE;
  return 1;
}

void CClrBoxes::RandColors() {
  srand((unsigned)time(NULL));
  for (int i = 0; i < m_nCount; i++) {
    int blue = rand() * 255 / 32767;
    int green = rand() * 255 / 32767;
    int red = rand() * 255 / 32767;
    m_pColors[i] = m_pBackupColors[i] = RGB(red, green, blue);
  }
}

int CClrBoxes::SetColor(unsigned long color) {
  m_color = color;
  if (m_hWnd != NULL) Invalidate(TRUE);
  return 1;
}

unsigned long CClrBoxes::GetColor() { return m_color; }

int CClrBoxes::SetPalette(unsigned long* pColors) {
  if (m_nType != CLRBOX_PALETTE || pColors == NULL || m_nCount == 0) return 0;
  memcpy(m_pColors, pColors, m_nCount * sizeof(COLORREF));
  memcpy(m_pBackupColors, pColors, m_nCount * sizeof(COLORREF));
  Invalidate(FALSE);
  return 1;
}

int CClrBoxes::GetPalette(unsigned long* pColors) {
  if (m_nType != CLRBOX_PALETTE || pColors == NULL || m_nCount == 0) return 0;
  memcpy(pColors, m_pColors, m_nCount * sizeof(COLORREF));
  return 1;
}

void CClrBoxes::SetDefaultColor(unsigned long color) { m_colorDefault = color; }

int CClrBoxes::SetUseWH(int w, int h) {
  if (m_nType != CLRBOX_PALETTE) return 0;
  m_nUseW = w;
  m_nUseH = h;
  return 1;
}

void CClrBoxes::AddEyeDropper(void* pfn) {
  m_pfnEyeDropperSaved = (CLRBOX_EYEDROPPER)pfn;
  m_pfnEyeDropper = IsCurrentDocuemntExist() == 1 ? m_pfnEyeDropperSaved : NULL;
}

void CClrBoxes::OnActiveDocumentChange() { m_pfnEyeDropper = IsCurrentDocuemntExist() ? m_pfnEyeDropperSaved : NULL; }

void CClrBoxes::SetUpdateTips(CVexTip* pTip) { m_pTips = pTip; }

// ---------------------------------------------------------------------------------------------
// Enabling: the colours shown while disabled are the inactive caption colour; the real ones are
// kept aside and come back exactly.

int CClrBoxes::EnableWindow(int bEnable) {
  if (m_nType == CLRBOX_SIMPLE || m_nType == CLRBOX_NOPICKER) return EnableSimple(bEnable);
  if (m_nType == CLRBOX_PALETTE) return EnableNoGrad(bEnable);
  return bEnable;
}

int CClrBoxes::EnableSimple(int bEnable) {
  if (!m_bEnabled && bEnable) {
    m_color = m_colorSaved;
    m_bEnabled = TRUE;
  } else if (m_bEnabled && !bEnable) {
    m_colorSaved = m_color;
    m_color = ::GetSysColor(COLOR_INACTIVECAPTION);
    m_bEnabled = FALSE;
  }
  Invalidate(FALSE);
  UpdateWindow();
  return CWnd::EnableWindow(bEnable);
}

int CClrBoxes::EnableNoGrad(int bEnable) {
  if (m_nCount == 0) {
    // no cells (their arrays could not be made): only the current colour
  } else if (!m_bEnabled && bEnable) {
    memcpy(m_pColors, m_pBackupColors, m_nCount * sizeof(COLORREF));
  } else if (m_bEnabled && !bEnable) {
    memcpy(m_pBackupColors, m_pColors, m_nCount * sizeof(COLORREF));
    COLORREF inactive = ::GetSysColor(COLOR_INACTIVECAPTION);
    for (int i = 0; i < m_nCount; i++) m_pColors[i] = inactive;
  }
  return EnableSimple(bEnable);
}

// ---------------------------------------------------------------------------------------------
// Notifications

void CClrBoxes::OnColorChange(unsigned long color) {
  UpdateWindow();
  CWnd* pParent = GetParent();
  if (pParent != NULL) pParent->SendMessage(CLRBOX_COLORCHANGE, m_nID, (LPARAM)color);
}

void CClrBoxes::OnGetFocus() {
  CWnd* pParent = GetParent();
  if (pParent != NULL) pParent->SendMessage(CLRBOX_GETFOCUS, m_nID, 0);
}

// ---------------------------------------------------------------------------------------------
// Hit tests and capture

int CClrBoxes::HitInUse(CPoint point, int /*kind*/) { return ::PtInRect(&m_rcUse, point); }

int CClrBoxes::HitInCells(CPoint point) {
  for (int i = 0; i < m_nCount; i++)
    if (::PtInRect(&m_pCellRects[i], point)) return i;
  return -1;
}

void CClrBoxes::SetCaptureSafe() {
  if (!m_bCaptured && ::GetCapture() != m_hWnd) {
    SetCapture();
    m_bCaptured = TRUE;
  }
}

void CClrBoxes::ResetCaptureSafe() {
  if (m_bCaptured && ::GetCapture() == m_hWnd) {
    ::ReleaseCapture();
    m_bCaptured = FALSE;
  }
}

// ---------------------------------------------------------------------------------------------
// Mouse

void CClrBoxes::OnLButtonDown(UINT /*nFlags*/, CPoint point) {
  OnGetFocus();
  int changed = 0;
  switch (m_nType) {
    case CLRBOX_SIMPLE:
    case CLRBOX_NOPICKER:
      ResetCaptureSafe();
      Invalidate(FALSE);
      m_nHotCell = -1;
      if (m_nType == CLRBOX_SIMPLE)
        changed = ColorPicker();
      else if (m_pfnEyeDropper != NULL)
        changed = m_pfnEyeDropper(&m_color, this);
      break;
    case CLRBOX_PALETTE: {
      if (HitInUse(point, 2)) {
        Invalidate(FALSE);
        ResetCaptureSafe();
        m_nHotCell = -1;
        changed = ColorPicker();
        break;
      }
      int cell = HitInCells(point);
      if (cell >= 0) {
        m_color = m_pColors[cell];
        Invalidate(FALSE);
        ResetCaptureSafe();
        OnColorChange(m_color);
      }
      return;
    }
    default:
      return;
  }
  if (changed) {
    Invalidate(FALSE);
    OnColorChange(m_color);
  }
}

void CClrBoxes::OnMouseMove(UINT /*nFlags*/, CPoint point) {
  GetClientRect(&m_rcClient);
  BOOL inside = ::PtInRect(&m_rcClient, point);
  if (m_nType == CLRBOX_SIMPLE || m_nType == CLRBOX_NOPICKER) {
    if (m_bCaptured && !inside) {
      ResetCaptureSafe();
      Invalidate(FALSE);
      s_bSimpleLit = FALSE;
      return;
    }
    SetCaptureSafe();
    if (inside && !s_bSimpleLit) {
      HilightCell(m_rcClient, m_color);
      s_bSimpleLit = TRUE;
    }
  } else if (m_nType == CLRBOX_PALETTE) {
    if (m_bCaptured && !inside) {
      ResetCaptureSafe();
      if (m_nHotCell != -1) {
        Invalidate(FALSE);
        m_nHotCell = -1;
      }
      return;
    }
    SetCaptureSafe();
    int hot = HitInUse(point, 2) ? m_nCount : HitInCells(point);
    if (hot != m_nHotCell) {
      m_nHotCell = hot;
      Invalidate(FALSE);
      UpdateWindow();
      if (hot != -1) HilightFocusCell();
    }
  }
}

void CClrBoxes::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/) {}

void CClrBoxes::OnLButtonDblClk(UINT /*nFlags*/, CPoint point) {
  if (m_nType != CLRBOX_PALETTE) return;
  int cell = HitInCells(point);
  if (cell < 0) return;
  ResetCaptureSafe();
  m_nHotCell = -1;
  if (ColorPicker()) {
    m_pColors[cell] = m_color;  // the backup copy keeps the cell's old colour
    Invalidate(FALSE);
    OnColorChange(m_color);
  }
}

void CClrBoxes::OnTimer(UINT_PTR /*nIDEvent*/) {}
