// The few platform types the texture record's readers use, for building them natively on Linux
// (scripts/fuzz.sh). Sizes are those of the Windows builds: 32-bit words, pointer-sized handles.
#pragma once
#include <stdint.h>

typedef uint32_t DWORD;
typedef uint32_t COLORREF;
typedef void* HANDLE;
typedef struct HINSTANCE__* HINSTANCE;
#define RGB(r, g, b) ((COLORREF)(((uint8_t)(r)) | ((uint32_t)(uint8_t)(g) << 8) | ((uint32_t)(uint8_t)(b) << 16)))
#define GetRValue(c) ((uint8_t)(c))
#define GetGValue(c) ((uint8_t)((c) >> 8))
#define GetBValue(c) ((uint8_t)((c) >> 16))
#define __cdecl
#define __declspec(x)
