// Ostrel.dll: balloon drawing and the tip windows.
#pragma once
#include <afxwin.h>
