// The lists' scroll bar: position arithmetic at the range ends, presses, drags, and where it paints.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "Canvas.h"

using namespace ostrel_test;

namespace {

const COLORREF kLight = RGB(0xB5, 0xB5, 0xB5), kDark = RGB(0x4F, 0x4F, 0x4F);

struct CountingOwner : CScrollBarOwner {
  int changes = 0;
  void OnScrollChanged() override { changes++; }
};

// A horizontal bar 100 pixels long, 18 high, with a range of 50.
class ScrollBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bar.SetThickness(18);
    bar.SetRect({0, 0, 100, 18});
    bar.SetRange(50);
  }
  int PressAt(int pos, int x) {
    bar.SetPos(pos);
    bar.OnPress(MK_LBUTTON, x, 9);
    return bar.GetPos();
  }

  CountingOwner owner;
  CListScrollBar bar{&owner};
};

TEST_F(ScrollBarTest, PositionIsClampedAndEndZonesStepTen) {
  bar.SetPos(-5);
  EXPECT_EQ(bar.GetPos(), 0);
  bar.SetPos(53);
  EXPECT_EQ(bar.GetPos(), 50);
  bar.SetRange(0);
  EXPECT_EQ(bar.GetPos(), 50);  // a new range leaves the position alone
  bar.SetPos(7);
  EXPECT_EQ(bar.GetPos(), 0);
  bar.SetRange(-3);
  EXPECT_EQ(bar.GetRange(), 0);
  EXPECT_EQ(owner.changes, 0);

  // The end zones step ten and stop at the range's ends.
  bar.SetRange(50);
  EXPECT_EQ(PressAt(12, 5), 2);
  EXPECT_EQ(PressAt(4, 5), 0);
  EXPECT_EQ(PressAt(45, 95), 50);
  EXPECT_EQ(PressAt(50, 87), 50);  // 13 from the end is still the end zone
  EXPECT_EQ(PressAt(20, 13), 30);  // 13 from the start steps forward
  EXPECT_EQ(owner.changes, 5);
  EXPECT_EQ(PressAt(20, 50), 20);  // the middle only anchors a drag
  EXPECT_EQ(owner.changes, 5);

  bar.SetVertical(TRUE);  // along y now; x no longer matters
  bar.SetRect({0, 0, 18, 100});
  bar.SetPos(20);
  bar.OnPress(MK_LBUTTON, 9, 96);
  EXPECT_EQ(bar.GetPos(), 30);
}

TEST_F(ScrollBarTest, DragMovesOneUnitPerPixelFromEndToEnd) {
  bar.OnPress(MK_LBUTTON, 50, 9);
  bar.OnDrag(MK_LBUTTON, 53, 9);
  bar.OnDrag(MK_LBUTTON, 52, 9);
  EXPECT_EQ(bar.GetPos(), 2);
  EXPECT_EQ(owner.changes, 2);
  bar.OnDrag(0, 70, 9);           // no button held
  bar.OnDrag(MK_LBUTTON, 95, 9);  // onto the end zone
  EXPECT_EQ(bar.GetPos(), 2);
  EXPECT_EQ(owner.changes, 2);

  bar.OnPress(MK_LBUTTON, 14, 9);  // the thumb grabbed at the track's start, dragged to its end
  for (int x = 15; x <= 86; x++) bar.OnDrag(MK_LBUTTON, x, 9);
  EXPECT_EQ(bar.GetPos(), 50);
  for (int x = 85; x >= 14; x--) bar.OnDrag(MK_LBUTTON, x, 9);
  EXPECT_EQ(bar.GetPos(), 0);
}

// The thumb's bevel: light along its top from its left edge, dark down its right edge.
void ExpectThumb(const Canvas& canvas, int left, int right) {
  EXPECT_EQ(canvas.At(left, 1), kLight) << "thumb from " << left;
  EXPECT_EQ(canvas.At(right - 1, 1), kLight);
  EXPECT_EQ(canvas.At(right, 8), kDark) << "thumb to " << right;
  EXPECT_NE(canvas.At(right + 1, 8), kDark);
}

TEST_F(ScrollBarTest, ThumbLengthLeavesOnePixelPerUnitOfRange) {
  Canvas canvas(120, 18);
  const RECT rc = {0, 0, 120, 18};
  bar.SetRange(30);
  bar.SetPos(0);
  bar.Paint(canvas.dc(), rc);
  ExpectThumb(canvas, 11, 11 + 67);
  bar.SetPos(30);
  bar.Paint(canvas.dc(), rc);
  ExpectThumb(canvas, 41, 108);  // at the range's end the thumb ends where the track does

  Canvas empty(120, 18);
  bar.SetRange(200);  // too long for the bar: no thumb at all
  bar.Paint(empty.dc(), rc);
  EXPECT_EQ(empty.Read().Count({11, 1, 108, 2}, kLight), 0);
}

}  // namespace
