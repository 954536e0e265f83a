// CWinReg over the registry and INI files.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <string>
#include "ImportPatch.h"
#include "TempDir.h"
#include "TestProfile.h"

using namespace ostrel_test;

namespace {

int g_openKeys = 0;        // opened by the library and not closed yet
std::string g_refusedKey;  // opening a key of this name fails

LONG Counted(LONG lResult) {
  g_openKeys += lResult == ERROR_SUCCESS;
  return lResult;
}
LONG WINAPI CountedOpen(HKEY hKey, LPCSTR pszName, DWORD dwOptions, REGSAM sam, PHKEY phKey) {
  return g_refusedKey == pszName ? ERROR_ACCESS_DENIED : Counted(RegOpenKeyExA(hKey, pszName, dwOptions, sam, phKey));
}
LONG WINAPI CountedCreate(HKEY hKey, LPCSTR pszName, DWORD dw, LPSTR pszClass, DWORD dwOptions, REGSAM sam,
                          SECURITY_ATTRIBUTES* pSecurity, PHKEY phKey, DWORD* pdwDisposition) {
  return g_refusedKey == pszName
             ? ERROR_ACCESS_DENIED
             : Counted(RegCreateKeyExA(hKey, pszName, dw, pszClass, dwOptions, sam, pSecurity, phKey, pdwDisposition));
}
LONG WINAPI CountedClose(HKEY hKey) {
  --g_openKeys;
  return RegCloseKey(hKey);
}

TEST(WinReg, ValuesRoundTripUnderTheApplicationKeyWrongKindsReadAsDefaultsAndIniFilesTakeOver) {
  TestProfile profile;
  CWinReg reg, other;
  EXPECT_TRUE(reg.WriteProfileInt("Sec", "Count", -7));
  EXPECT_TRUE(reg.WriteProfileString("Sec", "Name", "C:\\Photos"));
  EXPECT_EQ("dword:4294967289", TestProfile::Get("Sec", "Count"));
  EXPECT_EQ("sz:C:\\Photos", TestProfile::Get("Sec", "Name"));
  EXPECT_EQ((UINT)-7, other.GetProfileInt("Sec", "Count", 3));
  EXPECT_STREQ("C:\\Photos", other.GetProfileString("Sec", "Name", "x"));
  EXPECT_EQ(42u, reg.GetProfileInt("Sec", "Missing", 42));
  EXPECT_STREQ("", reg.GetProfileString("Sec", "Missing", NULL));

  // Another application key for one object only; the shared name stays for the other.
  std::string strElsewhere = std::string(TestProfile::kAppName) + "\\Elsewhere";
  other.SetAppName(strElsewhere.c_str());
  EXPECT_EQ(3u, other.GetProfileInt("Sec", "Count", 3));
  EXPECT_EQ((UINT)-7, reg.GetProfileInt("Sec", "Count", 3));

  // A NULL value deletes the entry, a NULL entry the whole section.
  EXPECT_TRUE(reg.WriteProfileString("Sec", "Name", NULL));
  EXPECT_EQ("none", TestProfile::Get("Sec", "Name"));
  EXPECT_EQ("dword:4294967289", TestProfile::Get("Sec", "Count"));
  EXPECT_TRUE(reg.WriteProfileString("Sec", NULL, NULL));
  EXPECT_EQ("none", TestProfile::Get("Sec", "Count"));

  // Values of the wrong kind read as defaults; with a file name an INI file takes over.
  ASSERT_TRUE(TestProfile::Set("Odd", "Long", REG_BINARY, std::string(8, '\x01')));
  ASSERT_TRUE(TestProfile::Set("Odd", "Short", REG_BINARY, std::string("\x05\x01", 2)));
  ASSERT_TRUE(TestProfile::SetDword("Odd", "Number", 9));
  ASSERT_TRUE(TestProfile::Set("Odd", "Unended", REG_SZ, "abc"));
  EXPECT_EQ(77u, reg.GetProfileInt("Odd", "Long", 77));
  EXPECT_EQ(0x105u, reg.GetProfileInt("Odd", "Short", 77));  // any type that fits four bytes
  EXPECT_STREQ("dflt", reg.GetProfileString("Odd", "Number", "dflt"));
  EXPECT_STREQ("abc", reg.GetProfileString("Odd", "Unended", "dflt"));
  EXPECT_FALSE(reg.WriteProfileInt(NULL, "Any", 5));

  TempDir dir;
  std::string ini = dir.File("profile.ini");
  EXPECT_TRUE(reg.WriteProfileInt("Ini", "Count", 12, ini.c_str()));
  EXPECT_NE(std::string::npos, TempDir::Read(ini).find("Count=12"));
  EXPECT_EQ(12u, reg.GetProfileInt("Ini", "Count", 0, ini.c_str()));
  EXPECT_STREQ("", reg.GetProfileString("Ini", "Missing", NULL, ini.c_str()));
  EXPECT_EQ("none", TestProfile::Get("Ini", "Count"));
}

// Whichever key on the way is refused: defaults, failed writes, and every opened key closed.
TEST(WinReg, RefusedKeysGiveDefaultsAndLeaveNoKeyOpen) {
  TestProfile profile;
  ImportPatch open("Ostrel.dll", "RegOpenKeyExA", (void*)CountedOpen);
  ImportPatch create("Ostrel.dll", "RegCreateKeyExA", (void*)CountedCreate);
  ImportPatch close("Ostrel.dll", "RegCloseKey", (void*)CountedClose);
  ASSERT_TRUE(open.Applied() && create.Applied() && close.Applied());
  CWinReg reg;
  ASSERT_TRUE(reg.WriteProfileString("Sec", "Name", "kept"));
  for (const char* refused : {"Software", "Tarvik Systems", (const char*)CWinReg::s_szAppName, "Sec", "-"}) {
    g_refusedKey = refused;
    g_openKeys = 0;
    bool bRefused = refused[0] != '-';
    EXPECT_EQ(!bRefused, !!reg.WriteProfileInt("Sec", "Count", 0)) << refused;
    EXPECT_EQ(bRefused ? 5u : 0u, reg.GetProfileInt("Sec", "Count", 5)) << refused;
    EXPECT_STREQ(bRefused ? "dflt" : "kept", reg.GetProfileString("Sec", "Name", "dflt")) << refused;
    EXPECT_EQ(!bRefused, !!reg.WriteProfileString("Sec", "Count", NULL)) << refused;
    EXPECT_FALSE(reg.WriteProfileString("Gone", NULL, NULL)) << refused;  // no such section
    EXPECT_EQ(0, g_openKeys) << refused;
  }
  g_refusedKey.clear();
}

}  // namespace
