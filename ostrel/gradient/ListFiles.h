// Files of item-list strips, without windows: where a list file lives and how an unreadable one
// is kept before a new one is written over it.
#pragma once
#include <string>

// The folder of the module file, then "Tarvik.dat\", then pszName. A module name without a folder
// gives the data folder relative to the current one.
std::string DataFilePath(const char* pszModuleFile, const char* pszName);

// Copies a file that could not be read to "<path>.unreadable" (then ".unreadable2" ... when those
// names hold other bytes), so that nothing the user had is lost when the list file is written
// anew. True when such a copy exists afterwards; pKept receives its name.
bool KeepUnreadableFile(const std::string& strPath, std::string* pKept = NULL);

bool FileExists(const std::string& strPath);
