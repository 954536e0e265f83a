#include "t32Comm.h"
#include <mutex>

namespace {
std::mutex g_lock;
int g_last[6];
int g_count;
}  // namespace

T32COMM_API int T32API c32SetDLLErrInfo(int n1, int n2, int n3, int n4, int n5, int n6) {
  std::lock_guard<std::mutex> g(g_lock);
  const int report[6] = {n1, n2, n3, n4, n5, n6};
  for (int i = 0; i < 6; ++i) g_last[i] = report[i];
  ++g_count;
  return 1;
}

T32COMM_API int T32API c32GetDLLErrInfo(int* pInfo) {
  std::lock_guard<std::mutex> g(g_lock);
  if (pInfo && g_count)
    for (int i = 0; i < 6; ++i) pInfo[i] = g_last[i];
  return g_count;
}
