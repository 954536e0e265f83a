// The host's icon buttons (IconBtn.dll).
#include "Input.h"
#include "Pixels.h"
#include "RecordingParent.h"
#include "TestApp.h"
#include "gradient_host.h"

using namespace ostrel_test;
using namespace gradient_test;

namespace {

const int kSize = 24;

class IconButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(IconButtonsLoaded()); }
  // A button showing a cell of the library's bitmap 16, as dialog 370 makes them.
  HWND Make(int nID, DWORD dwStyle, int x, const char* pszCell = "16;0,0,16,16") {
    return CreateWindowExA(0, "TV32IconBtn", pszCell, WS_CHILD | WS_VISIBLE | dwStyle, x, 10, kSize, kSize,
                           m_parent.m_hWnd, (HMENU)(INT_PTR)nID, GetModuleHandleA("Ostrel.dll"), NULL);
  }
  static bool Checked(HWND h) { return SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  std::vector<int> Clicked() {
    std::vector<int> ids;
    for (const RecordedMessage& m : m_parent.Commands(BN_CLICKED)) ids.push_back(LOWORD(m.wParam));
    return ids;
  }

  CRecordingParent m_parent{40, 40, 300, 100};
};

TEST_F(IconButtonTest, ARadioGroupKeepsOneCheckedPushButtonsOnlyNotifyAndLooksFollowTheState) {
  HWND a = Make(11, BS_AUTORADIOBUTTON | WS_GROUP, 0), b = Make(12, BS_AUTORADIOBUTTON, 30),
       c = Make(13, BS_AUTORADIOBUTTON, 60), push = Make(20, WS_GROUP, 100);
  SendClick(b, 5, 5);
  EXPECT_TRUE(Checked(b));
  EXPECT_FALSE(Checked(a) || Checked(c));
  ASSERT_EQ(std::vector<int>{12}, Clicked());
  EXPECT_EQ((LPARAM)b, m_parent.Commands(BN_CLICKED)[0].lParam);

  SendMessageA(c, BM_SETCHECK, BST_CHECKED, 0);  // checks without a notification
  EXPECT_TRUE(Checked(c));
  EXPECT_FALSE(Checked(b));
  SendClick(push, 5, 5);
  EXPECT_FALSE(Checked(push));
  EXPECT_TRUE(Checked(c));
  EXPECT_EQ((std::vector<int>{12, 20}), Clicked());

  // Let go outside: no click. Disabled: none either. The space bar clicks.
  SendMouse(a, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  SendMouse(a, WM_LBUTTONUP, 200, 5);
  EnableWindow(a, FALSE);
  SendMessageA(a, BM_CLICK, 0, 0);
  EXPECT_EQ((std::vector<int>{12, 20}), Clicked());
  EnableWindow(a, TRUE);
  SendMessageA(a, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(a, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ((std::vector<int>{12, 20, 11}), Clicked());
  EXPECT_TRUE(Checked(a));
  EXPECT_FALSE(Checked(c));

  // The normal, hot, pressed, checked and disabled looks.
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT),
                 dark = GetSysColor(COLOR_BTNSHADOW);
  const CRect all(0, 0, kSize, kSize);
  const int m = kSize / 2;
  HWND h = Make(30, 0, 140);
  Pixels normal = ReadClient(h);
  EXPECT_EQ(face, normal.At(0, 0));
  EXPECT_NE(face, normal.At(m, m));                     // the picture
  EXPECT_EQ(0, normal.Count(all, RGB(192, 192, 192)));  // its transparent colour

  RECT rc;
  GetWindowRect(h, &rc);
  InputMove(rc.left + m, rc.top + m);
  EXPECT_TRUE(PumpUntil([&] { return ReadClient(h).At(0, 0) == light; }));  // hot: raised

  SendMessageA(h, BM_SETSTATE, TRUE, 0);
  Pixels pressed = ReadClient(h);
  EXPECT_EQ(dark, pressed.At(0, 0));
  EXPECT_EQ(normal.At(m, m), pressed.At(m + 1, m + 1));  // the picture one pixel down and right

  SendMessageA(h, BM_SETSTATE, FALSE, 0);
  SendMessageA(h, BM_SETCHECK, BST_CHECKED, 0);
  Pixels checked = ReadClient(h);
  EXPECT_EQ(dark, checked.At(0, 0));
  EXPECT_NE(face, checked.At(2, 2));  // a lighter face

  SendMessageA(h, BM_SETCHECK, BST_UNCHECKED, 0);
  EnableWindow(h, FALSE);
  Pixels disabled = ReadClient(h);
  // Embossed in the system's colours only.
  EXPECT_EQ(kSize * kSize, disabled.Count(all, face) + disabled.Count(all, light) + disabled.Count(all, dark));
  EXPECT_LT(disabled.Count(all, face), kSize * kSize);
}

}  // namespace
