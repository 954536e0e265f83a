// GDI objects and device contexts: ownership of handles, temporary wrappers, selection, drawing.
#include <afx.h>
#include <afxgdi.h>
#include <gtest/gtest.h>
#include "print_geometry.h"
#include <thread>
#include "gdi_count.h"

extern "C++" AFX_API void AFXAPI AfxDeleteTempGdiMaps();

namespace {

// A 32-bit DIB section selected into a memory DC, filled white.
struct Canvas {
  CDC dc;
  CBitmap bitmap;
  DWORD* bits = NULL;
  int width, height;
  HGDIOBJ hOldBitmap = NULL;

  Canvas(int cx, int cy) : width(cx), height(cy) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    EXPECT_TRUE(dc.CreateCompatibleDC(NULL));
    EXPECT_TRUE(bitmap.Attach(CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, (void**)&bits, NULL, 0)));
    hOldBitmap = dc.SelectObject(&bitmap)->GetSafeHandle();
    dc.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
  }
  ~Canvas() { dc.SelectObject(hOldBitmap); }
  COLORREF Pixel(int x, int y) const {
    GdiFlush();
    DWORD v = bits[y * width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
};

const COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

TEST(GdiObjectTest, EachOwnedHandleIsDeletedExactlyOnce) {
  GdiDeleteCounter counter;
  HGDIOBJ hPen;
  {
    CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
    hPen = pen;
    EXPECT_EQ((UINT)OBJ_PEN, pen.GetObjectType());
  }
  EXPECT_EQ(1, counter.Deletions(hPen));
  EXPECT_EQ(0u, (UINT)GetObjectType(hPen));

  CBrush brush;
  ASSERT_TRUE(brush.CreateSolidBrush(RGB(9, 9, 9)));
  HGDIOBJ hBrush = brush.m_hObject;
  EXPECT_TRUE(brush.DeleteObject());
  EXPECT_FALSE(brush.DeleteObject());
  EXPECT_EQ(1, counter.Deletions(hBrush));

  HGDIOBJ hKept;
  {
    CBrush detached(RGB(1, 1, 1));
    hKept = detached.Detach();
  }
  EXPECT_EQ(0, counter.Deletions(hKept));
  EXPECT_EQ((DWORD)OBJ_BRUSH, GetObjectType(hKept));
  DeleteObject(hKept);

  // A second Create on an object that holds a handle fails and keeps the first one.
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
  HGDIOBJ hFont = font.m_hObject;
  int before = counter.Total();
  EXPECT_FALSE(font.CreatePointFont(120, "Arial"));
  EXPECT_EQ(hFont, font.m_hObject);
  EXPECT_EQ(before + 1, counter.Total());  // the rejected font was deleted
  EXPECT_EQ(0, counter.Deletions(hFont));
  LOGFONT lf;
  ASSERT_EQ((int)sizeof(lf), font.GetLogFont(&lf));
  EXPECT_LT(lf.lfHeight, 0);  // a character height, from points

  HDC hDC;
  {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    hDC = dc;
  }
  EXPECT_EQ(1, counter.Deletions(hDC));
}

TEST(GdiObjectTest, TemporaryWrappersNeverDeleteTheirHandle) {
  GdiDeleteCounter counter;
  HBRUSH hBrush = CreateSolidBrush(RGB(5, 6, 7));
  CBrush* pTemp = CBrush::FromHandle(hBrush);
  ASSERT_NE(nullptr, pTemp);
  EXPECT_EQ(pTemp, CBrush::FromHandle(hBrush));
  EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CBrush)));
  AfxDeleteTempGdiMaps();
  EXPECT_EQ(0, counter.Deletions(hBrush));
  EXPECT_EQ((DWORD)OBJ_BRUSH, GetObjectType(hBrush));

  // A wrapper whose handle was detached is not handed out again for that handle.
  pTemp = CBrush::FromHandle(hBrush);
  pTemp->Detach();
  EXPECT_EQ((HGDIOBJ)hBrush, CBrush::FromHandle(hBrush)->m_hObject);

  // The owner of a handle is found instead of a wrapper, until it lets go.
  CBrush owner;
  ASSERT_TRUE(owner.Attach(hBrush));
  EXPECT_EQ(&owner, CGdiObject::FromHandle(hBrush));
  owner.Detach();
  CGdiObject* pAfter = CGdiObject::FromHandle(hBrush);
  EXPECT_NE(&owner, pAfter);
  EXPECT_EQ((HGDIOBJ)hBrush, pAfter->m_hObject);
  AfxDeleteTempGdiMaps();
  EXPECT_EQ(0, counter.Deletions(hBrush));
  DeleteObject(hBrush);

  HDC hDC = CreateCompatibleDC(NULL);
  CDC* pDC = CDC::FromHandle(hDC);
  EXPECT_EQ(pDC, CDC::FromHandle(hDC));
  EXPECT_EQ(hDC, pDC->GetSafeHdc());
  CDC::DeleteTempMap();
  EXPECT_EQ(0, counter.Deletions(hDC));
  EXPECT_EQ((DWORD)OBJ_MEMDC, GetObjectType(hDC));
  DeleteDC(hDC);

  CGdiObject* volatile pNull = nullptr;  // framework code calls these through NULL pointers
  EXPECT_EQ(nullptr, pNull->GetSafeHandle());
  CDC* volatile pNoDC = nullptr;
  EXPECT_EQ(nullptr, pNoDC->GetSafeHdc());
  EXPECT_EQ(nullptr, CGdiObject::FromHandle(NULL));
}

// GDI handles belong to the process: an owner made on one thread is found, and deleted, on another;
// temporary wrappers stay with the thread that made them.
TEST(GdiObjectTest, OwnersAreSharedByThreadsTemporaryWrappersAreNot) {
  GdiDeleteCounter counter;
  HPEN hLoose = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  CPen* pMainTemp = CPen::FromHandle(hLoose);
  CPen* pOtherTemp = nullptr;
  CBrush* pBrush = nullptr;
  CDC* pDC = new CDC;
  std::thread worker([&] {
    pOtherTemp = CPen::FromHandle(hLoose);
    pBrush = new CBrush(RGB(1, 2, 3));
    pDC->CreateCompatibleDC(NULL);
  });
  worker.join();
  EXPECT_NE(pMainTemp, pOtherTemp);
  EXPECT_EQ(pMainTemp, CPen::FromHandle(hLoose));

  HGDIOBJ hBrush = pBrush->m_hObject;
  HDC hDC = pDC->m_hDC;
  EXPECT_EQ(pBrush, CGdiObject::FromHandle(hBrush));
  EXPECT_EQ(pDC, CDC::FromHandle(hDC));
  delete pBrush;
  delete pDC;
  EXPECT_EQ(1, counter.Deletions(hBrush));
  EXPECT_EQ(1, counter.Deletions(hDC));
  AfxDeleteTempGdiMaps();
  EXPECT_EQ(0, counter.Deletions(hLoose));
  DeleteObject(hLoose);
}

TEST(DCTest, SelectObjectReturnsThePreviousObject) {
  Canvas canvas(8, 8);
  CDC& dc = canvas.dc;
  CPen pen1(PS_SOLID, 1, RGB(255, 0, 0)), pen2(PS_DOT, 1, RGB(0, 255, 0));
  CPen* pStock = dc.SelectObject(&pen1);
  ASSERT_NE(nullptr, pStock);
  EXPECT_EQ(GetStockObject(BLACK_PEN), pStock->m_hObject);
  EXPECT_TRUE(pStock->IsKindOf(RUNTIME_CLASS(CPen)));
  EXPECT_EQ(&pen1, dc.SelectObject(&pen2));
  EXPECT_EQ(&pen2, dc.GetCurrentPen());
  EXPECT_EQ(&pen2, dc.SelectObject(pStock));
  EXPECT_EQ(nullptr, dc.SelectObject((CPen*)NULL));

  CFont* pFont = (CFont*)dc.SelectStockObject(DEFAULT_GUI_FONT);
  ASSERT_NE(nullptr, pFont);
  EXPECT_TRUE(pFont->IsKindOf(RUNTIME_CLASS(CFont)));
  EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), dc.SelectObject(pFont)->m_hObject);
  EXPECT_EQ(&canvas.bitmap, dc.GetCurrentBitmap());

  CRgn rgn;
  ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 4, 4));
  EXPECT_EQ(SIMPLEREGION, dc.SelectObject(&rgn));
  CRect clip;
  EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(&clip));
  EXPECT_EQ(CRect(0, 0, 4, 4), clip);
  AfxDeleteTempGdiMaps();
}

TEST(DCTest, FillSolidRectAndDraw3dRectPixels) {
  Canvas canvas(24, 20);
  CDC& dc = canvas.dc;
  const COLORREF fill = RGB(10, 20, 30), tl = RGB(200, 0, 0), br = RGB(0, 0, 200);
  dc.FillSolidRect(2, 2, 5, 4, fill);
  EXPECT_EQ(fill, canvas.Pixel(2, 2));
  EXPECT_EQ(fill, canvas.Pixel(6, 5));
  EXPECT_EQ(kWhite, canvas.Pixel(7, 5));
  EXPECT_EQ(kWhite, canvas.Pixel(6, 6));
  EXPECT_EQ(fill, dc.GetBkColor());

  dc.Draw3dRect(CRect(10, 10, 18, 16), tl, br);
  EXPECT_EQ(tl, canvas.Pixel(10, 10));
  EXPECT_EQ(tl, canvas.Pixel(16, 10));
  EXPECT_EQ(br, canvas.Pixel(17, 10));  // top-right corner belongs to the right edge
  EXPECT_EQ(tl, canvas.Pixel(10, 14));
  EXPECT_EQ(br, canvas.Pixel(10, 15));
  EXPECT_EQ(br, canvas.Pixel(17, 15));
  EXPECT_EQ(kWhite, canvas.Pixel(11, 11));
  EXPECT_EQ(kWhite, canvas.Pixel(18, 10));

  // Viewport origin moves the drawing; clipping limits it.
  EXPECT_EQ(CPoint(0, 0), dc.SetViewportOrg(20, 0));
  dc.FillSolidRect(0, 0, 1, 1, fill);
  EXPECT_EQ(fill, canvas.Pixel(20, 0));
  CPoint pt(0, 0);
  dc.LPtoDP(&pt);
  EXPECT_EQ(CPoint(20, 0), pt);
  EXPECT_EQ(CPoint(20, 0), dc.SetViewportOrg(0, 0));
  int saved = dc.SaveDC();
  dc.IntersectClipRect(0, 16, 3, 18);
  dc.FillSolidRect(0, 0, 24, 20, fill);
  EXPECT_TRUE(dc.RestoreDC(saved));
  EXPECT_EQ(fill, canvas.Pixel(2, 17));
  EXPECT_EQ(kWhite, canvas.Pixel(3, 17));
  EXPECT_EQ(kWhite, canvas.Pixel(0, 18));
}

TEST(DCTest, ShapesPathsRegionsAndText) {
  Canvas canvas(40, 30);
  CDC& dc = canvas.dc;
  CBrush green(RGB(0, 128, 0));
  CPen red(PS_SOLID, 1, RGB(255, 0, 0));
  CPen* pOldPen = dc.SelectObject(&red);
  CBrush* pOldBrush = dc.SelectObject(&green);
  dc.Rectangle(0, 0, 10, 10);
  EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(0, 0));
  EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(9, 9));
  EXPECT_EQ(RGB(0, 128, 0), canvas.Pixel(5, 5));
  EXPECT_EQ(kWhite, canvas.Pixel(10, 5));
  dc.MoveTo(12, 0);
  dc.LineTo(12, 5);
  EXPECT_EQ(CPoint(12, 5), dc.GetCurrentPosition());
  EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(12, 4));
  EXPECT_EQ(kWhite, canvas.Pixel(12, 5));  // the end point is not drawn

  ASSERT_TRUE(dc.BeginPath());
  dc.Rectangle(20, 0, 30, 10);
  ASSERT_TRUE(dc.EndPath());
  CRgn fromPath;
  ASSERT_TRUE(fromPath.CreateFromPath(&dc));
  CRect box;
  EXPECT_NE(ERROR, fromPath.GetRgnBox(&box));
  EXPECT_EQ(CPoint(20, 0), box.TopLeft());  // the far edges depend on the path rules
  EXPECT_TRUE(fromPath.PtInRegion(25, 5));
  EXPECT_FALSE(fromPath.PtInRegion(31, 5));
  dc.SelectObject(pOldPen);
  dc.SelectObject(pOldBrush);

  CRgn a, b, both;
  ASSERT_TRUE(a.CreateRectRgn(0, 15, 10, 25));
  ASSERT_TRUE(b.CreateEllipticRgn(5, 20, 25, 30));
  ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&a, &b, RGN_OR));
  EXPECT_TRUE(both.PtInRegion(1, 16));
  EXPECT_TRUE(both.PtInRegion(CPoint(15, 25)));
  EXPECT_FALSE(both.PtInRegion(20, 16));
  EXPECT_EQ(SIMPLEREGION, a.CopyRgn(&a));
  a.OffsetRgn(CPoint(30, 0));
  EXPECT_TRUE(dc.FillRgn(&a, &green));
  EXPECT_EQ(RGB(0, 128, 0), canvas.Pixel(35, 20));
  EXPECT_EQ(kWhite, canvas.Pixel(29, 20));

  dc.SelectStockObject(SYSTEM_FONT);
  CSize extent = dc.GetTextExtent("Hello");
  EXPECT_GT(extent.cx, 0);
  EXPECT_GT(extent.cy, 0);
  EXPECT_EQ(extent, dc.GetTextExtent(CString("Hello")));
  EXPECT_EQ(CSize(0, 0), dc.GetTextExtent("", 0));
  CRect calc(0, 0, 0, 0);
  dc.DrawText(CString("Hello"), &calc, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(extent.cx, calc.Width());
  TEXTMETRIC tm;
  ASSERT_TRUE(dc.GetTextMetrics(&tm));
  EXPECT_EQ(tm.tmHeight, extent.cy);
  CString face;
  EXPECT_GT(dc.GetTextFace(face), 0);
  EXPECT_FALSE(face.IsEmpty());
  AfxDeleteTempGdiMaps();
}

TEST(GdiObjectTest, MissingResourcesAndBadInputGiveFalse) {
  CBitmap bitmap;
  EXPECT_FALSE(bitmap.LoadBitmap(54321));
  EXPECT_EQ(nullptr, bitmap.m_hObject);
  EXPECT_FALSE(bitmap.CreateCompatibleBitmap(NULL, 4, 4));
  EXPECT_TRUE(bitmap.CreateBitmap(4, 4, 1, 1, NULL));
  BITMAP bm;
  ASSERT_EQ((int)sizeof(bm), bitmap.GetBitmap(&bm));
  EXPECT_EQ(4, bm.bmWidth);
  CBrush pattern;
  EXPECT_TRUE(pattern.CreatePatternBrush(&bitmap));
  CBrush none;
  EXPECT_FALSE(none.CreatePatternBrush(NULL));
  EXPECT_FALSE(none.Attach(NULL));
  CRgn rgn;
  EXPECT_FALSE(rgn.CreateFromPath(NULL));
}
