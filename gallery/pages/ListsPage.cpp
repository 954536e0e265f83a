// A bitmap list of brush tips whose hover and selection are logged, and a text list of layer names
// edited in place, which the page reads back with plain list box queries. Both scroll by their bars.
#include "../GalleryPage.h"
#include "ListsPage.h"
#include <Ostrel.h>

namespace {

// The strip is 240 pixels wide, all a bitmap list ever shows; in a list 180 wide the bar scrolls the
// last two tips into view.
const int kStripListWidth = 180;
const int kStripListHeight = 52;
const int kLayerRows = 7;
const char* const kTips[] = {"hard round", "soft round", "square", "flat", "spray", "star", "chalk", "leaf"};
const int kTipCount = sizeof kTips / sizeof kTips[0];
const char* const kLayers[] = {"Background", "Sky",  "Clouds", "Mountains", "Lake",
                               "Forest",     "Path", "Figure", "Shadows",   "Highlights"};

const char* TipName(int nCell) { return nCell >= 0 && nCell < kTipCount ? kTips[nCell] : "none"; }

}  // namespace

class CListsPage : public CGalleryPage {
 public:
  CListsPage() : CGalleryPage(IDD_LISTS_PAGE, IDS_LISTS_PAGE, "lists"), m_pBrushes(NULL) {}

  void PrepareShot() override {
    m_pBrushes->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(40, 10));  // over tip 1, and a click selects it
    m_pBrushes->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 10));
    m_pBrushes->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(100, 10));  // tip 3 framed
    m_pBrushes->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(100, 0));   // the pointer leaves; the frame stays
    m_layers.SetCurSel(2);
    m_layers.UpdateControl();
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    CreateBrushList();
    m_layers.SubclassDlgItem(IDC_LISTS_LAYERS, this);
    for (const char* pszLayer : kLayers) m_layers.AddString(pszLayer);
    FitRows(m_layers, kLayerRows);
    return TRUE;
  }

  // The host makes the window; the list deletes itself when the page destroys it.
  void CreateBrushList() {
    CWnd* pPlace = GetDlgItem(IDC_LISTS_BRUSHES);
    CRect rc;
    pPlace->GetWindowRect(&rc);
    ScreenToClient(&rc);
    m_pBrushes = new CBitmapList;
    m_pBrushes->m_hInstance = AfxGetResourceHandle();
    m_pBrushes->m_nBitmapID = IDB_LISTS_BRUSHES;
    const char* pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_HAND));
    if (!m_pBrushes->Create(pszClass, "", WS_CHILD | WS_VISIBLE,
                            CRect(rc.TopLeft(), CSize(kStripListWidth, kStripListHeight)), this,
                            IDC_LISTS_BRUSHES + 50)) {
      m_pBrushes = NULL;  // already deleted by its failed creation
      return;
    }
    m_pBrushes->SetWindowPos(pPlace, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  // Client height of exactly nRows text list rows.
  static void FitRows(CWnd& wnd, int nRows) {
    CRect window, client;
    wnd.GetWindowRect(&window);
    wnd.GetClientRect(&client);
    wnd.GetParent()->ScreenToClient(&window);
    const int nFrame = window.Height() - client.Height();
    wnd.MoveWindow(window.left, window.top, window.Width(), nRows * CTextList::ROW_HEIGHT + nFrame);
  }

  afx_msg void OnHScroll(UINT nCode, UINT nCell, CScrollBar* pBar) {
    if (m_pBrushes == NULL || (CWnd*)pBar != m_pBrushes) return;
    const int nTip = (short)nCell;
    switch (nCode) {
      case BLN_HOVER:
        Log("hover: tip %d (%s)", nTip, TipName(nTip));
        break;
      case BLN_SELECTED:
        m_nSelected = nTip;
        Log("click: tip %d (%s) selected", nTip, TipName(nTip));
        break;
      case BLN_LEAVE:
        Log("pointer left the tips (last over tip %d)", nTip);
        break;
    }
    CString state;
    state.Format("Hovered: %s\nSelected: %s", nCode == BLN_LEAVE ? "none" : TipName(nTip), TipName(m_nSelected));
    SetDlgItemText(IDC_LISTS_BRUSH_STATE, state);
  }

  afx_msg void OnLayerChange() {
    CString name;
    const int nLayer = m_layers.GetCurSel();
    if (nLayer >= 0) m_layers.GetText(nLayer, name);
    Log("layer %d \"%s\" selected", nLayer, (LPCSTR)name);
  }

  afx_msg void OnReadNames() {
    CString names, name;
    for (int i = 0; i < m_layers.GetCount(); i++) {
      m_layers.GetText(i, name);
      names += (i > 0 ? ", " : "") + name;
    }
    Log("layers: %s", (LPCSTR)names);
  }

  DECLARE_MESSAGE_MAP()

 private:
  CBitmapList* m_pBrushes;  // owned by its window
  CTextList m_layers;
  int m_nSelected = 0;
};

BEGIN_MESSAGE_MAP(CListsPage, CGalleryPage)
ON_WM_HSCROLL()
ON_LBN_SELCHANGE(IDC_LISTS_LAYERS, OnLayerChange)
ON_BN_CLICKED(IDC_LISTS_READ, OnReadNames)
END_MESSAGE_MAP()

GALLERY_PAGE(CListsPage, 71);
