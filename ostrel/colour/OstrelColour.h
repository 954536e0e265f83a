// Ostrel.dll: colour boxes, the colour-source pop-up, the colour bar and the angle dial.
#pragma once
#include <afxwin.h>
#include "CircleCtrl.h"
#include "ColorPicker.h"
#include "ClrBoxes.h"
#include "ColorBar.h"
