// Ostrel.dll: everything the library exports. A host includes this one header.
#pragma once
#include <afxwin.h>

#include "../frame/Module.h"
#include "../frame/ExString.h"
#include "../progress/OstrelProgress.h"
#include "../buttons/OstrelButtons.h"
#include "../tips/OstrelTips.h"
#include "../gradient/OstrelGradient.h"
#include "../colour/OstrelColour.h"

#define GROUPBOX_CLASS "TVGBOXCTRL"
