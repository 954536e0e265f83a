// Nothing thrown in the framework's callbacks leaves them: window procedures, hooks and thread
// entries run their work through AfxRunGuarded and turn a throw into their own failure result.
#pragma once
#include <afx.h>

// Runs work(); FALSE when it threw. A framework exception is deleted; anything else (std::bad_alloc
// from an allocation, any std::exception, any other value) is dropped.
template <class Work>
BOOL AfxRunGuarded(Work&& work) {
  try {
    work();
    return TRUE;
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  return FALSE;
}
