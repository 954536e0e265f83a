// The pop-up edit, and the text edit it opens.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <afxext.h>
#include "Input.h"
#include "Pixels.h"
#include "RecordingParent.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

// A host panel that closes the editor when it loses the focus.
class CPopupHost : public CRecordingParent {
 public:
  CPopupEdit m_popup;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (wParam == MAKEWPARAM(POPUPEDIT_EDITOR_ID, TEXTEDIT_KILLFOCUS)) m_popup.ClosePopupEdit();
    return CRecordingParent::OnCommand(wParam, lParam);
  }
};

class PopupEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Popup().Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 160, 34), &m_host, 9));
    ASSERT_TRUE(m_other.Create(WS_VISIBLE | WS_BORDER, CRect(10, 60, 160, 84), &m_host, 10));
    Popup().SetToolUI(&m_host, NULL);
    Popup().SetWindowText("Layer 1");
    MainWnd()->SetForegroundWindow();
  }

  CPopupEdit& Popup() { return m_host.m_popup; }
  CWnd* Editor() { return m_host.GetDlgItem(POPUPEDIT_EDITOR_ID); }
  CString Text(CWnd* pWnd) {
    CString s;
    pWnd->GetWindowText(s);
    return s;
  }
  // Types into the open editor with real keys, then moves the focus away, which closes it.
  void TypeAndLeave(const char* keys, const char* expected) {
    InputText(keys);
    ASSERT_TRUE(PumpUntil([&] { return Text(Editor()) == expected; }));
    m_other.SetFocus();
  }

  CPopupHost m_host;
  CEdit m_other;
};

TEST_F(PopupEditTest, FirstClickSelectsSecondOrADoubleClickEditsLeavingWritesBackCancelDrops) {
  SendClick(Popup().m_hWnd, 5, 5);
  EXPECT_FALSE(Popup().IsPopupEditExist());
  EXPECT_EQ(Popup().GetSel(), MAKELONG(0, 7));
  EXPECT_EQ(CWnd::GetFocus(), &Popup());

  SendClick(Popup().m_hWnd, 5, 5);
  ASSERT_TRUE(Popup().IsPopupEditExist());
  CWnd* pEditor = Editor();
  ASSERT_NE(pEditor, (CWnd*)NULL);
  CRect field, editor;
  Popup().GetWindowRect(&field);
  pEditor->GetWindowRect(&editor);
  EXPECT_EQ(editor, field);
  EXPECT_FALSE(Popup().IsWindowVisible());
  EXPECT_STREQ(Text(pEditor), "Layer 1");
  EXPECT_EQ(CWnd::GetFocus(), pEditor);

  TypeAndLeave("  Sky  ", "  Sky  ");
  EXPECT_EQ(Editor(), (CWnd*)NULL);
  EXPECT_TRUE(Popup().IsWindowVisible());
  EXPECT_STREQ(Text(&Popup()), "  Sky  ");
  EXPECT_STREQ(Popup().GetInputText(), "  Sky");  // trailing blanks go, leading ones stay

  // A double click edits at once; cancelling drops what was typed.
  SendMouse(Popup().m_hWnd, WM_LBUTTONDBLCLK, 5, 5);
  ASSERT_TRUE(Popup().IsPopupEditExist());
  InputText("zzz");
  ASSERT_TRUE(PumpUntil([&] { return Text(Editor()) == "zzz"; }));
  Popup().CancelPopupEdit();
  EXPECT_EQ(Editor(), (CWnd*)NULL);
  EXPECT_STREQ(Text(&Popup()), "  Sky  ");
  EXPECT_STREQ(Popup().GetInputText(), "  Sky");

  // Closing a field that is only selected just unselects it.
  SendClick(Popup().m_hWnd, 5, 5);
  Popup().ClosePopupEdit();
  EXPECT_EQ(Popup().GetSel(), 0u);
  EXPECT_FALSE(Popup().IsPopupEditExist());
}

TEST_F(PopupEditTest, RepaintsTheDialogBarItsToolWindowSitsIn) {
  struct CCountingBar : CDialogBar {
    int nPaints = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == WM_PAINT) ++nPaints;
      return CDialogBar::WindowProc(message, wParam, lParam);
    }
  } bar;
  ASSERT_TRUE(bar.Create(&m_host, 200, CBRS_TOP, 300));
  CStatic tool;
  ASSERT_TRUE(tool.Create("", WS_VISIBLE, CRect(0, 0, 40, 20), &bar));
  Popup().SetToolUI(&tool, &m_host);
  ReadClient(m_host.m_hWnd);
  bar.nPaints = 0;
  Popup().RepaintEdit();
  EXPECT_GT(bar.nPaints, 0);
}

}  // namespace

TEST(TextEditTest, FocusChangesAndClicksReachTheParentWithTheirCodes) {
  CRecordingParent parent;
  CTextEdit edit;
  CEdit other;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 10, 150, 34), &parent, 7));
  ASSERT_TRUE(other.Create(WS_VISIBLE | WS_BORDER, CRect(10, 50, 150, 74), &parent, 8));
  other.SetFocus();
  parent.Clear();

  edit.SetFocus();
  other.SetFocus();
  SendClick(edit.m_hWnd, 5, 5);
  auto set = parent.Commands(TEXTEDIT_SETFOCUS), kill = parent.Commands(TEXTEDIT_KILLFOCUS),
       down = parent.Commands(TEXTEDIT_LBUTTONDOWN);
  ASSERT_TRUE(set.size() == 2 && kill.size() == 1 && down.size() == 1);  // set by SetFocus, then by the click
  EXPECT_EQ(set[0].wParam, MAKEWPARAM(7, TEXTEDIT_SETFOCUS));
  EXPECT_EQ((HWND)set[0].lParam, other.m_hWnd);   // the window that lost it
  EXPECT_EQ((HWND)kill[0].lParam, other.m_hWnd);  // the window that gains it
  EXPECT_EQ(down[0].wParam, MAKEWPARAM(7, TEXTEDIT_LBUTTONDOWN));
  EXPECT_EQ(down[0].lParam, 0);
  EXPECT_EQ(CWnd::GetFocus(), &edit);  // the click's default processing took place
}
