// Ostrel.dll: gradient records, the gradient engine and the shared drawing functions.
#pragma once
#include <afxwin.h>

#include "GradientRecords.h"
#include "GradientEngine.h"
#include "GradientDraw.h"
