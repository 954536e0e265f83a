// Ostrel.dll: balloon drawing and the tip windows.
#pragma once
#include <afxwin.h>
#include "Balloon.h"
#include "VexTip.h"
#include "TipUIEx.h"
