// The owner-drawn button and its picture drop-down.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <functional>
#include <memory>
#include <vector>
#include "ButtonFixture.h"
#include "GdiTracker.h"
#include "Input.h"
#include "Pixels.h"
#include "ShownMenu.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

const UINT kIdCancelStrip = 22022;  // the library's own 4 x (82 x 36) strip

class TestButton : public COkButton {
 public:
  using COkButton::GetImageRect;
  using COkButton::m_bmpButton;
  using COkButton::m_bmpFace;
  using COkButton::m_font;
  using COkButton::m_menuPopup;
  UINT CheckedItems() const {  // bit k: drop-down item k is checked
    UINT nBits = 0;
    for (int k = 0; k < 4; ++k) nBits |= (m_menuPopup.GetMenuState(k, MF_BYPOSITION) & MF_CHECKED) ? 1u << k : 0;
    return nBits;
  }
  void UseStrip(HBITMAP hBmp) { m_bmpButton.DeleteObject(), m_bmpButton.Attach(hBmp); }
};

// A 32-bit bitmap whose pixel (x, y) is colour(x, y), as 0x00RRGGBB.
HBITMAP MakeBitmap(int width, int height, const std::function<DWORD(int, int)>& colour) {
  DWORD* pBits = NULL;
  HBITMAP hBmp = CreateDib32(NULL, width, height, &pBits);
  for (int i = 0; i < width * height; ++i) pBits[i] = colour(i % width, i / width);
  return hBmp;
}

// A strip whose pixels tell where they came from: red = 40 + 50 x column, green = 3 + 4 x row.
HBITMAP CodedStrip(int cellWidth, int height) {
  return MakeBitmap(cellWidth * 4, height, [=](int x, int y) {
    return (DWORD)(40 + 50 * (x / cellWidth)) << 16 | (DWORD)(3 + 4 * y) << 8 | 200;
  });
}

// Strips 880 (face, 40 x 28 a row) and 881 (menu, 64 x 26 a row) have four state columns.
UINT g_ids[4] = {65535, 65536, 65537, 65538};  // base 2, commands 1 to 4

class OkButtonTest : public ButtonFixture {
 protected:
  TestButton* Make(const char* text, DWORD style, int id, COkButton::BITMAPDEFAULT look = COkButton::BITMAP_CUSTOM,
                   UINT nBitmap = 0, HINSTANCE hInst = NULL, int x = 10, int y = 10) {
    Item(id, x, y, 120, 30, style, text);
    m_buttons.emplace_back(new TestButton);
    EXPECT_TRUE(m_buttons.back()->Create(&m_parent, id, look, nBitmap, hInst));
    return m_buttons.back().get();
  }

  // The coded strip's cell the image shows: x the state column, y the row.
  static CPoint Shown(TestButton* p) {
    CRect image;
    p->GetImageRect(&image);
    Pixels px = ReadClient(p->m_hWnd);
    COLORREF c = px.At(image.left + 2, image.top + 2);
    return CPoint(((int)GetRValue(c) - 40) / 50, ((int)GetGValue(c) - 3) / 4 - 2);
  }

  static int Check(COkButton* p) { return (int)p->SendMessage(BM_GETCHECK); }
  static ShownMenu ClickAndChoose(CWnd* button, int nPos) {
    ShownMenu shown = WhileMenuShown([&] { SendClick(button->m_hWnd, 5, 5); }, nPos);
    EXPECT_FALSE(shown.timedOut);
    return shown;
  }

  std::vector<std::unique_ptr<TestButton>> m_buttons;
};

TEST_F(OkButtonTest, CreateFailsWithoutPictures) {
  TestButton button;
  Item(6);
  GdiTracker tracker({"Ostrel.dll", "afx.dll"});
  EXPECT_FALSE(button.Create(&m_parent, 6, COkButton::BITMAP_CUSTOM, 4242, _ButtonVexBmpInst));  // no such strip
  HINSTANCE hSaved = _ButtonVexBmpInst;
  _ButtonVexBmpInst = NULL;
  EXPECT_FALSE(button.Create(&m_parent, 6, COkButton::BITMAP_CUSTOM, kIdCancelStrip, _ClrBoxInst));  // no face
  _ButtonVexBmpInst = hSaved;
  EXPECT_EQ(tracker.Outstanding(), 0);
  EXPECT_EQ(button.m_hWnd, (HWND)NULL);
}

TEST_F(OkButtonTest, PushCaptionOf82By36ImageSitsInFixedRectangle) {
  TestButton* p = Make("Cancel", BS_PUSHBUTTON, 30, COkButton::BITMAP_CUSTOM, kIdCancelStrip, _ClrBoxInst);
  const COLORREF white = RGB(255, 255, 255);
  p->UseStrip(MakeBitmap(328, 36, [](int, int) { return 0xFFFFFFu; }));
  p->m_bmpFace.DeleteObject(), p->m_bmpFace.Attach(MakeBitmap(82, 36, [](int, int) { return 0xFFFFFFu; }));
  // All the ink is the caption, inside (7, 9)-(74, 26); pressed, it moves two pixels down and right.
  const CRect all(0, 0, 82, 36), ink(7, 9, 74, 26);
  p->Invalidate(FALSE);
  Pixels up = ReadClient(p->m_hWnd);
  ASSERT_EQ(CSize(82, 36), CSize(up.Width(), up.Height()));
  const int nInk = ink.Width() * ink.Height() - up.Count(ink, white);
  EXPECT_GT(nInk, 0);
  EXPECT_EQ(82 * 36 - up.Count(all, white), nInk);
  p->SendMessage(BM_SETSTATE, 1);
  p->Invalidate(FALSE);
  EXPECT_TRUE(ShowsCell(ReadClient(p->m_hWnd), 9, 11, up, 7, 9, 67, 17));
}

TEST_F(OkButtonTest, StateCellsByColumnAndRowAndWhereTheCheckImageSits) {
  TestButton* push = Make("", BS_PUSHBUTTON, 40);
  push->UseStrip(CodedStrip(30, 20));
  EXPECT_EQ(Shown(push).x, COkButton::PART_NORMAL);
  push->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Shown(push).x, COkButton::PART_HOT);
  // The 50 ms hover timer looks at the real cursor, which is far away.
  EXPECT_TRUE(PumpUntil([&] { return Shown(push).x == COkButton::PART_NORMAL; }));
  push->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  push->SendMessage(BM_SETSTATE, 1);
  EXPECT_EQ(Shown(push).x, COkButton::PART_PRESSED);
  push->SendMessage(WM_ENABLE, FALSE);
  EXPECT_EQ(Shown(push).x, COkButton::PART_DISABLED);
  // A template item made disabled draws enabled until it hears WM_ENABLE.
  TestButton* disabled = Make("", BS_PUSHBUTTON | WS_DISABLED, 50, COkButton::BITMAP_CUSTOM, 0, NULL, 150, 10);
  disabled->UseStrip(CodedStrip(30, 20));
  EXPECT_EQ(Shown(disabled).x, COkButton::PART_NORMAL);
  disabled->EnableWindow(TRUE);
  disabled->EnableWindow(FALSE);
  EXPECT_EQ(Shown(disabled).x, COkButton::PART_DISABLED);

  // Two-state check box: checked row on top, unchecked below; three-state: thirds.
  // The image sits at the right beside a left caption, at the bottom when asked.
  TestButton* check = Make("Check", BS_AUTOCHECKBOX | BS_LEFTTEXT, 41, COkButton::BITMAP_CUSTOM, 0, NULL, 10, 60);
  check->UseStrip(CodedStrip(16, 32));
  EXPECT_EQ(Shown(check).y, 16);
  check->SendMessage(BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(Shown(check).y, 0);
  Pixels px = ReadClient(check->m_hWnd);
  EXPECT_TRUE(GetBValue(px.At(px.Width() - 2, px.Height() / 2)) == 200 && GetBValue(px.At(1, px.Height() / 2)) != 200);
  TestButton* three =
      Make("Three", BS_AUTO3STATE | BS_BOTTOM, 42, COkButton::BITMAP_CUSTOM, 878, _ButtonVexBmpInst, 10, 110);
  three->SetWindowPos(NULL, 0, 0, 100, 40, SWP_NOMOVE | SWP_NOZORDER);
  three->UseStrip(CodedStrip(16, 48));
  px = ReadClient(three->m_hWnd);
  EXPECT_TRUE(GetBValue(px.At(2, px.Height() - 2)) == 200 && GetBValue(px.At(2, 1)) != 200);
  EXPECT_EQ(Shown(three).y, 16);
  three->SendMessage(BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(Shown(three).y, 0);
  three->SendMessage(BM_SETCHECK, BST_INDETERMINATE);
  EXPECT_EQ(Shown(three).y, 32);
}

TEST_F(OkButtonTest, ClickRulesOfGroupedRadiosThreeStatesAndPushButtonsAndWhatAClickSays) {
  TestButton* first = Make("One", BS_AUTORADIOBUTTON | WS_GROUP, 70, COkButton::BITMAP_CUSTOM, 0, NULL, 10, 10);
  TestButton* second = Make("Two", BS_AUTORADIOBUTTON, 71, COkButton::BITMAP_CUSTOM, 0, NULL, 10, 45);
  TestButton* manual = Make("Manual", BS_RADIOBUTTON, 72, COkButton::BITMAP_CUSTOM, 0, NULL, 10, 80);
  HWND hPlain = Item(73, 10, 115, 120, 30, BS_AUTORADIOBUTTON, "Plain");
  TestButton* other =
      Make("Other group", BS_AUTORADIOBUTTON | WS_GROUP, 74, COkButton::BITMAP_CUSTOM, 0, NULL, 10, 150);

  SendMessageA(hPlain, BM_SETCHECK, BST_CHECKED, 0);
  manual->SendMessage(BM_SETCHECK, BST_CHECKED);
  other->SendMessage(BM_SETCHECK, BST_CHECKED);
  first->SendMessage(BM_SETCHECK, BST_CHECKED);
  SendClick(second->m_hWnd, 3, 3);

  // Only the first is unchecked: the manual radio, the plain item and the other group keep theirs.
  EXPECT_EQ((std::vector<int>{0, 1, 1, BST_CHECKED, 1}),
            (std::vector<int>{Check(first), Check(second), Check(manual), (int)SendMessageA(hPlain, BM_GETCHECK, 0, 0),
                              Check(other)}));
  SendClick(second->m_hWnd, 3, 3);  // a checked radio stays checked
  EXPECT_EQ(Check(second), 1);

  TestButton* three = Make("Three", BS_AUTO3STATE, 60, COkButton::BITMAP_CUSTOM, 878, _ButtonVexBmpInst);
  std::vector<int> seen;
  for (int i = 0; i < 4; ++i) {
    SendClick(three->m_hWnd, 3, 3);
    seen.push_back(Check(three));
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 0, 1}));

  TestButton* push = Make("Push", BS_PUSHBUTTON, 61, COkButton::BITMAP_CUSTOM, 0, NULL, 10, 60);
  push->SendMessage(BM_SETCHECK, 1);
  EXPECT_EQ(Check(push), 0);
  EXPECT_EQ(push->SendMessage(BM_GETSTATE) & 3, 1);  // the bit is kept, only not reported

  // A click says BN_PUSHED then BN_CLICKED; let go outside, only BN_PUSHED.
  m_parent.Clear();
  SendClick(push->m_hWnd, 4, 4);
  std::vector<WPARAM> sent;
  for (const RecordedMessage& m : m_parent.Of(WM_COMMAND))
    sent.push_back(m.lParam == (LPARAM)push->m_hWnd ? m.wParam : 0);
  EXPECT_EQ(sent, (std::vector<WPARAM>{MAKEWPARAM(61, BN_PUSHED), MAKEWPARAM(61, BN_CLICKED)}));
  EXPECT_NE(GetCapture(), push->m_hWnd);
  m_parent.Clear();
  SendMouse(push->m_hWnd, WM_LBUTTONDOWN, 4, 4, MK_LBUTTON);
  EXPECT_EQ(GetCapture(), push->m_hWnd);
  SendMouse(push->m_hWnd, WM_MOUSEMOVE, 500, 4, MK_LBUTTON);
  SendMouse(push->m_hWnd, WM_LBUTTONUP, 500, 4);
  EXPECT_EQ(m_parent.Commands(BN_PUSHED).size(), 1u);
  EXPECT_TRUE(m_parent.Commands(BN_CLICKED).empty());
  EXPECT_EQ(push->SendMessage(BM_GETSTATE) & BST_PUSHED, 0);
  EXPECT_NE(GetCapture(), push->m_hWnd);
}

TEST_F(OkButtonTest, FocusIsHandedToTheMainWindow) {
  TestButton* p = Make("Focus", BS_PUSHBUTTON, 86);
  CWnd* pMain = AfxGetThread()->m_pMainWnd;
  AfxGetThread()->m_pMainWnd = &m_parent;  // records what it is sent
  EXPECT_EQ(p->SendMessage(WM_SETFOCUS, 0, 0), 1);
  AfxGetThread()->m_pMainWnd = pMain;
  EXPECT_EQ(m_parent.Of(WM_SETFOCUS).size(), 1u);
}

TEST_F(OkButtonTest, PushFontShrinksUntilCaptionFitsAndTheImageLookHasNone) {
  TestButton* shortOne = Make("OK", BS_PUSHBUTTON, 90);
  TestButton* longOne =
      Make("A caption far too long for this button", BS_PUSHBUTTON, 91, COkButton::BITMAP_CUSTOM, 0, NULL, 10, 60);
  LOGFONTA lfShort = {}, lfLong = {};
  ASSERT_TRUE(shortOne->m_font.GetLogFont(&lfShort));
  ASSERT_TRUE(longOne->m_font.GetLogFont(&lfLong));
  EXPECT_EQ(lfShort.lfHeight, 15);
  EXPECT_LT(lfLong.lfHeight, 15);
  // At the chosen height the whole caption is narrower than the template item (120 wide).
  CClientDC dc(longOne);
  dc.SelectObject(&longOne->m_font);
  const CSize size = dc.GetTextExtent("A caption far too long for this button", 38);
  EXPECT_TRUE(size.cx < 120 || lfLong.lfHeight < 2);
  // The built-in image look: a captionless push button of one third row, without a font.
  TestButton* image = Make("ignored", BS_AUTOCHECKBOX, 95, COkButton::BITMAP_IMAGE2);
  Pixels face = ReadClient(image->m_hWnd);
  EXPECT_EQ(CSize(28, 28), CSize(face.Width(), face.Height()));  // 871: 112 x 84, three rows
  EXPECT_EQ(Check(image), 0);                                    // treated as a push button
  EXPECT_EQ(image->m_font.m_hObject, (HGDIOBJ)NULL);
}

TEST_F(OkButtonTest, DropDownChoiceReachesTheParentAndTheFaceItOpensTowardsTheRoomAndKeepsItsList) {
  TestButton& button = *Make("", BS_PUSHBUTTON, 501, COkButton::BITMAP_CUSTOM, 880, _ButtonVexBmpInst);
  ASSERT_TRUE(button.CreateSubDB(g_ids, 4, 881, _ButtonVexBmpInst));
  CRect rcButton;
  button.GetWindowRect(&rcButton);
  EXPECT_EQ(CSize(40, 28), rcButton.Size());  // one row of the face strip
  m_parent.Clear();
  ShownMenu shown = ClickAndChoose(&button, 1);
  EXPECT_EQ(rcButton.left, shown.window.left);  // below the button, from its left edge
  EXPECT_EQ(rcButton.bottom, shown.window.top);
  Pixels menuStrip = BitmapPixels(_ButtonVexBmpInst, 881);
  ASSERT_EQ(4u, shown.items.size());
  for (int k = 0; k < 4; ++k) {
    int x = shown.items[k].rect.left - shown.origin.x, y = shown.items[k].rect.top - shown.origin.y;
    int column = k == 0 ? 3 : 0;  // the first item starts checked
    EXPECT_TRUE(ShowsCell(shown.pixels, x, y, menuStrip, 64 * column, 26 * k, 20, 20)) << k;
  }
  EXPECT_EQ(65536, button.GetCurMenuID());
  EXPECT_EQ(0x2u, button.CheckedItems());
  ASSERT_EQ(1u, m_parent.Commands(0).size());
  EXPECT_EQ(0u, m_parent.Commands(0)[0].wParam);  // the low 16 bits of 65536, code 0
  EXPECT_EQ((LPARAM)button.m_hWnd, m_parent.Commands(0)[0].lParam);
  Pixels strip = BitmapPixels(_ButtonVexBmpInst, 880), face = ReadClient(button.m_hWnd);
  int nShownRow = -1;  // the strip row whose cell, in any state column, the face shows
  for (int cell = 0; cell < 16; ++cell)
    if (ShowsCell(face, 0, 0, strip, 40 * (cell % 4), 28 * (cell / 4), 40, 28)) nShownRow = cell / 4;
  EXPECT_EQ(1, nShownRow);

  // In the parent's bottom-right corner it opens up and to the left; dismissed, nothing changes.
  CRect rcParent;
  m_parent.GetClientRect(&rcParent);
  button.SetWindowPos(NULL, rcParent.right - 45, rcParent.bottom - 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  button.GetWindowRect(&rcButton);
  shown = ClickAndChoose(&button, -1);
  EXPECT_EQ(rcButton.right, shown.window.right);
  EXPECT_EQ(rcButton.top, shown.window.bottom);
  EXPECT_EQ(65536, button.GetCurMenuID());
  EXPECT_EQ(1u, m_parent.Commands(0).size());

  EXPECT_FALSE(button.SetCurMenuID(2));  // a command without its base is not an identifier
  EXPECT_TRUE(button.SetCurMenuID(65537));
  EXPECT_EQ(0x4u, button.CheckedItems());
  MEASUREITEMSTRUCT mis = {ODT_MENU, 0, 3, 0, 0, 0};
  button.SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis);
  EXPECT_EQ((UINT)(64 - GetSystemMetrics(SM_CXMENUCHECK)), mis.itemWidth);
  EXPECT_EQ(26u, mis.itemHeight);
  EXPECT_FALSE(button.CreateSubDB(g_ids, 0, 881, _ButtonVexBmpInst));
  EXPECT_FALSE(button.CreateSubDB(NULL, 3, 881, _ButtonVexBmpInst));
  EXPECT_EQ(4, (int)button.m_menuPopup.GetMenuItemCount());  // the old list stays
  EXPECT_EQ(65537, button.GetCurMenuID());
}

}  // namespace
