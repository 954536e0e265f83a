// Colour dialog, window placement, path splitting and bitmap conversion.
#include <gtest/gtest.h>
#include "ModalDriver.h"
#include "image_files.h"
#include "t32Base.h"
#include "t32Comm.h"
#include "t32Cvt.h"
#include <string>

using ostrel_test::ModalDriver;

namespace {

const int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708;  // the colour dialog's own ids

TEST(ChooseColor, OkWritesTheDialogsColourCancelKeepsIt) {
  unsigned long colour = RGB(200, 100, 50);
  for (int nButton : {IDOK, IDCANCEL}) {
    ModalDriver driver(ModalDriver::ClassIs("#32770"), [nButton](HWND dlg) {
      EXPECT_EQ(nButton == IDOK ? 200u : 10u, GetDlgItemInt(dlg, kRedEdit, nullptr, FALSE));
      for (int id : {kRedEdit, kGreenEdit, kBlueEdit})
        SetDlgItemInt(dlg, id, nButton == IDOK ? (id - kRedEdit + 1) * 10 : 99, FALSE);
      PostMessageA(dlg, WM_COMMAND, nButton, 0);
    });
    const int r = t32ChooseColorEx(nullptr, &colour, 3, 0);
    ASSERT_TRUE(driver.Acted() && !driver.TimedOut());
    EXPECT_EQ(nButton == IDOK ? 1 : 0, r);
    EXPECT_EQ(RGB(10, 20, 30), colour);
  }
  EXPECT_EQ(0, t32ChooseColorEx(nullptr, nullptr, 3, 0));
  EXPECT_EQ(0, t32ChooseColorEx(nullptr, &colour, 3, 1));
}

TEST(MoveWindow, BringsAWindowIntoTheWorkArea) {
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, area.left - 80, area.bottom - 30, 200, 100, nullptr, nullptr,
                           nullptr, nullptr);
  ASSERT_NE(nullptr, w);
  EXPECT_EQ(1, t32MoveWindow(w, -1, 1));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(area.left, r.left);
  EXPECT_EQ(area.bottom, r.bottom);  // moved just enough
  EXPECT_EQ(200, r.right - r.left);

  DestroyWindow(w);
  EXPECT_EQ(0, t32MoveWindow(w, -1, 1));
}

TEST(SplitPath, NameAndFolder) {
  struct {
    const char *path, *name, *folder;
  } cases[] = {
      {"C:\\Photos\\2002\\img.jpg", "img.jpg", "C:\\Photos\\2002\\"},
      {"img.jpg", "img.jpg", ""},
      {"D:/mixed\\seps/file", "file", "D:/mixed\\seps/"},
  };
  for (const auto& c : cases) {
    char name[MAX_PATH] = "x", folder[MAX_PATH] = "x";
    ASSERT_EQ(1, tfdSplitPathname(c.path, name, folder)) << c.path;
    EXPECT_STREQ(c.name, name) << c.path;
    EXPECT_STREQ(c.folder, folder) << c.path;
  }
  char name[MAX_PATH];
  EXPECT_EQ(1, tfdSplitPathname("a\\b", name, nullptr));  // the name alone
  EXPECT_STREQ("b", name);
  EXPECT_EQ(0, tfdSplitPathname(nullptr, name, nullptr));
  EXPECT_EQ(0, tfdSplitPathname(std::string(MAX_PATH, 'a').c_str(), name, nullptr));
}

TEST(DdbToBuf, BitmapPixelsArriveAsRgb) {
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 5, 3);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bmp);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) SetPixel(dc, x, y, RGB(x * 50, y * 100, 7));
  SelectObject(dc, old);
  DeleteDC(dc);

  HANDLE buf = nullptr;
  ASSERT_EQ(1, cvt32DDBToBuf(bmp, &buf, nullptr));
  BYTE px[5 * 3 * 3];
  ASSERT_TRUE(buf32GetMem(buf, 0, 0, 5, 3, px));
  for (int i = 0; i < 15; ++i) EXPECT_EQ(RGB(i % 5 * 50, i / 5 * 100, 7), RGB(px[i * 3], px[i * 3 + 1], px[i * 3 + 2]));
  buf32Free(buf);

  const COLORREF grey[2] = {RGB(0, 0, 0), RGB(255, 255, 255)};
  HPALETTE pal = MakePalette(grey, 2);
  ASSERT_EQ(1, cvt32DDBToBuf(bmp, &buf, pal));  // as list boxes pass it on palette screens
  buf32Free(buf);

  HANDLE none = nullptr;
  EXPECT_EQ(0, cvt32DDBToBuf(nullptr, &none, nullptr));
  EXPECT_EQ(nullptr, none);
  DeleteObject(pal);
  DeleteObject(bmp);
}

}  // namespace
