// CPoint, CSize and CRect arithmetic at the edges.
#include <afx.h>
#include <gtest/gtest.h>
#include "print_geometry.h"

TEST(RectTest, NormalizeIntersectUnionSubtract) {
  CRect r(10, 20, 0, 5);
  EXPECT_TRUE(r.IsRectEmpty());
  r.NormalizeRect();
  EXPECT_EQ(CRect(0, 5, 10, 20), r);
  EXPECT_EQ(10, r.Width());
  EXPECT_EQ(CSize(10, 15), r.Size());

  CRect out;
  EXPECT_FALSE(out.IntersectRect(CRect(0, 0, 5, 5), CRect(5, 0, 10, 5)));  // touching edges only
  EXPECT_TRUE(out.IsRectNull());
  EXPECT_EQ(CRect(3, 3, 5, 5), CRect(0, 0, 5, 5) & CRect(3, 3, 9, 9));
  EXPECT_EQ(CRect(0, 0, 9, 9), CRect(0, 0, 5, 5) | CRect(3, 3, 9, 9));
  EXPECT_EQ(CRect(1, 1, 2, 2), CRect(1, 1, 2, 2) | CRect(50, 50, 50, 60));  // empty ones do not count
  EXPECT_TRUE(out.SubtractRect(CRect(0, 0, 10, 10), CRect(5, -1, 11, 11)));
  EXPECT_EQ(CRect(0, 0, 5, 10), out);

  CRect a(0, 0, 4, 4);
  a &= CRect(10, 10, 12, 12);
  EXPECT_TRUE(a.IsRectNull());
}

TEST(RectTest, InflateDeflateOffsetAndOperators) {
  CRect r(10, 10, 20, 20);
  r.InflateRect(1, 2, 3, 4);
  EXPECT_EQ(CRect(9, 8, 23, 24), r);
  r.DeflateRect(CRect(1, 2, 3, 4));
  EXPECT_EQ(CRect(10, 10, 20, 20), r);
  r.DeflateRect(6, 6);  // past empty: no clamping
  EXPECT_EQ(CRect(16, 16, 14, 14), r);
  r.InflateRect(CSize(6, 6));
  r -= CPoint(10, 10);
  EXPECT_EQ(CRect(0, 0, 10, 10), r);
  EXPECT_EQ(CRect(5, 6, 15, 16), r + CSize(5, 6));
  EXPECT_EQ(CRect(-1, -1, 11, 11), r + CRect(1, 1, 1, 1));
  r.TopLeft() = CPoint(2, 3);
  r.BottomRight() += CSize(1, 1);
  EXPECT_EQ(CRect(2, 3, 11, 11), r);
  EXPECT_EQ(CPoint(6, 7), r.CenterPoint());
  EXPECT_EQ(CPoint(-2, -2), CRect(-5, -5, 0, 0).CenterPoint());  // rounds toward zero
  EXPECT_TRUE(r.PtInRect(CPoint(2, 3)));
  EXPECT_FALSE(r.PtInRect(CPoint(11, 5)));  // right and bottom are outside
  EXPECT_EQ(CRect(1, 1, 3, 3), CRect(CPoint(1, 1), CSize(2, 2)));
}

TEST(PointSizeTest, ArithmeticAndPackedCoordinates) {
  CPoint p(3, 4);
  CSize d = p - CPoint(1, 1);
  EXPECT_EQ(CSize(2, 3), d);
  EXPECT_EQ(CPoint(5, 7), p + d);
  EXPECT_EQ(CPoint(-3, -4), -p);
  p.Offset(CPoint(1, 1));
  p -= CSize(2, 2);
  EXPECT_EQ(CPoint(2, 3), p);
  CPoint packed((DWORD)MAKELONG(-5, 7));  // mouse-message coordinates are signed
  EXPECT_EQ(CPoint(-5, 7), packed);
  EXPECT_EQ(CSize(-1, 2), CSize((DWORD)MAKELONG(-1, 2)));
  EXPECT_TRUE(CSize(1, 2) != CSize(2, 1));
}
