// Framework layer: CObject, run-time class information and exceptions.
#pragma once
#include "afxdefs.h"

class CObject;

struct AFX_API CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;
  CObject*(AFXAPI* m_pfnCreateObject)();
  CRuntimeClass* m_pBaseClass;

  CObject* CreateObject();
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
  // Finds a class by name among every class declared in this process (NULL when unknown).
  static CRuntimeClass* AFXAPI FromName(const char* lpszClassName);

  CRuntimeClass* m_pNextClass;  // chain of all registered classes
};

// Puts a class into the process-wide list at static initialisation time.
struct AFX_API AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

class AFX_API CObject {
 public:
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject() = 0;
  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  virtual void AssertValid() const {}

  static CRuntimeClass classCObject;
  static CRuntimeClass* AFXAPI _GetBaseClass();

 protected:
  CObject() {}

 private:
  CObject(const CObject&) = delete;
  void operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)       \
 public:                                  \
  static CRuntimeClass class##class_name; \
  virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* AFXAPI CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                           \
  CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class class_name),       wSchema, \
                                                 pfnNew,      RUNTIME_CLASS(base_class_name), NULL};   \
  static AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);                             \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                \
  CObject* AFXAPI class_name::CreateObject() { return new class_name; } \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) IMPLEMENT_DYNCREATE(class_name, base_class_name)

AFX_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object) ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
#define STATIC_DOWNCAST(class_name, object)  (static_cast<class_name*>(object))

// Exceptions are thrown as pointers and deleted by the catcher with Delete().
class AFX_API CException : public CObject {
  DECLARE_DYNAMIC(CException)
 public:
  explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
  void Delete();
  virtual BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = NULL);
  BOOL m_bAutoDelete;
};

class AFX_API CMemoryException : public CException {
  DECLARE_DYNAMIC(CMemoryException)
 public:
  CMemoryException() : CException(FALSE) {}
  BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) override;
};

class AFX_API CResourceException : public CException {
  DECLARE_DYNAMIC(CResourceException)
 public:
  CResourceException() : CException(FALSE) {}
};

class AFX_API CNotSupportedException : public CException {
  DECLARE_DYNAMIC(CNotSupportedException)
 public:
  CNotSupportedException() : CException(FALSE) {}
};

[[noreturn]] AFX_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] AFX_API void AFXAPI AfxThrowResourceException();
[[noreturn]] AFX_API void AFXAPI AfxThrowNotSupportedException();

// The framework's TRY/CATCH spelling over C++ exceptions.
#define TRY                      try
#define CATCH(class_name, e)     catch (class_name * e)
#define AND_CATCH(class_name, e) catch (class_name * e)
#define END_CATCH
#define CATCH_ALL(e)     catch (CException * e)
#define AND_CATCH_ALL(e) catch (CException * e)
#define END_CATCH_ALL
#define THROW(e)     throw e
#define THROW_LAST() throw
