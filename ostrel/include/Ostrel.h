// Ostrel.dll: everything the library exports. A host includes this one header.
#pragma once
#include <afxwin.h>

#include "../frame/Module.h"
#include "../frame/ExString.h"
#include "../colour/CircleCtrl.h"

#define GROUPBOX_CLASS "TVGBOXCTRL"
