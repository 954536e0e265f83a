// GDI objects: ownership of handles, temporary wrappers, and owners across threads.
#include <afx.h>
#include <afxgdi.h>
#include <afxwin.h>
#include <gtest/gtest.h>
#include <thread>
#include "GdiTracker.h"

extern "C++" AFX_API void AFXAPI AfxDeleteTempGdiMaps();

using namespace ostrel_test;

namespace {

TEST(GdiObjectTest, OwnedHandlesAreDeletedOnceTemporaryWrappersNever) {
  GdiTracker tracker({"afx.dll"});
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

}  // namespace
