// Timing for the benchmarks: the best of several rounds, in seconds. Benchmarks report ratios to a
// reference timed the same way in the same run, never absolute times.
#pragma once
#include <windows.h>
#include <algorithm>
#include <functional>
#include <vector>

inline double Seconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// The best round of each piece of work, the pieces taking turns round by round, so that a burst of
// load on a shared machine falls on all of them alike.
inline std::vector<double> BestSecondsInTurn(const std::vector<std::function<void()>>& works, int rounds = 9) {
  std::vector<double> best(works.size(), 1e30);
  for (int i = 0; i < rounds; ++i)
    for (size_t k = 0; k < works.size(); ++k) best[k] = (std::min)(best[k], Seconds(works[k]));
  return best;
}

inline double BestSeconds(const std::function<void()>& work, int rounds = 5) {
  double best = 1e30;
  for (int i = 0; i < rounds; ++i) best = (std::min)(best, Seconds(work));
  return best;
}
