// CMemDC: the double buffer every control paints through.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "Canvas.h"
#include "GdiTracker.h"

using namespace ostrel_test;

TEST(MemDCTest, DrawsOffScreenInTargetCoordinatesAndCopiesOnceAtTheEnd) {
  const COLORREF kBack = RGB(1, 2, 3), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
  Canvas canvas(60, 40, kBack);
  GdiTracker tracker({"afx.dll"});
  {
    CMemDC mem(canvas.dc(), CRect(10, 5, 50, 35));
    ASSERT_TRUE(mem.IsOffScreen());
    mem.FillSolidRect(10, 5, 40, 30, kRed);
    mem.FillSolidRect(48, 33, 2, 2, kBlue);  // the rectangle's last pixels
    EXPECT_EQ(kBack, canvas.At(10, 5)) << "nothing reaches the target before the end";
    // A mapping mode set while drawing does not shift the copy.
    mem.SetMapMode(MM_ANISOTROPIC);
    mem.SetViewportOrg(7, 7);
  }
  EXPECT_EQ(kRed, canvas.At(10, 5));
  EXPECT_EQ(kBlue, canvas.At(49, 34));
  EXPECT_EQ(kBack, canvas.At(9, 5));
  EXPECT_EQ(kBack, canvas.At(50, 34));
  EXPECT_EQ(kBack, canvas.At(10, 35));
  EXPECT_EQ(0, tracker.Outstanding());

  {
    CMemDC mem(canvas.dc(), CRect(0, 0, 60, 40));
    mem.FillSolidRect(0, 0, 60, 40, kBlue);
    mem.Discard();
  }
  EXPECT_EQ(kRed, canvas.At(10, 5)) << "a discarded picture is not copied";
  EXPECT_EQ(0, tracker.Outstanding());
}

TEST(MemDCTest, WithoutAnOffScreenPictureDrawsStraightToTheTarget) {
  const COLORREF kBack = RGB(1, 2, 3), kGreen = RGB(0, 255, 0);
  Canvas canvas(20, 20, kBack);
  {
    CMemDC empty(canvas.dc(), CRect(5, 5, 5, 9));  // no area: no bitmap can be made
    EXPECT_FALSE(empty.IsOffScreen());
    empty.FillSolidRect(2, 2, 3, 3, kGreen);
  }
  EXPECT_EQ(kGreen, canvas.At(2, 2));
  EXPECT_EQ((DWORD)OBJ_MEMDC, ::GetObjectType(canvas.dc())) << "the borrowed target is not deleted";
}
