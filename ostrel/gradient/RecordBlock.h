// Data blocks of list items: fixed, zero-filled global memory, locked; the pointer is the block.
#pragma once
#include <windows.h>

// NULL when the memory cannot be had.
inline void* AllocRecordBlock(SIZE_T nBytes) {
  HGLOBAL h = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, nBytes);
  return h != NULL ? GlobalLock(h) : NULL;
}

inline void FreeRecordBlock(void* pBlock) {
  HGLOBAL h = pBlock != NULL ? GlobalHandle(pBlock) : NULL;
  if (h == NULL) return;
  GlobalUnlock(h);
  GlobalFree(h);
}
