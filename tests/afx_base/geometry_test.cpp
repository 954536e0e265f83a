// CPoint, CSize and CRect arithmetic at the edges.
#include <afx.h>
#include <gtest/gtest.h>
#include "PrintGeometry.h"

TEST(GeometryTest, RectsAtTheirEdges) {
  CRect r(10, 20, 0, 5);
  EXPECT_TRUE(r.IsRectEmpty());
  r.NormalizeRect();
  EXPECT_EQ(CRect(0, 5, 10, 20), r);
  CRect out;
  EXPECT_FALSE(out.IntersectRect(CRect(0, 0, 5, 5), CRect(5, 0, 10, 5)));  // touching edges only
  EXPECT_EQ(CRect(0, 0, 9, 9), CRect(0, 0, 5, 5) | CRect(3, 3, 9, 9));
  EXPECT_EQ(CRect(1, 1, 2, 2), CRect(1, 1, 2, 2) | CRect(50, 50, 50, 60));  // empty ones do not count
  EXPECT_TRUE(out.SubtractRect(CRect(0, 0, 10, 10), CRect(5, -1, 11, 11)));
  EXPECT_EQ(CRect(0, 0, 5, 10), out);
  r.SetRect(10, 10, 20, 20);
  r.DeflateRect(6, 6);  // past empty: no clamping
  EXPECT_EQ(CRect(16, 16, 14, 14), r);
  EXPECT_EQ(CPoint(-2, -2), CRect(-5, -5, 0, 0).CenterPoint());  // rounds toward zero
  EXPECT_FALSE(CRect(0, 0, 10, 10).PtInRect(CPoint(10, 5)));     // right and bottom are outside
}

TEST(GeometryTest, PointsAndPackedCoordinates) {
  CPoint p(3, 4);
  EXPECT_EQ(CSize(2, 3), p - CPoint(1, 1));
  EXPECT_EQ(CPoint(-3, -4), -p);
  EXPECT_EQ(CPoint(-5, 7), CPoint((DWORD)MAKELONG(-5, 7)));  // mouse-message coordinates are signed
  EXPECT_EQ(CSize(-1, 2), CSize((DWORD)MAKELONG(-1, 2)));
}
