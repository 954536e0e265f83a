// The gallery's window in-process: the dial page follows real clicks on the dial, the panel-style
// buttons drive the library's global that the group frames paint with, and the log keeps going.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "GalleryWnd.h"
#include "Input.h"
#include "Pixels.h"
#include "TestApp.h"
#include "pages/DialPage.h"

using namespace ostrel_test;

namespace {

class GalleryWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pWnd = new CGalleryWnd;  // deletes itself with its window
    ASSERT_TRUE(m_pWnd->CreateGallery("Gallery under test", 0, 0));
    // Real clicks need it on top of the test's own main window.
    ::SetWindowPos(m_hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    m_pWnd->UpdateWindow();
    ASSERT_GE(m_pWnd->PageCount(), 1);
    m_pDialPage = m_pWnd->Page(0);
    ASSERT_STREQ("dial", m_pDialPage->Slug());
  }
  void TearDown() override {
    if (::IsWindow(m_hWnd())) m_pWnd->DestroyWindow();
  }
  HWND m_hWnd() const { return m_pWnd->m_hWnd; }
  HWND Item(int nID) const { return ::GetDlgItem(m_pDialPage->m_hWnd, nID); }
  CString Text(HWND hWnd) const {
    CString text;
    CWnd::FromHandle(hWnd)->GetWindowText(text);
    return text;
  }
  CListBox* LogPane() const { return (CListBox*)CWnd::FromHandle(::GetDlgItem(m_hWnd(), CGalleryWnd::IDC_LOG)); }
  CString LogLine(int nIndex) const {
    CString text;
    LogPane()->GetText(nIndex, text);
    return text;
  }
  CString LogText() const {
    CString text;
    for (int i = 0; i < LogPane()->GetCount(); ++i) text += LogLine(i) + "\n";
    return text;
  }

  CGalleryWnd* m_pWnd = nullptr;
  CGalleryPage* m_pDialPage = nullptr;
};

TEST_F(GalleryWindow, DialPageFollowsARealClickTheLogKeepsItsNewestLinesAndPanelStylesRepaintTheFrames) {
  RECT rc;
  ::GetWindowRect(Item(IDC_DIAL), &rc);
  ASSERT_EQ(84, rc.right - rc.left);
  // A real click reaches the dial through its frame: at the top of the rim it sets 90.
  InputClick((rc.left + rc.right) / 2, rc.top + 2);
  EXPECT_TRUE(PumpUntil([&] { return LogText().Find("dial released, angle 90") != -1; }, 2000)) << (LPCSTR)LogText();
  EXPECT_EQ(90, (int)::SendMessageA(Item(IDC_DIAL), CCM_GETANGLE, 0, 0));
  EXPECT_STREQ("Angle: 90\260", Text(Item(IDC_ANGLE_TEXT)));
  EXPECT_NE(-1, LogText().Find("dial pressed, angle 90")) << (LPCSTR)LogText();

  // The message buttons: an angle out of range is refused and logged as such.
  ::SetWindowTextA(Item(IDC_ANGLE_EDIT), "400");
  ::SendMessageA(Item(IDC_SET_ANGLE), BM_CLICK, 0, 0);
  EXPECT_EQ(90, (int)::SendMessageA(Item(IDC_DIAL), CCM_GETANGLE, 0, 0));
  EXPECT_NE(-1, LogText().Find("386 set angle 400: refused (-1)"));
  m_pDialPage->PrepareShot();
  EXPECT_EQ(135, (int)::SendMessageA(Item(IDC_DIAL), CCM_GETANGLE, 0, 0));
  EXPECT_STREQ("Angle: 135\260", Text(Item(IDC_ANGLE_TEXT)));

  // The log keeps its newest lines when it grows long.
  char line[64];
  for (int i = 0; i < 230; ++i) {
    wsprintfA(line, "line %d", i);
    m_pWnd->Log(line);
  }
  ASSERT_EQ(200, LogPane()->GetCount());
  EXPECT_STREQ("line 229", LogLine(199)) << "the newest line is last";
  EXPECT_STREQ("line 30", LogLine(0)) << "the oldest lines are dropped";
  // The newest line is scrolled into view.
  CRect rcItem, rcPane;
  LogPane()->GetItemRect(199, &rcItem);
  LogPane()->GetClientRect(&rcPane);
  EXPECT_TRUE(rcItem.top >= 0 && rcItem.bottom <= rcPane.bottom) << rcItem.top << ".." << rcItem.bottom;

  // The panel-style buttons repaint the frames through the host global.
  ASSERT_NE(nullptr, pVexPrefernPanelStyle);
  HWND hFrame = Item(IDC_STYLE_FRAME);
  ::GetClientRect(hFrame, &rc);
  const COLORREF warmDark = 0x0000406F, greyDark = 0x00373737;
  EXPECT_GT(ReadClient(hFrame).Count(rc, warmDark), rc.right);

  ::SendMessageA(Item(IDC_STYLE_GREY), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([] { return pVexPrefernPanelStyle != NULL && *pVexPrefernPanelStyle == 2; }));
  Pixels grey = ReadClient(hFrame);
  EXPECT_GT(grey.Count(rc, greyDark), rc.right);
  EXPECT_EQ(0, grey.Count(rc, warmDark));

  ::SendMessageA(Item(IDC_STYLE_WARM), BM_CLICK, 0, 0);
  EXPECT_EQ(0, *pVexPrefernPanelStyle);
  m_pWnd->DestroyWindow();
  EXPECT_EQ(nullptr, pVexPrefernPanelStyle) << "the global must not outlive the gallery's setting";
}

}  // namespace
