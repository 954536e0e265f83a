// The set of live objects behind opaque handles, so that a stale or foreign
// handle is refused instead of being used.
#pragma once
#include <mutex>
#include <set>

namespace t32 {

template <class T>
class HandleSet {
 public:
  bool Add(T* p) {
    try {
      std::lock_guard<std::mutex> g(m_lock);
      m_live.insert(p);
      return true;
    } catch (...) {
      return false;
    }
  }
  void Remove(T* p) {
    std::lock_guard<std::mutex> g(m_lock);
    m_live.erase(p);
  }
  T* Find(const void* h) {
    if (!h) return nullptr;
    std::lock_guard<std::mutex> g(m_lock);
    auto it = m_live.find(static_cast<T*>(const_cast<void*>(h)));
    return it == m_live.end() ? nullptr : *it;
  }

 private:
  std::mutex m_lock;
  std::set<T*> m_live;
};

}  // namespace t32
