// The exported gradient engine.
#include <Ostrel/GradientEngine.h>

CGradientEngine::CGradientEngine() {}
CGradientEngine::CGradientEngine(const CGradientEngine&) {}
CGradientEngine& CGradientEngine::operator=(const CGradientEngine&) { return *this; }
CGradientEngine::~CGradientEngine() {}

int CGradientEngine::GFillToBuffer(void* hBuffer, GFILL_OPTION* pOption) { return GFillToBuf(hBuffer, pOption, NULL); }
