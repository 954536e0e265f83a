// The host's texture module as the library sees it: entry-point set 30003 through the host's
// loader _VexLoadLibrary3, of which the library uses three entry points.
#pragma once
#include <windows.h>

#define TEXTURE_ENTRY_SET 30003

typedef int(__cdecl* TEXTURE_CREATE)(void** ppRecord, int nReserved1, int nReserved2);  // an empty record
typedef int(__cdecl* TEXTURE_FILL)(void* pRecord, int nLength, void* pData);            // texture data into it
typedef int(__cdecl* TEXTURE_RELEASE)(void* pRecord);

// Asks the module for the entry points whose variables are given (the others NULL). FALSE when
// the host set no loader, the loader refuses, or it leaves one of them NULL.
BOOL RequestTextureEntries(TEXTURE_CREATE* pCreate, TEXTURE_RELEASE* pRelease, TEXTURE_FILL* pFill);
