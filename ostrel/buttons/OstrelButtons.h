// Ostrel.dll: owner-drawn buttons.
#pragma once
#include <afxwin.h>
#include "OkButton.h"
