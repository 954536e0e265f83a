// Removing the excluded character must stay linear in the text's length. For texts of 6 KB, 60 KB
// and 200 KB with the excluded character at every tenth place, prints the time of one CExString
// assignment as a ratio to a plain CString assignment of the same text (best of several rounds):
// a linear removal keeps the ratio flat as the text grows.
#include <Ostrel.h>
#include "../BenchClock.h"
#include <cstdio>
#include <string>

int main() {
  for (int nBytes : {6 * 1024, 60 * 1024, 200 * 1024}) {
    std::string text(nBytes, 'a');
    for (int i = 9; i < nBytes; i += 10) text[i] = '&';
    CString plain;
    CExString ex;
    ex.Exclude('&');
    const double tPlain = BestSeconds([&] { plain = text.c_str(); }, 9);
    const double tEx = BestSeconds([&] { ex = text.c_str(); }, 3);
    if (ex.GetLength() != nBytes - nBytes / 10) {
      fprintf(stderr, "bench_exstring: wrong length %d\n", ex.GetLength());
      return 1;
    }
    printf("CExString assignment, %3d KB, every tenth byte excluded: %8.1f x a CString assignment (%.3f ms)\n",
           nBytes / 1024, tEx / tPlain, tEx * 1000);
  }
  return 0;
}
