// CString: buffers, assignment, search and edit operations, formatting and resource strings.
#include <afx.h>
#include <ctype.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

extern "C++" AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

namespace {

// The empty string every CString starts with; it is shared and never written to.
struct NilString {
  CStringData data;
  char chNil;
};
NilString g_nil = {{0, 0}, 0};
char* const g_pchNil = g_nil.data.data();

int SafeLength(LPCSTR lpsz) { return lpsz == NULL ? 0 : (int)strlen(lpsz); }

// A new buffer for nAlloc characters holding an empty text.
CStringData* NewData(int nAlloc) {
  if (nAlloc < 0 || nAlloc > INT_MAX - (int)sizeof(CStringData) - 1) AfxThrowMemoryException();
  CStringData* pData = (CStringData*)malloc(sizeof(CStringData) + nAlloc + 1);
  if (pData == NULL) AfxThrowMemoryException();
  pData->nAllocLength = nAlloc;
  pData->nDataLength = 0;
  pData->data()[0] = '\0';
  return pData;
}

bool IsWhiteSpace(char ch) { return ch != '\0' && strchr(" \t\n\v\f\r", ch) != NULL; }

}  // namespace

// --- construction and buffers ---

CString::CString() : m_pchData(g_pchNil) {}

CString::CString(const CString& stringSrc) : m_pchData(g_pchNil) {
  AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
}

CString::CString(char ch, int nRepeat) : m_pchData(g_pchNil) {
  if (nRepeat <= 0) return;
  Reserve(nRepeat);
  memset(m_pchData, ch, nRepeat);
  GetData()->nDataLength = nRepeat;
  m_pchData[nRepeat] = '\0';
}

CString::CString(LPCSTR lpsz) : m_pchData(g_pchNil) { *this = lpsz; }

CString::CString(LPCSTR lpch, int nLength) : m_pchData(g_pchNil) {
  if (lpch != NULL && nLength > 0) AssignCopy(nLength, lpch);
}

CString::CString(const unsigned char* psz) : m_pchData(g_pchNil) { *this = (LPCSTR)psz; }

CString::CString(const wchar_t* lpsz) : m_pchData(g_pchNil) { AssignWide(lpsz); }

CString::CString(const unsigned short* lpsz) : m_pchData(g_pchNil) { AssignWide((const wchar_t*)lpsz); }

CString::~CString() { Release(); }

void CString::Release() {
  if (m_pchData != g_pchNil) free(GetData());
  m_pchData = g_pchNil;
}

void CString::AllocBuffer(int nLen) {
  CStringData* pData = NewData(nLen);
  Release();
  m_pchData = pData->data();
}

void CString::Reserve(int nLen) {
  if (m_pchData != g_pchNil && nLen <= GetData()->nAllocLength) return;
  CStringData* pData = NewData(nLen);
  int nOld = GetLength();
  memcpy(pData->data(), m_pchData, nOld + 1);
  pData->nDataLength = nOld;
  Release();
  m_pchData = pData->data();
}

void CString::AssignCopy(int nSrcLen, LPCTSTR lpszSrcData) {
  if (nSrcLen <= 0) {
    if (m_pchData != g_pchNil) m_pchData[GetData()->nDataLength = 0] = '\0';
    return;
  }
  if (m_pchData != g_pchNil && nSrcLen <= GetData()->nAllocLength) {
    memmove(m_pchData, lpszSrcData, nSrcLen);  // the source may be part of this string
  } else {
    CStringData* pData = NewData(nSrcLen);
    memcpy(pData->data(), lpszSrcData, nSrcLen);
    Release();
    m_pchData = pData->data();
  }
  GetData()->nDataLength = nSrcLen;
  m_pchData[nSrcLen] = '\0';
}

void CString::AppendCopy(int nSrcLen, LPCTSTR lpszSrcData) {
  if (nSrcLen <= 0) return;
  int nOld = GetLength();
  if (nSrcLen > INT_MAX / 2 - nOld) AfxThrowMemoryException();
  int nNew = nOld + nSrcLen;
  if (m_pchData != g_pchNil && nNew <= GetData()->nAllocLength) {
    memmove(m_pchData + nOld, lpszSrcData, nSrcLen);
  } else {
    // Grow by half again, so that appending in a loop stays linear.
    CStringData* pData = NewData(nNew + nNew / 2);
    memcpy(pData->data(), m_pchData, nOld);
    memcpy(pData->data() + nOld, lpszSrcData, nSrcLen);  // before the old buffer goes
    Release();
    m_pchData = pData->data();
  }
  GetData()->nDataLength = nNew;
  m_pchData[nNew] = '\0';
}

void CString::AssignWide(const wchar_t* lpsz) {
  int nBytes = lpsz == NULL ? 0 : WideCharToMultiByte(CP_ACP, 0, lpsz, -1, NULL, 0, NULL, NULL);
  if (nBytes <= 1) {
    Empty();
    return;
  }
  CStringData* pData = NewData(nBytes - 1);
  WideCharToMultiByte(CP_ACP, 0, lpsz, -1, pData->data(), nBytes, NULL, NULL);
  pData->nDataLength = nBytes - 1;
  pData->data()[nBytes - 1] = '\0';
  Release();
  m_pchData = pData->data();
}

void CString::Empty() { Release(); }

LPTSTR CString::GetBuffer(int nMinBufLength) {
  if (nMinBufLength < 0) nMinBufLength = 0;
  if (m_pchData == g_pchNil || nMinBufLength > GetData()->nAllocLength)
    Reserve(nMinBufLength > GetLength() ? nMinBufLength : GetLength());
  return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
  if (m_pchData == g_pchNil) return;
  int nAlloc = GetData()->nAllocLength;
  if (nNewLength < 0) nNewLength = (int)strnlen(m_pchData, nAlloc);
  if (nNewLength > nAlloc) nNewLength = nAlloc;
  GetData()->nDataLength = nNewLength;
  m_pchData[nNewLength] = '\0';
}

LPTSTR CString::GetBufferSetLength(int nNewLength) {
  if (nNewLength < 0) nNewLength = 0;
  GetBuffer(nNewLength);
  GetData()->nDataLength = nNewLength;
  m_pchData[nNewLength] = '\0';
  return m_pchData;
}

void CString::FreeExtra() {
  if (m_pchData == g_pchNil || GetLength() == GetData()->nAllocLength) return;
  if (IsEmpty()) {
    Release();
    return;
  }
  CString copy(*this);  // copies are allocated to fit
  Release();
  m_pchData = copy.m_pchData;
  copy.m_pchData = g_pchNil;
}

LPTSTR CString::LockBuffer() { return GetBuffer(0); }

// --- element access and assignment ---

char CString::GetAt(int nIndex) const { return (nIndex >= 0 && nIndex < GetLength()) ? m_pchData[nIndex] : '\0'; }

void CString::SetAt(int nIndex, char ch) {
  if (nIndex >= 0 && nIndex < GetLength()) m_pchData[nIndex] = ch;
}

const CString& CString::operator=(const CString& stringSrc) {
  if (&stringSrc != this) AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
  return *this;
}

const CString& CString::operator=(char ch) {
  AssignCopy(1, &ch);
  return *this;
}

const CString& CString::operator=(LPCSTR lpsz) {
  // A resource id made with MAKEINTRESOURCE loads that string, as the framework always allowed.
  if (lpsz != NULL && IS_INTRESOURCE(lpsz)) {
    LoadString(LOWORD((UINT_PTR)lpsz));
    return *this;
  }
  AssignCopy(SafeLength(lpsz), lpsz);
  return *this;
}

const CString& CString::operator=(const unsigned char* psz) { return *this = (LPCSTR)psz; }

const CString& CString::operator=(const wchar_t* lpsz) {
  AssignWide(lpsz);
  return *this;
}

const CString& CString::operator=(const unsigned short* lpsz) {
  AssignWide((const wchar_t*)lpsz);
  return *this;
}

const CString& CString::operator+=(const CString& string) {
  AppendCopy(string.GetLength(), string.m_pchData);
  return *this;
}

const CString& CString::operator+=(char ch) {
  AppendCopy(1, &ch);
  return *this;
}

const CString& CString::operator+=(LPCTSTR lpsz) {
  AppendCopy(SafeLength(lpsz), lpsz);
  return *this;
}

static CString Concat(LPCTSTR lpsz1, int nLen1, LPCTSTR lpsz2, int nLen2) {
  CString s;
  LPTSTR p = s.GetBufferSetLength(nLen1 + nLen2);
  if (nLen1 > 0) memcpy(p, lpsz1, nLen1);
  if (nLen2 > 0) memcpy(p + nLen1, lpsz2, nLen2);
  return s;
}

CString AFXAPI operator+(const CString& string1, const CString& string2) {
  return Concat(string1, string1.GetLength(), string2, string2.GetLength());
}
CString AFXAPI operator+(const CString& string, char ch) { return Concat(string, string.GetLength(), &ch, 1); }
CString AFXAPI operator+(char ch, const CString& string) { return Concat(&ch, 1, string, string.GetLength()); }
CString AFXAPI operator+(const CString& string, LPCTSTR lpsz) {
  return Concat(string, string.GetLength(), lpsz, SafeLength(lpsz));
}
CString AFXAPI operator+(LPCTSTR lpsz, const CString& string) {
  return Concat(lpsz, SafeLength(lpsz), string, string.GetLength());
}

// --- extraction ---

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const {
  int nLen = GetLength();
  if (nFirst < 0) nFirst = 0;
  if (nFirst > nLen) nFirst = nLen;
  if (nCount < 0) nCount = 0;
  if (nCount > nLen - nFirst) nCount = nLen - nFirst;
  return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const {
  int nLen = GetLength();
  if (nCount < 0) nCount = 0;
  if (nCount > nLen) nCount = nLen;
  return Mid(nLen - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const {
  return Left(lpszCharSet == NULL ? 0 : (int)strspn(m_pchData, lpszCharSet));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const {
  return Left(lpszCharSet == NULL ? GetLength() : (int)strcspn(m_pchData, lpszCharSet));
}

// --- in-place edits ---

void CString::MakeUpper() {
  for (char* p = m_pchData; *p; ++p) *p = (char)toupper((unsigned char)*p);
}

void CString::MakeLower() {
  for (char* p = m_pchData; *p; ++p) *p = (char)tolower((unsigned char)*p);
}

void CString::MakeReverse() {
  for (int i = 0, j = GetLength() - 1; i < j; ++i, --j) {
    char ch = m_pchData[i];
    m_pchData[i] = m_pchData[j];
    m_pchData[j] = ch;
  }
}

int CString::Replace(char chOld, char chNew) {
  int nCount = 0;
  if (chOld == chNew) return 0;
  for (int i = 0; i < GetLength(); i++) {
    if (m_pchData[i] == chOld) {
      m_pchData[i] = chNew;
      nCount++;
    }
  }
  return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew) {
  int nOldLen = SafeLength(lpszOld);
  if (nOldLen == 0) return 0;
  int nNewLen = SafeLength(lpszNew);
  CString result;
  int nCount = 0;
  LPCTSTR pStart = m_pchData;
  for (LPCTSTR pHit; (pHit = strstr(pStart, lpszOld)) != NULL; pStart = pHit + nOldLen) {
    result.AppendCopy((int)(pHit - pStart), pStart);
    result.AppendCopy(nNewLen, lpszNew);
    nCount++;
  }
  if (nCount == 0) return 0;
  result.AppendCopy((int)(m_pchData + GetLength() - pStart), pStart);
  *this = result;
  return nCount;
}

int CString::Remove(char chRemove) {
  int nLen = GetLength();
  int nKept = 0;
  for (int i = 0; i < nLen; i++)
    if (m_pchData[i] != chRemove) m_pchData[nKept++] = m_pchData[i];
  if (nKept == nLen) return 0;
  GetData()->nDataLength = nKept;
  m_pchData[nKept] = '\0';
  return nLen - nKept;
}

int CString::Insert(int nIndex, char ch) {
  char sz[2] = {ch, '\0'};
  return ch == '\0' ? GetLength() : Insert(nIndex, sz);
}

int CString::Insert(int nIndex, LPCTSTR pstr) {
  int nLen = GetLength();
  int nInsert = SafeLength(pstr);
  if (nIndex < 0) nIndex = 0;
  if (nIndex > nLen) nIndex = nLen;
  if (nInsert > 0) *this = Left(nIndex) + CString(pstr, nInsert) + Mid(nIndex);
  return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
  int nLen = GetLength();
  if (nIndex < 0) nIndex = 0;
  if (nCount > 0 && nIndex < nLen) {
    if (nCount > nLen - nIndex) nCount = nLen - nIndex;
    memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, nLen - nIndex - nCount + 1);
    GetData()->nDataLength = nLen - nCount;
  }
  return GetLength();
}

void CString::TrimRight() {
  int nLen = GetLength();
  while (nLen > 0 && IsWhiteSpace(m_pchData[nLen - 1])) nLen--;
  if (nLen != GetLength()) GetBufferSetLength(nLen);
}

void CString::TrimRight(char chTarget) {
  char sz[2] = {chTarget, '\0'};
  TrimRight(sz);
}

void CString::TrimRight(LPCTSTR lpszTargets) {
  if (lpszTargets == NULL || *lpszTargets == '\0') return;
  int nLen = GetLength();
  while (nLen > 0 && strchr(lpszTargets, m_pchData[nLen - 1]) != NULL) nLen--;
  if (nLen != GetLength()) GetBufferSetLength(nLen);
}

void CString::TrimLeft() {
  int n = 0;
  while (IsWhiteSpace(m_pchData[n])) n++;
  Delete(0, n);
}

void CString::TrimLeft(char chTarget) {
  char sz[2] = {chTarget, '\0'};
  TrimLeft(sz);
}

void CString::TrimLeft(LPCTSTR lpszTargets) {
  if (lpszTargets == NULL || *lpszTargets == '\0') return;
  Delete(0, (int)strspn(m_pchData, lpszTargets));
}

// --- searching ---

int CString::Find(char ch, int nStart) const {
  if (ch == '\0' || nStart < 0 || nStart >= GetLength()) return -1;
  LPCTSTR p = strchr(m_pchData + nStart, ch);
  return p == NULL ? -1 : (int)(p - m_pchData);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const {
  if (lpszSub == NULL || nStart < 0 || nStart > GetLength()) return -1;
  LPCTSTR p = strstr(m_pchData + nStart, lpszSub);
  return p == NULL ? -1 : (int)(p - m_pchData);
}

int CString::ReverseFind(char ch) const {
  if (ch == '\0') return -1;
  LPCTSTR p = strrchr(m_pchData, ch);
  return p == NULL ? -1 : (int)(p - m_pchData);
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const {
  if (lpszCharSet == NULL) return -1;
  LPCTSTR p = strpbrk(m_pchData, lpszCharSet);
  return p == NULL ? -1 : (int)(p - m_pchData);
}

// --- formatting ---

void CString::FormatV(LPCTSTR lpszFormat, va_list argList) {
  if (lpszFormat == NULL) {
    Empty();
    return;
  }
  // The C runtime's own printf, so that the Windows format flags (%I64d ...) behave as expected.
  va_list args;
  va_copy(args, argList);
  int nLen = _vscprintf(lpszFormat, args);
  va_end(args);
  if (nLen <= 0) {
    Empty();
    return;
  }
  CString result;
  va_copy(args, argList);
  _vsnprintf(result.GetBuffer(nLen), nLen + 1, lpszFormat, args);
  va_end(args);
  result.ReleaseBuffer(nLen);
  *this = result;
}

void AFX_CDECL CString::Format(LPCTSTR lpszFormat, ...) {
  va_list argList;
  va_start(argList, lpszFormat);
  FormatV(lpszFormat, argList);
  va_end(argList);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...) {
  CString strFormat;
  strFormat.LoadString(nFormatID);
  va_list argList;
  va_start(argList, nFormatID);
  FormatV(strFormat, argList);
  va_end(argList);
}

void AFX_CDECL CString::FormatMessage(LPCTSTR lpszFormat, ...) {
  va_list argList;
  va_start(argList, lpszFormat);
  LPSTR lpszTemp = NULL;
  DWORD nLen = ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER, lpszFormat, 0, 0,
                                (LPSTR)&lpszTemp, 0, &argList);
  va_end(argList);
  if (nLen == 0 || lpszTemp == NULL) {
    if (lpszTemp) LocalFree(lpszTemp);
    AfxThrowMemoryException();
  }
  AssignCopy((int)nLen, lpszTemp);
  LocalFree(lpszTemp);
}

// --- resources and code pages ---

BOOL CString::LoadString(UINT nID) {
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE((nID >> 4) + 1), RT_STRING);
  if (hInst == NULL) {
    Empty();
    return FALSE;
  }
  // A string resource holds at most 65535 characters; grow the buffer until the text fits.
  for (int nSize = 256;; nSize *= 2) {
    int nLen = ::LoadStringA(hInst, nID, GetBuffer(nSize - 1), nSize);
    if (nLen < nSize - 1 || nSize > 0x20000) {
      ReleaseBuffer(nLen);
      return nLen > 0;
    }
  }
}

void CString::AnsiToOem() {
  if (!IsEmpty()) ::CharToOemA(m_pchData, m_pchData);
}

void CString::OemToAnsi() {
  if (!IsEmpty()) ::OemToCharA(m_pchData, m_pchData);
}

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep) {
  rString.Empty();
  if (lpszFullString == NULL || iSubString < 0) return FALSE;
  while (iSubString-- > 0) {
    lpszFullString = strchr(lpszFullString, chSep);
    if (lpszFullString == NULL || chSep == '\0') return FALSE;
    lpszFullString++;
  }
  LPCTSTR lpchEnd = strchr(lpszFullString, chSep);
  int nLen = lpchEnd == NULL ? (int)strlen(lpszFullString) : (int)(lpchEnd - lpszFullString);
  rString = CString(lpszFullString, nLen);
  return TRUE;
}
