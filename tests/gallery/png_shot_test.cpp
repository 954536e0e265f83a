// A window's client area saved as PNG: same size and pixels as on screen, no GDI object or DC left
// behind, and a clear error without a stray file when it cannot be saved.
#include <gtest/gtest.h>
#include "GdiTracker.h"
#include "Pixels.h"
#include "PictureFile.h"
#include "PngShot.h"
#include "TempDir.h"
#include "TestApp.h"

using namespace ostrel_test;

TEST(PngShot, SavesTheClientAreaAsItIsOnScreenOrGivesAnErrorAndNoFile) {
  CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
  CWnd wnd;
  const char* cls = AfxRegisterWndClass(0, NULL, ::GetSysColorBrush(COLOR_WINDOW));
  ASSERT_TRUE(wnd.CreateEx(WS_EX_TOPMOST, cls, "shot", WS_POPUP | WS_VISIBLE, 20, 30, 123, 45, NULL, NULL));
  // A mark that must come out where it is on screen.
  CDC* pDC = wnd.GetDC();
  pDC->FillSolidRect(10, 5, 7, 3, RGB(0, 128, 255));
  wnd.ReleaseDC(pDC);
  TempDir dir;
  std::string error;
  {
    GdiTracker tracker({"gallery_tests.exe"});
    ASSERT_TRUE(tracker.Patched());
    ASSERT_TRUE(SaveClientPng(wnd.m_hWnd, dir.File("w.png"), error)) << error;
    EXPECT_EQ(0, tracker.Outstanding());
    EXPECT_EQ(0, tracker.DCsHeld());
  }
  Picture pic;
  ASSERT_TRUE(Decode(dir.File("w.png"), pic));
  ASSERT_EQ(123u, pic.width);
  ASSERT_EQ(45u, pic.height);
  Pixels screen = ReadClient(wnd.m_hWnd);
  EXPECT_EQ(0x0080FFu, pic.bits[5 * 123 + 10] & 0xFFFFFF);
  for (DWORD& px : pic.bits) px &= 0xFFFFFF;
  EXPECT_TRUE(pic.bits == screen.Bits()) << "the picture differs from the screen";

  const std::string path = dir.File("missing\\w.png");
  EXPECT_FALSE(SaveClientPng(wnd.m_hWnd, path, error));
  EXPECT_NE(std::string::npos, error.find(path)) << error;
  // A window that is gone has no pixels to save, and no file is begun for it.
  EXPECT_FALSE(SaveClientPng(NULL, dir.File("none.png"), error));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(dir.File("none.png").c_str()));
  wnd.DestroyWindow();
  CoUninitialize();
}
