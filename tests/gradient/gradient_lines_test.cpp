// Reading a direction back from a line: the gradient box's rule and the dialog's buttons.
#include <gtest/gtest.h>
#include "gradient/GradientLines.h"

namespace {

GFILL_OPTION Line(int x1, int y1, int x2, int y2) {
  GFILL_OPTION opt = MakeGradOption(0, 0, 0, GRADDIR_VERTICAL, GRADLINE_BOX, 0, 0);
  opt.ptStart = {x1, y1};
  opt.ptEnd = {x2, y2};
  return opt;
}

TEST(GradientLines, TheBoxReadsTheDirectionFromWhichCoordinatesAreZero) {
  EXPECT_EQ(GRADDIR_VERTICAL, GradBoxDirection(Line(0, 0, 0, 10), 2));
  EXPECT_EQ(GRADDIR_HORIZONTAL, GradBoxDirection(Line(0, 0, 10, 0), 2));
  EXPECT_EQ(GRADDIR_DIAGONAL_DOWN, GradBoxDirection(Line(0, 0, 44, 30), 0));
  EXPECT_EQ(GRADDIR_DIAGONAL_UP, GradBoxDirection(Line(0, 30, 44, 0), 0));
  EXPECT_EQ(GRADDIR_DIAGONAL_UP, GradBoxDirection(Line(5, 0, 0, 0), 0));                  // any nonzero start
  EXPECT_EQ(GRADDIR_HORIZONTAL, GradBoxDirection(Line(0, 0, 0, 0), GRADDIR_HORIZONTAL));  // a point keeps it
}

TEST(GradientLines, TheDialogPutsAKnownLineIntoThePreviewAndLeavesOthers) {
  const struct {
    GFILL_OPTION line;
    int button;
    POINT start, end;
  } cases[] = {
      {Line(0, 0, 0, 10), 1, {0, 0}, {0, 30}},   {Line(0, 0, 10, 0), 2, {0, 0}, {44, 0}},
      {Line(0, 0, 10, 10), 3, {0, 0}, {44, 30}}, {Line(0, 10, 10, 0), 4, {0, 30}, {44, 0}},
      {Line(3, 0, 0, 10), 0, {3, 0}, {0, 10}},   {Line(0, 4, 7, 9), 0, {0, 4}, {7, 9}},
  };
  for (auto c : cases) {
    GFILL_OPTION opt = c.line;
    EXPECT_EQ(c.button, GradPreviewButton(&opt, 44, 30));
    EXPECT_EQ(c.start.x, opt.ptStart.x);
    EXPECT_EQ(c.start.y, opt.ptStart.y);
    EXPECT_EQ(c.end.x, opt.ptEnd.x);
    EXPECT_EQ(c.end.y, opt.ptEnd.y);
  }
}

}  // namespace
