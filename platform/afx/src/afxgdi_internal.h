// GDI handle maps of the framework (one set per thread), shared by the GDI object and DC sources.
#pragma once
#include <afxgdi.h>
#include "handle_map.h"

// Deletes this thread's temporary GDI object and DC wrappers (never their handles); idle-time work.
AFX_API void AFXAPI AfxDeleteTempGdiMaps();
// Frees this thread's GDI maps altogether; for the end of a thread.
AFX_API void AFXAPI AfxTermThreadGdiMaps();

namespace afx_gdi {

struct GdiMaps {
  GdiMaps();
  CHandleMap<CGdiObject, HGDIOBJ> objects;
  CHandleMap<CDC, HDC> dcs;
};

// This thread's maps; NULL when bCreate is false and the thread has none yet.
GdiMaps* ThreadMaps(bool bCreate);

// The object for h: the permanent owner or a temporary wrapper. A wrapper left over from a handle
// that was deleted or detached meanwhile (so holds another handle now) is replaced.
template <class T, class H, class GetHandle>
T* LookupOrWrap(CHandleMap<T, H>& map, H h, GetHandle handleOf) {
  T* p = map.FromHandle(h);
  if (p != NULL && handleOf(p) != h) {
    map.RemoveHandle(h);
    p = map.FromHandle(h);
  }
  return p;
}

// Forgets p as the permanent owner of h. A temporary wrapper of h stays valid until idle time.
template <class T, class H>
void ForgetPermanent(H h, T* p, CHandleMap<T, H>& map) {
  if (map.LookupPermanent(h) != p) return;
  if (map.LookupTemporary(h) == NULL)
    map.RemoveHandle(h);
  else
    map.SetPermanent(h, NULL);  // an empty entry reads as "no permanent owner"
}

// Makes p the permanent owner of h and stores h in hHeld; FALSE for a NULL handle or when p already
// holds one.
template <class T, class H>
BOOL AttachHandle(T* p, H& hHeld, H h, CHandleMap<T, H> GdiMaps::*map) {
  if (h == NULL || hHeld != NULL) return FALSE;
  hHeld = h;
  (ThreadMaps(true)->*map).SetPermanent(h, p);
  return TRUE;
}

// Takes hHeld out of this thread's map (the caller clears its own field) and returns it.
template <class T, class H>
H DetachHandle(T* p, H hHeld, CHandleMap<T, H> GdiMaps::*map) {
  if (hHeld != NULL) {
    if (GdiMaps* pMaps = ThreadMaps(false)) ForgetPermanent(hHeld, p, pMaps->*map);
  }
  return hHeld;
}

}  // namespace afx_gdi
