// t32Cvt.dll: device bitmaps into t32Base buffers. extern "C" __cdecl, as t32Base.
#ifndef T32CVT_H
#define T32CVT_H

#include <windows.h>

#ifdef T32CVT_BUILD
#define T32CVT_API extern "C" __declspec(dllexport)
#else
#define T32CVT_API extern "C" __declspec(dllimport)
#endif
#ifndef T32API
#define T32API __cdecl
#endif

// *phBuf = a new 24-bit t32Base buffer (R, G, B bytes) holding the bitmap's
// pixels. hPalette (may be NULL) is selected and realised into the DC the
// pixels are read through, so palette-indexed device bitmaps are mapped with
// it; DIB sections always use their own colour table. The bitmap must not be
// selected into a DC. Returns 1, or 0 (*phBuf untouched) for a NULL or invalid
// bitmap or palette, or when the buffer cannot be made. Free with buf32Free.
T32CVT_API int T32API cvt32DDBToBuf(HBITMAP hBitmap, HANDLE* phBuf, HPALETTE hPalette);

#endif
