#include <Ostrel.h>
#include <gtest/gtest.h>
#include "Canvas.h"

using namespace ostrel_test;

const COLORREF kKey = RGB(255, 0, 255), kFace = RGB(250, 200, 0), kBackground = RGB(1, 2, 3);
const int kW = 8, kH = 6;

TEST(MaskedBitmap, TransparentDrawingKeepsTheBackgroundInEveryMappingMode) {
  // 8 x 6: a key-coloured border one pixel wide around a face.
  DWORD bits[kW * kH];
  for (int i = 0; i < kW * kH; i++)
    bits[i] = i % kW == 0 || i < kW || i % kW == kW - 1 || i >= kW * (kH - 1) ? 0xFF00FF : 0xFAC800;  // 0x00RRGGBB
  CMaskedBitmap bitmap;
  bitmap.CreateBitmap(kW, kH, 1, 32, bits);
  for (int nMode : {MM_TEXT, MM_ANISOTROPIC}) {
    SCOPED_TRACE(nMode);
    Canvas canvas(40, 40, kBackground);
    CDC* pDC = CDC::FromHandle(canvas.dc());
    if (nMode == MM_ANISOTROPIC) {  // two device pixels a logical unit
      pDC->SetMapMode(MM_ANISOTROPIC);
      ::SetWindowExtEx(canvas.dc(), 1, 1, NULL);
      ::SetViewportExtEx(canvas.dc(), 2, 2, NULL);
    }
    bitmap.DrawTransparent(pDC, 5, 5);  // the key is the top-left pixel's colour
    // 2 x 2 logical units from the corner with the face's colour as the key: the border shows.
    bitmap.TransparentBitBlt(pDC, 16, 0, kFace, 0, 0, 2, 2);
    bitmap.Draw(pDC, 0, 12);                  // opaque
    const int x = nMode == MM_TEXT ? 5 : 10;  // device pixels of 5 logical units
    const CRect rcStamp(x, x, x + kW, x + kH);
    pDC->SetMapMode(MM_TEXT);         // read back in device pixels
    const Pixels px = canvas.Read();  // at its device size: the face shows, the border keeps the background
    EXPECT_EQ((kW - 2) * (kH - 2), px.Count(rcStamp, kFace));
    EXPECT_EQ(2 * (kW + kH) - 4, px.Count(rcStamp, kBackground));
    EXPECT_EQ(kKey, canvas.At(x * 16 / 5, 0));
    EXPECT_EQ(kBackground, canvas.At(x * 16 / 5 + 1, 1));
    EXPECT_EQ(kKey, canvas.At(0, x * 12 / 5));
  }
  CMaskedBitmap none;
  Canvas canvas(10, 10, kBackground);
  none.DrawTransparent(CDC::FromHandle(canvas.dc()), 0, 0, kKey);
  EXPECT_EQ(0, canvas.Painted());
}
