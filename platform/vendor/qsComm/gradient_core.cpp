// Linear two-colour gradient: one colour table per fill, integer stepping per pixel.
//
// Sample space: pixel (i, j) sits at (i * w, j * h) and a frame point (x, y) at
// (x * (w - 1), y * (h - 1)). So the frame's far edges (x = w, y = h) land exactly on
// the last column and row, and a line from edge to edge starts and ends on a pixel.
#include "gradient_core.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <intrin.h>

namespace qs {

namespace {

constexpr int kFraction = 16;                                        // fixed-point bits
constexpr long long kScale = (long long)(kLevels - 1) << kFraction;  // t = 1
constexpr long long kHalf = 1LL << (kFraction - 1);
constexpr double kRowLimit = double(1 << 24);  // |t| at a row's start that steps without overflow

// count pixels of one table entry. A run of 16 pixels (48 bytes, a whole number of 16-byte
// pieces) is built once and stored piece by piece, which runs at the speed of a memset.
void PutEntry(const unsigned char* pTable, int nEntry, unsigned char* pDst, int count) {
  if (count <= 0) return;
  const unsigned char* p = pTable + nEntry * 3;
  unsigned char run[48];
  for (int n = 0; n < 16; ++n) std::memcpy(run + n * 3, p, 3);
  const size_t total = size_t(count) * 3;
  size_t done = 0;
  for (; total - done >= sizeof run; done += sizeof run) std::memcpy(pDst + done, run, sizeof run);
  std::memcpy(pDst + done, run, total - done);
}

// The table entry of a fixed-point position along the line, clamped to the table.
int EntryAt(long long acc) { return int(std::min<long long>(kLevels - 1, std::max(0LL, acc >> kFraction))); }

int ClampShift(int nShift) { return std::min(100, std::max(0, nShift)); }

// The shift moves the half-way point of the blend from the middle of the line (0) to 95% along
// it (100): the start colour holds on longer, the ends stay exact. The weight is u to this power.
double ShiftPower(int nColorShift) {
  const double midpoint = 0.5 + 0.45 * ClampShift(nColorShift) / 100.0;
  return std::log(0.5) / std::log(midpoint);
}

double Weight(double u, double power, bool bSandwich) {
  u = std::min(1.0, std::max(0.0, u));
  if (bSandwich) u = 1.0 - std::fabs(2.0 * u - 1.0);
  return power == 1.0 ? u : std::pow(u, power);  // no shift, no power: the table is built at once
}

}  // namespace

double BlendWeight(double u, int nColorShift, bool bSandwich) { return Weight(u, ShiftPower(nColorShift), bSandwich); }

bool PlanGradient(const GFILL_OPTION& option, int width, int height, ByteOrder order, GradientPlan* pPlan) {
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

  const int from[3] = {GetRValue(option.clrStart), GetGValue(option.clrStart), GetBValue(option.clrStart)};
  const int to[3] = {GetRValue(option.clrEnd), GetGValue(option.clrEnd), GetBValue(option.clrEnd)};
  const bool bBgr = order == ByteOrder::Bgr;
  const double power = ShiftPower(option.nColorShift);
  for (int k = 0; k < kLevels; ++k) {
    const double w = Weight(double(k) / (kLevels - 1), power, option.bSandwich != 0);
    for (int c = 0; c < 3; ++c) {
      const double v = from[c] + (to[c] - from[c]) * w;  // 0..255: rounds half up
      plan.table[k * 3 + (bBgr ? 2 - c : c)] = (unsigned char)(v + 0.5);
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
  // t along the line at the row's first pixel, and its change per pixel.
  const double tRow = -plan.startX * plan.dirX + (double(y) * plan.height - plan.startY) * plan.dirY;
  const double dt = double(plan.width) * plan.dirX;
  const double t0 = tRow + double(x) * dt;  // at the span's first pixel
  if (dt == 0.0) {                          // a line along the columns: one colour for the whole row
    const int nEntry = t0 <= 0.0 ? 0 : (t0 >= 1.0 ? kLevels - 1 : EntryAt(std::llround(t0 * kScale) + kHalf));
    PutEntry(plan.table, nEntry, pDst, count);
    return;
  }

  // Pixels before the line's start and beyond its end are flat.
  int nLow = 0, nHigh = 0;  // flat pixels at the span's left and right
  if (dt == 0.0) {
    if (t0 <= 0.0)
      nLow = count;
    else if (t0 >= 1.0)
      nHigh = count;
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
    // Stepping from the row's start keeps every pixel independent of how the row is
    // cut into spans. More than one middle pixel means |dt| <= 1.
    const int xMiddle = x + nLeft;
    long long acc, step;
    if (std::fabs(tRow) < kRowLimit && std::fabs(dt) <= 2.0) {
      step = std::llround(dt * kScale);
      acc = std::llround(tRow * kScale) + kHalf + step * xMiddle;
    } else {  // a far-off line: only a pixel or two fall in the middle
      step = std::llround(std::min(2.0, std::max(-2.0, dt)) * kScale);
      const double tMiddle = tRow + dt * xMiddle;
      acc = std::llround(std::min(2.0, std::max(-1.0, tMiddle)) * kScale) + kHalf;
    }
    for (int n = 0; n < nMiddle; ++n, pDst += 3, acc += step) std::memcpy(pDst, plan.table + EntryAt(acc) * 3, 3);
  }
  PutEntry(plan.table, secondFlat, pDst, std::max(0, count - nLeft - nMiddle));
}

void RenderBlock(const GradientPlan& plan, int x, int y, int w, int h, unsigned char* pRow0, long pitch) {
  if (w <= 0 || h <= 0) return;
  RenderSpan(plan, x, y, w, pRow0);
  const size_t rowBytes = size_t(w) * 3;
  if (!plan.bFlat && plan.dirY != 0.0) {
    for (int n = 1; n < h; ++n) RenderSpan(plan, x, y + n, w, pRow0 + n * pitch);
    return;
  }
  // A line across the rows (or none) makes every row the same. Rows without a gap between them
  // are one forward string move from the first row to the second: it repeats the first row.
  if (size_t(pitch) == rowBytes) {
    __movsb(pRow0 + rowBytes, pRow0, rowBytes * (h - 1));
    return;
  }
  for (int n = 1; n < h; ++n) __movsb(pRow0 + n * pitch, pRow0, rowBytes);
}

void RenderRows(const GradientPlan& plan, unsigned char* pRow0, long pitch) {
  RenderBlock(plan, 0, 0, plan.width, plan.height, pRow0, pitch);
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
