// Gradient arithmetic shared by the renderer, its tests and its benchmark.
// Works on plain memory: rows of packed 3-byte pixels.
#ifndef QSCOMM_GRADIENT_CORE_H
#define QSCOMM_GRADIENT_CORE_H

#include "qsComm.h"

namespace qs {

// Entries of the colour table. Odd, so a sandwich has an exact middle entry.
constexpr int kLevels = 1025;

enum class ByteOrder { Rgb, Bgr };

// Everything a row needs, worked out once per fill.
struct GradientPlan {
  int width = 0;
  int height = 0;
  bool bFlat = true;              // no usable line: every pixel is entry 0
  double startX = 0, startY = 0;  // line start in sample space
  double dirX = 0, dirY = 0;      // line direction, divided by its squared length
  unsigned char table[kLevels * 3] = {};
};

// Builds the plan for a width x height frame; false for a bad size or record.
bool PlanGradient(const GFILL_OPTION& option, int width, int height, ByteOrder order, GradientPlan* pPlan);

// Writes count pixels of row y, from column x on, to pDst (3 bytes each).
void RenderSpan(const GradientPlan& plan, int x, int y, int count, unsigned char* pDst);

// The w x h block at (x, y) of the frame into memory with the given row pitch.
void RenderBlock(const GradientPlan& plan, int x, int y, int w, int h, unsigned char* pRow0, long pitch);

// Rows 0..height-1 of the frame into memory with the given row pitch.
void RenderRows(const GradientPlan& plan, unsigned char* pRow0, long pitch);

// Blend weight (0 = start colour, 1 = end colour) at position u (0..1) along the line.
double BlendWeight(double u, int nColorShift, bool bSandwich);

// Rescales the record's line to a cx x cy frame (see ResetGradRange).
void RescaleLine(GFILL_OPTION* pOption, int cx, int cy);

}  // namespace qs

#endif
