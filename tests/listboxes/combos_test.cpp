// The bitmap and font combos.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <t32Base.h>
#include <memory>
#include <set>
#include <string>
#include <vector>
#include "Canvas.h"
#include "RecordingParent.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

class CProbeBmpCombo : public CBmpCombo {
 public:
  CRect m_rcField;
  void DrawItem(LPDRAWITEMSTRUCT p) override {
    if (p->itemState & ODS_COMBOBOXEDIT) m_rcField = p->rcItem;
    CBmpCombo::DrawItem(p);
  }
};

int CALLBACK AddTrueType(const LOGFONTA* lf, const TEXTMETRICA*, DWORD type, LPARAM p) {
  if (type & TRUETYPE_FONTTYPE) ((std::set<std::string>*)p)->insert(lf->lfFaceName);
  return 1;
}

bool IsBuffer(DWORD_PTR h) { return buf32GetWHU((HANDLE)h, NULL, NULL, NULL) != 0; }

TEST(Combos, BmpComboShowsPictureAndCaptionAndFreesEachBufferWithItsItem) {
  CRecordingParent parent;
  std::unique_ptr<CProbeBmpCombo> owned(new CProbeBmpCombo);
  CProbeBmpCombo& combo = *owned;
  combo.SetBitmapWidthHeight(24, 16);
  ASSERT_TRUE(combo.CreateCombo(CRect(10, 10, 210, 200), &parent, 11));
  EXPECT_EQ(combo.GetItemHeight(0), 16);
  std::vector<DWORD> red(24 * 16, 0x00C80000);
  HBITMAP hRed = CreateBitmap(24, 16, 1, 32, red.data());
  EXPECT_FALSE(combo.AddItem("No picture", (HBITMAP)NULL));
  EXPECT_FALSE(combo.AddItem((void*)NULL, "No buffer"));
  EXPECT_TRUE(combo.AddItem("Red", hRed));
  HANDLE hBlue = NULL;
  const DWORD blue = RGB(0, 0, 220);
  buf32Alloc(&hBlue, 24, 30, 20, BUF32_ALLOC_FILL, &blue);
  EXPECT_TRUE(combo.AddItem(hBlue, "Blue"));
  DeleteObject(hRed);
  ASSERT_EQ(combo.GetCount(), 4);  // the captions without a picture stay

  // The picture fills its place at the field's left (the 30 x 20 buffer shrunk to it); the
  // caption follows on the window colour, or on the highlight once the combo has the focus.
  for (int nItem : {2, 3}) {
    combo.SetCurSel(nItem);
    Pixels px = ReadClient(combo.m_hWnd);
    const CRect& field = combo.m_rcField;
    COLORREF picture = nItem == 2 ? RGB(200, 0, 0) : RGB(0, 0, 220);
    EXPECT_EQ(px.Count(CRect(field.TopLeft(), CSize(24, 16)), picture), 24 * 16);
    EXPECT_EQ(px.At(field.right - 2, field.top), GetSysColor(COLOR_WINDOW));
    EXPECT_GT(px.Count(CRect(field.left + 29, field.top, field.right, field.bottom), GetSysColor(COLOR_WINDOWTEXT)), 5);
  }
  combo.SetFocus();
  EXPECT_EQ(ReadClient(combo.m_hWnd).At(combo.m_rcField.right - 2, combo.m_rcField.top), GetSysColor(COLOR_HIGHLIGHT));

  DWORD_PTR hRedBuf = combo.GetItemData(2), hBlueBuf = combo.GetItemData(3);
  combo.DeleteString(2);
  EXPECT_FALSE(IsBuffer(hRedBuf));
  EXPECT_TRUE(IsBuffer(hBlueBuf));
  owned.reset();
  EXPECT_FALSE(IsBuffer(hBlueBuf));
}

TEST(Combos, FontComboListsEachTrueTypeFamilyOnceInItsOwnFaceAndSelectsByName) {
  CRecordingParent parent;
  // By prefix at first, by exact name later.
  CFontCombo combo(&parent, "DejaVu Ser"), missing(&parent, "No Such Face");
  ASSERT_TRUE(combo.CreateCombo(CRect(10, 10, 250, 280), &parent, 31));
  ASSERT_TRUE(missing.CreateCombo(CRect(260, 10, 390, 200), &parent, 42));
  EXPECT_STREQ(combo.GetSelectedFont()->lfFaceName, "DejaVu Serif");
  EXPECT_EQ(missing.GetCurSel(), 0);
  std::set<std::string> families, listed;
  CClientDC dc(&combo);
  EnumFontFamiliesA(dc.m_hDC, NULL, AddTrueType, (LPARAM)&families);
  ASSERT_TRUE(families.count("DejaVu Serif") && families.count("DejaVu Sans Mono"));
  for (int i = 0; i < combo.GetCount(); ++i) {
    CString name;
    combo.GetLBText(i, name);
    listed.insert((const char*)name);
    EXPECT_STREQ(((LOGFONTA*)combo.GetItemData(i))->lfFaceName, name);
  }
  EXPECT_EQ(listed, families);
  EXPECT_EQ((size_t)combo.GetCount(), families.size());
  EXPECT_GE(combo.GetItemHeight(0), 20);

  // One item drawn with its own copy, then with another face's copy: the pictures differ.
  int nSerif = combo.FindStringExact(-1, "DejaVu Serif");
  auto drawn = [&](DWORD_PTR data) {
    Canvas canvas(240, 24);
    DRAWITEMSTRUCT dis = {ODT_COMBOBOX,    31,  (UINT)nSerif, ODA_DRAWENTIRE, 0, combo.m_hWnd, canvas.dc(),
                          {0, 0, 240, 24}, data};
    combo.DrawItem(&dis);
    return canvas.Read().Bits();
  };
  EXPECT_NE(drawn(combo.GetItemData(nSerif)), drawn(combo.GetItemData(combo.FindStringExact(-1, "DejaVu Sans Mono"))));

  char lower[] = "dejavu sans", exact[] = "DejaVu Sans";
  combo.SetFontName(lower);
  combo.SetFontName(NULL);
  EXPECT_STREQ(combo.GetSelectedFont()->lfFaceName, "DejaVu Serif");
  combo.SetFontName(exact);
  EXPECT_STREQ(combo.GetSelectedFont()->lfFaceName, "DejaVu Sans");
  combo.Clear();  // the copies go, the names stay
  EXPECT_EQ(combo.GetSelectedFont(), (LOGFONTA*)NULL);
}

}  // namespace
