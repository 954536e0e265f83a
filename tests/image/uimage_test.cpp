#include <Ostrel.h>
#include <gtest/gtest.h>
#include <t32Base.h>
#include "Canvas.h"

using ostrel_test::Canvas;

const COLORREF kBack = RGB(200, 220, 240), kShadow = RGB(40, 40, 160);

static HANDLE Filled(int bits, int w, int h, DWORD colour) {
  HANDLE hBuf = NULL;
  buf32Alloc(&hBuf, bits, w, h, BUF32_ALLOC_FILL, &colour);
  return hBuf;
}

static bool Live(HANDLE h) {
  BUF32INFO info;
  return h != NULL && buf32GetInfo(h, &info) != 0;
}

TEST(UImage, ShadowShowsItsColourWhereTheMaskCoversAcrossCells) {
  // A 300 x 200 background merged into its back buffer and drawn.
  Canvas canvas(300, 200);
  t32Base::IBuf source;
  source.CreateFromBuf(Filled(24, 300, 200, kBack));
  CUImage back;
  back.CreateFromIBuf(&source);
  CRect rcAll(0, 0, 300, 200);
  back.MergeObject(rcAll);
  back.Draw(canvas.dc(), rcAll);
  ASSERT_EQ(kBack, canvas.At(150, 100));
  // An object 180 wide at (20, 30), its shadow 15 right and 10 down, masked in the first 150 columns.
  CUImage shadow;
  shadow.m_crColor = kShadow;
  CRect rcObject(20, 30, 200, 90);
  ASSERT_EQ(1, shadow.CreateOneColorFromUImage(back, rcObject));
  shadow.m_nOffsetX = 15;
  shadow.m_nOffsetY = 10;
  shadow.m_hMaskBuf = Filled(8, 180, 60, 0);
  std::vector<BYTE> covered(150 * 60, 255);
  buf32MergeMem(shadow.m_hMaskBuf, 0, 0, 150, 60, covered.data());
  shadow.Draw(canvas.dc(), rcAll);

  EXPECT_EQ(kShadow, canvas.At(100, 95));  // first cell, below the object
  EXPECT_EQ(kShadow, canvas.At(170, 95));  // second cell
  EXPECT_EQ(kBack, canvas.At(100, 60));    // the object's own place
  EXPECT_EQ(kBack, canvas.At(205, 60));    // frame column 170: not in the mask
  EXPECT_EQ(kBack, canvas.At(100, 101));   // below the frame

  const HANDLE held[] = {shadow.m_hImageBuf, shadow.m_hMaskBuf, back.m_hImageBuf, back.m_hBackBuf};
  shadow.Destroy();
  back.Destroy();
  for (HANDLE h : held) EXPECT_FALSE(Live(h));
  shadow.Destroy();  // a second time frees nothing more
}

TEST(UImage, ImageDrawsCellByCellClippedToTheRectangle) {
  // 200 x 40: red in the first cell column, green in the second.
  HANDLE hImage = Filled(24, 200, 40, RGB(255, 0, 0));
  std::vector<BYTE> green(72 * 40 * 3);
  for (size_t i = 0; i < green.size(); i += 3) green[i + 1] = 255;
  buf32MergeMem(hImage, 128, 0, 72, 40, green.data());
  t32Base::IBuf buf;
  buf.CreateFromBuf(hImage);
  CUImage image;
  ASSERT_EQ(1, image.CreateFromIBuf(&buf));
  image.m_nLeft = 10;
  image.m_nTop = 20;
  Canvas canvas(300, 100);
  CRect rcClip(0, 0, 250, 50);
  image.DrawImage(canvas.dc(), rcClip);
  EXPECT_EQ(RGB(255, 0, 0), canvas.At(137, 49));
  EXPECT_EQ(RGB(0, 255, 0), canvas.At(138, 20));
  EXPECT_EQ(RGB(1, 2, 3), canvas.At(100, 50));  // clipped
  EXPECT_EQ(RGB(1, 2, 3), canvas.At(9, 20));
  image.Destroy();
  EXPECT_FALSE(Live(hImage));
}

TEST(UImage, BadInputIsRefusedAndAllocatesNothing) {
  CUImage image, other;
  EXPECT_EQ(0, image.CreateFromIBuf(NULL));
  t32Base::IBuf empty, fourBits;
  EXPECT_EQ(0, image.CreateFromIBuf(&empty));
  fourBits.CreateFromBuf(Filled(4, 16, 16, 0));
  EXPECT_EQ(0, image.CreateFromIBuf(&fourBits));
  EXPECT_EQ(nullptr, image.m_hBackBuf);
  CRect rc(0, 0, 10, 10), rcEmpty(5, 5, 5, 9);
  EXPECT_EQ(0, image.CreateOneColorFromUImage(other, rc));  // other has no back buffer
  EXPECT_EQ(nullptr, image.m_hImageBuf);
  EXPECT_EQ(0, image.MergeObject(rc));

  t32Base::IBuf grey;
  grey.CreateFromBuf(Filled(8, 20, 20, 128));
  ASSERT_EQ(1, other.CreateFromIBuf(&grey));
  EXPECT_EQ(0, image.CreateOneColorFromUImage(other, rcEmpty));
  ASSERT_EQ(1, image.CreateOneColorFromUImage(other, rc));
  EXPECT_EQ(0, image.CreateOneColorFromUImage(other, rc));  // already made
  image.Destroy();
  other.Destroy();
  buf32Free(fourBits.m_hBuf);
}
