// CObject, run-time class information and the framework's exceptions.
#include <afx.h>
#include <stdio.h>
#include "afxguard.h"

static CRuntimeClass* g_pFirstClass = NULL;

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) {
  pNewClass->m_pNextClass = g_pFirstClass;
  g_pFirstClass = pNewClass;
}

// Forgets the classes declared in a module that is going away (they live in its image).
void AfxRemoveModuleClasses(HMODULE hModule) {
  const BYTE* base = (const BYTE*)hModule;
  const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)(base + ((const IMAGE_DOS_HEADER*)base)->e_lfanew);
  const BYTE* end = base + nt->OptionalHeader.SizeOfImage;
  for (CRuntimeClass** ppClass = &g_pFirstClass; *ppClass != NULL;) {
    const BYTE* p = (const BYTE*)*ppClass;
    if (p >= base && p < end)
      *ppClass = (*ppClass)->m_pNextClass;
    else
      ppClass = &(*ppClass)->m_pNextClass;
  }
}

CObject* CRuntimeClass::CreateObject() {
  CObject* pObject = NULL;
  if (m_pfnCreateObject != NULL) AfxRunGuarded([&] { pObject = (*m_pfnCreateObject)(); });
  return pObject;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* p = this; p != NULL; p = p->m_pBaseClass)
    if (p == pBaseClass) return TRUE;
  return FALSE;
}

CRuntimeClass* AFXAPI CRuntimeClass::FromName(const char* lpszClassName) {
  if (lpszClassName == NULL) return NULL;
  for (CRuntimeClass* p = g_pFirstClass; p != NULL; p = p->m_pNextClass)
    if (strcmp(p->m_lpszClassName, lpszClassName) == 0) return p;
  return NULL;
}

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, NULL, NULL, NULL};
static AFX_CLASSINIT _init_CObject(&CObject::classCObject);

CObject::~CObject() {}
CRuntimeClass* CObject::GetRuntimeClass() const { return &CObject::classCObject; }
CRuntimeClass* AFXAPI CObject::_GetBaseClass() { return NULL; }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject) {
  return (pObject != NULL && pObject->IsKindOf(pClass)) ? pObject : NULL;
}

void AFXAPI AfxAssertFailed(const char* file, int line) {
  char text[512];
  snprintf(text, sizeof text, "Assertion failed: %s(%d)\n", file, line);
  OutputDebugStringA(text);
  DebugBreak();
}

// Exceptions. The memory exception is one preallocated object, since it is thrown when memory is out.
IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

void CException::Delete() {
  if (m_bAutoDelete) delete this;
}

BOOL CException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) {
  if (pnHelpContext != NULL) *pnHelpContext = 0;
  if (lpszError != NULL && nMaxError > 0) *lpszError = '\0';
  return FALSE;
}

BOOL CMemoryException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) {
  if (pnHelpContext != NULL) *pnHelpContext = 0;
  if (lpszError == NULL || nMaxError == 0) return FALSE;
  lstrcpynA(lpszError, "Out of memory.", (int)nMaxError);
  return TRUE;
}

static CMemoryException g_memoryException;
static CResourceException g_resourceException;
static CNotSupportedException g_notSupportedException;

void AFXAPI AfxThrowMemoryException() { throw &g_memoryException; }
void AFXAPI AfxThrowResourceException() { throw &g_resourceException; }
void AFXAPI AfxThrowNotSupportedException() { throw &g_notSupportedException; }
