// Txtur3.dll: the host's texture module. A texture record holds one tileable picture that the
// module paints from a small recipe (wood grain, marble, canvas, paper, brushed metal, stone,
// fabric, leather). Callers reach the module only through its entry-point loader.
//
// Loader (export "VexLoadLibrary3"):
//   VexLoadLibrary3(hModule, TXTUR_ENTRY_SET, ppCreate, ppPicture, ppRelease, ppName, ppFill)
//   fills every out-pointer that is not NULL and returns hModule. Any other set number, or a handle
//   that is not this module's, gives NULL and fills nothing.
//
// Entry points (all __cdecl):
//   create(&record, 0, 0)          a new empty record; 1, or 0 when memory runs out
//   fill(record, length, recipe)   reads the header (the record's first 64 bytes) and the recipe,
//                                  paints the picture; 1, or 0 when either is refused (the record
//                                  is left as it was)
//   release(record)                frees the record and its picture; 0 for NULL or a foreign pointer
//   picture(record)                the record's picture (a t32Base buffer, 24 bits, owned by the
//                                  record), NULL while it is empty
//   name(record, buf, cchMax)      copies the texture's name; its length
//
// A stored texture is the 64-byte header followed by the recipe; in a stored header nDataLength
// is the length of the recipe that follows and dwFilled is 0.
#ifndef TXTUR3_H
#define TXTUR3_H

#include <windows.h>

#define TXTUR_ENTRY_SET 30003

#define TXTUR_HEADER_MAGIC 0x33525854  // "TXR3"
#define TXTUR_RECIPE_MAGIC 0x31445854  // "TXD1"
#define TXTUR_MIN_SIZE     16
#define TXTUR_MAX_SIZE     512
#define TXTUR_MAX_STOPS    8

// The record's first 64 bytes, in both builds.
struct TXTUR_HEADER {
  DWORD dwMagic;        //  0 TXTUR_HEADER_MAGIC
  int nVersion;         //  4 1
  int nWidth;           //  8 picture size, TXTUR_MIN_SIZE .. TXTUR_MAX_SIZE
  int nHeight;          // 12
  char szName[32];      // 16 shown to the user
  DWORD dwReserved[2];  // 48 zero
  int nDataLength;      // 56 recipe bytes the picture was painted from; 0 while empty
  DWORD dwFilled;       // 60 1 once painted
};
static_assert(sizeof(TXTUR_HEADER) == 64, "the header is the record's first 64 bytes");

// Patterns of TXTUR_RECIPE::nPattern.
enum {
  TXPAT_WOOD = 1,  // rings along y, warped, with a fine grain
  TXPAT_MARBLE,    // diagonal veins, strongly warped
  TXPAT_CANVAS,    // plain weave of nStripes threads each way
  TXPAT_PAPER,     // fine fibrous noise
  TXPAT_BRUSHED,   // long horizontal streaks
  TXPAT_STONE,     // rounded cells with speckle
  TXPAT_FABRIC,    // twill of nStripes threads each way
  TXPAT_LEATHER,   // grain of small cells with creased borders
  TXPAT_COUNT = TXPAT_LEATHER
};

// A colour stop of the ramp that turns the pattern's 0..255 value into colour.
struct TXTUR_STOP {
  int nAt;       // 0..255, not below the previous stop
  COLORREF clr;  // 0x00BBGGRR
};

// Recipe: 32 bytes plus the stops; its length is exactly TXTUR_RECIPE_SIZE(nStops).
struct TXTUR_RECIPE {
  DWORD dwMagic;  //  0 TXTUR_RECIPE_MAGIC
  int nPattern;   //  4 TXPAT_*
  DWORD dwSeed;   //  8 picks the noise
  int nScale;     // 12 feature size in pixels, 1 .. picture width
  int nDetail;    // 16 noise octaves, 1..6
  int nWarp;      // 20 strength of the noise in the pattern (bending, speckle, fibres), 0..255
  int nStripes;   // 24 rings, veins or threads across the tile, 0..64 (weaves: even, twill: 4n)
  int nStops;     // 28 2 .. TXTUR_MAX_STOPS
  TXTUR_STOP stops[TXTUR_MAX_STOPS];
};
#define TXTUR_RECIPE_SIZE(nStops) (32 + 8 * (nStops))
static_assert(sizeof(TXTUR_RECIPE) == TXTUR_RECIPE_SIZE(TXTUR_MAX_STOPS), "recipe layout");

typedef HINSTANCE(__cdecl* TXTUR_LOADER)(HINSTANCE, int, void**, void**, void**, void**, void**);
typedef int(__cdecl* TXTUR_CREATE)(void** ppRecord, int nReserved1, int nReserved2);
typedef int(__cdecl* TXTUR_FILL)(void* pRecord, int nLength, const void* pRecipe);
typedef int(__cdecl* TXTUR_RELEASE)(void* pRecord);
typedef HANDLE(__cdecl* TXTUR_PICTURE)(void* pRecord);
typedef int(__cdecl* TXTUR_NAME)(void* pRecord, char* pszName, int cchMax);

#define TXTUR_LOADER_EXPORT "VexLoadLibrary3"

#ifdef TXTUR3_BUILD
#define TXTUR3_API extern "C" __declspec(dllexport)
#else
#define TXTUR3_API extern "C" __declspec(dllimport)
#endif

// The loader; a host that loads the module at run time finds it by TXTUR_LOADER_EXPORT instead.
TXTUR3_API HINSTANCE __cdecl VexLoadLibrary3(HINSTANCE hModule, int nSet, void** ppCreate, void** ppPicture,
                                             void** ppRelease, void** ppName, void** ppFill);

#endif
