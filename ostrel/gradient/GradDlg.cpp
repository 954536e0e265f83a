// CGradDLg: set-up, the preview and swatches, direction, shift, swap, sandwich, presets, and
// putting everything back on Cancel.
#include <Ostrel/GradDlg.h>
#include <Ostrel/GradientWnd.h>
#include <t32Base.h>
#include "frame/LibraryState.h"
#include "gradient/ColorMenuWnd.h"
#include "gradient/GradientDraw.h"
#include "gradient/GradientLines.h"
#include "gradient/RecordBlock.h"
#include "res/resource.h"

#ifndef WM_HELPHITTEST
#define WM_HELPHITTEST 0x0366  // the framework's question "which help context is here?"
#endif

namespace {

const int kShiftSteps = 10;  // trackbar positions 0 to 10; the shift is ten times the position
const int kStripInset = 2;   // the preset strip sits this far inside its sunken placeholder

bool IsMenuCommand(WPARAM wParam) { return wParam >= GRADDLG_MENU_FIRST && wParam < GRADDLG_MENU_FIRST + 100; }

}  // namespace

BEGIN_MESSAGE_MAP(CGradDLg, CDialog)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_COMMAND(IDC_GRAD_SWAP, OnGradSwap)
ON_COMMAND(IDC_GRAD_SANDWICH, OnGradSandwitch)
ON_WM_DESTROY()
ON_WM_HSCROLL()
ON_COMMAND(IDC_GRAD_ADD_PRESET, OnAddPreset)
ON_COMMAND(IDC_GRAD_UPDATE_PRESET, OnUpdatePreset)
ON_COMMAND(IDC_GRAD_DELETE_PRESET, OnDeletePreset)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
ON_COMMAND(IDC_GRAD_HELP, OnHelp)
END_MESSAGE_MAP()

CGradDLg::CGradDLg(CWnd* pParent)
    : CDialog(GRADDLG_TEMPLATE, pParent),
      m_pPresetWnd(NULL),
      m_rcColor1(0, 0, 0, 0),
      m_rcColor2(0, 0, 0, 0),
      m_nPickTarget(IDC_GRAD_COLOR_START),
      m_clrStart(0),
      m_clrEnd(0),
      m_pGFillOption(NULL),
      m_nColorShift(0),
      m_hPreviewBuf(NULL),
      m_bCancelled(FALSE),
      m_pfnEyeDropper(NULL),
      m_gfillSaved(),
      m_rcPreview(0, 0, 0, 0),
      m_nDirButton(1),
      m_pColorMenuWnd(NULL),
      m_bNoPresetFile(FALSE) {
  m_szBackupFile[0] = 0;
  m_szPresetFile[0] = 0;
  m_pColorMenuWnd = CColorMenuWnd::CreateFor(this);
}

CGradDLg::~CGradDLg() {
  // Normally all gone with the window; here when it never existed.
  if (m_hPreviewBuf != NULL) buf32Free(m_hPreviewBuf);
  delete m_pColorMenuWnd;
  delete m_pPresetWnd;
}

void CGradDLg::AddEyeDropper(void* pfn) { m_pfnEyeDropper = pfn; }

void CGradDLg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_GRAD_SHIFT, m_sliderShift);
}

// The rectangle of a template control in client coordinates; the control itself goes.
static CRect TakePlaceholder(CWnd* pDlg, int nID, BOOL bDestroy) {
  CRect rc(0, 0, 0, 0);
  CWnd* pItem = pDlg->GetDlgItem(nID);
  if (pItem == NULL) return rc;
  pItem->GetWindowRect(&rc);
  pDlg->ScreenToClient(&rc);
  if (bDestroy) pItem->DestroyWindow();
  return rc;
}

BOOL CGradDLg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_pGFillOption == NULL) {  // nothing to edit
    EndDialog(IDCANCEL);
    return FALSE;
  }
  m_gfillSaved = *m_pGFillOption;
  CRect rcStrip = TakePlaceholder(this, IDC_GRAD_PRESETS, FALSE);
  rcStrip.InflateRect(-kStripInset, -kStripInset);
  m_pPresetWnd = new CGradientWnd(this);
  if (!m_pPresetWnd->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rcStrip, this, IDC_GRAD_PRESETS)) {
    delete m_pPresetWnd;
    m_pPresetWnd = NULL;
    return FALSE;
  }
  if (m_pColorMenuWnd == NULL) m_pColorMenuWnd = CColorMenuWnd::CreateFor(this);
  m_clrStart = m_pGFillOption->clrStart;
  m_clrEnd = m_pGFillOption->clrEnd;

  m_rcPreview = TakePlaceholder(this, IDC_GRAD_PREVIEW, TRUE);
  m_hPreviewBuf = CreateGradientBuffer(m_pGFillOption, m_rcPreview);
  m_rcColor1 = TakePlaceholder(this, IDC_GRAD_COLOR_START, TRUE);
  m_rcColor2 = TakePlaceholder(this, IDC_GRAD_COLOR_END, TRUE);
  SelectDirectionButton();

  m_sliderShift.SetRange(0, kShiftSteps);
  m_nColorShift = m_pGFillOption->nColorShift;
  m_sliderShift.SetPos(m_nColorShift / 10);

  // The preset file as it is now, for Cancel.
  char szTempFolder[MAX_PATH] = "";
  lstrcpynA(m_szPresetFile, m_pPresetWnd->m_strPath, MAX_PATH);
  m_bNoPresetFile = m_szPresetFile[0] != 0 && ::GetFileAttributesA(m_szPresetFile) == INVALID_FILE_ATTRIBUTES;
  if (!::GetTempPathA(MAX_PATH, szTempFolder) || !::GetTempFileNameA(szTempFolder, "Grad", 0, m_szBackupFile)) {
    m_szBackupFile[0] = 0;
  } else if (!::CopyFileA(m_szPresetFile, m_szBackupFile, FALSE)) {
    ::DeleteFileA(m_szBackupFile);
    m_szBackupFile[0] = 0;
  }
  m_bCancelled = FALSE;
  return TRUE;
}

// Checks the direction button the record's line names and puts the line into the preview's frame.
void CGradDLg::SelectDirectionButton() {
  const int nButton = GradPreviewButton(m_pGFillOption, m_rcPreview.Width(), m_rcPreview.Height());
  if (nButton == GRADBTN_NONE) return;
  m_nDirButton = nButton;
  SendDlgItemMessage(IDC_GRAD_DIR_VERTICAL + nButton - 1, BM_SETCHECK, BST_CHECKED, 0);
}

void CGradDLg::InvalidatePreview() { InvalidateRect(&m_rcPreview, FALSE); }

void CGradDLg::OnPaint() {
  CPaintDC dc(this);
  CRect rcFrame = m_rcPreview;
  rcFrame.InflateRect(2, 2);
  DrawEdgeFrame(dc.GetSafeHdc(), &rcFrame, FALSE);
  if (m_pGFillOption != NULL) {
    // The working colours reach the record here, and only here.
    m_pGFillOption->clrStart = m_clrStart;
    m_pGFillOption->clrEnd = m_clrEnd;
    GFillToBuf(m_hPreviewBuf, m_pGFillOption, NULL);
  }
  DrawBufferInRect(dc.GetSafeHdc(), m_hPreviewBuf, 0, m_rcPreview.left, m_rcPreview.top, m_rcPreview.right,
                   m_rcPreview.bottom);
  PaintColorOnControl(&m_rcColor1, m_clrStart);
  PaintColorOnControl(&m_rcColor2, m_clrEnd);
}

void CGradDLg::PaintColorOnControl(RECT* prc, unsigned long clr) {
  if (prc == NULL || m_hWnd == NULL) return;
  CClientDC dc(this);
  DrawEdgeFrame(dc.GetSafeHdc(), prc, TRUE);
  CRect rc(*prc);
  const int dx = rc.Width() / 10, dy = rc.Height() / 10;
  rc.DeflateRect(dx, dy);
  CBrush brush((COLORREF)clr);
  CBrush* pOldBrush = dc.SelectObject(&brush);
  CGdiObject* pOldPen = dc.SelectStockObject(BLACK_PEN);
  dc.Rectangle(&rc);
  dc.SelectObject(pOldPen);
  dc.SelectObject(pOldBrush);
}

void CGradDLg::OnLButtonDown(UINT nFlags, CPoint point) {
  COLORREF* pTarget = NULL;
  CRect* pSwatch = NULL;
  if (m_rcColor1.PtInRect(point)) {
    pTarget = &m_clrStart;
    pSwatch = &m_rcColor1;
    m_nPickTarget = IDC_GRAD_COLOR_START;
  } else if (m_rcColor2.PtInRect(point)) {
    pTarget = &m_clrEnd;
    pSwatch = &m_rcColor2;
    m_nPickTarget = IDC_GRAD_COLOR_END;
  }
  if (pTarget != NULL && OnPickColor(*pTarget)) {
    PaintColorOnControl(pSwatch, *pTarget);
    InvalidatePreview();
  }
  CDialog::OnLButtonDown(nFlags, point);
}

void CGradDLg::OnGradSwap() {
  const COLORREF clr = m_clrStart;
  m_clrStart = m_clrEnd;
  m_clrEnd = clr;
  InvalidatePreview();
}

void CGradDLg::OnGradSandwitch() {
  if (m_pGFillOption == NULL) return;
  m_pGFillOption->bSandwich = m_pGFillOption->bSandwich ? 0 : 1;
  InvalidatePreview();
}

void CGradDLg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  if (m_pGFillOption != NULL && m_sliderShift.m_hWnd != NULL) {
    m_nColorShift = m_sliderShift.GetPos() * 10;
    m_pGFillOption->nColorShift = m_nColorShift;
    InvalidatePreview();
  }
  CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

BOOL CGradDLg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT nID = LOWORD(wParam);
  if (nID >= IDC_GRAD_DIR_VERTICAL && nID <= IDC_GRAD_DIR_DIAG_UP) {
    if (m_pGFillOption == NULL) return TRUE;
    m_nDirButton = (int)(nID - IDC_GRAD_DIR_VERTICAL) + 1;
    GradDirectionLine(m_nDirButton - 1, GRADLINE_PREVIEW, m_rcPreview.Width(), m_rcPreview.Height(),
                      &m_pGFillOption->ptStart, &m_pGFillOption->ptEnd);
    InvalidatePreview();
    return TRUE;
  }
  if (nID == GRADWND_SELECT_COMMAND) {  // a preset was selected: lParam is its record
    const GFILL_OPTION* pPreset = (const GFILL_OPTION*)lParam;
    if (pPreset != NULL && m_pGFillOption != NULL) {
      *m_pGFillOption = *pPreset;
      m_clrStart = pPreset->clrStart;
      m_clrEnd = pPreset->clrEnd;
      m_nColorShift = pPreset->nColorShift;
      m_sliderShift.SetPos(m_nColorShift / 10);
      SelectDirectionButton();
    }
    InvalidatePreview();
    return TRUE;
  }
  if (IsMenuCommand(wParam)) {
    const COLORREF clr = m_pColorMenuWnd != NULL ? m_pColorMenuWnd->SelectedColor() : 0;
    if (m_nPickTarget == IDC_GRAD_COLOR_START) {
      m_clrStart = clr;
      InvalidateRect(&m_rcColor1, TRUE);
    } else if (m_nPickTarget == IDC_GRAD_COLOR_END) {
      m_clrEnd = clr;
      InvalidateRect(&m_rcColor2, TRUE);
    }
    InvalidatePreview();
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

// A copy of the record in the list's thumbnail frame, with its thumbnail, added to the strip or
// put in place of the selected preset. Nothing happens when either cannot be made.
void CGradDLg::PresetRecord(BOOL bUpdate) {
  CIIWndList* pList = m_pPresetWnd != NULL ? m_pPresetWnd->GetList() : NULL;
  if (pList == NULL || m_pGFillOption == NULL) return;
  int w = 0, h = 0;
  pList->RetrieveIIWH(w, h);
  GFILL_OPTION* pCopy = (GFILL_OPTION*)AllocRecordBlock(sizeof(GFILL_OPTION));
  if (pCopy == NULL) return;
  *pCopy = *m_pGFillOption;
  ResetGradRange(pCopy, w, h);
  void* hThumbnail = CreateGradientBuffer(pCopy, CRect(0, 0, w, h));
  if (hThumbnail == NULL) {
    FreeRecordBlock(pCopy);
    return;
  }
  if (bUpdate)
    m_pPresetWnd->UpdateSelItem(hThumbnail, pCopy);
  else
    m_pPresetWnd->AddItem(hThumbnail, pCopy);
  buf32Free(hThumbnail);
}

void CGradDLg::OnAddPreset() { PresetRecord(FALSE); }

void CGradDLg::OnUpdatePreset() {
  if (m_pPresetWnd == NULL) return;
  if (m_pPresetWnd->GetFirstSelItem(0) == -1) {
    XShowMessage(_hResInst, m_hWnd, IDS_PLEASE_SELECT_TEMPLATE, NULL, NULL);
    return;
  }
  PresetRecord(TRUE);
}

void CGradDLg::OnDeletePreset() {
  CIIWndList* pList = m_pPresetWnd != NULL ? m_pPresetWnd->GetList() : NULL;
  if (pList == NULL) return;
  if (pList->TypeGetCount(0) == 1) {
    XShowMessage(_hResInst, m_hWnd, IDS_CANNOT_DELETE_LAST, NULL, NULL);
  } else if (m_pPresetWnd->GetFirstSelItem(0) != -1) {
    if (XShowMessage(_hResInst, IDS_CONFIRM_DELETE_TEMPLATE, m_hWnd, 0, MB_YESNO) == IDYES)
      m_pPresetWnd->DeleteSelAndReselect();
  } else {
    XShowMessage(_hResInst, m_hWnd, IDS_SELECT_TEMPLATE, NULL, NULL);
  }
}

void CGradDLg::OnCancel() {
  if (m_pGFillOption != NULL) *m_pGFillOption = m_gfillSaved;
  m_bCancelled = TRUE;
  CDialog::OnCancel();
}

void CGradDLg::OnDestroy() {
  CDialog::OnDestroy();
  if (m_hPreviewBuf != NULL) buf32Free(m_hPreviewBuf);
  m_hPreviewBuf = NULL;
  delete m_pColorMenuWnd;
  m_pColorMenuWnd = NULL;
  delete m_pPresetWnd;  // saves the presets
  m_pPresetWnd = NULL;
  if (m_szBackupFile[0] != 0) {
    // A backup that could not be put back is left where it is rather than lost.
    if (!m_bCancelled || ::CopyFileA(m_szBackupFile, m_szPresetFile, FALSE)) ::DeleteFileA(m_szBackupFile);
    m_szBackupFile[0] = 0;
  } else if (m_bCancelled && m_bNoPresetFile) {
    ::DeleteFileA(m_szPresetFile);  // the file did not exist before
  }
}

LRESULT CGradDLg::OnHelpHitTest(WPARAM, LPARAM lParam) {
  CRect rc;
  GetClientRect(&rc);
  return rc.PtInRect(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))) ? GRADDLG_TEMPLATE : 0;
}

void CGradDLg::OnHelp() {
  CWinApp* pApp = AfxGetApp();
  if (pApp != NULL) pApp->WinHelp(GRADDLG_TEMPLATE, HELP_CONTEXT);
}
