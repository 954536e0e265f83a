// Ostrel.dll: the nested progress model and the progress window.
#pragma once
#include <afxwin.h>
#include "Progress.h"
