// The patterns. Every one is a value 0..255 per pixel, turned into colour by the recipe's ramp.
// Noise lives on lattices whose cell counts divide the tile, and weaves count whole threads, so
// every picture wraps around at its edges.
#include "TexturePaint.h"
#include <stdint.h>
#include <string.h>
#include <algorithm>
#include <vector>

namespace {

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = seed ^ (x * 0x8DA6B343u) ^ (y * 0xD8163841u);
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

// Smoothstep of a 16-bit fraction.
int64_t Fade(int64_t f) { return (f * f * (3 * 65536 - 2 * f)) >> 32; }

int Lerp(int a, int b, int64_t f) { return a + (int)(((int64_t)(b - a) * f) >> 16); }

// 0 .. 254: up and down once over 0 .. 255.
int Tri(int p) {
  p &= 255;
  return p < 128 ? 2 * p : 2 * (255 - p);
}

int Clamp(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

uint32_t ISqrt(uint64_t n) {
  uint64_t r = 0, bit = 1ull << 62;
  while (bit > n) bit >>= 2;
  while (bit != 0) {
    if (n >= r + bit) {
      n -= r + bit;
      r = (r >> 1) + bit;
    } else {
      r >>= 1;
    }
    bit >>= 2;
  }
  return (uint32_t)r;
}

// A tile of w x h pixels laid over a lattice of cx x cy cells.
struct Lattice {
  int cx, cy;
  uint32_t seed;
  // Pixel to lattice position, 16.16 fixed point.
  int64_t U(int x, int w) const { return ((int64_t)x * cx << 16) / w; }
  int64_t V(int y, int h) const { return ((int64_t)y * cy << 16) / h; }
};

Lattice MakeLattice(int w, int h, int nCellW, int nCellH, uint32_t seed) {
  return {std::max(1, w / std::max(1, nCellW)), std::max(1, h / std::max(1, nCellH)), seed};
}

// Value noise 0..255 at a lattice position.
int Noise(const Lattice& l, int64_t u, int64_t v) {
  const int ix = (int)(u >> 16) % l.cx, iy = (int)(v >> 16) % l.cy;
  const int jx = (ix + 1) % l.cx, jy = (iy + 1) % l.cy;
  const int64_t fx = Fade(u & 0xFFFF), fy = Fade(v & 0xFFFF);
  const int a = Hash(ix, iy, l.seed) & 255, b = Hash(jx, iy, l.seed) & 255;
  const int c = Hash(ix, jy, l.seed) & 255, d = Hash(jx, jy, l.seed) & 255;
  return Lerp(Lerp(a, b, fx), Lerp(c, d, fx), fy);
}

// Octaves of noise, each with twice the cells and half the weight of the one before.
int Fbm(int x, int y, int w, int h, int nCellW, int nCellH, int nOctaves, uint32_t seed) {
  int64_t sum = 0, weight = 0;
  for (int o = 0; o < nOctaves; o++) {
    Lattice l = MakeLattice(w, h, nCellW, nCellH, seed + 0x9E3779B9u * o);
    l.cx <<= o;
    l.cy <<= o;
    const int nWeight = 256 >> o;
    sum += (int64_t)Noise(l, l.U(x, w), l.V(y, h)) * nWeight;
    weight += nWeight;
  }
  return (int)(sum / weight);
}

// Distances (1/256 cell) to the nearest and second nearest of one point per lattice cell, and
// the hash of the nearest cell.
struct Cells {
  int f1, f2;
  uint32_t nearest;
};

Cells Worley(const Lattice& l, int64_t u, int64_t v) {
  const int ix = (int)(u >> 16), iy = (int)(v >> 16);
  Cells c = {1 << 30, 1 << 30, 0};
  for (int dy = -1; dy <= 1; dy++) {
    for (int dx = -1; dx <= 1; dx++) {
      const int cx = ix + dx, cy = iy + dy;
      const uint32_t hash = Hash((cx + l.cx) % l.cx, (cy + l.cy) % l.cy, l.seed);
      const int64_t px = (int64_t)cx * 65536 + (hash & 0xFFFF), py = (int64_t)cy * 65536 + (hash >> 16);
      const int d = (int)ISqrt((uint64_t)((px - u) * (px - u) + (py - v) * (py - v)) >> 16);
      if (d < c.f1) {
        c.f2 = c.f1;
        c.f1 = d;
        c.nearest = hash;
      } else if (d < c.f2) {
        c.f2 = d;
      }
    }
  }
  return c;
}

// Brightness across one thread: full in the middle, dark at its edges.
int ThreadBump(int p) {
  const int d = p - 128;
  return Clamp(255 - d * d / 56);
}

// A weave of n threads each way; bTwill steps the crossing by one thread per row.
int Weave(const TXTUR_RECIPE& r, int x, int y, int w, int h, bool bTwill) {
  const int64_t tx = (int64_t)x * r.nStripes * 256 / w, ty = (int64_t)y * r.nStripes * 256 / h;
  const int ix = (int)(tx >> 8), iy = (int)(ty >> 8);
  const bool bWarpOnTop = bTwill ? ((ix + iy) & 3) < 2 : ((ix + iy) & 1) == 0;
  const int bump = bWarpOnTop ? ThreadBump((int)(tx & 255)) : ThreadBump((int)(ty & 255));
  const int tone = (int)(Hash(bWarpOnTop ? ix : iy, bWarpOnTop ? 1 : 2, r.dwSeed) & 31) - 16;
  const int fuzz = Fbm(x, y, w, h, r.nScale, r.nScale, r.nDetail, r.dwSeed) - 128;
  return Clamp(bump * 3 / 4 + 40 + tone + fuzz * r.nWarp / 256);
}

int Wood(const TXTUR_RECIPE& r, int x, int y, int w, int h) {
  const int n = Fbm(x, y, w, h, r.nScale, r.nScale, r.nDetail, r.dwSeed);
  const int ring = Tri(y * r.nStripes * 256 / h + (n - 128) * r.nWarp / 32);
  const Lattice grain = MakeLattice(w, h, 32, 2, r.dwSeed ^ 0x5A5A5A5Au);
  const int g = Noise(grain, grain.U(x, w), grain.V(y, h));
  return (ring * ring / 255 * 3 + g) / 4;
}

int Marble(const TXTUR_RECIPE& r, int x, int y, int w, int h) {
  const int n = Fbm(x, y, w, h, r.nScale, r.nScale, r.nDetail, r.dwSeed);
  const int v = Tri(x * r.nStripes * 256 / w + y * r.nStripes * 256 / h + (n - 128) * r.nWarp / 40);
  const int d = 255 - v;
  const int vein = 255 - d * d / 255 * d / 255;
  return (vein * 7 + n) / 8;
}

int Paper(const TXTUR_RECIPE& r, int x, int y, int w, int h) {
  const int n = Fbm(x, y, w, h, r.nScale, r.nScale, r.nDetail, r.dwSeed);
  const Lattice across = MakeLattice(w, h, r.nScale * 6, 1, r.dwSeed ^ 0x1234567u);
  const Lattice down = MakeLattice(w, h, 1, r.nScale * 6, r.dwSeed ^ 0x7654321u);
  const int fibres = (Noise(across, across.U(x, w), across.V(y, h)) + Noise(down, down.U(x, w), down.V(y, h))) / 2;
  return Clamp(160 + (n - 128) * 3 / 4 + (fibres - 128) * r.nWarp / 256);
}

int Brushed(const TXTUR_RECIPE& r, int x, int y, int w, int h) {
  // Cells as wide as the scale and one pixel high: streaks that run along x.
  int64_t sum = 0;
  for (int o = 0; o < r.nDetail; o++) {
    Lattice l = MakeLattice(w, h, std::max(1, r.nScale >> o), 1, r.dwSeed + 31u * o);
    sum += Noise(l, l.U(x, w), l.V(y, h));
  }
  const int streak = (int)(sum / r.nDetail);
  const int sheen = Tri(y * r.nStripes * 256 / h) - 127;
  return Clamp(streak + sheen * r.nWarp / 512);
}

int Stone(const TXTUR_RECIPE& r, int x, int y, int w, int h) {
  const Lattice l = MakeLattice(w, h, r.nScale, r.nScale, r.dwSeed);
  const Cells c = Worley(l, l.U(x, w), l.V(y, h));
  const int edge = std::min(255, (c.f2 - c.f1) * 4);
  const int dome = 255 - std::min(255, c.f1 * 255 / 320);
  const int tone = (int)(c.nearest >> 24) / 4 - 32;
  const int speckle = Fbm(x, y, w, h, std::max(1, r.nScale / 8), std::max(1, r.nScale / 8), r.nDetail, ~r.dwSeed);
  const int body = edge * (160 + dome * 95 / 255) / 255 + tone;
  return Clamp(body + (speckle - 128) * r.nWarp / 256);
}

int Leather(const TXTUR_RECIPE& r, int x, int y, int w, int h) {
  const Lattice l = MakeLattice(w, h, r.nScale, r.nScale, r.dwSeed);
  const Cells c = Worley(l, l.U(x, w), l.V(y, h));
  const int crease = std::min(255, (c.f2 - c.f1) * 6);
  const int n = Fbm(x, y, w, h, r.nScale * 4, r.nScale * 4, r.nDetail, ~r.dwSeed);
  return Clamp((crease * 3 + n) / 4 + (n - 128) * r.nWarp / 512);
}

int Value(const TXTUR_RECIPE& r, int x, int y, int w, int h) {
  switch (r.nPattern) {
    case TXPAT_WOOD:
      return Wood(r, x, y, w, h);
    case TXPAT_MARBLE:
      return Marble(r, x, y, w, h);
    case TXPAT_CANVAS:
      return Weave(r, x, y, w, h, false);
    case TXPAT_PAPER:
      return Paper(r, x, y, w, h);
    case TXPAT_BRUSHED:
      return Brushed(r, x, y, w, h);
    case TXPAT_STONE:
      return Stone(r, x, y, w, h);
    case TXPAT_FABRIC:
      return Weave(r, x, y, w, h, true);
    default:
      return Leather(r, x, y, w, h);
  }
}

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

bool TxAccepts(const TXTUR_HEADER& header, const void* pRecipe, int nLength) {
  if (header.dwMagic != TXTUR_HEADER_MAGIC || header.nVersion != 1 ||
      !InRange(header.nWidth, TXTUR_MIN_SIZE, TXTUR_MAX_SIZE) ||
      !InRange(header.nHeight, TXTUR_MIN_SIZE, TXTUR_MAX_SIZE))
    return false;
  if (pRecipe == NULL || nLength < TXTUR_RECIPE_SIZE(2) || nLength > (int)sizeof(TXTUR_RECIPE)) return false;
  TXTUR_RECIPE r;
  memcpy(&r, pRecipe, nLength);
  if (r.dwMagic != TXTUR_RECIPE_MAGIC || !InRange(r.nStops, 2, TXTUR_MAX_STOPS) ||
      nLength != TXTUR_RECIPE_SIZE(r.nStops))
    return false;
  if (!InRange(r.nPattern, TXPAT_WOOD, TXPAT_COUNT) || !InRange(r.nScale, 1, header.nWidth) ||
      !InRange(r.nDetail, 1, 6) || !InRange(r.nWarp, 0, 255) || !InRange(r.nStripes, 0, 64))
    return false;
  if (r.nPattern == TXPAT_CANVAS && (r.nStripes < 2 || r.nStripes % 2 != 0)) return false;
  if (r.nPattern == TXPAT_FABRIC && (r.nStripes < 4 || r.nStripes % 4 != 0)) return false;
  for (int i = 0; i < r.nStops; i++) {
    if (!InRange(r.stops[i].nAt, 0, 255) || (i > 0 && r.stops[i].nAt < r.stops[i - 1].nAt)) return false;
  }
  return true;
}

void TxPaint(const TXTUR_RECIPE& r, int w, int h, unsigned char* pRGB) {
  COLORREF ramp[256];
  for (int t = 0; t < 256; t++) {
    int i = 0;
    while (i < r.nStops - 1 && r.stops[i + 1].nAt <= t) i++;
    const TXTUR_STOP& a = r.stops[i];
    const TXTUR_STOP& b = r.stops[std::min(i + 1, r.nStops - 1)];
    const int span = b.nAt - a.nAt, f = span > 0 ? std::max(0, t - a.nAt) * 256 / span : 0;
    auto mix = [f](int ca, int cb) { return Clamp(ca + (cb - ca) * std::min(f, 256) / 256); };
    ramp[t] = RGB(mix(GetRValue(a.clr), GetRValue(b.clr)), mix(GetGValue(a.clr), GetGValue(b.clr)),
                  mix(GetBValue(a.clr), GetBValue(b.clr)));
  }
  for (int y = 0; y < h; y++) {
    for (int x = 0; x < w; x++, pRGB += 3) {
      const COLORREF c = ramp[Clamp(Value(r, x, y, w, h))];
      pRGB[0] = GetRValue(c);
      pRGB[1] = GetGValue(c);
      pRGB[2] = GetBValue(c);
    }
  }
}
