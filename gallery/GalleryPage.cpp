#include "GalleryPage.h"
#include <algorithm>
#include <cstdarg>
#include <cstdio>

CGalleryPage::CGalleryPage(UINT nIDTemplate, UINT nIDTitle, const char* pszSlug)
    : CDialog(nIDTemplate), m_nIDTemplate(nIDTemplate), m_nIDTitle(nIDTitle), m_pszSlug(pszSlug), m_pHost(NULL) {}

BOOL CGalleryPage::CreatePage(CWnd* pParent, GalleryHost* pHost) {
  m_pHost = pHost;
  return Create(m_nIDTemplate, pParent);
}

CString CGalleryPage::Title() const {
  char text[128];
  if (::LoadStringA(AfxGetResourceHandle(), m_nIDTitle, text, sizeof text) <= 0) return CString(m_pszSlug);
  return CString(text);
}

void CGalleryPage::Log(const char* pszFormat, ...) {
  if (m_pHost == NULL) return;
  char line[512];
  int n = snprintf(line, sizeof line, "%s: ", m_pszSlug);
  va_list args;
  va_start(args, pszFormat);
  vsnprintf(line + n, sizeof line - n, pszFormat, args);
  va_end(args);
  m_pHost->Log(line);
}

namespace {

// The dialog shot in progress and the step it has reached.
struct DialogShot {
  CWnd* pPage;
  const char* pszTitle;
  CPoint offset;
  UINT nClose;
  const std::function<void()>* pCapture;
  const std::function<void(HWND)>* pPrepare;
  int nStep;
};
DialogShot* g_pShot = NULL;

void CALLBACK DialogShotStep(HWND, UINT, UINT_PTR, DWORD) {
  DialogShot* p = g_pShot;
  HWND hDlg = p != NULL ? ::FindWindowA(NULL, p->pszTitle) : NULL;
  if (hDlg == NULL || !::IsWindowVisible(hDlg)) return;
  if (p->nStep == 0) {
    CRect rcPage;
    p->pPage->GetWindowRect(&rcPage);
    ::SetWindowPos(hDlg, HWND_TOPMOST, rcPage.left + p->offset.x, rcPage.top + p->offset.y, 0, 0, SWP_NOSIZE);
    if (*p->pPrepare) (*p->pPrepare)(hDlg);
  } else if (p->nStep == 1) {
    ::RedrawWindow(hDlg, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    (*p->pCapture)();
    ::PostMessageA(hDlg, WM_COMMAND, p->nClose, 0);
  }
  p->nStep++;
}

struct PageEntry {
  int nOrder;
  GalleryPageFactory pfnCreate;
};

// Function-local, so registrars in other files may run before this file's statics.
std::vector<PageEntry>& Registry() {
  static std::vector<PageEntry> entries;
  return entries;
}

}  // namespace

void CGalleryPage::ShootDialog(const char* pszTitle, CPoint offset, UINT nClose, const std::function<void()>& capture,
                               const std::function<void()>& open, const std::function<void(HWND)>& prepare) {
  DialogShot shot = {this, pszTitle, offset, nClose, &capture, &prepare, 0};
  g_pShot = &shot;
  UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, DialogShotStep);
  open();
  ::KillTimer(NULL, nTimer);
  g_pShot = NULL;
}

GalleryPageRegistrar::GalleryPageRegistrar(int nOrder, GalleryPageFactory pfnCreate) {
  Registry().push_back({nOrder, pfnCreate});
}

std::vector<std::unique_ptr<CGalleryPage>> CreateGalleryPages() {
  std::vector<PageEntry> entries = Registry();
  std::stable_sort(entries.begin(), entries.end(),
                   [](const PageEntry& a, const PageEntry& b) { return a.nOrder < b.nOrder; });
  std::vector<std::unique_ptr<CGalleryPage>> pages;
  for (const PageEntry& entry : entries) pages.emplace_back(entry.pfnCreate());
  return pages;
}
