// Framework layer: build switches, export macros and the small macros every header uses.
#pragma once

#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
#include <stddef.h>
#include <string.h>

// Classes and functions of afx.dll itself.
#ifdef OSTREL_AFX_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_DATA_EXPORT  __declspec(dllexport)
#define AFX_DATA_IMPORT  __declspec(dllimport)

// An extension DLL defines _AFXEXT while it is built, so its AFX_EXT_CLASS classes are exported;
// everyone else imports them.
#ifdef _AFXEXT
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API   AFX_CLASS_EXPORT
#define AFX_EXT_DATA  AFX_DATA_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API   AFX_CLASS_IMPORT
#define AFX_EXT_DATA  AFX_DATA_IMPORT
#endif

#define AFXAPI     __stdcall
#define AFX_CDECL  __cdecl
#define AFX_INLINE inline
#define afx_msg

#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailed(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif
#define ASSERT_VALID(p)       ((void)0)
#define ASSERT_KINDOF(cls, p) ((void)0)
#define TRACE(...)            ((void)0)
#define TRACE0(s)             ((void)0)
#define UNUSED_ALWAYS(x)      ((void)(x))
#define DEBUG_NEW             new

AFX_API void AFXAPI AfxAssertFailed(const char* file, int line);
