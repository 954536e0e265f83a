// Processor information: clock speed in MHz, family and vendor class, MMX support.
#pragma once
#include <afxwin.h>

// *pdwSpeed: MHz, measured against the performance counter; 0 unless the vendor is GenuineIntel.
// *pdwType: low word the family (bit 15 set for another vendor); high word 1 for another vendor,
// 0 for an Intel processor, 2 for one without identification. *pdwMMX: nonzero with MMX.
// Returns 1 when a speed was measured; 0 otherwise, and 0 without writing when a pointer is NULL.
extern "C" AFX_EXT_API int GetCpuInfo(DWORD* pdwSpeed, DWORD* pdwType, DWORD* pdwMMX);
