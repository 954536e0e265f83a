// CExString: the excluded character and module-relative string loading.
#include <Ostrel/ExString.h>

CExString::CExString() : m_hBuffer(NULL), m_chExclude(0) {}

CExString::CExString(const CExString& src) : CString(src), m_hBuffer(src.m_hBuffer), m_chExclude(src.m_chExclude) {}

CExString::~CExString() {
  if (m_hBuffer != NULL) GlobalFree(m_hBuffer);
}

CExString& CExString::operator=(const CExString& src) {
  CString::operator=(src);
  m_hBuffer = src.m_hBuffer;
  m_chExclude = src.m_chExclude;
  return *this;
}

const CExString& CExString::operator=(const CString& src) {
  CString::operator=(src);
  RemoveExcluded();
  return *this;
}

const CExString& CExString::operator=(char ch) {
  CString::operator=(ch);
  RemoveExcluded();
  return *this;
}

const CExString& CExString::operator=(const char* psz) {
  CString::operator=(psz);
  RemoveExcluded();
  return *this;
}

const CExString& CExString::operator=(const unsigned char* psz) { return operator=((const char*)psz); }

const CExString& CExString::operator=(const unsigned short* psz) {
  CString::operator=(psz);
  RemoveExcluded();
  return *this;
}

int CExString::Exclude(char ch) {
  m_chExclude = ch;
  return 1;
}

// Byte-wise: a lead or trail byte equal to the character goes as well. One pass that keeps the
// other bytes in order, in place.
void CExString::RemoveExcluded() {
  if (m_chExclude == 0 || Find(m_chExclude) < 0) return;
  const int nLength = GetLength();
  char* p = GetBuffer(nLength);
  int nKept = 0;
  for (int i = 0; i < nLength; i++)
    if (p[i] != m_chExclude) p[nKept++] = p[i];
  ReleaseBuffer(nKept);
}

int CExString::LoadString(HINSTANCE hInst, UINT nID) {
  char buffer[256];
  memset(buffer, 0, sizeof buffer);
  int n = ::LoadStringA(hInst, nID, buffer, 256);
  if ((unsigned)(256 - n) > 2) {
    operator=((const char*)buffer);
    return n > 0;
  }
  // The text may have been cut: load again into ever larger room in the string itself.
  int size = 256;
  do {
    size += 256;
    char* p = GetBuffer(size - 1);
    n = ::LoadStringA(hInst, nID, p, size);
    if (n == 0) *p = '\0';
  } while (size - n <= 2);
  ReleaseBuffer();
  return n > 0;
}
