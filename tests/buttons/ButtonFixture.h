// Button-bitmap module in place, a recording parent, template buttons, and the pointer out of the way.
#pragma once
#include <gtest/gtest.h>
#include "ButtonBmpHost.h"
#include "RecordingParent.h"

namespace ostrel_test {

class ButtonFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_NE((HINSTANCE)NULL, InstallButtonBitmaps()); }
  void SetUp() override { SetCursorPos(780, 580); }

  HWND Item(UINT nID, int x = 10, int y = 10, int cx = 60, int cy = 30, DWORD style = 0, const char* text = "") {
    return ::CreateWindowExA(0, "button", text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, m_parent.m_hWnd,
                             (HMENU)(UINT_PTR)nID, NULL, NULL);
  }

  CRecordingParent m_parent{40, 40, 300, 200};
};

}  // namespace ostrel_test
