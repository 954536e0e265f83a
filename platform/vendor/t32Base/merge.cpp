// i32Merge: blends two pixel planes through an 8-bit mask.
#include "t32Base.h"

namespace {

inline BYTE Mix(BYTE a, BYTE b, unsigned w) { return BYTE((a * (255u - w) + b * w + 127u) / 255u); }

}  // namespace

T32BASE_API int T32API i32Merge(void* pDst, const void* pA, const BYTE* pMask, const void* pB, int nBytesPerPixel,
                                int nPixels, int nMode, int nLevel) {
  if (!pDst || !pA || !pMask || !pB || nPixels < 0 || nMode != I32MERGE_MASK) return 0;
  if (nBytesPerPixel != 1 && nBytesPerPixel != 3 && nBytesPerPixel != 4) return 0;
  if (nLevel < 0 || nLevel > 255) return 0;
  BYTE* dst = static_cast<BYTE*>(pDst);
  const BYTE* a = static_cast<const BYTE*>(pA);
  const BYTE* b = static_cast<const BYTE*>(pB);
  for (int i = 0; i < nPixels; ++i) {
    unsigned w = pMask[i];
    if (nLevel) w = w * (255u - unsigned(nLevel)) / 255u;
    if (nBytesPerPixel == 1) {
      dst[i] = w >= 128 ? b[i] : a[i];
      continue;
    }
    for (int c = 0; c < nBytesPerPixel; ++c) {
      size_t k = size_t(i) * nBytesPerPixel + c;
      dst[k] = Mix(a[k], b[k], w);
    }
  }
  return 1;
}
