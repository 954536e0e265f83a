// A panel with the process's one progress bar on it, laid out over the whole panel, for each test.
#pragma once
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <memory>
#include "ButtonBmpHost.h"
#include "RecordingParent.h"

namespace ostrel_test {

const UINT kBarId = 4711;
const int kPanelWidth = 222;  // 82 (Cancel) + 60 + 80: ten cells of 8
const int kPanelHeight = 120;

class ProgressTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_NE(InstallButtonBitmaps(), (HINSTANCE)NULL); }
  void SetUp() override {
    m_panel.reset(new CRecordingParent(40, 40, kPanelWidth, kPanelHeight));
    m_bar.reset(new CProgress);
    CRect rc(0, 0, kPanelWidth, kPanelHeight);
    ASSERT_EQ(m_bar->Create(kBarId, rc, m_panel.get()), 1);
    m_bar->ResizeProgress(rc);
  }
  void TearDown() override {
    if (m_bar && m_bar->m_hWnd != NULL) m_bar->DestroyWindow();
    m_bar.reset();
    m_panel.reset();
  }
  static int Pcb(int nMsg, unsigned int wParam = 0) { return CProgress::SimplePCB(nMsg, wParam, 0, NULL); }

  std::unique_ptr<CRecordingParent> m_panel;
  std::unique_ptr<CProgress> m_bar;
};

}  // namespace ostrel_test
