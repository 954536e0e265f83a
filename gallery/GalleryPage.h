// One page of the gallery: a child dialog that shows one family of controls live and writes the
// notifications they send to the shared log. Each page is one .cpp in pages/ that registers
// itself with GALLERY_PAGE; its dialog template and strings go in a .rc file beside it.
#pragma once
#include <afxwin.h>
#include <functional>
#include <memory>
#include <vector>

// What a page may ask of the gallery's main window.
class GalleryHost {
 public:
  virtual ~GalleryHost() {}
  virtual void Log(const char* text) = 0;
  // The host's panel-style setting that the library reads through pVexPrefernPanelStyle.
  virtual int PanelStyle() const = 0;
  virtual void SetPanelStyle(int nStyle) = 0;
};

class CGalleryPage : public CDialog {
 public:
  // nIDTemplate: the page's dialog (child style, no caption); nIDTitle: its title in the string table;
  // pszSlug: short lower-case name used for the screenshot file.
  CGalleryPage(UINT nIDTemplate, UINT nIDTitle, const char* pszSlug);

  BOOL CreatePage(CWnd* pParent, GalleryHost* pHost);
  CString Title() const;
  const char* Slug() const { return m_pszSlug; }

  // Puts the page's controls in a state worth a screenshot.
  virtual void PrepareShot() {}
  // Called from the application's idle processing while the page is shown.
  virtual void OnIdleUpdate() {}
  // A modal window of the page worth a screenshot of its own, open over the page: the picture's
  // slug, or NULL when there is none. RunModalShot opens it, calls capture once while it shows
  // (painted, in front of the page) and closes it again without changing anything.
  virtual const char* ModalShotSlug() const { return NULL; }
  virtual void RunModalShot(const std::function<void()>& capture) { (void)capture; }

 protected:
  GalleryHost* Host() const { return m_pHost; }
  // For RunModalShot: open() shows a modal dialog captioned pszTitle. From a timer inside its loop
  // the dialog is placed at offset from the page's top-left corner and handed to prepare (if any);
  // once it has painted, capture runs and the dialog is sent the command nClose.
  void ShootDialog(const char* pszTitle, CPoint offset, UINT nClose, const std::function<void()>& capture,
                   const std::function<void()>& open, const std::function<void(HWND)>& prepare = nullptr);
  // printf-style line for the log pane, prefixed with the page's slug.
  void Log(const char* pszFormat, ...);
  // A page is not closed by Enter or Escape.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  UINT m_nIDTemplate;
  UINT m_nIDTitle;
  const char* m_pszSlug;
  GalleryHost* m_pHost;
};

// The registry of pages, in the order given by their registration numbers.
typedef CGalleryPage* (*GalleryPageFactory)();

struct GalleryPageRegistrar {
  GalleryPageRegistrar(int nOrder, GalleryPageFactory pfnCreate);
};

std::vector<std::unique_ptr<CGalleryPage>> CreateGalleryPages();

// Registers page class cls at position nOrder of the page list.
#define GALLERY_PAGE(cls, nOrder) \
  static GalleryPageRegistrar s_register##cls(nOrder, []() -> CGalleryPage* { return new cls; })
