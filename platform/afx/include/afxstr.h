// Framework layer: CString, a single-byte (ANSI code page) string.
// Every CString owns its buffer outright (no sharing), so copies are independent and may be handed
// between threads freely. The object is one pointer wide: the length and capacity sit in a small
// header just before the characters.
#pragma once
#include <stdarg.h>
#include "afxobj.h"

struct CStringData {
  int nDataLength;   // characters in use, without the terminating zero
  int nAllocLength;  // characters that fit, without the terminating zero
  char* data() { return reinterpret_cast<char*>(this + 1); }
};

class AFX_API CString {
 public:
  CString();
  CString(const CString& stringSrc);
  CString(char ch, int nRepeat = 1);
  CString(LPCSTR lpsz);
  CString(LPCSTR lpch, int nLength);
  CString(const unsigned char* psz);
  CString(const wchar_t* lpsz);         // converted to the ANSI code page
  CString(const unsigned short* lpsz);  // UTF-16 as 16-bit units, converted likewise
  ~CString();

  int GetLength() const { return GetData()->nDataLength; }
  BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
  void Empty();

  char GetAt(int nIndex) const;
  char operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, char ch);
  operator LPCTSTR() const { return m_pchData; }

  const CString& operator=(const CString& stringSrc);
  const CString& operator=(char ch);
  const CString& operator=(LPCSTR lpsz);
  const CString& operator=(const unsigned char* psz);
  const CString& operator=(const wchar_t* lpsz);
  const CString& operator=(const unsigned short* lpsz);

  const CString& operator+=(const CString& string);
  const CString& operator+=(char ch);
  const CString& operator+=(LPCTSTR lpsz);

  friend AFX_API CString AFXAPI operator+(const CString& string1, const CString& string2);
  friend AFX_API CString AFXAPI operator+(const CString& string, char ch);
  friend AFX_API CString AFXAPI operator+(char ch, const CString& string);
  friend AFX_API CString AFXAPI operator+(const CString& string, LPCTSTR lpsz);
  friend AFX_API CString AFXAPI operator+(LPCTSTR lpsz, const CString& string);

  // Byte order (Compare) and case-blind byte order; Collate uses the locale's sort order.
  int Compare(LPCTSTR lpsz) const { return strcmp(m_pchData, lpsz ? lpsz : ""); }
  int CompareNoCase(LPCTSTR lpsz) const { return _stricmp(m_pchData, lpsz ? lpsz : ""); }
  int Collate(LPCTSTR lpsz) const { return lstrcmpA(m_pchData, lpsz ? lpsz : ""); }
  int CollateNoCase(LPCTSTR lpsz) const { return lstrcmpiA(m_pchData, lpsz ? lpsz : ""); }

  CString Mid(int nFirst, int nCount) const;
  CString Mid(int nFirst) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;
  CString SpanIncluding(LPCTSTR lpszCharSet) const;
  CString SpanExcluding(LPCTSTR lpszCharSet) const;

  void MakeUpper();
  void MakeLower();
  void MakeReverse();
  int Replace(char chOld, char chNew);
  int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
  int Remove(char chRemove);
  int Insert(int nIndex, char ch);
  int Insert(int nIndex, LPCTSTR pstr);
  int Delete(int nIndex, int nCount = 1);

  void TrimRight();
  void TrimRight(char chTarget);
  void TrimRight(LPCTSTR lpszTargets);
  void TrimLeft();
  void TrimLeft(char chTarget);
  void TrimLeft(LPCTSTR lpszTargets);

  int Find(char ch) const { return Find(ch, 0); }
  int Find(char ch, int nStart) const;
  int Find(LPCTSTR lpszSub) const { return Find(lpszSub, 0); }
  int Find(LPCTSTR lpszSub, int nStart) const;
  int ReverseFind(char ch) const;
  int FindOneOf(LPCTSTR lpszCharSet) const;

  void AFX_CDECL Format(LPCTSTR lpszFormat, ...);
  void AFX_CDECL Format(UINT nFormatID, ...);
  void FormatV(LPCTSTR lpszFormat, va_list argList);
  // Message-table style formatting (%1, %2 ... inserts) through FormatMessage.
  void AFX_CDECL FormatMessage(LPCTSTR lpszFormat, ...);

  BOOL LoadString(UINT nID);
  void AnsiToOem();
  void OemToAnsi();

  // Direct access: write at most nMinBufLength characters, then call ReleaseBuffer.
  LPTSTR GetBuffer(int nMinBufLength);
  void ReleaseBuffer(int nNewLength = -1);
  LPTSTR GetBufferSetLength(int nNewLength);
  void FreeExtra();
  LPTSTR LockBuffer();
  void UnlockBuffer() {}

 protected:
  LPTSTR m_pchData;

  CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
  void AllocBuffer(int nLen);  // replaces the buffer (old one freed) with an empty one of nLen
  void Release();              // frees the buffer and becomes the empty string
  void AssignCopy(int nSrcLen, LPCTSTR lpszSrcData);
  void AppendCopy(int nSrcLen, LPCTSTR lpszSrcData);
  void AssignWide(const wchar_t* lpsz);
  void Reserve(int nLen);  // grows the capacity, keeping the text
};

inline bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
inline bool operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
inline bool operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
inline bool operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

// Copies the iSubString-th field of lpszFullString (fields separated by chSep) into rString.
// FALSE (and an empty rString) when there is no such field.
AFX_API BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep = '\n');
