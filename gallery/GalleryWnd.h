// The gallery's main window: page list on the left, the selected page beside it, the log below.
#pragma once
#include "GalleryPage.h"

class CGalleryWnd : public CWnd, public GalleryHost {
 public:
  enum { IDC_PAGE_LIST = 100, IDC_LOG = 101 };

  CGalleryWnd();
  ~CGalleryWnd() override;

  // Creates the window with its client area at the layout's size; at (x, y) when given.
  BOOL CreateGallery(LPCSTR lpszTitle, int x = CW_USEDEFAULT, int y = CW_USEDEFAULT);

  // The pages that were made, in list order.
  int PageCount() const { return m_pageList.GetCount(); }
  CGalleryPage* Page(int nIndex) const;
  CGalleryPage* CurrentPage() const { return Page(m_nCurrent); }
  void ShowPage(int nIndex);

  // GalleryHost
  void Log(const char* text) override;
  int PanelStyle() const override { return m_nPanelStyle; }
  void SetPanelStyle(int nStyle) override;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnPageListChange();
  void PostNcDestroy() override;
  DECLARE_MESSAGE_MAP()

 private:
  CListBox m_pageList;
  CListBox m_log;  // one line per item, newest last
  std::vector<std::unique_ptr<CGalleryPage>> m_pages;
  int m_nCurrent;
  int m_nPanelStyle;  // the library reads it through pVexPrefernPanelStyle
};
