// One entry per exported control and dialog: how a host makes it.
#include <Ostrel.h>
#include <Drevnic.h>
#include <t32Base.h>
#include <t32File.h>
#include <cstdio>
#include "Sweep.h"
#include "TabSkin.h"
#include "TestApp.h"
#include "sweep_ids.h"

namespace {

using namespace ostrel_test;

const CRect kBox(10, 10, 210, 90);

// A T made from args, handed over when create(*p) succeeds.
template <class T, class F, class... A>
std::unique_ptr<CWnd> Make(F create, A&&... args) {
  auto p = std::make_unique<T>(std::forward<A>(args)...);
  if (!create(*p)) return nullptr;
  return p;
}

// A window of a registered class, made through the framework so the object sees its destruction.
std::unique_ptr<CWnd> ClassWindow(CWnd* pParent, const char* pszClass, const RECT& rc, UINT nID) {
  return Make<CWnd>([&](CWnd& w) { return w.CreateEx(0, pszClass, "Sweep", WS_CHILD | WS_VISIBLE, rc, pParent, nID); });
}

// A plain template button for the button classes that take one over.
HWND TemplateButton(CWnd* pParent, UINT nID, DWORD dwStyle = 0, const char* pszText = "") {
  return ::CreateWindowExA(0, "BUTTON", pszText, WS_CHILD | WS_VISIBLE | dwStyle, 10, 10, 90, 30, pParent->m_hWnd,
                           (HMENU)(UINT_PTR)nID, NULL, NULL);
}

std::unique_ptr<CWnd> OkButton(CWnd* pParent, DWORD dwStyle) {
  return Make<COkButton>([&](COkButton& b) {
    return TemplateButton(pParent, 101, dwStyle, "Apply") && b.Create(pParent, 101, COkButton::BITMAP_CUSTOM, 0, NULL);
  });
}

std::unique_ptr<CWnd> ColourBoxes(CWnd* pParent, unsigned nType, unsigned nAlign) {
  static unsigned long palette[8] = {0xFF, 0xFF00, 0xFF0000, 0xFFFF, 0xFF00FF, 0xFFFF00, 0x808080, 0};
  return Make<CClrBoxes>([&](CClrBoxes& b) { return b.Create(102, kBox, pParent, nType, palette, 8, nAlign); },
                         0x00336699);
}

// A tip owner: a static with the tip as a window tool over it.
class CTipOwner : public CWnd {
 public:
  BOOL Make(CWnd* pParent) {
    if (!CreateEx(0, "STATIC", "tip target", WS_CHILD | WS_VISIBLE, kBox, pParent, 103)) return FALSE;
    if (!m_tip.Create(this)) return FALSE;
    m_tip.SetInstance(::GetModuleHandleA(NULL));
    return m_tip.AddWindowTool(this, MAKEINTRESOURCEA(IDS_SWEEP_TIP)) != 0;
  }
  CVexTip m_tip;
};

class CTipExOwner : public CWnd {
 public:
  BOOL Make(CWnd* pParent) {
    if (!CreateEx(0, "STATIC", "tip target", WS_CHILD | WS_VISIBLE, kBox, pParent, 104)) return FALSE;
    if (!m_tip.Create(pParent, this)) return FALSE;
    m_tip.Show(IDS_SWEEP_TIP, 0);
    // Shown about 100 ms later: every life shows it, so every life draws it.
    return ostrel_test::PumpUntil([this] { return ::IsWindowVisible(m_tip.m_hWnd) != FALSE; }, 2000);
  }
  CTipUIEx m_tip;
};

// The progress bar on its panel, with its Cancel thread.
class CBarPanel : public CWnd {
 public:
  BOOL Make(CWnd* pParent) {
    if (!CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 70), pParent, 105))
      return FALSE;
    CRect rc(0, 0, 300, 60);
    if (!m_bar.Create(106, rc, this)) return FALSE;
    m_bar.ResizeProgress(rc);
    double halves[2] = {0.5, 0.5};
    m_bar.NestedBegin(2, halves);
    CProgress::SimplePCB(1, 0, 0, NULL);
    CProgress::SimplePCB(2, 40, 0, NULL);
    return TRUE;
  }
  void PostNcDestroy() override { m_bar.NestedEnd(); }
  CProgress m_bar;
};

// The maker's item list in its strip window, with some thumbnails.
class CItemStrip : public CIIListWindow {
 public:
  BOOL Make(CWnd* pParent) {
    if (!Create(T32IIO_CLASSNAME, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL, kBox, pParent, 107)) return FALSE;
    m_list.SetIIWH(34, 34);
    for (int i = 0; i < 12; i++) {
      _IIDATA item = {};
      snprintf(item.szName, sizeof item.szName, "item %d", i);
      item.nMode = IIBUF_COPY;
      const int nItem = m_list.AddII(&item);
      if (nItem >= 0) m_list.TypeAddII(0, nItem);
    }
    return AttachIIList(&m_list);
  }
  CIIList m_list;
};

// The bitmap list, made with new: it deletes itself with its window (and after a failed creation).
std::unique_ptr<CWnd> BitmapList(CWnd* pParent) {
  CBitmapList* p = new CBitmapList;
  p->m_hInstance = _ClrBoxInst;
  p->m_nBitmapID = 22022;  // a library bitmap wider than the list, so the bar has a range
  if (!p->Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 190, 62), pParent, 117))
    return nullptr;
  return std::unique_ptr<CWnd>(p);
}

std::unique_ptr<CWnd> BmpCombo(CWnd* pParent) {
  return Make<CBmpCombo>(
      [&](CBmpCombo& c) {
        c.SetBitmapWidthHeight(24, 16);
        HANDLE hBuffer = NULL;
        buf32Alloc(&hBuffer, 24, 24, 16, 0, NULL);
        const BOOL bMade = c.CreateCombo(kBox, pParent, 121) && c.AddItem(hBuffer, "buffer") && c.SetCurSel(0) == 0;
        if (!c.m_hWnd) buf32Free(hBuffer);
        return bMade;
      },
      pParent);
}

// The numeric field with its spin control, and the pop-up edit with its editor (a text edit) open.
class CEditsPanel : public CWnd {
 public:
  BOOL Make(CWnd* pParent) {
    if (!CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, kBox, pParent, 124) ||
        !m_number.Create(WS_VISIBLE | WS_BORDER, CRect(0, 0, 80, 24), this, 1) ||
        !m_spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, CRect(), this, 2) ||
        !m_popup.Create(WS_VISIBLE | WS_BORDER, CRect(100, 0, 190, 24), this, 3))
      return FALSE;
    m_spin.SetBuddy(&m_number);
    m_number.SetSpin(&m_spin);
    m_number.SetRange(0, 50);
    m_popup.SetToolUI(this, NULL);
    return m_number.SetNum(10) == 10 && m_popup.CreatePopupEdit();
  }
  CNumEdit m_number;
  CSpinButtonCtrl m_spin;
  CPopupEdit m_popup;
};

std::unique_ptr<CWnd> TabControl(CWnd* pParent) {
  auto p = std::make_unique<CVexTabCtrl>();
  p->m_nLastTab = 2;
  p->m_nTextId = IDS_SWEEP_TABS;
  p->m_hBmpInst = p->m_hFontInst = Skin();
  p->m_hTextInst = ::GetModuleHandleA(NULL);
  p->m_nBmp2Id = kTab2;
  p->m_nBmp3Id = kTab3;
  p->m_nBackId = kPageTile;
  p->LoadTabBmp();
  if (!p->Create(WS_VISIBLE, CRect(10, 10, 240, 160), pParent, 125)) return nullptr;
  for (int i = 0; i < 3; i++) p->InsertItem(i, "");
  return std::unique_ptr<CWnd>(std::move(p));
}

// A window that paints a masked bitmap transparently, plainly and scaled, and an image object
// with its shadow; the bitmap and the objects live as long as the window.
class CImagePainter : public CWnd {
 public:
  BOOL Make(CWnd* pParent) {
    if (!CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 250, 150), pParent, 126))
      return FALSE;
    CClientDC dc(this);
    const DWORD dwGrey = 0x808080;
    HANDLE hBuf = NULL;
    buf32Alloc(&hBuf, 24, 240, 140, BUF32_ALLOC_FILL, &dwGrey);
    m_background.CreateFromBuf(hBuf);
    CRect rcObject(20, 20, 180, 100);
    m_shadow.m_crColor = RGB(0, 0, 128);
    return m_bitmap.CreateCompatibleBitmap(&dc, 16, 16) && m_back.CreateFromIBuf(&m_background) &&
           m_back.MergeObject(rcObject) && m_shadow.CreateOneColorFromUImage(m_back, rcObject);
  }
  void PostNcDestroy() override {
    m_shadow.Destroy();
    m_back.Destroy();
  }
  afx_msg void OnPaint() {
    CPaintDC dc(this);
    CRect rc(0, 0, 240, 140);
    m_back.Draw(dc.m_hDC, rc);
    m_shadow.m_nOffsetX = m_shadow.m_nOffsetY = 8;
    m_shadow.Draw(dc.m_hDC, rc);
    m_bitmap.DrawTransparent(&dc, 4, 4);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(3, 3);
    m_bitmap.TransparentBitBlt(&dc, 10, 10, 0, 0, 8, 8);
  }
  DECLARE_MESSAGE_MAP()
  CMaskedBitmap m_bitmap;
  t32Base::IBuf m_background;
  CUImage m_back, m_shadow;
};

BEGIN_MESSAGE_MAP(CImagePainter, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

// The life of a T made by its default constructor and created by create(t, parent).
template <class T>
SweepLife Life(const char* name, std::function<bool(T&, CWnd*)> create, bool bDeletesItself = false) {
  return {name, [create](CWnd* p) { return Make<T>([&](T& t) { return create(t, p); }); }, nullptr, bDeletesItself};
}

}  // namespace

const std::vector<SweepLife>& SweepLives() {
  // Lists, combos and tabs take their pictures and label font from the host's skin module.
  static const std::vector<SweepLife> lives = {
      {"angle dial", [](CWnd* p) { return ClassWindow(p, "TVCIRCLECTRL", CRect(10, 10, 94, 94), 110); }},
      {"group frame", [](CWnd* p) { return ClassWindow(p, "TVGBOXCTRL", kBox, 111); }},
      {"owner-drawn push button", [](CWnd* p) { return OkButton(p, BS_PUSHBUTTON); }},
      {"owner-drawn check box", [](CWnd* p) { return OkButton(p, BS_AUTOCHECKBOX); }},
      {"colour box, simple", [](CWnd* p) { return ColourBoxes(p, CLRBOX_SIMPLE, 0); }},
      {"colour box, no picker", [](CWnd* p) { return ColourBoxes(p, CLRBOX_NOPICKER, 0); }},
      {"colour boxes, palette", [](CWnd* p) { return ColourBoxes(p, CLRBOX_PALETTE, 0); }},
      Life<CColorBar>("colour bar",
                      [](CColorBar& b, CWnd* p) {
                        return b.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 30, 130), p,
                                        112);
                      }),
      // Its history goes to the sweep's own profile.
      Life<CBrowseBtn>("browse button",
                       [](CBrowseBtn& b, CWnd* p) {
                         return TemplateButton(p, 115) &&
                                b.Create("Sweep", "C:\\", p, 115, COkButton::BITMAP_PUSH_ALT1, 0, NULL);
                       }),
      Life<CFtStepBtn>("footstep button",
                       [](CFtStepBtn& b, CWnd* p) { return TemplateButton(p, 116) && b.Create(p, 116, 2, 6); }),
      Life<COkButton>("picture drop-down",
                      [](COkButton& b, CWnd* p) {
                        static UINT ids[4] = {65535, 65536, 65537, 65538};
                        return TemplateButton(p, 113) &&
                               b.Create(p, 113, COkButton::BITMAP_CUSTOM, 880, _ButtonVexBmpInst) &&
                               b.CreateSubDB(ids, 4, 881, _ButtonVexBmpInst);
                      }),
      Life<CBitmapCheckButton>("bitmap check button",
                               [](CBitmapCheckButton& b, CWnd* p) {
                                 return b.SubclassWindow(TemplateButton(p, 114)) &&
                                        b.AssociateBitmaps(_ButtonVexBmpInst, 882, 883, 884);
                               }),
      Life<CActiveStatic>(
          "active static",
          [](CActiveStatic& s, CWnd* p) {
            s.m_crText = RGB(200, 0, 0);
            return s.SubclassWindow(::CreateWindowExA(0, "STATIC", "Step 1 of 6", WS_CHILD | WS_VISIBLE, 10, 10, 120,
                                                      20, p->m_hWnd, NULL, NULL, NULL));
          },
          true),
      Life<CTipOwner>("balloon tool tip", &CTipOwner::Make),
      Life<CTipExOwner>("on-demand tip", &CTipExOwner::Make),
      Life<CBarPanel>("progress bar", &CBarPanel::Make),
      Life<CItemStrip>("item-list strip", &CItemStrip::Make),
      Life<CGradBoxes>("gradient box",
                       [](CGradBoxes& b, CWnd* p) {
                         SGRADOPTION grad = {0x000080FF, 0x00FF8000, 30, GRADDIR_DIAGONAL_DOWN};
                         return b.Create(113, kBox, p, &grad) != 0;
                       }),
      {"bitmap list", BitmapList, nullptr, true},
      // Over a list box of the parent, with a few lines.
      Life<CTextList>(
          "text list",
          [](CTextList& l, CWnd* p) {
            if (!::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 10,
                                   10, 200, 96, p->m_hWnd, (HMENU)118, NULL, NULL) ||
                !l.SubclassDlgItem(118, p))
              return false;
            for (const char* psz : {"Background", "Sky", "Clouds", "Lake", "Forest", "Path", "Figure", "Shadows"})
              l.AddString(psz);
            l.SetCurSel(1);
            return true;
          }),
      Life<CTextureBoxes>("texture box", [](CTextureBoxes& b, CWnd* p) { return b.Create(113, kBox, p, 2) != 0; }),
      Life<CBitmapListBox>("bitmap list box",
                           [](CBitmapListBox& l, CWnd* p) {
                             return l.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED, kBox, p, 120) &&
                                    l.AssociateBitmaps(Skin(), kLinesNormal, kLinesSelected, kLinesHot, 4);
                           }),
      {"bitmap combo", BmpCombo},
      {"font combo",
       [](CWnd* p) {
         return Make<CFontCombo>([p](CFontCombo& c) { return c.CreateCombo(CRect(10, 10, 210, 150), p, 122); }, p,
                                 "DejaVu Sans");
       }},
      Life<CIconList>("icon list",
                      [](CIconList& l, CWnd* p) {
                        return l.Create(WS_VISIBLE | LBS_MULTICOLUMN, kBox, p, 123) &&
                               l.SetBitmaps(Skin(), kIconsNormal, kIconsFocus, kIconsSelected, 0, 6);
                      }),
      Life<CEditsPanel>("numeric, pop-up and text edits", &CEditsPanel::Make),
      {"tab control", TabControl},
      Life<CImagePainter>("masked bitmap and image object", &CImagePainter::Make),
      {"colour-source pop-up", nullptr,
       [](CWnd*) {
         CColorPicker picker;
         picker.DoModal();
       }},
      {"Gradient Fill dialog", nullptr,
       [](CWnd* p) {
         CGradDLg dlg(p);
         GFILL_OPTION record = MakeGradOption(0x000080FF, 0x00FF8000, 30, GRADDIR_HORIZONTAL, GRADLINE_BOX, 0, 0);
         dlg.m_pGFillOption = &record;
         dlg.DoModal();  // closed with Cancel: the presets stay as they were
       }},
      {"image information dialog", nullptr,
       [](CWnd* p) {
         HGLOBAL hRecord = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(TFFILEDATA));
         TFFILEDATA* pRecord = (TFFILEDATA*)::GlobalLock(hRecord);
         lstrcpyA(pRecord->szName, "C:\\Sweep\\Photo.png");
         pRecord->nFormat = TF_FORMAT_PNG;
         pRecord->nWidth = pRecord->nHeight = 64;
         pRecord->nBitsPerPixel = 24;
         pRecord->nColorType = TF_COLOR_TRUE;
         ::GlobalUnlock(hRecord);
         CImageInfoDlg dlg(hRecord, p);
         dlg.DoModal();
         ::GlobalFree(hRecord);
       }},
  };
  return lives;
}
