// One row of the closing table of scripts/bench.sh: what was measured, the figure, its target and
// whether the target is met. The script collects the lines that start with "target|".
#pragma once
#include <cstdio>

inline void PrintTarget(const char* what, const char* figureFormat, double figure, const char* target, bool met) {
  std::printf("target|%s|", what);
  std::printf(figureFormat, figure);
  std::printf("|%s|%s\n", target, met ? "met" : "not met");
}
