// Bitmap check buttons alone and in a control group, and the active static.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <memory>
#include <string>
#include <vector>
#include "ButtonFixture.h"
#include "Input.h"
#include "Pixels.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

// (3, 3) of the left-alignment button's looks 882, 883, 884 shows their backgrounds.
const COLORREF kNormalBack = RGB(236, 233, 224), kCheckedBack = RGB(196, 214, 240), kHoverBack = RGB(255, 248, 226);

class CheckButtonTest : public ButtonFixture {
 protected:
  CBitmapCheckButton* Make(int nID, int x) {
    m_buttons.emplace_back(new CBitmapCheckButton);
    EXPECT_TRUE(m_buttons.back()->SubclassWindow(Item(nID, x, 10, 24, 24)));
    EXPECT_TRUE(m_buttons.back()->AssociateBitmaps(_ButtonVexBmpInst, 882, 883, 884));
    return m_buttons.back().get();
  }
  std::string Checks() const {
    std::string checks;
    for (auto& p : m_buttons) checks += p->IsChecked() ? 'x' : '-';
    return checks;
  }
  static COLORREF Look(CBitmapCheckButton* p) { return ReadClient(p->m_hWnd).At(3, 3); }
  static void Press(CBitmapCheckButton* p) { p->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }

  CCtrlGroup m_group;  // declared before its members, so it goes after them
  std::vector<std::unique_ptr<CBitmapCheckButton>> m_buttons;
};

TEST_F(CheckButtonTest, GroupKeepsExactlyOneCheckedByClickAndByMessage) {
  EXPECT_EQ(0, m_group.AddClient(NULL));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(1, m_group.AddClient(Make(601 + i, 10 + 30 * i)));
  CCtrlGroup copy(m_group);  // shares the list; the last of the two frees it
  RECT rc;
  m_buttons[1]->GetWindowRect(&rc);
  InputClick(rc.left + 5, rc.top + 5);
  ASSERT_TRUE(PumpUntil([&] { return !m_parent.Commands(BN_CLICKED).empty(); }));
  EXPECT_EQ("-x-", Checks());
  Press(m_buttons[0].get());
  EXPECT_EQ("x--", Checks());
  Press(m_buttons[0].get());  // stays checked, still reported
  EXPECT_EQ("x--", Checks());
  std::vector<RecordedMessage> clicks = m_parent.Commands(BN_CLICKED);
  ASSERT_EQ(3u, clicks.size());
  EXPECT_EQ(MAKEWPARAM(602, BN_CLICKED), clicks[0].wParam);
  EXPECT_EQ(MAKEWPARAM(601, BN_CLICKED), clicks[2].wParam);
  EXPECT_EQ((LPARAM)m_buttons[0]->m_hWnd, clicks[2].lParam);
  m_buttons[2]->SetCheck(TRUE);  // set from outside: the others keep their state, the parent hears nothing
  EXPECT_EQ("x-x", Checks());
  EXPECT_EQ(3u, m_parent.Commands(BN_CLICKED).size());
}

TEST_F(CheckButtonTest, AloneItTogglesAndPaintsItsLooks) {
  CBitmapCheckButton* p = Make(610, 10);
  EXPECT_EQ(kNormalBack, Look(p));
  p->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(kHoverBack, Look(p));
  std::string seen;
  for (int i = 0; i < 3; ++i, seen += Checks()) Press(p);
  EXPECT_EQ("x-x", seen);
  EXPECT_EQ(kCheckedBack, Look(p));  // checked wins over hover
  p->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
  p->SetCheck(FALSE);
  EXPECT_EQ(kNormalBack, Look(p));
  EXPECT_FALSE(p->AssociateBitmaps(NULL, 1, 2, 3));
  p->SetCheck(TRUE);
  EXPECT_EQ(kCheckedBack, Look(p));  // the old bitmaps stay
}

// Notes its own end, which comes with its window.
class CNotedStatic : public CActiveStatic {
 public:
  explicit CNotedStatic(bool* pGone) : m_pGone(pGone) {}
  ~CNotedStatic() override { *m_pGone = true; }
  bool* m_pGone;
};

TEST(ActiveStatic, DrawsItsFirst49CharactersTransparentlyInItsColour) {
  CRecordingParent parent(40, 40, 600, 60);
  const std::string text(60, 'W');
  HWND hStatic = ::CreateWindowExA(0, "static", text.c_str(), WS_CHILD | WS_VISIBLE, 0, 10, 590, 30, parent.m_hWnd,
                                   NULL, NULL, NULL);
  bool bGone = false;
  CNotedStatic* p = new CNotedStatic(&bGone);
  ASSERT_TRUE(p->SubclassWindow(hStatic));
  p->m_crText = RGB(255, 0, 0);
  p->UpdateControl();
  HDC hDC = ::GetDC(hStatic);  // the DC's own font, as the control draws with
  SIZE cut;
  ::GetTextExtentPoint32A(hDC, text.c_str(), 49, &cut);
  ::ReleaseDC(hStatic, hDC);
  Pixels px = ReadClient(hStatic);  // red ink up to the 49th character's end, none after it
  EXPECT_GT(px.Count({cut.cx - 4, 0, cut.cx, px.Height()}, RGB(255, 0, 0)), 0);
  EXPECT_EQ(px.Count({cut.cx, 0, px.Width(), px.Height()}, RGB(255, 0, 0)), 0);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), px.At(px.Width() - 2, px.Height() - 2));  // the parent shows through
  ::DestroyWindow(hStatic);
  EXPECT_TRUE(bGone);
}

}  // namespace
