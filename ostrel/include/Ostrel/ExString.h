// A CString that drops one excluded character from every text assigned to it, and loads strings
// from a given module.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CExString : public CString {
 public:
  CExString();
  CExString(const CExString& src);
  ~CExString();

  CExString& operator=(const CExString& src);
  const CExString& operator=(const CString& src);
  const CExString& operator=(char ch);
  const CExString& operator=(const char* psz);
  const CExString& operator=(const unsigned char* psz);
  const CExString& operator=(const unsigned short* psz);

  // The character takes effect at the next assignment; 0 switches exclusion off. Returns 1.
  int Exclude(char ch);
  // Loads string nID of hInst; 1 when a non-empty string was loaded.
  int LoadString(HINSTANCE hInst, UINT nID);

  HGLOBAL m_hBuffer;
  char m_chExclude;

 private:
  void RemoveExcluded();
};
