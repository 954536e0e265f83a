// Framework layer: the named collections (lists, arrays and maps of fixed element types).
#pragma once
#include "afxtempl.h"

#define AFX_NAMED_COLLECTION(class_name, ...)     \
  class AFX_API class_name : public __VA_ARGS__ { \
    DECLARE_DYNAMIC(class_name)                   \
   public:                                        \
    explicit class_name(int nBlockSize = 10);     \
    ~class_name() override;                       \
  };
#define AFX_NAMED_ARRAY(class_name, ...)          \
  class AFX_API class_name : public __VA_ARGS__ { \
    DECLARE_DYNAMIC(class_name)                   \
   public:                                        \
    class_name();                                 \
    ~class_name() override;                       \
  };

AFX_NAMED_COLLECTION(CPtrList, CList<void*, void*>)
AFX_NAMED_COLLECTION(CObList, CList<CObject*, CObject*>)
AFX_NAMED_COLLECTION(CStringList, CList<CString, const CString&>)

AFX_NAMED_ARRAY(CPtrArray, CArray<void*, void*>)
AFX_NAMED_ARRAY(CObArray, CArray<CObject*, CObject*>)
AFX_NAMED_ARRAY(CDWordArray, CArray<DWORD, DWORD>)
AFX_NAMED_ARRAY(CWordArray, CArray<WORD, WORD>)
AFX_NAMED_ARRAY(CByteArray, CArray<BYTE, BYTE>)
AFX_NAMED_ARRAY(CUIntArray, CArray<UINT, UINT>)
AFX_NAMED_ARRAY(CStringArray, CArray<CString, const CString&>)

AFX_NAMED_COLLECTION(CMapPtrToPtr, CMap<void*, void*, void*, void*>)
AFX_NAMED_COLLECTION(CMapPtrToWord, CMap<void*, void*, WORD, WORD>)
AFX_NAMED_COLLECTION(CMapWordToPtr, CMap<WORD, WORD, void*, void*>)
AFX_NAMED_COLLECTION(CMapWordToOb, CMap<WORD, WORD, CObject*, CObject*>)
AFX_NAMED_COLLECTION(CMapStringToPtr, CMap<CString, LPCTSTR, void*, void*>)
AFX_NAMED_COLLECTION(CMapStringToOb, CMap<CString, LPCTSTR, CObject*, CObject*>)
AFX_NAMED_COLLECTION(CMapStringToString, CMap<CString, LPCTSTR, CString, LPCTSTR>)

#undef AFX_NAMED_COLLECTION
#undef AFX_NAMED_ARRAY
