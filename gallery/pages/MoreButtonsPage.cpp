// More buttons: a folder field with its browse button (the page runs the system's folder dialog
// when the button asks; the history outlives the gallery), a six-step wizard strip driven by a
// footstep button with the step's title in an active static, a picture drop-down of brush shapes,
// and bitmap check buttons, three as one group beside one alone. Every notification is logged.
#include <Ostrel.h>
#include <shlobj.h>
#include "../GalleryPage.h"
#include "MoreButtonsPage.h"

namespace {

const char kHistorySection[] = "Gallery folders";

const int kSteps = 6;
const char* const kStepTitles[kSteps] = {"Choose the pictures", "Crop",    "Adjust the colours",
                                         "Add a frame",         "Caption", "Save"};
const COLORREF kStepColours[kSteps] = {RGB(0, 70, 160),  RGB(0, 120, 60),  RGB(150, 60, 0),
                                       RGB(120, 0, 120), RGB(0, 110, 130), RGB(170, 0, 30)};

const UINT kBrushButtonStrip = 880, kBrushMenuStrip = 881;  // rows in the order of kBrushIDs
UINT g_brushIDs[] = {IDC_MB_BRUSH_ROUND, IDC_MB_BRUSH_SQUARE, IDC_MB_BRUSH_DIAMOND, IDC_MB_BRUSH_SOFT};
const char* const kBrushNames[] = {"round", "square", "diamond", "soft"};
const int kBrushes = sizeof(g_brushIDs) / sizeof(g_brushIDs[0]);

struct CheckButtonInfo {
  UINT nID;
  int nFirstBitmap;  // normal look; + 1 checked, + 2 under the pointer
  const char* pszName;
};
const CheckButtonInfo kChecks[] = {{IDC_MB_ALIGN_LEFT, 882, "align left"},
                                   {IDC_MB_ALIGN_CENTRE, 885, "centre"},
                                   {IDC_MB_ALIGN_RIGHT, 888, "align right"},
                                   {IDC_MB_GRID, 891, "grid"}};
const int kChecksInGroup = 3;
const int kCheckCount = sizeof(kChecks) / sizeof(kChecks[0]);
const int kCheckSize = 24;

}  // namespace

class CMoreButtonsPage : public CGalleryPage {
 public:
  CMoreButtonsPage() : CGalleryPage(IDD_MOREBUTTONS_PAGE, IDS_MOREBUTTONS_PAGE, "morebuttons"), m_pStepTitle(NULL) {}

  void PrepareShot() override {
    SetDlgItemText(IDC_MB_FOLDER, "C:\\Pictures\\Holiday 2002");
    m_footstep.SetCurStep(3);
    ShowStep();
    m_brush.SetCurMenuID(IDC_MB_BRUSH_DIAMOND);
    m_brush.Invalidate(FALSE);
    ShowBrush();
    for (int i = 0; i < kCheckCount; ++i) m_checks[i].SetCheck(i == 1 || i == 3);
    ShowChecks();
  }

  // The hover look of the check buttons ends when the pointer has gone.
  void OnIdleUpdate() override {
    for (int i = 0; i < kCheckCount && m_checks[i].m_hWnd != NULL; ++i) {
      CCmdUI state;
      state.m_nID = kChecks[i].nID;
      state.m_pOther = &m_checks[i];
      m_checks[i].OnUpdateCommandUI(&state);
    }
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    if (_ButtonVexBmpInst == NULL) {
      Log("ButtonBmp.dll is missing: the buttons stay plain");
      return TRUE;
    }
    char szStart[MAX_PATH] = "";
    ::SHGetFolderPathA(NULL, CSIDL_PERSONAL, NULL, 0, szStart);
    if (!m_browse.Create(kHistorySection, szStart, this, IDC_MB_BROWSE)) Log("browse button: Create failed");
    CString strRecent;
    if (m_browse.GetRecentFolder(&strRecent)) SetDlgItemText(IDC_MB_FOLDER, strRecent);

    if (!m_footstep.Create(this, IDC_MB_FOOTSTEP, 1, kSteps)) Log("footstep button: Create failed");
    m_pStepTitle = new CActiveStatic;  // goes with its window
    if (!m_pStepTitle->SubclassDlgItem(IDC_MB_STEP_TITLE, this)) {
      delete m_pStepTitle;
      m_pStepTitle = NULL;
    }
    ShowStep();

    if (!m_brush.Create(this, IDC_MB_BRUSH, COkButton::BITMAP_CUSTOM, kBrushButtonStrip, _ButtonVexBmpInst) ||
        !m_brush.CreateSubDB(g_brushIDs, kBrushes, kBrushMenuStrip, _ButtonVexBmpInst))
      Log("brush drop-down: Create failed");
    m_brush.SetCurMenuID(IDC_MB_BRUSH_ROUND);
    ShowBrush();

    for (int i = 0; i < kCheckCount; ++i) {
      const CheckButtonInfo& info = kChecks[i];
      if (!m_checks[i].SubclassDlgItem(info.nID, this)) continue;
      m_checks[i].AssociateBitmaps(_ButtonVexBmpInst, info.nFirstBitmap, info.nFirstBitmap + 1, info.nFirstBitmap + 2);
      m_checks[i].SetWindowPos(NULL, 0, 0, kCheckSize, kCheckSize, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      if (i < kChecksInGroup) m_group.AddClient(&m_checks[i]);
    }
    m_checks[0].SetCheck(TRUE);
    ShowChecks();
    return TRUE;
  }

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    UINT nID = LOWORD(wParam), nCode = HIWORD(wParam);
    if (m_brush.m_hWnd != NULL && (HWND)lParam == m_brush.m_hWnd) {
      if (nCode == BN_PUSHED)
        Log("%u BN_PUSHED: the brush menu opens on release", nID);
      else
        Log("brush drop-down: WM_COMMAND %u, GetCurMenuID %d", nID, m_brush.GetCurMenuID());
      ShowBrush();
      return TRUE;
    }
    for (int i = 0; i < kCheckCount; ++i) {
      if (nID == kChecks[i].nID && nCode == BN_CLICKED) {
        Log("%u \"%s\" BN_CLICKED, checked %d", nID, kChecks[i].pszName, m_checks[i].IsChecked());
        ShowChecks();
        return TRUE;
      }
    }
    return CGalleryPage::OnCommand(wParam, lParam);
  }

  // A folder from the history; one that has gone is taken out of it.
  afx_msg LRESULT OnFolderChosen(WPARAM wParam, LPARAM lParam) {
    const char* pszFolder = (const char*)lParam;
    Log("%u WM_USER+100 \"%s\"", (UINT)wParam, pszFolder);
    if (::GetFileAttributesA(pszFolder) == INVALID_FILE_ATTRIBUTES) {
      m_browse.RemoveInvalidFolder(pszFolder);
      Log("no such folder any more: removed from the history");
      return 0;
    }
    SetDlgItemText(IDC_MB_FOLDER, pszFolder);
    m_browse.AddRecentFolder(pszFolder);
    return 0;
  }

  afx_msg LRESULT OnBrowseAsked(WPARAM wParam, LPARAM) {
    Log("%u WM_USER+101: the button asks the page to browse", (UINT)wParam);
    char szFolder[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = m_hWnd;
    info.pszDisplayName = szFolder;
    info.lpszTitle = "Save pictures to";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST pidl = ::SHBrowseForFolderA(&info);
    BOOL bChosen = pidl != NULL && ::SHGetPathFromIDListA(pidl, szFolder);
    if (pidl != NULL) ::CoTaskMemFree(pidl);
    if (!bChosen) {
      Log("folder dialog: cancelled");
      return 0;
    }
    Log("folder dialog: \"%s\"", szFolder);
    SetDlgItemText(IDC_MB_FOLDER, szFolder);
    m_browse.AddRecentFolder(szFolder);
    return 0;
  }

  // The button only asks; the page moves it.
  afx_msg LRESULT OnStepRequest(WPARAM wParam, LPARAM lParam) {
    const FTSTEPREQUEST* pRequest = (const FTSTEPREQUEST*)lParam;
    Log("%u WM_USER+200: step %d asks for step %d", (UINT)wParam, pRequest->nCurStep, pRequest->nNewStep);
    m_footstep.SetCurStep(pRequest->nNewStep);
    ShowStep();
    return 0;
  }

  void ShowStep() {
    int nStep = m_footstep.GetCurStep();
    if (m_pStepTitle == NULL || nStep < 1 || nStep > kSteps) return;
    CString strTitle;
    strTitle.Format("Step %d of %d: %s", nStep, kSteps, kStepTitles[nStep - 1]);
    m_pStepTitle->SetWindowText(strTitle);
    m_pStepTitle->m_crText = kStepColours[nStep - 1];
    m_pStepTitle->UpdateControl();
  }

  void ShowBrush() {
    int nCurrent = m_brush.GetCurMenuID();
    for (int i = 0; i < kBrushes; ++i)
      if ((UINT)nCurrent == g_brushIDs[i]) SetDlgItemText(IDC_MB_BRUSH_NAME, CString("Brush: ") + kBrushNames[i]);
  }

  void ShowChecks() {
    CString strState = "Checked:";
    for (int i = 0; i < kCheckCount; ++i)
      if (m_checks[i].IsChecked()) strState += CString(" ") + kChecks[i].pszName;
    SetDlgItemText(IDC_MB_CHECK_STATE, strState);
  }

  CCtrlGroup m_group;  // before its members: it goes after them
  CBrowseBtn m_browse;
  CFtStepBtn m_footstep;
  CActiveStatic* m_pStepTitle;
  COkButton m_brush;
  CBitmapCheckButton m_checks[kCheckCount];
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMoreButtonsPage, CGalleryPage)
ON_MESSAGE(BROWSEBTN_FOLDER, OnFolderChosen)
ON_MESSAGE(BROWSEBTN_BROWSE, OnBrowseAsked)
ON_MESSAGE(FTSTEP_REQUEST, OnStepRequest)
END_MESSAGE_MAP()

GALLERY_PAGE(CMoreButtonsPage, 65);
