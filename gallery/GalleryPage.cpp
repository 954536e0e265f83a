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
