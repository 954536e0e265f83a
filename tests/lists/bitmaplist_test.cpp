// The bitmap list.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "GdiTracker.h"
#include "Input.h"
#include "Pixels.h"
#include "RecordingParent.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

const int kWidth = 200, kHeight = 50;
const int kStripTop = (kHeight - 18 - 30) / 2;  // where the strip sits above the 18-pixel bar
const UINT kWideStrip = 22022;                  // a library bitmap 328 pixels wide
const COLORREF kWhite = RGB(255, 255, 255), kGray = RGB(128, 128, 128), kBlack = RGB(0, 0, 0);

// Ten white cells, each with a coloured square in its middle; a fresh strip for every paint.
class DotStrip : public CListBitmapSource {
 public:
  int given = 0;
  HBITMAP GetBitmap(HDC) override {
    DWORD* bits = NULL;
    HBITMAP hStrip = CreateDib32(NULL, 300, 30, &bits);
    for (int i = 0; i < 300 * 30; i++) {
      const int x = i % 300 % 30, y = i / 300;
      bits[i] = x >= 10 && x < 20 && y >= 10 && y < 20 ? (DWORD)(20 * (i % 300 / 30)) << 16 | 100 << 8 | 200 : 0xFFFFFF;
    }
    given++;
    return hStrip;
  }
  void ReleaseBitmap(HBITMAP hBitmap) override {
    given--;
    DeleteObject(hBitmap);
  }
};

class ProbeList : public CBitmapList {
 public:
  explicit ProbeList(bool* pDeleted) : m_pDeleted(pDeleted) {}
  ~ProbeList() override { *m_pDeleted = true; }
  CListScrollBar& Bar() { return m_scrollBar; }

 private:
  bool* m_pDeleted;
};

class BitmapListTest : public ::testing::Test {
 protected:
  ProbeList* Make(CListBitmapSource* pSource, HINSTANCE hInst = NULL, UINT nID = 0) {
    ProbeList* p = new ProbeList(&m_deleted);
    p->m_pBitmapSource = pSource;
    p->m_hInstance = hInst;
    p->m_nBitmapID = nID;
    const char* cls = AfxRegisterWndClass(0, LoadCursorA(NULL, (LPCSTR)IDC_ARROW));
    EXPECT_TRUE(p->CreateEx(0, cls, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + kWidth, 10 + kHeight), &m_parent, 7));
    p->UpdateWindow();
    return p;
  }
  // The codes and cells of the WM_HSCROLL messages the parent got, as "code:cell" words.
  std::string Notes(HWND hList) const {
    std::string notes;
    for (const RecordedMessage& m : m_parent.Of(WM_HSCROLL)) {
      EXPECT_EQ((HWND)m.lParam, hList);
      notes += std::to_string(LOWORD(m.wParam)) + ":" + std::to_string((short)HIWORD(m.wParam)) + " ";
    }
    return notes;
  }

  CRecordingParent m_parent{40, 40, 400, 300};
  bool m_deleted = false;
  DotStrip m_strip;
};

TEST_F(BitmapListTest, HotCellIsFramedAndSelectedCellShaded) {
  ProbeList* p = Make(&m_strip);
  p->Bar().SetPos(0);
  SendMouse(p->m_hWnd, WM_MOUSEMOVE, 65, 10);                 // hot: cell 2
  SendMouse(p->m_hWnd, WM_LBUTTONDOWN, 125, 10, MK_LBUTTON);  // selected: cell 4
  Pixels px = ReadClient(p->m_hWnd);
  const int y = kStripTop;
  EXPECT_EQ(px.At(60, y + 15), kBlack);
  EXPECT_EQ(px.At(89, y + 15), kBlack);
  EXPECT_EQ(px.At(75, y + 5), kWhite);  // inside the frame the cell is as it was
  EXPECT_EQ(px.At(122, y + 3), kGray);
  EXPECT_EQ(px.At(135, y + 15), RGB(80, 100, 200));  // the picture itself is not shaded
  EXPECT_EQ(px.At(155, y + 3), kWhite);              // nor the cell beside it
  EXPECT_EQ(m_strip.given, 0);
  p->DestroyWindow();
}

TEST_F(BitmapListTest, NotificationsNameTheCellUnderThePointerAfterScrolling) {
  ProbeList* p = Make(&m_strip, _ClrBoxInst, kWideStrip);
  const HWND hList = p->m_hWnd;
  EXPECT_EQ(p->Bar().GetRange(), 328 - kWidth);
  p->Bar().SetPos(0);
  SendMouse(hList, WM_LBUTTONDOWN, kWidth - 5, kHeight - 9, MK_LBUTTON);  // the bar's far end zone, twice
  SendMouse(hList, WM_LBUTTONDOWN, kWidth - 5, kHeight - 9, MK_LBUTTON);
  EXPECT_EQ(p->Bar().GetPos(), 20);
  EXPECT_EQ(Notes(hList), "");

  SendMouse(hList, WM_MOUSEMOVE, 45, 10);  // (45 + 20) / 30 = cell 2
  SendMouse(hList, WM_MOUSEMOVE, 55, 10);  // still cell 2
  EXPECT_EQ(CWnd::GetCapture(), p);
  SendMouse(hList, WM_MOUSEMOVE, 75, 10);
  SendMouse(hList, WM_LBUTTONDOWN, 45, 10, MK_LBUTTON);  // selects cell 2; the note names the hot cell
  SendMouse(hList, WM_MOUSEMOVE, 45, kHeight - 9);       // onto the bar: nothing
  SendMouse(hList, WM_MOUSEMOVE, 45, 0);                 // off the cells with no button down
  EXPECT_EQ(Notes(hList), "5:2 5:3 8:3 9:3 ");
  EXPECT_EQ(CWnd::GetCapture(), (CWnd*)NULL);
  p->DestroyWindow();
}

TEST_F(BitmapListTest, StripFromItsModuleShowsThePicturesAsLoadedWholeAndAHeldEndZoneRepeats) {
  ProbeList* p = Make(NULL, _ClrBoxInst, kWideStrip);
  p->Bar().SetPos(20);
  p->UpdateControl();
  Pixels shown = ReadClient(p->m_hWnd);
  // Past the shaded first cell, up to the border.
  EXPECT_TRUE(ShowsCell(shown, 30, kStripTop, BitmapPixels(_ClrBoxInst, kWideStrip), 50, 0, kWidth - 31, 30));

  // A held end zone repeats until it is let go.
  p->Bar().SetPos(0);
  POINT pt = {kWidth - 5, kHeight - 9};
  ClientToScreen(p->m_hWnd, &pt);
  InputMove(pt.x, pt.y);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return p->Bar().GetPos() >= 50; }, 5000));
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  PumpUntil([] { return (GetKeyState(VK_LBUTTON) & 0x8000) == 0; }, 2000);
  const int nReleasedAt = p->Bar().GetPos();
  EXPECT_FALSE(PumpUntil([&] { return p->Bar().GetPos() != nReleasedAt; }, 400));
  p->DestroyWindow();
}

TEST_F(BitmapListTest, MissingStripsPaintAnEmptyListAndLeakNothingAndFailuresDeleteTheObject) {
  struct NoStrip : CListBitmapSource {
    HBITMAP GetBitmap(HDC) override { return NULL; }
    void ReleaseBitmap(HBITMAP) override { ADD_FAILURE() << "nothing was given"; }
  } none;
  GdiTracker tracker({"Ostrel.dll", "afx.dll"});
  for (CListBitmapSource* pSource : {(CListBitmapSource*)&none, (CListBitmapSource*)NULL}) {
    m_deleted = false;
    ProbeList* p = Make(pSource, _ClrBoxInst, 4242);  // no bitmap 4242 either
    SendMouse(p->m_hWnd, WM_MOUSEMOVE, 100, 10);
    SendMouse(p->m_hWnd, WM_LBUTTONDOWN, 100, 10, MK_LBUTTON);
    SendMouse(p->m_hWnd, WM_LBUTTONDOWN, 5, kHeight - 9, MK_LBUTTON);
    EXPECT_EQ(p->Bar().GetRange(), 0);
    EXPECT_EQ(ReadClient(p->m_hWnd).At(100, 10), kWhite);
    p->DestroyWindow();
    EXPECT_TRUE(m_deleted);  // the object went with its window
  }
  EXPECT_EQ(tracker.Outstanding(), 0);
  m_deleted = false;  // a failed creation deletes the object too
  ProbeList* p = new ProbeList(&m_deleted);
  EXPECT_FALSE(p->CreateEx(0, "NoSuchListClass", "", WS_CHILD, CRect(0, 0, 50, 50), &m_parent, 8));
  EXPECT_TRUE(m_deleted);
}

}  // namespace
