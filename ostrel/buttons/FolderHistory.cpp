// FolderHistory: path rules, list rules, registry layout and menu items of the recent folders.
#include "FolderHistory.h"
#include <Ostrel/WinReg.h>
#include <mbstring.h>
#include <stdio.h>
#include <string.h>
#include <t32Comm.h>

namespace FolderHistory {

namespace {

const char kTotal[] = "Total";

unsigned char* Bytes(char* psz) { return (unsigned char*)psz; }

// The next backslash at or after p (walking whole characters), or the terminator.
char* NextSlash(char* p) {
  while (*p != 0 && *p != '\\') p = (char*)_mbsinc(Bytes(p));
  return p;
}

// Copies a usable path into szOut[MAX_PATH] and normalises it.
BOOL Normalise(const char* pszPath, char* pszOut) {
  if (pszPath == NULL || pszPath[0] == 0 || strlen(pszPath) >= MAX_PATH) return FALSE;
  strcpy(pszOut, pszPath);
  RemoveSlash(pszOut);
  return TRUE;
}

POSITION Find(const CStringList& list, const char* pszPath) {
  for (POSITION pos = list.GetHeadPosition(); pos != NULL;) {
    POSITION posAt = pos;
    if (_mbsicmp((const unsigned char*)(const char*)list.GetNext(pos), (const unsigned char*)pszPath) == 0)
      return posAt;
  }
  return NULL;
}

void EntryName(char* pszName, size_t cb, int nIndex) { snprintf(pszName, cb, "Folder%d", nIndex); }

}  // namespace

void RemoveSlash(char* pszPath) {
  if (pszPath == NULL || pszPath[0] == 0) return;
  size_t nLength = strlen(pszPath);
  char* pDir = (nLength >= 2 && pszPath[1] == ':') ? pszPath + 2 : pszPath;
  char* pLastSlash = NULL;
  char* pLastChar = NULL;
  for (char* p = pDir; *p != 0; p = (char*)_mbsinc(Bytes(p))) {
    pLastChar = p;
    if (*p == '\\' || *p == '/') pLastSlash = p;
  }
  if (pLastSlash == NULL) {  // no folder part: "C:" names the drive's root
    if (nLength + 1 < MAX_PATH) strcpy(pszPath + nLength, "\\");
    return;
  }
  if (pLastSlash == pDir) return;  // the folder part is the root alone
  if (pLastChar == pLastSlash && *pLastSlash == '\\') *pLastSlash = 0;
}

void Abbreviate(char* pszPath, int cchMax) {
  if (pszPath == NULL || (int)strlen(pszPath) <= cchMax) return;
  char szName[MAX_PATH] = "";
  if (!tfdSplitPathname(pszPath, szName, NULL)) return;
  int nName = (int)strlen(szName);
  int nLength = (int)strlen(pszPath);
  char* pPrefixEnd = pszPath + (nLength < 2 ? nLength : 2);
  if (pszPath[0] == '\\' && pszPath[1] == '\\' && pszPath[2] != '\\') pPrefixEnd = NextSlash(pPrefixEnd);  // server
  if (nLength - nName > 3 && *pPrefixEnd != 0) pPrefixEnd = NextSlash(pPrefixEnd + 1);  // first folder
  int nPrefix = (int)(pPrefixEnd - pszPath);
  if (*pPrefixEnd == 0 || nPrefix + 5 + nName > cchMax) {
    strcpy(pszPath, szName);
    return;
  }
  char* pRest = pPrefixEnd;
  while (nPrefix + 4 + (int)strlen(pRest) > cchMax && *pRest != 0) pRest = NextSlash(pRest + 1);
  char szShort[MAX_PATH];
  snprintf(szShort, sizeof(szShort), "%.*s\\...%s", nPrefix, pszPath, pRest);
  strcpy(pszPath, szShort);
}

void MenuDisplayName(char* pszPath) {
  if (pszPath == NULL) return;
  Abbreviate(pszPath, kDisplayChars);
  char szText[MAX_PATH];
  int n = 0;
  for (const char* p = pszPath; *p != 0 && n < MAX_PATH - 2; ++p) {
    if (*p == '&') szText[n++] = '&';
    szText[n++] = *p;
  }
  szText[n] = 0;
  strcpy(pszPath, szText);
}

CString InitialFolder(const char* pszFolder) {
  char szPath[MAX_PATH];
  return Normalise(pszFolder, szPath) ? CString(szPath) : CString();
}

BOOL Add(CStringList& list, int nMax, const char* pszPath) {
  char szPath[MAX_PATH];
  if (!Normalise(pszPath, szPath)) return FALSE;
  if (nMax <= 0) return TRUE;
  try {
    POSITION pos = Find(list, szPath);
    if (pos != NULL) list.RemoveAt(pos);
    while (list.GetCount() >= nMax) list.RemoveTail();
    list.AddHead(CString(szPath));
  } catch (CException* e) {
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

BOOL Remove(CStringList& list, int nMax, const char* pszPath) {
  char szPath[MAX_PATH];
  if (nMax <= 0 || !Normalise(pszPath, szPath)) return FALSE;
  POSITION pos = Find(list, szPath);
  if (pos != NULL) list.RemoveAt(pos);
  return TRUE;
}

CString At(const CStringList& list, int nIndex) {
  POSITION pos = list.GetHeadPosition();
  for (int i = 0; pos != NULL; ++i) {
    const CString& strFolder = list.GetNext(pos);
    if (i == nIndex) return strFolder;
  }
  return CString();
}

// Values that are not usable paths, or repeat an earlier one, are passed over.
void Read(CStringList& list, const char* pszSection, const char* pszMarker, const CString& strInitial) {
  try {
    list.RemoveAll();
    CWinReg reg;
    if (reg.GetProfileInt(pszSection, pszMarker, 1) != 0) {
      char szPath[MAX_PATH];
      if (Normalise(strInitial, szPath)) list.AddTail(CString(szPath));
      return;
    }
    int nTotal = (int)reg.GetProfileInt(pszSection, kTotal, 1);
    for (int k = 0; k < nTotal && k < kStoredMax; ++k) {
      char szEntry[16], szPath[MAX_PATH];
      EntryName(szEntry, sizeof(szEntry), k);
      CString strFolder = reg.GetProfileString(pszSection, szEntry, "");
      if (Normalise(strFolder, szPath) && Find(list, szPath) == NULL) list.AddTail(CString(szPath));
    }
  } catch (CException* e) {
    e->Delete();
  }
}

BOOL Write(const CStringList& list, const char* pszSection, const char* pszMarker) {
  CWinReg reg;
  if (!reg.WriteProfileInt(pszSection, pszMarker, 0)) return FALSE;
  if (!reg.WriteProfileInt(pszSection, kTotal, list.GetCount())) return FALSE;
  int k = 0;
  for (POSITION pos = list.GetHeadPosition(); pos != NULL; ++k) {
    char szEntry[16];
    EntryName(szEntry, sizeof(szEntry), k);
    if (!reg.WriteProfileString(pszSection, szEntry, list.GetNext(pos))) return FALSE;
  }
  return TRUE;
}

void DeleteItemsFrom(CMenu& menu, int nFrom) {
  if (nFrom < 0) nFrom = 0;
  while ((int)menu.GetMenuItemCount() > nFrom)
    if (!menu.DeleteMenu(nFrom, MF_BYPOSITION)) break;
}

BOOL AppendItems(CMenu& menu, const CStringList& list, UINT nFirstCommand) {
  int i = 0;
  for (POSITION pos = list.GetHeadPosition(); pos != NULL; ++i) {
    char szName[MAX_PATH];
    lstrcpynA(szName, list.GetNext(pos), MAX_PATH);
    MenuDisplayName(szName);
    char szText[MAX_PATH + 16];
    snprintf(szText, sizeof(szText), "&%d %s", i + 1, szName);
    if (!menu.AppendMenu(MF_STRING, nFirstCommand + i, szText)) return FALSE;
  }
  return TRUE;
}

}  // namespace FolderHistory
