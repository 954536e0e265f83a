// A SimplePCB "doing" report whose percentage is already drawn does the model's arithmetic and one
// Escape poll and draws nothing. Its time per call is printed as a ratio to a bare
// GetAsyncKeyState(VK_ESCAPE) measured in the same run (best of several rounds).
#include <Ostrel.h>
#include "../BenchClock.h"
#include "../BenchHost.h"
#include "../BenchReport.h"
#include <cstdio>
#include <functional>
#include <string>

namespace {

const int kCalls = 200000, kRounds = 5;

}  // namespace

int main() {
  StartBenchHost();

  CWnd panel;
  if (!panel.CreateEx(0, AfxRegisterWndClass(0), "bench_progress", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 120,
                      NULL, NULL)) {
    fprintf(stderr, "bench_progress: no panel\n");
    return 1;
  }
  CProgress bar;
  CRect rc(0, 0, 222, 60);
  if (!bar.Create(1, rc, &panel)) {
    fprintf(stderr, "bench_progress: no bar (is ButtonBmp.dll beside the executable?)\n");
    return 1;
  }
  bar.ResizeProgress(rc);
  CProgress::SimplePCB(1, 0, 0, NULL);
  CProgress::SimplePCB(2, 50, 0, NULL);  // drawn once; every later 50 changes nothing

  volatile SHORT sink = 0;
  double poll = BestSeconds([&] {
    for (int i = 0; i < kCalls; ++i) sink = sink + GetAsyncKeyState(VK_ESCAPE);
  });
  int nStopped = 0;
  double report = BestSeconds([&] {
    for (int i = 0; i < kCalls; ++i) nStopped += CProgress::SimplePCB(2, 50, 0, NULL) == 0;
  });
  PrintTarget("progress report that changes nothing, vs an Escape-key poll", "%.2f x", report / poll, "<= 1.5 x",
              report / poll <= 1.5);
  bar.ResetAll();
  printf("GetAsyncKeyState(VK_ESCAPE)      %8.1f ns per call\n", poll / kCalls * 1e9);
  printf("SimplePCB doing, nothing to draw %8.1f ns per call, %.2f x the key poll%s\n", report / kCalls * 1e9,
         report / poll, nStopped ? " (some reports stopped: Escape was pressed)" : "");
  bar.DestroyWindow();
  panel.DestroyWindow();
  return 0;
}
