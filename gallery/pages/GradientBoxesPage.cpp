// Gradient boxes: four boxes in a panel, each opening the "Gradient Fill" dialog; what they send
// their parent (0xCD after OK, 0xCE on a right click) goes to the log. The document check box
// drives the workspace, which offers the gallery's eyedropper in the dialog. The page's modal
// shot is the dialog itself, open over the page with the starter presets.
#include "../GalleryPage.h"
#include "GradientBoxesPage.h"
#include "../Eyedropper.h"
#include <Ostrel.h>

namespace {

const int kBoxes = 4;
const SGRADOPTION kGradients[kBoxes] = {
    {RGB(255, 94, 58), RGB(255, 209, 102), 0, GRADDIR_VERTICAL},
    {RGB(0, 62, 120), RGB(0, 180, 216), 20, GRADDIR_HORIZONTAL},
    {RGB(20, 80, 40), RGB(160, 210, 90), 0, GRADDIR_DIAGONAL_DOWN},
    {RGB(60, 70, 85), RGB(200, 210, 220), 40, GRADDIR_DIAGONAL_UP},
};
const char* const kDirections[] = {"vertical", "horizontal", "diagonal down", "diagonal up"};
int g_document = 0;  // the workspace's document while the check box is on

// A gradient box that asks its parent for the focus on a right click.
class CPageGradBox : public CGradBoxes {
 protected:
  afx_msg void OnRButtonDown(UINT, CPoint) { OnGetFocus(); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPageGradBox, CGradBoxes)
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

}  // namespace

class CGradientBoxesPage : public CGalleryPage {
 public:
  CGradientBoxesPage() : CGalleryPage(IDD_GRADBOXES_PAGE, IDS_GRADBOXES_PAGE, "gradboxes") {}

  void OnIdleUpdate() override {
    for (CPageGradBox& box : m_boxes) box.OnUpdateUI(NULL);
  }

  const char* ModalShotSlug() const override { return "gradboxes_dialog"; }

  // Over the page, the first preset selected as a click would; Cancel keeps the record and the
  // presets as they were.
  void RunModalShot(const std::function<void()>& capture) override {
    CGradDLg dlg(this);
    GFILL_OPTION record = MakeGradOption(m_boxes[0].GetGradOpt(), GRADLINE_BOX, 0, 0);
    dlg.m_pGFillOption = &record;
    ShootDialog(
        "Gradient Fill", CPoint(40, 100), IDCANCEL, capture, [&dlg] { dlg.DoModal(); },
        [](HWND hDlg) {
          HWND hStrip = ::FindWindowExA(hDlg, NULL, "T32IIO_CLASS", NULL);
          ::SendMessageA(hStrip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
          ::SendMessageA(hStrip, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        });
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    for (int i = 0; i < kBoxes; i++) {
      CWnd* pPlace = GetDlgItem(IDC_GB_BOX0 + i);
      if (pPlace == NULL) continue;
      CRect rc;
      pPlace->GetWindowRect(&rc);
      ScreenToClient(&rc);
      pPlace->DestroyWindow();
      SGRADOPTION grad = kGradients[i];
      if (!m_boxes[i].Create(IDC_GB_BOX0 + i, rc, this, &grad)) Log("box %d: Create failed", IDC_GB_BOX0 + i);
      m_boxes[i].AddEyeDropper((void*)PickScreenColour);
    }
    CheckDlgButton(IDC_GB_DOCUMENT, WsGetCurrentDocument() != NULL ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
  }

  afx_msg LRESULT OnGradChange(WPARAM wParam, LPARAM lParam) {
    const SGRADOPTION* p = (const SGRADOPTION*)lParam;
    if (p == NULL) return 0;
    Log("box %d: 0xCD, R%d G%d B%d to R%d G%d B%d, shift %d, %s", (int)wParam, GetRValue(p->clrStart),
        GetGValue(p->clrStart), GetBValue(p->clrStart), GetRValue(p->clrEnd), GetGValue(p->clrEnd),
        GetBValue(p->clrEnd), p->nColorShift,
        p->nDirection >= 0 && p->nDirection < 4 ? kDirections[p->nDirection] : "?");
    return 0;
  }

  afx_msg LRESULT OnGradFocus(WPARAM wParam, LPARAM) {
    Log("box %d: 0xCE, asks for the focus", (int)wParam);
    return 0;
  }

  afx_msg void OnDocument() {
    const bool bOpen = IsDlgButtonChecked(IDC_GB_DOCUMENT) == BST_CHECKED;
    WsSetCurrentDocument(bOpen ? &g_document : NULL);
    Log("workspace: document %s, eyedropper %s", bOpen ? "open" : "closed", bOpen ? "offered" : "off");
  }

  DECLARE_MESSAGE_MAP()

 private:
  CPageGradBox m_boxes[kBoxes];
};

BEGIN_MESSAGE_MAP(CGradientBoxesPage, CGalleryPage)
ON_MESSAGE(GRADBOX_CHANGE, OnGradChange)
ON_MESSAGE(GRADBOX_GETFOCUS, OnGradFocus)
ON_BN_CLICKED(IDC_GB_DOCUMENT, OnDocument)
END_MESSAGE_MAP()

GALLERY_PAGE(CGradientBoxesPage, 41);
