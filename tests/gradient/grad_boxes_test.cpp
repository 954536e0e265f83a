// Gradient boxes with their dialog and the host's eyedropper.
#include "Input.h"
#include "Pixels.h"
#include "RecordingParent.h"
#include "TestApp.h"
#include "gradient_host.h"

using namespace ostrel_test;
using namespace gradient_test;

namespace {

const UINT kBoxId = 7;

void* g_dropperOwner = NULL;
int __cdecl PickGreen(unsigned long* pColor, void* pOwner) {
  g_dropperOwner = pOwner;
  *pColor = RGB(0, 160, 0);
  return 1;
}

bool Reddish(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) == 0 && GetBValue(c) < 40; }

class GradBoxesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(IconButtonsLoaded());
    m_parent.CopyPayload(GRADBOX_CHANGE, [](LPARAM l) { return Bytes(*(SGRADOPTION*)l); });
    SGRADOPTION grad = {RGB(255, 0, 0), RGB(0, 0, 255), 0, GRADDIR_VERTICAL};
    ASSERT_TRUE(m_box.Create(kBoxId, CRect(10, 10, 50, 40), &m_parent, &grad));
    m_box.UpdateWindow();
  }
  void OpenDialog(const std::function<void(HWND)>& script) {
    DriveDialog([&] { SendClick(m_box.m_hWnd, 5, 5); }, script);
  }
  // Clicks the start colour's swatch; `choose` runs on the colour pop-up and ends it.
  static void OnColourPopup(HWND hDlg, const std::function<void(CColorPicker*)>& choose) {
    CRect rc(44, 30, 60, 46);  // the swatch's place in the template
    MapDialogRect(hDlg, &rc);
    ModalDriver popup([](HWND h) { return GetDlgItem(h, 1106) != NULL; },
                      [&](HWND h) { choose((CColorPicker*)CWnd::FromHandlePermanent(h)); }, 5000);
    SendMessageA(hDlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
    EXPECT_TRUE(popup.Acted());
  }

  HostFolder m_host;
  CRecordingParent m_parent{40, 40, 300, 200};
  CGradBoxes m_box;
};

TEST_F(GradBoxesTest, LooksRaisedUnderTheMouseAndSunkenOtherwiseAndTheParentHearsOnlyAfterOk) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  Pixels rest = ReadClient(m_box.m_hWnd);
  const int w = rest.Width(), h = rest.Height();
  EXPECT_EQ(dark, rest.At(0, h / 2));
  EXPECT_EQ(light, rest.At(w / 2, h - 1));
  EXPECT_TRUE(Reddish(rest.At(w / 2, 1)));  // the gradient starts red at the top

  CRect rc;
  m_box.GetWindowRect(&rc);
  SetCursorPos(rc.CenterPoint().x, rc.CenterPoint().y);
  m_box.OnUpdateUI(NULL);
  Pixels hot = ReadClient(m_box.m_hWnd);
  EXPECT_EQ(light, hot.At(w - 1, 0));
  EXPECT_EQ(light, hot.At(0, h - 1));
  EXPECT_NE(light, hot.At(w / 2, h - 1));  // no line at the bottom
  EXPECT_TRUE(Reddish(hot.At(w / 2, 1)));

  SetCursorPos(rc.right + 40, rc.bottom + 40);
  m_box.OnUpdateUI(NULL);
  EXPECT_EQ(dark, ReadClient(m_box.m_hWnd).At(0, 0));

  // The parent hears of a new gradient only after OK in the dialog.
  SGRADOPTION grad = {RGB(1, 2, 3), RGB(4, 5, 6), 40, GRADDIR_HORIZONTAL};
  EXPECT_EQ(1, m_box.SetGradOpt(&grad));
  OpenDialog([](HWND h) {
    PressButton(h, 1064);
    PressButton(h, IDCANCEL);
  });
  EXPECT_TRUE(m_parent.Of(GRADBOX_CHANGE).empty());
  EXPECT_EQ(Bytes(grad), Bytes(m_box.GetGradOpt()));

  OpenDialog([](HWND h) {
    PressButton(h, 1064);
    PressButton(h, IDOK);
  });
  auto changes = m_parent.Of(GRADBOX_CHANGE);
  ASSERT_EQ(1u, changes.size());
  EXPECT_EQ((WPARAM)kBoxId, changes[0].wParam);
  grad.nDirection = GRADDIR_DIAGONAL_UP;
  EXPECT_EQ(Bytes(grad), changes[0].payload);
  EXPECT_EQ(Bytes(grad), Bytes(m_box.GetGradOpt()));
}

TEST_F(GradBoxesTest, TheEyedropperIsOfferedOnlyWithACurrentDocument) {
  m_box.AddEyeDropper((void*)PickGreen);
  int nItems = 0;
  OpenDialog([&](HWND h) {
    OnColourPopup(h, [&](CColorPicker* p) {
      nItems = p->m_nItems;
      p->PostMessage(WM_COMMAND, IDCANCEL, 0);
    });
    PressButton(h, IDOK);
  });
  EXPECT_EQ(2, nItems);

  int document = 0;
  WsSetCurrentDocument(&document);
  CWnd* pDialog = NULL;
  OpenDialog([&](HWND h) {
    pDialog = CWnd::FromHandlePermanent(h);
    OnColourPopup(h, [&](CColorPicker* p) {
      nItems = p->m_nItems;
      CPoint pt = CRect(p->m_rcItems[2]).CenterPoint();
      p->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    });
    UpdateWindow(h);  // the paint puts the new colour into the record
    PressButton(h, IDOK);
  });
  WsSetCurrentDocument(NULL);
  EXPECT_EQ(3, nItems);
  EXPECT_EQ((void*)pDialog, g_dropperOwner);
  EXPECT_EQ(RGB(0, 160, 0), m_box.GetGradOpt().clrStart);
}

}  // namespace
