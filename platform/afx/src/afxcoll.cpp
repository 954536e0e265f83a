// The named collections: run-time class information and out-of-line constructors, so that every
// module uses the ones in this library.
#include <afx.h>

#define AFX_IMPLEMENT_COLLECTION(class_name)                                \
  IMPLEMENT_DYNAMIC(class_name, CObject)                                    \
  class_name::class_name(int nBlockSize) : class_name::CList(nBlockSize) {} \
  class_name::~class_name() {}

#define AFX_IMPLEMENT_MAP(class_name)                                      \
  IMPLEMENT_DYNAMIC(class_name, CObject)                                   \
  class_name::class_name(int nBlockSize) : class_name::CMap(nBlockSize) {} \
  class_name::~class_name() {}

#define AFX_IMPLEMENT_ARRAY(class_name)  \
  IMPLEMENT_DYNAMIC(class_name, CObject) \
  class_name::class_name() {}            \
  class_name::~class_name() {}

AFX_IMPLEMENT_COLLECTION(CPtrList)
AFX_IMPLEMENT_COLLECTION(CObList)
AFX_IMPLEMENT_COLLECTION(CStringList)

AFX_IMPLEMENT_ARRAY(CPtrArray)
AFX_IMPLEMENT_ARRAY(CObArray)
AFX_IMPLEMENT_ARRAY(CDWordArray)
AFX_IMPLEMENT_ARRAY(CWordArray)
AFX_IMPLEMENT_ARRAY(CByteArray)
AFX_IMPLEMENT_ARRAY(CUIntArray)
AFX_IMPLEMENT_ARRAY(CStringArray)

AFX_IMPLEMENT_MAP(CMapPtrToPtr)
AFX_IMPLEMENT_MAP(CMapPtrToWord)
AFX_IMPLEMENT_MAP(CMapWordToPtr)
AFX_IMPLEMENT_MAP(CMapWordToOb)
AFX_IMPLEMENT_MAP(CMapStringToPtr)
AFX_IMPLEMENT_MAP(CMapStringToOb)
AFX_IMPLEMENT_MAP(CMapStringToString)
