// List boxes, combos and edits: a skinned three-tab control whose pages hold a bitmap combo of
// gradient presets (image buffers), a bitmap list box of line styles and an icon list with its
// hover look; beside it the font combo with a preview, a numeric field with a spin control, a
// pop-up edit and a text edit. Every choice and notification is logged.
#include <Ostrel.h>
#include <qsComm.h>
#include <t32Base.h>
#include "../GalleryPage.h"
#include "../HostGlobals.h"
#include "ListBoxesPage.h"

namespace {

// TabSkin.dll, the host's skin module beside the executable (host/tabskin).
const WORD kTab2 = 3101, kTab3 = 3111, kPageTile = 3120;
const int kLinesNormal = 3201, kLinesSelected = 3202, kLinesHot = 3203, kLineStyles = 4;
const int kIconsNormal = 3301, kIconsFocus = 3302, kIconsSelected = 3303, kIcons = 6;

const char* const kLineNames[kLineStyles] = {"thin", "thick", "dashed", "dotted"};
const char* const kShapeNames[kIcons] = {"rectangle", "ellipse", "triangle", "diamond", "star", "arrow"};
const char* const kTabNotes[] = {
    "Gradient presets: each picture is an image buffer made by the renderer; the last one is a "
    "bitmap the combo copied into a buffer.",
    "A bitmap list box: normal, selected and hot cells cut from three strips.",
    "An icon list: hover look from the idle updates; the selected icon shows none."};

struct Preset {
  const char* name;
  COLORREF clrStart, clrEnd;
  int nDirection;
};
const Preset kPresets[] = {{"Sunset", RGB(250, 210, 60), RGB(200, 40, 60), 0},
                           {"Sea", RGB(170, 230, 250), RGB(10, 60, 150), 0},
                           {"Forest", RGB(200, 240, 140), RGB(20, 90, 40), 1},
                           {"Dusk", RGB(60, 40, 120), RGB(240, 150, 90), 2}};
const int kPictureW = 40, kPictureH = 20;

HINSTANCE SkinModule() { return LoadHostModule("TabSkin.dll"); }

// A checkerboard bitmap for the one item added from a device bitmap.
HBITMAP CheckerBitmap(CDC* pDC) {
  CBitmap bmp;
  bmp.CreateCompatibleBitmap(pDC, kPictureW, kPictureH);
  CDC dc;
  dc.CreateCompatibleDC(pDC);
  CBitmap* pOld = dc.SelectObject(&bmp);
  for (int y = 0; y < kPictureH; y += 5)
    for (int x = 0; x < kPictureW; x += 5)
      dc.FillSolidRect(x, y, 5, 5, ((x + y) / 5) % 2 ? RGB(40, 40, 40) : RGB(235, 235, 235));
  dc.SelectObject(pOld);
  return (HBITMAP)bmp.Detach();
}

}  // namespace

class CListBoxesPage : public CGalleryPage {
 public:
  CListBoxesPage() : CGalleryPage(IDD_LISTBOXES_PAGE, IDS_LISTBOXES_PAGE, "listboxes"), m_presets(this) {}

  void PrepareShot() override {
    ShowTab(1);
    m_lines.SetCurSel(2);
    m_presets.SetCurSel(1);
    m_icons.SetCurSel(4);
    char szFace[] = "DejaVu Serif";
    m_fonts.SetFontName(szFace);
    OnIdleUpdate();
    m_number.SetNum(24);
    m_popup.UpdateWindowText("Background");
    Invalidate();
  }

  void OnIdleUpdate() override {
    if (m_icons.m_hWnd == NULL) return;
    CCmdUI update;  // as a host's idle update reaches its controls
    update.m_nID = IDC_LB_ICONS;
    update.m_pOther = &m_icons;
    update.DoUpdate(this, FALSE);
    // The combos keep their selection notifications to themselves: the page looks at idle time.
    if (m_fonts.GetCurSel() != m_nShownFont) ShowFont();
    if (m_presets.GetCurSel() != m_nShownPreset) {
      m_nShownPreset = m_presets.GetCurSel();
      CString name;
      if (m_nShownPreset >= 0) m_presets.GetLBText(m_nShownPreset, name);
      Log("preset %d \"%s\"", m_nShownPreset, (const char*)name);
    }
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    if (SkinModule() == NULL) Log("TabSkin.dll is missing: no pictures for the tabs and lists");
    CreateTabs();
    CreateTabPages();
    CreateFontCombo();
    SetupEdits();
    ShowTab(0);
    return TRUE;
  }

  // Enter commits the pop-up editor and Escape drops it; the dialog would take both keys.
  BOOL PreTranslateMessage(MSG* pMsg) override {
    HWND hEditor = ::GetDlgItem(m_hWnd, POPUPEDIT_EDITOR_ID);
    if (pMsg->message == WM_KEYDOWN && hEditor != NULL && pMsg->hwnd == hEditor) {
      if (pMsg->wParam == VK_RETURN) {
        m_popup.ClosePopupEdit();
        return TRUE;
      }
      if (pMsg->wParam == VK_ESCAPE) {
        m_popup.CancelPopupEdit();
        Log("layer name: editing cancelled");
        return TRUE;
      }
    }
    return CGalleryPage::PreTranslateMessage(pMsg);
  }

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    UINT nID = LOWORD(wParam), nCode = HIWORD(wParam);
    if (nID == IDC_LB_NUMBER && nCode == EN_CHANGE) {
      OnNumberChange();
    } else if (nID == IDC_LB_NUMBER && nCode == 1) {
      Log("brush size field clicked");
    } else if (nID == POPUPEDIT_EDITOR_ID && nCode == TEXTEDIT_KILLFOCUS && m_popup.IsPopupEditExist()) {
      m_popup.ClosePopupEdit();
      Log("layer name \"%s\"", (const char*)m_popup.GetInputText());
    } else if (nID == IDC_LB_NOTES && nCode == TEXTEDIT_SETFOCUS) {
      Log("notes: focus (from %p)", (void*)lParam);
    } else if (nID == IDC_LB_NOTES && nCode == TEXTEDIT_KILLFOCUS) {
      Log("notes: focus lost (to %p)", (void*)lParam);
    } else if (nID == IDC_LB_NOTES && nCode == TEXTEDIT_LBUTTONDOWN) {
      Log("notes: clicked");
    }
    return CGalleryPage::OnCommand(wParam, lParam);
  }

  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->idFrom == IDC_LB_TABS && pNMHDR->code == TCN_SELCHANGE) {
      ShowTab(m_tabs.GetCurSel());
      char szLabel[64] = "";
      ::LoadStringA(AfxGetResourceHandle(), IDS_LB_TAB_LABELS + m_tabs.m_nCurSel, szLabel, sizeof szLabel);
      Log("tab %d \"%s\"", m_tabs.m_nCurSel, szLabel);
    }
    return CGalleryPage::OnNotify(wParam, lParam, pResult);
  }

  afx_msg void OnLineChange() {
    int nLine = m_lines.GetCurSel();
    Log("line style %d \"%s\"", nLine, nLine >= 0 && nLine < kLineStyles ? kLineNames[nLine] : "?");
  }
  afx_msg void OnShapeChange() {
    int nShape = m_icons.GetCurSel();
    Log("tool %d \"%s\"", nShape, nShape >= 0 && nShape < kIcons ? kShapeNames[nShape] : "?");
  }
  afx_msg void OnUpdateIcons(CCmdUI* pCmdUI) { m_icons.OnUpdateUI(pCmdUI); }
  afx_msg void OnDestroy() {
    m_fonts.Clear();
    CGalleryPage::OnDestroy();
  }

  DECLARE_MESSAGE_MAP()

 private:
  CRect DialogRect(int x, int y, int cx, int cy) {
    CRect rc(x, y, x + cx, y + cy);
    MapDialogRect(&rc);
    return rc;
  }

  // Three tabs of 68 x 25, with room to spare so that the control needs no scroll arrows.
  void CreateTabs() {
    m_tabs.m_nLastTab = 2;
    m_tabs.m_nTextId = IDS_LB_TAB_LABELS;
    m_tabs.m_hBmpInst = SkinModule();
    m_tabs.m_hTextInst = AfxGetResourceHandle();
    m_tabs.m_hFontInst = SkinModule();
    m_tabs.m_nBmp2Id = kTab2;
    m_tabs.m_nBmp3Id = kTab3;
    m_tabs.m_nBackId = kPageTile;
    m_tabs.LoadTabBmp();
    CRect rc(8, 8, 8 + 212, 8 + 232);
    if (!m_tabs.Create(WS_VISIBLE | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH, rc, this, IDC_LB_TABS)) {
      Log("tab control: Create failed");
      return;
    }
    m_tabs.SetItemSize(CSize(68, 25));
    for (int i = 0; i < 3; ++i) m_tabs.InsertItem(i, "");
    CRect tab0;
    m_tabs.GetItemRect(0, &tab0);
    m_rcTabPage.SetRect(rc.left + 10, rc.top + tab0.bottom + 10, rc.right - 10, rc.bottom - 10);
  }

  void CreateTabPages() {
    const CRect& page = m_rcTabPage;
    m_presets.SetBitmapWidthHeight(kPictureW, kPictureH);
    if (m_presets.CreateCombo(CRect(page.left, page.top, page.right, page.top + 180), this, IDC_LB_PRESETS)) {
      for (const Preset& preset : kPresets) {
        GFILL_OPTION opt =
            MakeGradOption(preset.clrStart, preset.clrEnd, 0, preset.nDirection, GRADLINE_RECT, kPictureW, kPictureH);
        RECT rc = {0, 0, kPictureW, kPictureH};
        if (!m_presets.AddItem(CreateGradientBuffer(&opt, rc), preset.name)) Log("preset %s: no buffer", preset.name);
      }
      CClientDC dc(this);
      HBITMAP hChecker = CheckerBitmap(&dc);
      if (!m_presets.AddItem("Checker (from a bitmap)", hChecker)) Log("checker: the bitmap was not copied");
      ::DeleteObject(hChecker);
      m_presets.SetCurSel(0);
    }

    m_lines.Create(WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                   CRect(page.left, page.top, page.left + 116, page.top + 100), this, IDC_LB_LINES);
    if (!m_lines.AssociateBitmaps(SkinModule(), kLinesNormal, kLinesSelected, kLinesHot, kLineStyles))
      Log("line styles: strips missing");

    CRect icons(page.left, page.top, page.left + 4 * 40 + 4, page.top + 44 + ::GetSystemMetrics(SM_CYHSCROLL));
    m_icons.Create(WS_VISIBLE | LBS_MULTICOLUMN | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_HSCROLL, icons, this,
                   IDC_LB_ICONS);
    if (!m_icons.SetBitmaps(SkinModule(), kIconsNormal, kIconsFocus, kIconsSelected, 0, kIcons))
      Log("shapes: strips missing");
    // The tab control lies under the controls of its pages.
    m_tabs.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  void CreateFontCombo() {
    if (!m_fonts.CreateCombo(DialogRect(152, 14, 224, 80), this, IDC_LB_FONTS)) Log("font combo: Create failed");
    ShowFont();
  }

  void ShowFont() {
    m_nShownFont = m_fonts.GetCurSel();
    LOGFONTA* pFont = m_fonts.GetSelectedFont();
    if (pFont == NULL) return;
    LOGFONTA lf = *pFont;
    lf.lfHeight = 26;
    lf.lfWidth = 0;
    m_fontPreview.DeleteObject();
    m_fontPreview.CreateFontIndirect(&lf);
    GetDlgItem(IDC_LB_FONT_PREVIEW)->SetFont(&m_fontPreview);
    Log("font \"%s\" (character set %d)", pFont->lfFaceName, pFont->lfCharSet);
  }

  void SetupEdits() {
    m_spin.SubclassDlgItem(IDC_LB_SPIN, this);
    m_number.SubclassDlgItem(IDC_LB_NUMBER, this);
    m_number.SetSpin(&m_spin);
    m_number.SetRange(1, 100);
    m_number.SetNum(m_nBrush);
    m_popup.SubclassDlgItem(IDC_LB_POPUP, this);
    m_popup.SetToolUI(this, NULL);
    m_popup.UpdateWindowText("Layer 1");
    m_notes.SubclassDlgItem(IDC_LB_NOTES, this);
  }

  void OnNumberChange() {
    if (m_number.m_hWnd == NULL) return;
    CString typed;
    m_number.GetWindowText(typed);
    m_number.OnEnChange(&m_nBrush);
    CString shown;
    m_number.GetWindowText(shown);
    if (shown == typed)
      Log("brush size %d", m_nBrush);
    else
      Log("brush size: \"%s\" refused, back to %d", (const char*)typed, m_nBrush);
  }

  void ShowTab(int nTab) {
    m_tabs.m_nCurSel = nTab;
    m_tabs.SetCurSel(nTab);
    m_presets.ShowWindow(nTab == 0 ? SW_SHOW : SW_HIDE);
    m_lines.ShowWindow(nTab == 1 ? SW_SHOW : SW_HIDE);
    m_icons.ShowWindow(nTab == 2 ? SW_SHOW : SW_HIDE);
    if (nTab >= 0 && nTab < 3) SetDlgItemText(IDC_LB_TAB_NOTE, kTabNotes[nTab]);
    m_tabs.Invalidate();
  }

  CVexTabCtrl m_tabs;
  CRect m_rcTabPage;
  CBmpCombo m_presets;
  CBitmapListBox m_lines;
  CIconList m_icons;
  CFontCombo m_fonts;
  CFont m_fontPreview;
  CNumEdit m_number;
  CSpinButtonCtrl m_spin;
  CPopupEdit m_popup;
  CTextEdit m_notes;
  int m_nShownFont = -2;
  int m_nShownPreset = -2;
  int m_nBrush = 12;
};

BEGIN_MESSAGE_MAP(CListBoxesPage, CGalleryPage)
ON_LBN_SELCHANGE(IDC_LB_LINES, OnLineChange)
ON_LBN_SELCHANGE(IDC_LB_ICONS, OnShapeChange)
ON_UPDATE_COMMAND_UI(IDC_LB_ICONS, OnUpdateIcons)
ON_WM_DESTROY()
END_MESSAGE_MAP()

GALLERY_PAGE(CListBoxesPage, 75);
