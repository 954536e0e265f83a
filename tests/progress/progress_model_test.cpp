// The nested progress model: arithmetic, clamping, return values, stacks and cancelling.
#include <t32Comm.h>
#include <vector>
#include "Input.h"
#include "ProgressFixture.h"

using namespace ostrel_test;

namespace {

enum { BEGIN = 1, DOING = 2, END = 4 };

bool StacksEmpty() {
  return CProgress::m_stkSegTotal.empty() && CProgress::m_stkSegDone.empty() && CProgress::m_stkLenArray.empty() &&
         CProgress::m_stkBasePercent.empty();
}

void TapEscape() {
  InputKey(VK_ESCAPE);
  PumpUntil([] { return HIWORD(GetQueueStatus(QS_KEY)) == 0; });  // the key messages are handled
}

}  // namespace

TEST_F(ProgressTest, TopLevelShowsReportedPercentAndClampsOvershoot) {
  EXPECT_EQ(Pcb(BEGIN), 1);
  EXPECT_EQ(m_bar->IsBarRunning(), 1);
  m_bar->SetInterruptable(0);
  EXPECT_EQ(Pcb(DOING, 37), 1);
  for (int nMsg : {0, 3, 5, 99, -1}) EXPECT_EQ(Pcb(nMsg, 7), nMsg);  // other messages pass through untouched
  EXPECT_EQ(CProgress::m_nPercent, 37);
  EXPECT_EQ(Pcb(DOING, 150), 0);  // 150 shows 100 and reports the overshoot
  EXPECT_EQ(CProgress::m_nPercent, 100);
  EXPECT_EQ(Pcb(DOING, 150), 1);  // already drawn: no redraw, no complaint
  EXPECT_EQ(Pcb(DOING, 0), 1);
  EXPECT_EQ(CProgress::m_nPercent, 0);
  EXPECT_EQ(Pcb(END), 1);  // reaches exactly 100: done, idle again
  EXPECT_EQ(m_bar->IsBarRunning(), 0);
  EXPECT_EQ(CProgress::m_bInterruptable, 1);
}

TEST_F(ProgressTest, NestedLevelsScaleByTheSegmentTheyDivide) {
  double thirds[3] = {0.2, 0.3, 0.5};
  double halves[2] = {0.5, 0.5};
  ASSERT_EQ(m_bar->NestedBegin(3, thirds), 1);
  EXPECT_EQ(m_bar->IsBarRunning(), 1);
  EXPECT_EQ(Pcb(DOING, 50), 1);
  EXPECT_EQ(CProgress::m_nPercent, 10);
  EXPECT_EQ(Pcb(END), 1);
  EXPECT_EQ(CProgress::m_nPercent, 20);

  ASSERT_EQ(m_bar->NestedBegin(2, halves), 1);  // divides the second segment (30)
  EXPECT_EQ(Pcb(DOING, 100), 1);
  EXPECT_EQ(CProgress::m_nPercent, 35);
  EXPECT_EQ(Pcb(END), 1);
  EXPECT_EQ(Pcb(END), 1);
  EXPECT_EQ(m_bar->NestedEnd(), 1);
  EXPECT_EQ(CProgress::m_nPercent, 50);

  EXPECT_EQ(Pcb(END), 1);  // the last fifth reaches 100 and resets
  EXPECT_EQ(m_bar->IsBarRunning(), 0);
  EXPECT_TRUE(StacksEmpty());
}

TEST_F(ProgressTest, ShortFractionsAreMadeUpLongOnesOvershootBadNestingResets) {
  double short2[2] = {0.3, 0.3};
  ASSERT_EQ(m_bar->NestedBegin(2, short2), 1);
  Pcb(END);
  Pcb(END);
  EXPECT_EQ(CProgress::m_nPercent, 60);
  EXPECT_EQ(m_bar->NestedEnd(), 1);  // the whole top segment is done: exactly 100
  EXPECT_EQ(m_bar->IsBarRunning(), 0);

  double long2[2] = {0.7, 0.7};
  ASSERT_EQ(m_bar->NestedBegin(2, long2), 1);
  EXPECT_EQ(Pcb(END), 1);
  EXPECT_EQ(Pcb(END), 0);  // 140: clamped, reported, reset
  EXPECT_EQ(CProgress::m_nPercent, 0);
  EXPECT_EQ(m_bar->IsBarRunning(), 0);
  EXPECT_TRUE(StacksEmpty());

  double whole[1] = {1.0};  // bad nesting resets and fails
  ASSERT_EQ(m_bar->NestedBegin(2, short2), 1);
  Pcb(END);
  Pcb(END);
  EXPECT_EQ(m_bar->NestedBegin(1, whole), 0);  // no segment left to divide
  EXPECT_EQ(m_bar->IsBarRunning(), 0);
  EXPECT_TRUE(StacksEmpty());
  EXPECT_EQ(CProgress::m_pLenArray, &CProgress::m_dSegLen);

  EXPECT_EQ(m_bar->NestedBegin(3, NULL), 0);
  EXPECT_EQ(m_bar->NestedBegin(-1, whole), 0);
  EXPECT_TRUE(StacksEmpty());

  ASSERT_EQ(m_bar->NestedBegin(0, NULL), 1);
  m_bar->SetInterruptable(0);
  EXPECT_EQ(Pcb(DOING, 10), 0);
  EXPECT_EQ(m_bar->IsBarRunning(), 1);
  m_bar->ResetAll();
}

TEST_F(ProgressTest, TheCancelFlagStopsTheRunAndReportsItButOnlyAnInterruptableRunHeedsItOrEscape) {
  int before[6] = {}, after[6] = {};
  int nReports = c32GetDLLErrInfo(before);
  Pcb(BEGIN);
  EXPECT_EQ(Pcb(DOING, 10), 1);
  CProgress::m_bCancelPressed = 1;
  EXPECT_EQ(m_bar->IsCancelPressed(), 1);
  EXPECT_EQ(Pcb(DOING, 20), 0);
  EXPECT_EQ(m_bar->IsBarRunning(), 0);
  EXPECT_EQ(m_bar->IsCancelPressed(), 0);
  EXPECT_EQ(c32GetDLLErrInfo(after), nReports + 1);
  EXPECT_EQ(std::vector<int>(after, after + 6), (std::vector<int>{0, 5200, 0, 900, 286, 100}));

  TapEscape();  // before the run: does not count
  Pcb(BEGIN);
  EXPECT_EQ(Pcb(DOING, 5), 1);
  m_bar->SetInterruptable(0);
  EXPECT_FALSE(IsWindowEnabled(CProgress::m_hCancel));
  CProgress::m_bCancelPressed = 1;
  TapEscape();
  EXPECT_EQ(Pcb(DOING, 12), 1);
  EXPECT_EQ(m_bar->IsBarRunning(), 1);

  m_bar->SetInterruptable(1);
  CProgress::m_bCancelPressed = 0;
  EXPECT_TRUE(IsWindowEnabled(CProgress::m_hCancel));
  TapEscape();
  EXPECT_EQ(Pcb(DOING, 13), 0);  // Escape pressed since the last look stops an interruptable run
  EXPECT_EQ(m_bar->IsBarRunning(), 0);
}
