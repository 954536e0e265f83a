#include "gradient/TextureModule.h"
#include <Ostrel/Module.h>

BOOL RequestTextureEntries(TEXTURE_CREATE* pCreate, TEXTURE_RELEASE* pRelease, TEXTURE_FILL* pFill) {
  if (_VexLoadLibrary3 == NULL) return FALSE;
  if (pCreate != NULL) *pCreate = NULL;
  if (pRelease != NULL) *pRelease = NULL;
  if (pFill != NULL) *pFill = NULL;
  if (_VexLoadLibrary3(_hTxturDllInst3, TEXTURE_ENTRY_SET, (void**)pCreate, NULL, (void**)pRelease, NULL,
                       (void**)pFill) == NULL)
    return FALSE;
  return (pCreate == NULL || *pCreate != NULL) && (pRelease == NULL || *pRelease != NULL) &&
         (pFill == NULL || *pFill != NULL);
}
