// A Drevnic list window holding gradient thumbnails made by the renderer; the list's selection
// and double-click callbacks are written to the log.
#include "../GalleryPage.h"
#include "ItemListPage.h"
#include <Drevnic.h>
#include <Ostrel.h>
#include <t32Base.h>
#include <functional>

namespace {

const int kThumbW = 48, kThumbH = 36;
const int kItems = 48;

const COLORREF kColours[] = {RGB(230, 40, 30), RGB(250, 200, 40), RGB(40, 160, 60),
                             RGB(30, 90, 200), RGB(140, 40, 160), RGB(245, 245, 245)};
const int kColourCount = sizeof kColours / sizeof kColours[0];

// A list that reports its callbacks to the page.
class CLoggedList : public CIIList {
 public:
  std::function<void(const char*, int, bool)> report;

  int OnSelectChange(int nItem, unsigned long dwFlags) override {
    if (report) report("select", nItem, dwFlags == IISEL_ON);
    return 1;
  }
  int OnLButtonDblClk(int nItem, POINT*) override {
    if (report) report("double click", nItem, true);
    return 1;
  }
};

}  // namespace

class CItemListPage : public CGalleryPage {
 public:
  CItemListPage() : CGalleryPage(IDD_ITEMLIST_PAGE, IDS_ITEMLIST_PAGE, "itemlist") {}

  void PrepareShot() override {
    for (int nItem : {2, 5, 9}) m_list.TypeSetSelectII(0, nItem, TRUE);
    m_wndList.Invalidate();
    ShowSelection();
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    m_list.SetIIWH(kThumbW, kThumbH);
    m_list.SetFitStyle(IIFIT_STRETCH);
    m_list.SetFrameType(IIFRAME_EDGE);
    m_list.SetIdentType(IIIDENT_NAME);
    m_list.SetMulSelectNum(IIMULSEL_ANY);
    m_list.SetFitXY(-1, -1);  // a grid: as many columns as fit, scrolled down
    FillList();
    m_list.report = [this](const char* what, int nItem, bool bOn) { OnListReport(what, nItem, bOn); };
    m_wndList.SubclassDlgItem(IDC_ITEMLIST, this);
    m_wndList.AttachIIList(&m_list);
    ShowSelection();
    return TRUE;
  }

  // One gradient per item: colour pairs, all four directions, the shift rising.
  void FillList() {
    const RECT rc = {0, 0, kThumbW, kThumbH};
    for (int i = 0; i < kItems; ++i) {
      const int nDirection = i % 4;
      GFILL_OPTION opt = MakeGradOption(kColours[i % kColourCount], kColours[(i / kColourCount + i + 1) % kColourCount],
                                        (i % 11) * 10, nDirection, GRADLINE_RECT, kThumbW, kThumbH);
      opt.bSandwich = (i / 4) % 3 == 2;
      _IIDATA data = {};
      wsprintfA(data.szName, "No. %d", i + 1);
      data.nMode = IIBUF_ADOPT;
      data.hBuffer = (HANDLE)CreateGradientBuffer(&opt, rc);
      int nItem = m_list.AddII(&data);
      if (nItem < 0) {
        if (data.hBuffer) buf32Free(data.hBuffer);
        continue;
      }
      m_list.TypeAddII(0, nItem);
    }
  }

  void OnListReport(const char* what, int nItem, bool bOn) {
    if (nItem < 0) {
      Log("%s: nothing selected", what);
    } else {
      Log("%s: item %d %s", what, nItem, bOn ? "on" : "off");
    }
    ShowSelection();
  }

  void ShowSelection() {
    CString text;
    text.Format("Selected: %d of %d", m_list.TypeGetSelectCount(0), m_list.TypeGetCount(0));
    SetDlgItemText(IDC_ITEMLIST_SELECTED, text);
  }

  afx_msg void OnFirst() {
    m_list.ScrollTo(0);
    Log("scroll to position 0");
  }
  afx_msg void OnLast() {
    m_list.ScrollTo(m_list.TypeGetCount(0) - 1);
    Log("scroll to position %d", m_list.TypeGetCount(0) - 1);
  }
  afx_msg void OnClear() {
    _ORDER none = {0, NULL};
    m_list.TypeSetSelect(0, &none);
    m_wndList.Invalidate();
    ShowSelection();
    Log("selection cleared by the program (no callback)");
  }

  DECLARE_MESSAGE_MAP()

 private:
  CLoggedList m_list;  // outlives the window that shows it
  CIIListWindow m_wndList;
};

BEGIN_MESSAGE_MAP(CItemListPage, CGalleryPage)
ON_BN_CLICKED(IDC_ITEMLIST_FIRST, OnFirst)
ON_BN_CLICKED(IDC_ITEMLIST_LAST, OnLast)
ON_BN_CLICKED(IDC_ITEMLIST_CLEAR, OnClear)
END_MESSAGE_MAP()

GALLERY_PAGE(CItemListPage, 47);
