// Dialogs: modal loops driven with time-outs, data exchange, the owner disabled while a dialog runs,
// messages translated inside the loop, and a missing template.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "ModalDriver.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

class CNameDialog : public CDialog {
 public:
  CNameDialog() : CDialog(200) {}
  CString m_name;
  int m_translated = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 100, m_name); }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_USER + 9) ++m_translated;
    return CDialog::PreTranslateMessage(pMsg);
  }
};

TEST(Dialog, ModalWithDataExchangeAndOkOrAMissingTemplate) {
  CNameDialog dlg;
  dlg.m_name = "before";
  ModalDriver driver(ModalDriver::DialogTitled("Name"), [](HWND hDlg) {
    char text[32];
    GetDlgItemTextA(hDlg, 100, text, sizeof text);
    EXPECT_STREQ("before", text) << "OnInitDialog put the member into the edit";
    EXPECT_FALSE(MainWnd()->IsWindowEnabled()) << "the owner is disabled while the dialog runs";
    SetDlgItemTextA(hDlg, 100, "after");
    PostMessageA(GetDlgItem(hDlg, 100), WM_USER + 9, 0, 0);
    PostMessageA(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(IDOK, dlg.DoModal()) << "closed by the driver's OK, not by its time-out";
  EXPECT_STREQ("after", (const char*)dlg.m_name);
  EXPECT_TRUE(MainWnd()->IsWindowEnabled());
  EXPECT_EQ(1, dlg.m_translated) << "the modal loop offers messages to PreTranslateMessage";
  EXPECT_EQ((HWND)NULL, dlg.m_hWnd);

  CDialog missing(4321);  // no such template: fails at once, the owner stays enabled
  EXPECT_EQ(-1, missing.DoModal());
  EXPECT_TRUE(MainWnd()->IsWindowEnabled());
}

}  // namespace
