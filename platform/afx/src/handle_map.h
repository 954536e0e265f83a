// Maps from Windows handles to framework objects, one set per thread (handles are thread-affine).
// A permanent entry belongs to an object that attached itself; a temporary one is made on demand by
// FromHandle and deleted at idle time (AfxDeleteTempMaps), so callers must not keep such pointers.
#pragma once
#include <unordered_map>

template <class T, class H>
class CHandleMap {
 public:
  typedef T* (*Creator)(H);      // makes a temporary wrapper already holding the handle
  typedef void (*Releaser)(T*);  // lets go of the handle (without destroying it) and deletes the wrapper

  CHandleMap(Creator create, Releaser release) : m_create(create), m_release(release) {}
  ~CHandleMap() { DeleteTemp(); }

  T* FromHandle(H h) {
    if (h == NULL) return NULL;
    if (T* p = LookupPermanent(h)) return p;
    if (T* p = LookupTemporary(h)) return p;
    T* p = m_create(h);
    m_temporary[h] = p;
    return p;
  }
  T* LookupPermanent(H h) const { return Find(m_permanent, h); }
  T* LookupTemporary(H h) const { return Find(m_temporary, h); }
  void SetPermanent(H h, T* p) { m_permanent[h] = p; }
  void RemovePermanent(H h) { m_permanent.erase(h); }
  // Forgets the handle in both maps; a temporary wrapper for it is released.
  void RemoveHandle(H h) {
    m_permanent.erase(h);
    auto it = m_temporary.find(h);
    if (it != m_temporary.end()) {
      T* p = it->second;
      m_temporary.erase(it);
      m_release(p);
    }
  }
  void DeleteTemp() {
    std::unordered_map<H, T*> temp;
    temp.swap(m_temporary);
    for (auto& e : temp) m_release(e.second);
  }
  template <class Pred>
  T* FindPermanent(Pred pred) const {
    for (auto& e : m_permanent)
      if (pred(e.second)) return e.second;
    return NULL;
  }
  size_t TemporaryCount() const { return m_temporary.size(); }

 private:
  static T* Find(const std::unordered_map<H, T*>& map, H h) {
    auto it = map.find(h);
    return it == map.end() ? NULL : it->second;
  }
  std::unordered_map<H, T*> m_permanent;
  std::unordered_map<H, T*> m_temporary;
  Creator m_create;
  Releaser m_release;
};
