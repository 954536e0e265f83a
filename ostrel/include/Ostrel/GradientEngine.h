// The exported gradient engine: renders a gradient record into an existing image buffer.
#pragma once
#include <afxwin.h>
#include <Ostrel/GradientRecords.h>

class AFX_EXT_CLASS CGradientEngine {
 public:
  CGradientEngine();
  CGradientEngine(const CGradientEngine& other);
  CGradientEngine& operator=(const CGradientEngine& other);  // nothing to copy
  virtual ~CGradientEngine();

  // Renders *pOption into the whole of hBuffer; the renderer's result (1 filled, 0 not).
  static int GFillToBuffer(void* hBuffer, GFILL_OPTION* pOption);
};
