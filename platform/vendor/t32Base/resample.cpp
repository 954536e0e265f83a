// t32BufferResample: area average when shrinking, bilinear when enlarging;
// nearest pixel for palette depths.
#include "buffer_store.h"
#include "pixel_rows.h"
#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

using namespace t32;

namespace {

// Source taps of one output position along one axis.
struct Taps {
  int first = 0;
  std::vector<float> weights;  // sum to 1
};

std::vector<Taps> AxisTaps(int src, int dst) {
  std::vector<Taps> taps(dst);
  double scale = double(src) / dst;
  for (int i = 0; i < dst; ++i) {
    Taps& t = taps[i];
    if (scale > 1.0) {
      // Box of the output pixel's footprint, partial pixels weighted by overlap.
      double lo = i * scale, hi = lo + scale;
      t.first = int(lo);
      for (int s = t.first; s < src && s < hi; ++s) {
        double overlap = std::min<double>(s + 1, hi) - std::max<double>(s, lo);
        t.weights.push_back(float(overlap / scale));
      }
    } else {
      double c = (i + 0.5) * scale - 0.5;
      c = std::clamp(c, 0.0, double(src - 1));
      t.first = std::min(int(c), src - 1);
      float f = float(c - t.first);
      t.weights.push_back(1.0f - f);
      if (t.first + 1 < src) t.weights.push_back(f);
    }
  }
  return taps;
}

bool ResampleColour(const Buffer* src, Buffer* dst) {
  int bpp = src->bits / 8;
  int sw = src->width, sh = src->height, dw = dst->width, dh = dst->height;
  std::vector<BYTE> in(size_t(sw) * sh * bpp), out(size_t(dw) * dh * bpp);
  std::vector<float> mid(size_t(dw) * sh * bpp);
  buf32GetMem((HANDLE)src, 0, 0, sw, sh, in.data());
  std::vector<Taps> tx = AxisTaps(sw, dw), ty = AxisTaps(sh, dh);
  for (int y = 0; y < sh; ++y) {
    const BYTE* row = &in[size_t(y) * sw * bpp];
    float* m = &mid[size_t(y) * dw * bpp];
    for (int x = 0; x < dw; ++x)
      for (int c = 0; c < bpp; ++c) {
        float acc = 0;
        for (size_t k = 0; k < tx[x].weights.size(); ++k)
          acc += tx[x].weights[k] * row[size_t(tx[x].first + int(k)) * bpp + c];
        m[size_t(x) * bpp + c] = acc;
      }
  }
  for (int y = 0; y < dh; ++y)
    for (int x = 0; x < dw; ++x)
      for (int c = 0; c < bpp; ++c) {
        float acc = 0;
        for (size_t k = 0; k < ty[y].weights.size(); ++k)
          acc += ty[y].weights[k] * mid[(size_t(ty[y].first + int(k)) * dw + x) * bpp + c];
        out[(size_t(y) * dw + x) * bpp + c] = BYTE(std::clamp(std::lround(acc), 0L, 255L));
      }
  buf32MergeMem((HANDLE)dst, 0, 0, dw, dh, out.data());
  return true;
}

bool ResampleIndexed(const Buffer* src, Buffer* dst) {
  int bits = src->bits;
  std::vector<BYTE> in(size_t(src->rowBytes()) * src->height), line(size_t(dst->rowBytes()));
  buf32GetMem((HANDLE)src, 0, 0, src->width, src->height, in.data());
  for (int y = 0; y < dst->height; ++y) {
    int sy = int((int64_t(y) * 2 + 1) * src->height / (int64_t(dst->height) * 2));
    const BYTE* row = &in[size_t(sy) * src->rowBytes()];
    for (int x = 0; x < dst->width; ++x) {
      int sx = int((int64_t(x) * 2 + 1) * src->width / (int64_t(dst->width) * 2));
      FillPixels(line.data(), x, 1, bits, GetPixelValue(row, sx, bits));
    }
    buf32Line((HANDLE)dst, y, BUF32_LINE_PACKED, line.data());
  }
  return true;
}

}  // namespace

T32BASE_API int T32API t32BufferResample(int nWidth, int nHeight, HANDLE hSrc, HANDLE* phOut, int nOption) {
  Buffer* src = Lookup(hSrc);
  if (!src || !phOut || nOption != 0) return 0;
  Buffer* dst = CreateBuffer(src->bits, nWidth, nHeight, 0);
  if (!dst) return 0;
  try {
    if (src->bits >= 24)
      ResampleColour(src, dst);
    else
      ResampleIndexed(src, dst);
  } catch (const std::bad_alloc&) {
    DestroyBuffer(dst);
    return 0;
  }
  *phOut = dst;
  return 1;
}
