// gallery.exe: the demo host. With "--shots DIR" it renders every page to DIR and exits.
#include "GalleryWnd.h"
#include "Shots.h"
#include "resource.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

class CGalleryApp : public CWinApp {
 public:
  CGalleryApp() : CWinApp("Ostrel Gallery"), m_nExitCode(0) {}

  BOOL InitInstance() override {
    std::string shotsDir;
    if (!ParseCommandLine(shotsDir)) return FALSE;

    char title[128];
    if (::LoadStringA(m_hInstance, IDS_GALLERY_TITLE, title, sizeof title) <= 0) strcpy(title, "Ostrel Gallery");
    CGalleryWnd* pWnd = new CGalleryWnd;
    const bool bShots = !shotsDir.empty();
    BOOL bCreated = bShots ? pWnd->CreateGallery(title, 0, 0) : pWnd->CreateGallery(title);
    if (!bCreated) {
      delete pWnd;
      fprintf(stderr, "gallery: cannot create the main window\n");
      m_nExitCode = 1;
      return FALSE;
    }
    m_pMainWnd = pWnd;
    pWnd->ShowWindow(bShots ? SW_SHOWNORMAL : m_nCmdShow);
    pWnd->UpdateWindow();
    if (bShots) {
      m_nExitCode = RunShots(*pWnd, shotsDir);
      return FALSE;  // the framework destroys the window and exits with ExitInstance's code
    }
    return TRUE;
  }

  int ExitInstance() override {
    int nCode = CWinApp::ExitInstance();
    return m_nExitCode != 0 ? m_nExitCode : nCode;
  }

  // The framework's idle update, then the shown page's own (hover tracking of some controls).
  BOOL OnIdle(LONG lCount) override {
    BOOL bMore = CWinApp::OnIdle(lCount);
    if (lCount == 0) {
      CGalleryWnd* pWnd = static_cast<CGalleryWnd*>(m_pMainWnd);
      if (pWnd != NULL && pWnd->m_hWnd != NULL && pWnd->CurrentPage() != NULL) pWnd->CurrentPage()->OnIdleUpdate();
    }
    return bMore;
  }

 private:
  // Accepts no arguments or "--shots DIR"; anything else is reported and ends the run.
  bool ParseCommandLine(std::string& shotsDir) {
    for (int i = 1; i < __argc; ++i) {
      if (strcmp(__argv[i], "--shots") == 0 && i + 1 < __argc && __argv[i + 1][0] != '\0') {
        shotsDir = __argv[++i];
      } else {
        fprintf(stderr, "usage: gallery.exe [--shots DIR]\n");
        m_nExitCode = 2;
        return false;
      }
    }
    return true;
  }

  int m_nExitCode;
};

CGalleryApp theApp;
