#include "GalleryWnd.h"
#include "GalleryLayout.h"
#include "HostGlobals.h"

using namespace gallery;

namespace {
const int kLogLines = 200;  // lines kept in the log pane; older ones are dropped

CRect PageListRect() { return CRect(kMargin, kMargin, kMargin + kListWidth, kClientHeight - kLogHeight - kMargin); }
CRect PageRect() {
  return CRect(2 * kMargin + kListWidth, kMargin, kClientWidth - kMargin, kClientHeight - kLogHeight - kMargin);
}
CRect LogRect() { return CRect(kMargin, kClientHeight - kLogHeight, kClientWidth - kMargin, kClientHeight - kMargin); }
}  // namespace

BEGIN_MESSAGE_MAP(CGalleryWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_LBN_SELCHANGE(IDC_PAGE_LIST, OnPageListChange)
END_MESSAGE_MAP()

CGalleryWnd::CGalleryWnd() : m_nCurrent(-1), m_nPanelStyle(0) {}

CGalleryWnd::~CGalleryWnd() {}

BOOL CGalleryWnd::CreateGallery(LPCSTR lpszTitle, int x, int y) {
  const DWORD dwStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  CRect rc(0, 0, kClientWidth, kClientHeight);
  ::AdjustWindowRectEx(&rc, dwStyle, FALSE, 0);
  const char* cls = AfxRegisterWndClass(0, ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
  return CreateEx(0, cls, lpszTitle, dwStyle, x, y, rc.Width(), rc.Height(), NULL, NULL);
}

int CGalleryWnd::OnCreate(LPCREATESTRUCT) {
  // The library reads the host's globals, so they are in place before any page is made.
  InstallHostGlobals(&m_nPanelStyle);

  m_pageList.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    PageListRect(), this, IDC_PAGE_LIST);
  m_log.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOSEL | LBS_NOINTEGRALHEIGHT, LogRect(), this,
               IDC_LOG);
  CFont* pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
  m_pageList.SetFont(pFont);
  m_log.SetFont(pFont);

  m_pages = CreateGalleryPages();
  const CRect rcPage = PageRect();
  for (auto& page : m_pages) {
    if (!page->CreatePage(this, this)) {
      Log(CString("gallery: page \"") + page->Slug() + "\" could not be created");
      continue;
    }
    page->MoveWindow(&rcPage, FALSE);
    m_pageList.SetItemDataPtr(m_pageList.AddString(page->Title()), page.get());
  }
  if (m_pageList.GetCount() > 0) {
    m_pageList.SetCurSel(0);
    OnPageListChange();
  }
  return 0;
}

void CGalleryWnd::OnDestroy() {
  // The page windows go with their parent; their objects stay valid until this object goes.
  InstallHostGlobals(NULL);
  CWnd::OnDestroy();
}

void CGalleryWnd::PostNcDestroy() { delete this; }

CGalleryPage* CGalleryWnd::Page(int nIndex) const {
  return nIndex >= 0 && nIndex < m_pageList.GetCount() ? (CGalleryPage*)m_pageList.GetItemDataPtr(nIndex) : NULL;
}

void CGalleryWnd::ShowPage(int nIndex) {
  CGalleryPage* pNew = Page(nIndex);
  if (pNew == NULL) return;
  CGalleryPage* pOld = CurrentPage();
  if (pOld != NULL && pOld != pNew) pOld->ShowWindow(SW_HIDE);
  m_nCurrent = nIndex;
  if (m_pageList.GetCurSel() != nIndex) m_pageList.SetCurSel(nIndex);
  pNew->ShowWindow(SW_SHOW);
}

void CGalleryWnd::OnPageListChange() { ShowPage(m_pageList.GetCurSel()); }

void CGalleryWnd::Log(const char* text) {
  if (m_log.m_hWnd == NULL) return;
  while (m_log.GetCount() >= kLogLines) m_log.DeleteString(0);
  int nIndex = m_log.AddString(text);
  m_log.SetTopIndex(nIndex);
}

void CGalleryWnd::SetPanelStyle(int nStyle) {
  m_nPanelStyle = nStyle;
  // Group frames read the setting when they paint.
  RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
