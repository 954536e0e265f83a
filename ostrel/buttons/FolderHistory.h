// The recent-folder history shared by the browse button and CVexROD: newest first, a capacity,
// no two entries equal ignoring case, every path normalised by the trailing-backslash rule, kept in
// the registry profile as a format marker, "Total" and "Folder0".."Folder8".
#pragma once
#include <afxwin.h>
#include <afxcoll.h>

namespace FolderHistory {

const int kStoredMax = 9;      // registry values "Folder0".."Folder8"
const int kDisplayChars = 30;  // menu texts are abbreviated to this length

// In place: a bare drive gets its backslash ("C:" -> "C:\"), a folder loses one ("C:\Photos\" ->
// "C:\Photos"), a root keeps it. The buffer holds MAX_PATH characters.
void RemoveSlash(char* pszPath);
// In place: a long path becomes "<volume prefix>\...\<last folders>", or its last component alone.
void Abbreviate(char* pszPath, int cchMax);
// In place: abbreviated, with every '&' doubled so a menu shows it. The buffer holds MAX_PATH.
void MenuDisplayName(char* pszPath);

// The folder a host starts with, normalised; empty for NULL or an over-long path.
CString InitialFolder(const char* pszFolder);

// Adds the path at the head (a repeat moves up; the oldest goes when the list is full). FALSE for a
// NULL, empty or over-long path or when memory runs out; TRUE otherwise, also with capacity 0.
BOOL Add(CStringList& list, int nMax, const char* pszPath);
// Removes the path; FALSE for capacity 0 or a bad path.
BOOL Remove(CStringList& list, int nMax, const char* pszPath);
// Entry nIndex (0 = newest), empty when there is none.
CString At(const CStringList& list, int nIndex);

// Loads the list from the profile section; a missing or foreign marker gives strInitial alone.
void Read(CStringList& list, const char* pszSection, const char* pszMarker, const CString& strInitial);
// Stores marker 0, "Total" and the folders; FALSE at the first write that fails.
BOOL Write(const CStringList& list, const char* pszSection, const char* pszMarker);

// Deletes the menu's items from position nFrom on.
void DeleteItemsFrom(CMenu& menu, int nFrom);
// Appends "&1 <name>", "&2 <name>" ... with commands nFirstCommand, nFirstCommand + 1 ...
BOOL AppendItems(CMenu& menu, const CStringList& list, UINT nFirstCommand);

}  // namespace FolderHistory
