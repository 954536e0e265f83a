// Txtur3.dll: the loader and the record entry points. A record is the 64-byte header the caller
// writes into, then the module's own part: the painted picture and a tag that tells records of
// this module from anything else.
#include "Txtur3.h"
#include <string.h>
#include <new>
#include <vector>
#include <t32Base.h>
#include "TexturePaint.h"

namespace {

const DWORD kRecordTag = 0x52545854;  // "TXTR"

struct Record {
  TXTUR_HEADER header;
  HANDLE hPicture;  // t32Base buffer, NULL while empty
  DWORD dwTag;
};

HINSTANCE g_hModule = NULL;

Record* AsRecord(void* p) {
  Record* pRecord = static_cast<Record*>(p);
  return pRecord != NULL && pRecord->dwTag == kRecordTag ? pRecord : NULL;
}

int __cdecl Create(void** ppRecord, int, int) {
  if (ppRecord == NULL) return 0;
  Record* pRecord = new (std::nothrow) Record();
  if (pRecord == NULL) return 0;
  pRecord->dwTag = kRecordTag;
  *ppRecord = pRecord;
  return 1;
}

int __cdecl Fill(void* p, int nLength, const void* pRecipe) {
  Record* pRecord = AsRecord(p);
  if (pRecord == NULL || !TxAccepts(pRecord->header, pRecipe, nLength)) return 0;
  TXTUR_RECIPE recipe;
  memcpy(&recipe, pRecipe, nLength);
  const int w = pRecord->header.nWidth, h = pRecord->header.nHeight;
  HANDLE hPicture = NULL;
  try {
    std::vector<unsigned char> pixels((size_t)w * h * 3);
    TxPaint(recipe, w, h, pixels.data());
    if (!buf32Alloc(&hPicture, 24, w, h, BUF32_ALLOC_ZERO, NULL)) return 0;
    if (!buf32MergeMem(hPicture, 0, 0, w, h, pixels.data())) {
      buf32Free(hPicture);
      return 0;
    }
  } catch (const std::bad_alloc&) {
    return 0;
  }
  if (pRecord->hPicture != NULL) buf32Free(pRecord->hPicture);
  pRecord->hPicture = hPicture;
  pRecord->header.nDataLength = nLength;
  pRecord->header.dwFilled = 1;
  return 1;
}

int __cdecl Release(void* p) {
  Record* pRecord = AsRecord(p);
  if (pRecord == NULL) return 0;
  if (pRecord->hPicture != NULL) buf32Free(pRecord->hPicture);
  pRecord->dwTag = 0;
  delete pRecord;
  return 1;
}

HANDLE __cdecl Picture(void* p) {
  Record* pRecord = AsRecord(p);
  return pRecord != NULL ? pRecord->hPicture : NULL;
}

int __cdecl Name(void* p, char* pszName, int cchMax) {
  Record* pRecord = AsRecord(p);
  if (pRecord == NULL || pszName == NULL || cchMax <= 0) return 0;
  const char* pszOwn = pRecord->header.szName;
  const int nLength = (int)strnlen(pszOwn, sizeof pRecord->header.szName);
  const int nCopy = nLength < cchMax ? nLength : cchMax - 1;
  memcpy(pszName, pszOwn, nCopy);
  pszName[nCopy] = 0;
  return nCopy;
}

}  // namespace

HINSTANCE __cdecl VexLoadLibrary3(HINSTANCE hModule, int nSet, void** ppCreate, void** ppPicture, void** ppRelease,
                                  void** ppName, void** ppFill) {
  if (hModule == NULL || hModule != g_hModule || nSet != TXTUR_ENTRY_SET) return NULL;
  if (ppCreate != NULL) *ppCreate = (void*)&Create;
  if (ppPicture != NULL) *ppPicture = (void*)&Picture;
  if (ppRelease != NULL) *ppRelease = (void*)&Release;
  if (ppName != NULL) *ppName = (void*)&Name;
  if (ppFill != NULL) *ppFill = (void*)&Fill;
  return hModule;
}

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    g_hModule = hInstance;
    DisableThreadLibraryCalls(hInstance);
  }
  return TRUE;
}
