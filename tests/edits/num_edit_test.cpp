// The numeric field and its paired spin control.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <string.h>
#include "Input.h"
#include "RecordingParent.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

const UINT kField = 7;

// A host panel: its change handler hands every edit of the field to OnEnChange.
class CNumHost : public CRecordingParent {
 public:
  CNumEdit m_field;
  CSpinButtonCtrl m_spin;
  int m_nLast = 0;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) == kField && HIWORD(wParam) == EN_CHANGE) m_field.OnEnChange(&m_nLast);
    return CRecordingParent::OnCommand(wParam, lParam);
  }
};

class NumEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.m_field.Create(WS_VISIBLE | WS_BORDER, CRect(10, 10, 110, 34), &m_host, kField));
    ASSERT_TRUE(m_host.m_spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_NOTHOUSANDS,
                                     CRect(0, 0, 16, 24), &m_host, kField + 1));
    m_host.m_spin.SetBuddy(&m_host.m_field);
    m_host.m_field.SetSpin(&m_host.m_spin);
  }

  CString Text() {
    CString s;
    m_host.m_field.GetWindowText(s);
    return s;
  }
  // Types with real keys and waits until the field shows what is expected: a value put back
  // comes selected whole.
  bool Type(const char* keys, const char* expected, bool bPutBack = false) {
    InputText(keys);
    DWORD whole = MAKELONG(0, strlen(expected));
    return PumpUntil([&] { return Text() == expected && (!bPutBack || m_host.m_field.GetSel() == whole); });
  }

  CNumHost m_host;
};

TEST_F(NumEditTest, ReadsAndWritesOnlyNumbersInRange) {
  CNumEdit field;  // no change handler
  ASSERT_TRUE(field.Create(WS_VISIBLE | WS_BORDER, CRect(10, 50, 110, 74), &m_host, kField + 2));
  field.SetRange(0, 255);
  EXPECT_EQ(field.SetNum(42), 42);
  EXPECT_EQ(field.SetNum(300), -1);
  EXPECT_EQ(field.GetNum(), 42);
  for (const char* bad : {"300", "abc", "-5", "", "7x", "4 2"}) {
    field.SetWindowText(bad);
    EXPECT_EQ(field.GetNum(), -1) << bad;
  }
  // A negative lowest value makes the field signed; -1 then reads like an error.
  field.SetRange(-50, 50);
  EXPECT_EQ(field.SetNum(-20), -20);
  EXPECT_EQ(field.GetNum(), -20);
  field.SetWindowText("-1");
  EXPECT_EQ(field.GetNum(), -1);
}

TEST_F(NumEditTest, BadTypingOrPastingPutsTheLastGoodValueBackSelected) {
  CNumEdit& field = m_host.m_field;
  field.SetRange(0, 255);
  field.SetNum(42);
  MainWnd()->SetForegroundWindow();
  field.SetFocus();
  field.SetSel(0, -1);
  ASSERT_TRUE(Type("30", "30"));
  EXPECT_EQ(m_host.m_nLast, 30);
  ASSERT_TRUE(Type("0", "30", true));  // 300 is out of range
  EXPECT_EQ(CWnd::GetFocus(), &field);
  ASSERT_TRUE(Type("7", "7"));        // replaces the selection
  ASSERT_TRUE(Type("x", "7", true));  // 7x is no number
  EXPECT_EQ(m_host.m_nLast, 7);

  field.SetSel(1, 1);
  field.ReplaceSel("1a");  // as a paste does
  EXPECT_STREQ(Text(), "7");
  EXPECT_EQ(m_host.m_nLast, 7);
}

TEST_F(NumEditTest, SpinStaysInRangeAndFollowsTheField) {
  CNumEdit& field = m_host.m_field;
  CSpinButtonCtrl& spin = m_host.m_spin;
  field.SetRange(0, 10);
  int nLower = -1, nUpper = -1;
  spin.GetRange(nLower, nUpper);
  EXPECT_EQ(nLower * 100 + nUpper, 10);
  field.SetNum(8);
  spin.SetPos(8);
  CRect rc;
  spin.GetClientRect(&rc);
  for (int i = 0; i < 4; ++i) SendClick(spin.m_hWnd, rc.Width() / 2, 2);  // the up arrow
  EXPECT_STREQ(Text(), "10");
  EXPECT_EQ(m_host.m_nLast, 10);

  field.Enable(FALSE);
  EXPECT_FALSE(field.IsWindowEnabled() || spin.IsWindowEnabled());
}

}  // namespace
