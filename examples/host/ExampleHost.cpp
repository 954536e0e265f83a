// example_host.exe: a small host of Ostrel.dll. It sets the globals the library reads, then shows
// one dialog with an angle dial in a group frame, a colour box, an owner-drawn button and the
// progress bar with its Cancel button.
//
//   example_host.exe                    the dialog, until the user closes it
//   example_host.exe --auto-close MS    runs a short job through the progress bar, closes itself
//                                       after MS milliseconds and exits with 0 when every control
//                                       was made (1 otherwise)
#include <Ostrel.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include "resource.h"

namespace {

const UINT_PTR kRunTimer = 1, kCloseTimer = 2;
int g_nPanelStyle = 0;  // the host's panel-style setting the group frames read

// A module of the host's installation, beside the executable.
HINSTANCE LoadBesideExe(const char* pszName) {
  char szPath[MAX_PATH] = "";
  ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
  std::string path(szPath);
  path.erase(path.find_last_of("\\/") + 1);
  return ::LoadLibraryA((path + pszName).c_str());
}

// The library reads these before it makes the controls that need them.
void InstallHostGlobals() {
  _ButtonVexBmpInst = LoadBesideExe("ButtonBmp.dll");  // pictures of the owner-drawn buttons
  pVexPrefernPanelStyle = &g_nPanelStyle;
}

// One step of a job: what a long operation of the host reports through the progress callback.
int Report(int nMsg, unsigned int nPercent = 0) { return CProgress::SimplePCB(nMsg, nPercent, 0, NULL); }
enum { PCB_BEGIN = 1, PCB_DOING = 2, PCB_END = 4 };

}  // namespace

class CHostDlg : public CDialog {
 public:
  explicit CHostDlg(UINT nAutoCloseMs) : CDialog(IDD_HOST), m_nAutoCloseMs(nAutoCloseMs) {}
  BOOL m_bControlsMade = FALSE;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    // The colour box and the progress bar take the places the template keeps for them.
    CRect rcColour = PlaceOf(IDC_COLOUR_PLACE), rcPanel = PlaceOf(IDC_PANEL_PLACE);
    const BOOL bColour = m_colour.Create(IDC_COLOUR_BOX, rcColour, this, CLRBOX_SIMPLE, NULL, 0, 0);
    const BOOL bButton = m_run.Create(this, IDC_RUN, COkButton::BITMAP_PUSH_ALT1, 0, NULL);
    const BOOL bPanel = m_panel.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "",
                                         WS_CHILD | WS_VISIBLE, rcPanel, this, 0);
    const BOOL bBar = bPanel && m_bar.Create(IDC_PROGRESS_BAR, CRect(CPoint(0, 0), rcPanel.Size()), &m_panel);
    m_bControlsMade = ::IsWindow(GetDlgItem(IDC_DIAL)->GetSafeHwnd()) && bColour && bButton && bBar;
    ShowColour(m_colour.GetColor());
    SetDlgItemText(IDC_STATUS, m_bControlsMade ? "Ready." : "Some controls could not be made.");
    if (m_nAutoCloseMs > 0) {
      SetTimer(kRunTimer, 100, NULL);
      SetTimer(kCloseTimer, m_nAutoCloseMs, NULL);
    }
    return TRUE;
  }

  // The dial reports presses, drags and the release through WM_COMMAND codes 1, 2 and 3.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) == IDC_DIAL) {
      const int nAngle = (int)SendDlgItemMessage(IDC_DIAL, CCM_GETANGLE, 0, 0);
      CString text;
      text.Format("%d\260", nAngle);
      SetDlgItemText(IDC_ANGLE, text);
      return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
  }

  afx_msg LRESULT OnColourChange(WPARAM, LPARAM lParam) {
    ShowColour((COLORREF)lParam);
    return 0;
  }

  // A job of two parts, the second twice as long; Cancel (or Escape) stops it.
  afx_msg void OnRun() {
    double parts[2] = {1.0 / 3, 2.0 / 3};
    CRect rcBar(CPoint(0, 0), PlaceOf(IDC_PANEL_PLACE).Size());
    m_bar.ResizeProgress(rcBar);
    BOOL bDone = m_bar.NestedBegin(2, parts);
    for (int nPart = 0; nPart < 2 && bDone; nPart++) {
      bDone = Report(PCB_BEGIN);
      for (unsigned int n = 0; n <= 100 && bDone; n += 5) {
        ::Sleep(10);
        bDone = Report(PCB_DOING, n);
      }
      bDone = bDone && Report(PCB_END);
    }
    m_bar.NestedEnd();
    SetDlgItemText(IDC_STATUS, bDone ? "The job is done." : "The job was cancelled.");
  }

  afx_msg void OnTimer(UINT_PTR nIDEvent) {
    KillTimer(nIDEvent);
    if (nIDEvent == kRunTimer) OnRun();
    if (nIDEvent == kCloseTimer) EndDialog(IDOK);
  }

  CRect PlaceOf(UINT nID) {
    CRect rc;
    GetDlgItem(nID)->GetWindowRect(&rc);
    ScreenToClient(&rc);
    return rc;
  }

  void ShowColour(COLORREF color) {
    CString text;
    text.Format("R %d  G %d  B %d", GetRValue(color), GetGValue(color), GetBValue(color));
    SetDlgItemText(IDC_COLOUR_TEXT, text);
  }

  UINT m_nAutoCloseMs;
  CClrBoxes m_colour{RGB(0, 120, 215)};
  COkButton m_run;
  CWnd m_panel;
  CProgress m_bar;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
ON_MESSAGE(CLRBOX_COLORCHANGE, OnColourChange)
ON_BN_CLICKED(IDC_RUN, OnRun)
ON_WM_TIMER()
END_MESSAGE_MAP()

class CExampleHostApp : public CWinApp {
 public:
  CExampleHostApp() : CWinApp("Ostrel example host") {}

  BOOL InitInstance() override {
    UINT nAutoCloseMs = 0;
    for (int i = 1; i < __argc; i++)
      if (strcmp(__argv[i], "--auto-close") == 0 && i + 1 < __argc) nAutoCloseMs = (UINT)atoi(__argv[++i]);
    InstallHostGlobals();
    CHostDlg dlg(nAutoCloseMs);
    const INT_PTR nResult = dlg.DoModal();
    m_nExitCode = nResult == IDOK && dlg.m_bControlsMade ? 0 : 1;
    if (nAutoCloseMs > 0) fprintf(stderr, "example_host: %s\n", m_nExitCode == 0 ? "every control made" : "failed");
    return FALSE;  // the dialog was the whole run
  }

  int ExitInstance() override {
    CWinApp::ExitInstance();
    return m_nExitCode;
  }

 private:
  int m_nExitCode = 1;
};

CExampleHostApp theApp;
