// Counts the GDI deletions afx.dll makes, by patching its imports of DeleteObject and DeleteDC.
#pragma once
#include <windows.h>
#include <map>

class GdiDeleteCounter {
 public:
  GdiDeleteCounter();   // starts counting (one counter at a time)
  ~GdiDeleteCounter();  // puts the original imports back
  int Deletions(HANDLE h) const;
  int Total() const;

 private:
  static BOOL WINAPI CountingDeleteObject(HGDIOBJ h);
  static BOOL WINAPI CountingDeleteDC(HDC h);
  static GdiDeleteCounter* s_active;
  std::map<HANDLE, int> m_counts;
};
