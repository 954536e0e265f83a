#include <Ostrel.h>
#include <gtest/gtest.h>
#include <t32File.h>
#include <map>
#include "ImportPatch.h"
#include "ModalDriver.h"

using namespace ostrel_test;

namespace {

HGLOBAL Record(const char* pszName, int nFileSize, int nColourType = TF_COLOR_TRUE) {
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(TFFILEDATA));
  TFFILEDATA* p = (TFFILEDATA*)::GlobalLock(h);
  p->nFormat = TF_FORMAT_JPEG;
  lstrcpynA(p->szName, pszName, sizeof p->szName);
  p->nFileSize = nFileSize;
  p->nBitsPerPixel = 24;
  p->nWidth = 640;
  p->nHeight = 480;
  p->nXResolution = p->nYResolution = 720000;
  p->nColorType = nColourType;
  ::GlobalUnlock(h);
  return h;
}

// Item id to text ("-" before a disabled one's), 2351: the unit combo's "count/selection", 1906: a picture.
typedef std::map<int, std::string> Shown;

Shown RunDialog(HGLOBAL hRecord, int bNewDoc = 0) {
  Shown shown;
  ModalDriver driver(ModalDriver::DialogTitled("Image Information"), [&](HWND hDlg) {
    for (int id : {2391, 2392, 2393, 2394, 2395, 2398, 2400, 2402, 2368}) {
      char sz[128] = "";
      ::GetDlgItemTextA(hDlg, id, sz, sizeof sz);
      shown[id] = (::IsWindowEnabled(::GetDlgItem(hDlg, id)) ? "" : "-") + std::string(sz);
    }
    shown[2351] = std::to_string(::SendDlgItemMessageA(hDlg, 2351, CB_GETCOUNT, 0, 0)) + "/" +
                  std::to_string(::SendDlgItemMessageA(hDlg, 2351, CB_GETCURSEL, 0, 0));
    shown[1906] = ::SendDlgItemMessageA(hDlg, 1906, STM_GETIMAGE, IMAGE_BITMAP, 0) ? "picture" : "";
    PressButton(hDlg, IDOK);
  });
  CImageInfoDlg dlg(hRecord);
  dlg.IsPrjNewDoc(bNewDoc);
  dlg.DoModal();
  EXPECT_TRUE(driver.Acted() && !driver.TimedOut());
  return shown;
}

}  // namespace

TEST(ImageInfoDlg, FileSizesFromOneHundredKilobytesOnAreShownInKilobytes) {
  HGLOBAL hRecord = Record("C:\\Photos\\Sunset.JPG", 102400);
  HGLOBAL hFormat = tfFileGetFormatInfo(TF_FORMAT_JPEG);
  const std::string format = ((TFFORMATINFO*)::GlobalLock(hFormat))->szName;
  ::GlobalFree(hFormat);
  // 921,600 bytes of pixels; of the three units offered, pixels are chosen.
  EXPECT_EQ((Shown{{1906, "picture"},
                   {2351, "3/2"},
                   {2368, "Advanced..."},
                   {2391, "True colour, 24 bits"},
                   {2392, "640"},
                   {2393, "480"},
                   {2394, "72 dots per inch"},
                   {2395, "900 KB"},
                   {2398, "c:\\photos\\sunset.jpg"},
                   {2400, format},
                   {2402, "100 KB"}}),
            RunDialog(hRecord));
  ::GlobalFree(hRecord);
  hRecord = Record("C:\\Photos\\small.jpg", 100005);  // below 100 KB: in bytes, groups of three
  EXPECT_EQ("100,005 bytes", RunDialog(hRecord)[2402]);
  ::GlobalFree(hRecord);
}

static HMODULE WINAPI NoLibrary(LPCSTR) { return NULL; }

TEST(ImageInfoDlg, ProjectFilesAndImagesWithoutAFileShowTheirUnitsAndWithoutFennorTheTemplate) {
  HGLOBAL hRecord = Record("photo.TPX", 5000, 0x40000);
  Shown shown = RunDialog(hRecord);
  EXPECT_EQ("2/0", shown[2351]);  // inches only
  EXPECT_EQ("8.89", shown[2392]);
  EXPECT_EQ("Unknown colour type", shown[2391]);
  EXPECT_EQ("", shown[1906]);
  ::GlobalFree(hRecord);

  hRecord = Record("", 0);
  shown = RunDialog(hRecord, TRUE);
  EXPECT_EQ("2/0", shown[2351]);
  EXPECT_EQ("-", shown[2398]);  // the file group is disabled
  EXPECT_EQ("-", shown[2402]);
  EXPECT_EQ("-Advanced...", shown[2368]);
  ::GlobalFree(hRecord);

  // Without a record or Fennor.dll the template shows untouched.
  hRecord = Record("a.b.tpx", 1000);
  {
    ImportPatch noFennor("Ostrel.dll", "LoadLibraryA", (void*)NoLibrary);
    ASSERT_TRUE(noFennor.Applied());
    Shown shown = RunDialog(hRecord);
    EXPECT_EQ("Colour type", shown[2391]);
    EXPECT_EQ("0/-1", shown[2351]);
  }
  EXPECT_EQ("3/2", RunDialog(hRecord)[2351]);  // "b.tpx" is not "tpx"
  ::GlobalFree(hRecord);
  EXPECT_EQ("Colour type", RunDialog(NULL)[2391]);
  EXPECT_EQ("Colour type", RunDialog((HGLOBAL)0x4321)[2391]);
}
