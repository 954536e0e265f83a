// Renderer throughput as a ratio to GradientFill on the same 24-bit DIB section, and its time
// against a memset of the same bytes. Prints one line per direction; above 1.0 means the renderer
// is faster than GradientFill.
#include <windows.h>
#include <functional>
#include "../BenchClock.h"
#include "../BenchReport.h"

#include <cstdio>
#include <cstring>

#include "gradient_core.h"
#include "qsComm.h"
#include "t32Base.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

// Seconds per fill: eight fills a round, the best round.
double Time(const std::function<void()>& fill) {
  return BestSeconds([&] {
           for (int i = 0; i < 8; ++i) fill();
         }) /
         8;
}

TRIVERTEX Vertex(int x, int y, COLORREF c) {
  TRIVERTEX v = {x, y, COLOR16(GetRValue(c) << 8), COLOR16(GetGValue(c) << 8), COLOR16(GetBValue(c) << 8), 0};
  return v;
}

COLORREF Mid(COLORREF a, COLORREF b) {
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

// GradientFill of the same direction over the whole DIB.
void GdiFill(HDC hdc, int nDir, COLORREF from, COLORREF to) {
  if (nDir < 2) {
    TRIVERTEX v[2] = {Vertex(0, 0, from), Vertex(kWidth, kHeight, to)};
    GRADIENT_RECT r = {0, 1};
    GradientFill(hdc, v, 2, &r, 1, nDir == 0 ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
  } else {
    TRIVERTEX v[4] = {Vertex(0, 0, from), Vertex(kWidth, 0, Mid(from, to)), Vertex(kWidth, kHeight, to),
                      Vertex(0, kHeight, Mid(from, to))};
    GRADIENT_TRIANGLE t[2] = {{0, 1, 2}, {0, 2, 3}};
    GradientFill(hdc, v, 4, t, 2, GRADIENT_FILL_TRIANGLE);
  }
}

GFILL_OPTION Record(int nDir, COLORREF from, COLORREF to) {
  GFILL_OPTION o = {};
  GFillSetDefaultParams(&o);
  o.clrStart = from;
  o.clrEnd = to;
  const POINT lines[3][2] = {
      {{kWidth / 2, 0}, {kWidth / 2, kHeight}}, {{0, kHeight / 2}, {kWidth, kHeight / 2}}, {{0, 0}, {kWidth, kHeight}}};
  o.ptStart = lines[nDir][0];
  o.ptEnd = lines[nDir][1];
  return o;
}

}  // namespace

int main() {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = kWidth;
  bi.bmiHeader.biHeight = -kHeight;  // top-down rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* pBits = nullptr;
  HDC hdc = CreateCompatibleDC(nullptr);
  HBITMAP hDib = CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
  HANDLE hBuf = nullptr;
  if (!hdc || !hDib || !pBits || !buf32Alloc(&hBuf, 24, kWidth, kHeight, 0, nullptr)) {
    std::printf("bench_gradient: cannot make the %dx%d surfaces\n", kWidth, kHeight);
    return 1;
  }
  HGDIOBJ hOld = SelectObject(hdc, hDib);
  const long pitch = ((kWidth * 3) + 3) & ~3L;
  const COLORREF from = RGB(20, 120, 240), to = RGB(250, 200, 10);
  const char* names[3] = {"vertical", "horizontal", "diagonal"};

  const double tMemset = Time([&] { std::memset(pBits, 0x5A, size_t(pitch) * kHeight); });
  std::printf("gradient fill of %dx%d, 24 bits: speed relative to GradientFill (>1 = faster)\n", kWidth, kHeight);
  std::printf("%-11s %12s %14s %22s %16s\n", "direction", "GDI Mpx/s", "into the DIB", "into a t32Base buffer",
              "x memset time");
  for (int nDir = 0; nDir < 3; ++nDir) {
    GFILL_OPTION o = Record(nDir, from, to);
    const double tGdi = Time([&] {
      GdiFill(hdc, nDir, from, to);
      GdiFlush();
    });
    const double tDib = Time([&] {
      qs::GradientPlan plan;
      qs::PlanGradient(o, kWidth, kHeight, qs::ByteOrder::Bgr, &plan);
      qs::RenderRows(plan, static_cast<unsigned char*>(pBits), pitch);
    });
    const double tBuf = Time([&] { GFillToBuf(hBuf, &o, nullptr); });
    const double mpx = double(kWidth) * kHeight / 1e6;
    std::printf("%-11s %12.1f %13.2fx %21.2fx %15.2fx\n", names[nDir], mpx / tGdi, tGdi / tDib, tGdi / tBuf,
                tDib / tMemset);
    char what[96];
    std::snprintf(what, sizeof what, "gradient %s 1024x768x24, speed vs GradientFill", names[nDir]);
    if (nDir < 2) {
      PrintTarget(what, "%.2f x", tGdi / tDib, ">= 1.0 x", tGdi / tDib >= 1.0);
      std::snprintf(what, sizeof what, "gradient %s 1024x768x24, time vs memset", names[nDir]);
      PrintTarget(what, "%.2f x", tDib / tMemset, "<= 1.5 x", tDib / tMemset <= 1.5);
    } else {
      PrintTarget(what, "%.2f x", tGdi / tDib, ">= 5 x", tGdi / tDib >= 5.0);
    }
  }
  buf32Free(hBuf);
  SelectObject(hdc, hOld);
  DeleteObject(hDib);
  DeleteDC(hdc);
  return 0;
}
