// Copies a 4096 x 4096 24-bit image out of and back into a t32Base buffer, and
// shows it once through a display pass; each time is printed as a ratio to
// memcpy of the same 48 MB, measured in the same run (best of several rounds).
#include "t32Base.h"
#include "../BenchClock.h"
#include "../BenchReport.h"
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

const int kSide = 4096;
const size_t kBytes = size_t(kSide) * kSide * 3;

}  // namespace

int main() {
  std::vector<BYTE> block(kBytes), copy(kBytes);
  for (size_t i = 0; i < kBytes; ++i) block[i] = BYTE(i * 31 + (i >> 12));
  HANDLE buf = nullptr;
  if (!buf32Alloc(&buf, 24, kSide, kSide, BUF32_ALLOC_ZERO, nullptr)) {
    fprintf(stderr, "bench_image: no buffer\n");
    return 1;
  }
  buf32MergeMem(buf, 0, 0, kSide, kSide, block.data());

  // Target of the display pass: a 32-bit DIB section of the same size.
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) {
    fprintf(stderr, "bench_image: no DIB section\n");
    return 1;
  }
  HGDIOBJ old = SelectObject(dc, dib);

  auto copyOut = [&] { memcpy(copy.data(), block.data(), kBytes); };
  auto getMerge = [&] {
    buf32GetMem(buf, 0, 0, kSide, kSide, copy.data());
    buf32MergeMem(buf, 0, 0, kSide, kSide, copy.data());
  };
  auto show = [&] {
    HANDLE pass = nullptr;
    RECT rc = {0, 0, kSide, kSide};
    if (disp32ShowInit(&pass, dc, 24, rc, nullptr, DISP32_FIT_NONE, 0)) {
      disp32ShowData(pass, copy.data(), 0, 0, kSide, kSide * 3);
      disp32ShowEnd(pass);
    }
    GdiFlush();
  };
  const std::vector<double> t = BestSecondsInTurn({copyOut, getMerge, show});
  const double mem = t[0], tGetMerge = t[1], display = t[2];
  printf("4096 x 4096 x 24 bits (%zu bytes); memcpy %.2f ms\n", kBytes, mem * 1000);
  printf("buf32GetMem + buf32MergeMem : %6.2f x memcpy\n", tGetMerge / mem);
  printf("display pass                : %6.2f x memcpy\n", display / mem);
  PrintTarget("buf32GetMem + buf32MergeMem 4096x4096x24, time vs memcpy", "%.2f x", tGetMerge / mem, "<= 2 x",
              tGetMerge / mem <= 2.0);

  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
  buf32Free(buf);
  return 0;
}
