// Timing for the benchmarks: the best of several rounds, in seconds. Benchmarks report ratios to a
// reference timed the same way in the same run, never absolute times.
#pragma once
#include <windows.h>
#include <functional>

inline double BestSeconds(const std::function<void()>& work, int rounds = 5) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  double best = 1e30;
  for (int i = 0; i < rounds; ++i) {
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    double s = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    if (s < best) best = s;
  }
  return best;
}
