// Scrolling a 1,000-cell bitmap strip and a 1,000-line text list through their own bars: every press
// on an end zone repaints the list. Paints per second are set against the same-run repaint of a
// standard list box of the same size (best of several rounds each).
#include <Ostrel.h>
#include "../BenchClock.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kCells = 1000, kCell = 30, kLines = 1000, kPaints = 40;
const int kWidth = 240, kStripHeight = 52, kTextHeight = 7 * CTextList::ROW_HEIGHT;
const UINT kStripID = 1;

// A 30,000 x 30 strip of dark discs of varying size on white, as a 24-bit packed DIB.
std::vector<BYTE> StripDib() {
  const int w = kCells * kCell, stride = w * 3;
  std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + (size_t)stride * kCell, 255);
  BITMAPINFOHEADER* pHeader = (BITMAPINFOHEADER*)dib.data();
  *pHeader = {sizeof(BITMAPINFOHEADER), w, kCell, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  BYTE* pBits = dib.data() + sizeof(BITMAPINFOHEADER);
  for (int x = 0; x < w; x++)
    for (int y = 0; y < kCell; y++) {
      const int dx = x % kCell - 15, dy = y - 15, r = 4 + (x / kCell) % 10;
      if (dx * dx + dy * dy <= r * r) pBits[y * stride + x * 3] = pBits[y * stride + x * 3 + 1] = 40;
    }
  return dib;
}

// A copy of this executable carrying the strip as bitmap 1, loaded as a resource module.
HINSTANCE LoadStripModule(std::string& path) {
  char szExe[MAX_PATH], szTemp[MAX_PATH];
  GetModuleFileNameA(NULL, szExe, MAX_PATH);
  GetTempPathA(MAX_PATH, szTemp);
  path = std::string(szTemp) + "bench_lists_strip.dll";
  if (!CopyFileA(szExe, path.c_str(), FALSE)) return NULL;
  std::vector<BYTE> dib = StripDib();
  HANDLE hUpdate = BeginUpdateResourceA(path.c_str(), FALSE);
  if (hUpdate == NULL) return NULL;
  UpdateResourceA(hUpdate, (LPCSTR)RT_BITMAP, MAKEINTRESOURCEA(kStripID), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                  dib.data(), (DWORD)dib.size());
  if (!EndUpdateResourceA(hUpdate, FALSE)) return NULL;
  return LoadLibraryExA(path.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
}

// Hands out one strip, made once, for every paint.
class CachedStrip : public CListBitmapSource {
 public:
  explicit CachedStrip(HINSTANCE hModule) : m_hStrip(LoadBitmapA(hModule, MAKEINTRESOURCEA(kStripID))) {}
  ~CachedStrip() { DeleteObject(m_hStrip); }
  HBITMAP GetBitmap(HDC) override { return m_hStrip; }
  void ReleaseBitmap(HBITMAP) override {}

 private:
  HBITMAP m_hStrip;
};

HWND MakeListBox(CWnd& host, int x, int y, int height, DWORD style) {
  HWND hWnd = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | style,
                              x, y, kWidth, height, host.m_hWnd, NULL, NULL, NULL);
  SendMessageA(hWnd, WM_SETREDRAW, FALSE, 0);  // filled with drawing off, as a host fills a long list
  for (int i = 0; i < kLines; i++) {
    char szLine[32];
    wsprintfA(szLine, "Layer %04d", i);
    SendMessageA(hWnd, LB_ADDSTRING, 0, (LPARAM)szLine);
  }
  SendMessageA(hWnd, WM_SETREDRAW, TRUE, 0);
  return hWnd;
}

// kPaints presses on the end zones of a list's bar, changing sides after every nPerSide presses.
double TimePresses(HWND hList, POINT first, POINT second, int nPerSide) {
  return BestSeconds([&] {
    for (int i = 0; i < kPaints; i++) {
      const POINT& pt = (i / nPerSide) % 2 == 0 ? second : first;
      SendMessageA(hList, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
      SendMessageA(hList, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
  });
}

double TimeRepaints(HWND hBox) {
  return BestSeconds([&] {
    for (int i = 0; i < kPaints; i++) {
      SendMessageA(hBox, LB_SETTOPINDEX, (WPARAM)(i * 7 % (kLines - 10)), 0);
      InvalidateRect(hBox, NULL, TRUE);
      UpdateWindow(hBox);
    }
  });
}

void Report(const char* pszWhat, double seconds, double reference) {
  printf("%-42s %8.0f paints/s   %5.2f x the list box's time\n", pszWhat, kPaints / seconds, seconds / reference);
}

}  // namespace

int main() {
  AfxWinInit(GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOW);
  std::string stripPath;
  HINSTANCE hStrip = LoadStripModule(stripPath);
  if (hStrip == NULL) {
    fprintf(stderr, "bench_lists: cannot make the strip module\n");
    return 1;
  }
  CWnd host;
  host.CreateEx(0, AfxRegisterWndClass(0), "bench_lists", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 560,
                320, NULL, NULL);

  HWND hStripBox = MakeListBox(host, 280, 10, kStripHeight, WS_VSCROLL);
  HWND hTextBox = MakeListBox(host, 280, 80, kTextHeight, WS_VSCROLL);
  CBitmapList* pStrip = new CBitmapList;  // deletes itself with its window
  pStrip->m_hInstance = hStrip;
  pStrip->m_nBitmapID = kStripID;
  pStrip->Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + kWidth, 10 + kStripHeight),
                 &host, 1);
  CTextList textList;
  textList.SubclassWindow(MakeListBox(host, 10, 80, kTextHeight, LBS_OWNERDRAWFIXED));

  const int yBar = kStripHeight - 9;
  const double tStripBox = TimeRepaints(hStripBox);
  const double tTextBox = TimeRepaints(hTextBox);
  const double tStrip = TimePresses(pStrip->m_hWnd, {5, yBar}, {kWidth - 5, yBar}, kPaints);
  CachedStrip cached(hStrip);
  pStrip->m_pBitmapSource = &cached;
  const double tCached = TimePresses(pStrip->m_hWnd, {5, yBar}, {kWidth - 5, yBar}, kPaints);
  pStrip->m_pBitmapSource = NULL;
  const double tText = TimePresses(textList.m_hWnd, {kWidth - 10, 4}, {kWidth - 10, kTextHeight - 4}, 1);

  printf("%d paints each; target: at least 60 paints/s and no more than 2 x the list box's time\n", kPaints);
  printf("%-42s %8.0f paints/s\n", "standard list box, 240 x 52", kPaints / tStripBox);
  printf("%-42s %8.0f paints/s\n", "standard list box, 240 x 112", kPaints / tTextBox);
  Report("bitmap list, 1,000 cells, from its module", tStrip, tStripBox);
  Report("bitmap list, 1,000 cells, from a source", tCached, tStripBox);
  Report("text list, 1,000 lines", tText, tTextBox);

  textList.DestroyWindow();
  host.DestroyWindow();
  FreeLibrary(hStrip);
  DeleteFileA(stripPath.c_str());
  return 0;
}
