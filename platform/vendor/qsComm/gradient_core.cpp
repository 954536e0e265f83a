// Linear two-colour gradient: one colour table per fill, integer stepping per pixel.
//
// Sample space: pixel (i, j) sits at (i * w, j * h) and a frame point (x, y) at
// (x * (w - 1), y * (h - 1)). So the frame's far edges (x = w, y = h) land exactly on
// the last column and row, and a line from edge to edge starts and ends on a pixel.
#include "gradient_core.h"

#include <algorithm>
#include <cmath>

namespace qs {

namespace {

constexpr int kFraction = 16;                                  // fixed-point bits
constexpr long long kScale = (long long)(kLevels - 1) << kFraction;  // t = 1
constexpr long long kHalf = 1LL << (kFraction - 1);

void PutEntry(const unsigned char* pTable, int nEntry, unsigned char* pDst, int count) {
  const unsigned char* p = pTable + nEntry * 3;
  const unsigned char b0 = p[0], b1 = p[1], b2 = p[2];
  for (int n = 0; n < count; ++n, pDst += 3) {
    pDst[0] = b0;
    pDst[1] = b1;
    pDst[2] = b2;
  }
}

int ClampShift(int nShift) { return std::min(100, std::max(0, nShift)); }

}  // namespace

double BlendWeight(double u, int nColorShift, bool bSandwich) {
  u = std::min(1.0, std::max(0.0, u));
  if (bSandwich) u = 1.0 - std::fabs(2.0 * u - 1.0);
  // The shift moves the half-way point of the blend from the middle of the line (0)
  // to 95% along it (100): the start colour holds on longer, the ends stay exact.
  const double midpoint = 0.5 + 0.45 * ClampShift(nColorShift) / 100.0;
  const double gamma = std::log(0.5) / std::log(midpoint);
  return std::pow(u, gamma);
}

bool PlanGradient(const GFILL_OPTION& option, int width, int height, ByteOrder order,
                  GradientPlan* pPlan) {
  if (!pPlan || width <= 0 || height <= 0) return false;
  GradientPlan& plan = *pPlan;
  plan.width = width;
  plan.height = height;

  const double sx = double(option.ptStart.x) * (width - 1);
  const double sy = double(option.ptStart.y) * (height - 1);
  const double dx = double(option.ptEnd.x) * (width - 1) - sx;
  const double dy = double(option.ptEnd.y) * (height - 1) - sy;
  const double len2 = dx * dx + dy * dy;
  plan.bFlat = !(len2 > 0.0);
  plan.startX = sx;
  plan.startY = sy;
  plan.dirX = plan.bFlat ? 0.0 : dx / len2;
  plan.dirY = plan.bFlat ? 0.0 : dy / len2;

  const int from[3] = {GetRValue(option.clrStart), GetGValue(option.clrStart),
                       GetBValue(option.clrStart)};
  const int to[3] = {GetRValue(option.clrEnd), GetGValue(option.clrEnd), GetBValue(option.clrEnd)};
  const bool bBgr = order == ByteOrder::Bgr;
  for (int k = 0; k < kLevels; ++k) {
    const double w = BlendWeight(double(k) / (kLevels - 1), option.nColorShift,
                                 option.bSandwich != 0);
    for (int c = 0; c < 3; ++c) {
      const long v = std::lround(from[c] + (to[c] - from[c]) * w);
      plan.table[k * 3 + (bBgr ? 2 - c : c)] = (unsigned char)v;
    }
  }
  return true;
}

void RenderSpan(const GradientPlan& plan, int x, int y, int count, unsigned char* pDst) {
  if (count <= 0) return;
  if (plan.bFlat) {
    PutEntry(plan.table, 0, pDst, count);
    return;
  }
  // t along the line at the span's first pixel, and its change per pixel.
  const double t0 = (double(x) * plan.width - plan.startX) * plan.dirX +
                    (double(y) * plan.height - plan.startY) * plan.dirY;
  const double dt = double(plan.width) * plan.dirX;

  // Pixels before the line's start and beyond its end are flat.
  int nLow = 0, nHigh = 0;  // flat pixels at the span's left and right
  if (dt == 0.0) {
    if (t0 <= 0.0) nLow = count;
    else if (t0 >= 1.0) nHigh = count;
  } else {
    const double atZero = -t0 / dt, atOne = (1.0 - t0) / dt;  // pixel offsets of t = 0, 1
    auto clampCount = [count](double v) { return int(std::min<double>(count, std::max(0.0, v))); };
    if (dt > 0) {
      nLow = clampCount(std::ceil(atZero));
      nHigh = count - clampCount(std::floor(atOne) + 1.0);
    } else {
      nHigh = clampCount(std::ceil(atOne));
      nLow = count - clampCount(std::floor(atZero) + 1.0);
    }
  }
  const int lastEntry = kLevels - 1;
  const int firstFlat = dt >= 0 ? 0 : lastEntry, secondFlat = dt >= 0 ? lastEntry : 0;
  const int nLeft = dt >= 0 ? nLow : nHigh, nRight = dt >= 0 ? nHigh : nLow;
  const int nMiddle = std::max(0, count - nLeft - nRight);

  PutEntry(plan.table, firstFlat, pDst, std::min(nLeft, count));
  pDst += std::min(nLeft, count) * 3;
  if (nMiddle > 0) {
    const double tStart = t0 + dt * nLeft;  // within 0..1 up to rounding
    long long acc = std::llround(std::min(2.0, std::max(-1.0, tStart)) * kScale) + kHalf;
    // More than one middle pixel means |dt| <= 1; a larger step is never taken.
    const long long step = std::llround(std::min(2.0, std::max(-2.0, dt)) * kScale);
    const unsigned char* pTable = plan.table;
    for (int n = 0; n < nMiddle; ++n, pDst += 3, acc += step) {
      long long e = acc >> kFraction;
      e = e < 0 ? 0 : (e > lastEntry ? lastEntry : e);
      const unsigned char* p = pTable + e * 3;
      pDst[0] = p[0];
      pDst[1] = p[1];
      pDst[2] = p[2];
    }
  }
  PutEntry(plan.table, secondFlat, pDst, std::max(0, count - nLeft - nMiddle));
}

void RenderRows(const GradientPlan& plan, unsigned char* pRow0, long pitch) {
  for (int y = 0; y < plan.height; ++y) RenderSpan(plan, 0, y, plan.width, pRow0 + y * pitch);
}

void RescaleLine(GFILL_OPTION* pOption, int cx, int cy) {
  if (!pOption || cx <= 0 || cy <= 0) return;
  // The record's frame is the smallest one at (0, 0) that holds both points; an axis
  // the points do not extend along keeps its coordinates.
  auto rescale = [](LONG& a, LONG& b, int newSize) {
    const LONG oldSize = std::max(a, b);
    if (oldSize <= 0) return;
    auto one = [&](LONG v) {
      const double r = std::round(double(v) * newSize / oldSize);
      return LONG(std::min(2147483647.0, std::max(-2147483648.0, r)));
    };
    a = one(a);
    b = one(b);
  };
  rescale(pOption->ptStart.x, pOption->ptEnd.x, cx);
  rescale(pOption->ptStart.y, pOption->ptEnd.y, cy);
}

}  // namespace qs
