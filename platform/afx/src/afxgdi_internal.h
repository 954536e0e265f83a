// GDI handle maps of the framework (one set per thread), shared by the GDI object and DC sources.
#pragma once
#include <afxgdi.h>
#include <mutex>
#include <unordered_map>
#include "handle_map.h"

// Deletes this thread's temporary GDI object and DC wrappers (never their handles); idle-time work.
AFX_API void AFXAPI AfxDeleteTempGdiMaps();
// Frees this thread's GDI maps altogether; for the end of a thread.
AFX_API void AFXAPI AfxTermThreadGdiMaps();

namespace afx_gdi {

// The owners of GDI handles, one registry for the whole process: GDI handles belong to the process,
// so an object made on one thread may be used, detached or deleted on another.
template <class T, class H>
class SharedOwners {
 public:
  T* Lookup(H h) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_owners.find(h);
    return it == m_owners.end() ? NULL : it->second;
  }
  void Set(H h, T* p) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_owners[h] = p;
  }
  // Forgets p as the owner of h (nothing when another object owns it).
  void Forget(H h, T* p) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_owners.find(h);
    if (it != m_owners.end() && it->second == p) m_owners.erase(it);
  }

 private:
  std::mutex m_mutex;
  std::unordered_map<H, T*> m_owners;
};

SharedOwners<CGdiObject, HGDIOBJ>& ObjectOwners();
SharedOwners<CDC, HDC>& DCOwners();

// Temporary wrappers, one set per thread (only their permanent side is never used).
struct GdiMaps {
  GdiMaps();
  CHandleMap<CGdiObject, HGDIOBJ> objects;
  CHandleMap<CDC, HDC> dcs;
};

// This thread's maps; NULL when bCreate is false and the thread has none yet.
GdiMaps* ThreadMaps(bool bCreate);

// The object for h: its owner, or this thread's temporary wrapper. A wrapper left over from a handle
// that was detached meanwhile (so holds another handle now) is replaced.
template <class T, class H, class GetHandle>
T* LookupOrWrap(SharedOwners<T, H>& owners, CHandleMap<T, H> GdiMaps::*temps, H h, GetHandle handleOf) {
  if (T* p = owners.Lookup(h)) return p;
  CHandleMap<T, H>& map = ThreadMaps(true)->*temps;
  T* p = map.FromHandle(h);
  if (p != NULL && handleOf(p) != h) {
    map.RemoveHandle(h);
    p = map.FromHandle(h);
  }
  return p;
}

// Makes p the owner of h and stores h in hHeld; FALSE for a NULL handle or when p already holds one.
template <class T, class H>
BOOL AttachHandle(T* p, H& hHeld, H h, SharedOwners<T, H>& owners) {
  if (h == NULL || hHeld != NULL) return FALSE;
  hHeld = h;
  owners.Set(h, p);
  return TRUE;
}

// Takes p out of the owners of hHeld (the caller clears its own field) and returns hHeld.
template <class T, class H>
H DetachHandle(T* p, H hHeld, SharedOwners<T, H>& owners) {
  if (hHeld != NULL) owners.Forget(hHeld, p);
  return hHeld;
}

}  // namespace afx_gdi
