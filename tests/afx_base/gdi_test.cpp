// GDI objects and device contexts: ownership of handles, temporary wrappers, owners across threads,
// selection, drawing, and the window DCs.
#include <afx.h>
#include <afxgdi.h>
#include <afxwin.h>
#include <gtest/gtest.h>
#include <thread>
#include "Canvas.h"
#include "GdiTracker.h"
#include "PrintGeometry.h"

extern "C++" AFX_API void AFXAPI AfxDeleteTempGdiMaps();

using namespace ostrel_test;

namespace {

const COLORREF kBack = RGB(1, 2, 3);

TEST(GdiObjectTest, OwnedHandlesAreDeletedOnceTemporaryWrappersNever) {
  GdiTracker tracker({"afx.dll"});
  HGDIOBJ hPen;
  {
    CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
    hPen = pen;
  }
  EXPECT_EQ(1, tracker.Deleted(hPen));
  CBrush brush;
  ASSERT_TRUE(brush.CreateSolidBrush(RGB(9, 9, 9)));
  HGDIOBJ hBrush = brush.m_hObject;
  EXPECT_TRUE(brush.DeleteObject());
  EXPECT_FALSE(brush.DeleteObject());
  EXPECT_EQ(1, tracker.Deleted(hBrush));
  HGDIOBJ hKept;
  {
    CBrush detached(RGB(1, 1, 1));
    hKept = detached.Detach();
  }
  EXPECT_EQ(0, tracker.Deleted(hKept));

  // A second Create on an object that holds a handle fails, keeps the first and frees the new one.
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
  HGDIOBJ hFont = font.m_hObject;
  EXPECT_FALSE(font.CreatePointFont(120, "Arial"));
  EXPECT_EQ(hFont, font.m_hObject);
  LOGFONT lf;
  ASSERT_EQ((int)sizeof(lf), font.GetLogFont(&lf));
  EXPECT_LT(lf.lfHeight, 0);  // a character height, from points

  // Temporary wrappers: one per handle, never deleting it; a detached one is not handed out again.
  CBrush* pTemp = CBrush::FromHandle((HBRUSH)hKept);
  EXPECT_EQ(pTemp, CBrush::FromHandle((HBRUSH)hKept));
  pTemp->Detach();
  EXPECT_EQ(hKept, CBrush::FromHandle((HBRUSH)hKept)->m_hObject);
  CBrush owner;
  ASSERT_TRUE(owner.Attach(hKept));
  EXPECT_EQ(&owner, CGdiObject::FromHandle(hKept));
  owner.Detach();
  AfxDeleteTempGdiMaps();
  EXPECT_EQ(0, tracker.Deleted(hKept));
  ASSERT_TRUE(owner.Attach(hKept));
  owner.DeleteObject();
  EXPECT_EQ(1, tracker.Outstanding()) << "the font";
  font.DeleteObject();
  EXPECT_EQ(0, tracker.Outstanding());

  CGdiObject* volatile pNull = nullptr;  // framework code calls these through NULL pointers
  EXPECT_EQ(nullptr, pNull->GetSafeHandle());
  EXPECT_FALSE(CBitmap().LoadBitmap(54321));
  EXPECT_FALSE(CBrush().CreatePatternBrush(NULL));
  EXPECT_FALSE(CRgn().CreateFromPath(NULL));
}

// GDI handles belong to the process: an owner made on one thread is found, and deleted, on another;
// temporary wrappers stay with the thread that made them.
TEST(GdiObjectTest, OwnersAreSharedByThreadsTemporaryWrappersAreNot) {
  GdiTracker tracker({"afx.dll"});
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
  EXPECT_EQ(1, tracker.Deleted(hBrush));
  EXPECT_EQ(1, tracker.Deleted(hDC));
  AfxDeleteTempGdiMaps();
  EXPECT_EQ(0, tracker.Deleted(hLoose));
  DeleteObject(hLoose);
}

TEST(DCTest, SelectionReturnsThePreviousObjectAndDrawingLandsWhereAsked) {
  Canvas canvas(40, 30, kBack);
  CDC& dc = *CDC::FromHandle(canvas.dc());
  CPen red(PS_SOLID, 1, RGB(255, 0, 0)), dotted(PS_DOT, 1, RGB(0, 255, 0));
  CBrush green(RGB(0, 128, 0));
  CPen* pStock = dc.SelectObject(&red);
  ASSERT_NE(nullptr, pStock);
  EXPECT_EQ(GetStockObject(BLACK_PEN), pStock->m_hObject);
  EXPECT_TRUE(pStock->IsKindOf(RUNTIME_CLASS(CPen)));
  EXPECT_EQ(&red, dc.SelectObject(&dotted));
  EXPECT_EQ(&dotted, dc.SelectObject(&red));
  CBrush* pOldBrush = dc.SelectObject(&green);
  dc.Rectangle(0, 0, 10, 10);
  EXPECT_EQ(RGB(255, 0, 0), canvas.At(9, 9));
  EXPECT_EQ(RGB(0, 128, 0), canvas.At(5, 5));
  EXPECT_EQ(&green, dc.SelectObject(pOldBrush));
  dc.SelectObject(pStock);

  dc.Draw3dRect(CRect(20, 10, 28, 16), RGB(200, 0, 0), RGB(0, 0, 200));
  EXPECT_EQ(RGB(200, 0, 0), canvas.At(20, 10));
  EXPECT_EQ(RGB(0, 0, 200), canvas.At(27, 10));  // top-right corner belongs to the right edge
  EXPECT_EQ(RGB(0, 0, 200), canvas.At(20, 15));
  EXPECT_EQ(kBack, canvas.At(21, 11));

  // Viewport origin moves the drawing; a clip limits it until the DC is restored.
  dc.SetViewportOrg(30, 0);
  dc.FillSolidRect(0, 0, 1, 1, RGB(9, 9, 9));
  EXPECT_EQ(RGB(9, 9, 9), canvas.At(30, 0));
  dc.SetViewportOrg(0, 0);
  int saved = dc.SaveDC();
  dc.IntersectClipRect(0, 20, 3, 22);
  dc.FillSolidRect(0, 0, 40, 30, RGB(9, 9, 9));
  EXPECT_TRUE(dc.RestoreDC(saved));
  EXPECT_EQ(RGB(9, 9, 9), canvas.At(2, 21));
  EXPECT_EQ(kBack, canvas.At(3, 21));
  EXPECT_GT(dc.GetTextExtent("Hello").cx, 0);  // measured on the attribute DC of a wrapped handle
  AfxDeleteTempGdiMaps();
}

const COLORREF kPaint = RGB(30, 160, 90);
RECT g_paintRect;

LRESULT CALLBACK PaintingProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    CPaintDC dc(CWnd::FromHandle(hWnd));
    g_paintRect = dc.m_ps.rcPaint;
    dc.FillSolidRect(&dc.m_ps.rcPaint, kPaint);
    return 0;
  }
  return DefWindowProcA(hWnd, msg, wParam, lParam);
}

TEST(DCTest, PaintDCValidatesClientAndWindowDCsAreReleased) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PaintingProc;
  wc.hInstance = GetModuleHandleA(NULL);
  wc.lpszClassName = "AfxBaseTestPaint";
  RegisterClassA(&wc);
  HWND hWnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40, NULL, NULL,
                              wc.hInstance, NULL);
  ASSERT_NE(nullptr, hWnd);
  GdiTracker tracker({"afx.dll"});
  InvalidateRect(hWnd, NULL, FALSE);
  UpdateWindow(hWnd);
  EXPECT_EQ(CRect(0, 0, 60, 40), CRect(g_paintRect));
  EXPECT_FALSE(GetUpdateRect(hWnd, NULL, FALSE));  // EndPaint validated the window
  EXPECT_EQ(kPaint, CClientDC(CWnd::FromHandle(hWnd)).GetPixel(30, 20));
  EXPECT_EQ(kPaint, CWindowDC(CWnd::FromHandle(hWnd)).GetPixel(0, 0));
  EXPECT_EQ(0, tracker.DCsHeld());
  DestroyWindow(hWnd);
  AfxDeleteTempMaps();
}

}  // namespace
