// A test-only application key in the registry, removed before and after; raw accessors around the library.
#pragma once
#include <windows.h>
#include <shlwapi.h>
#include <t32Cfg.h>
#include <string>

namespace ostrel_test {

class TestProfile {
 public:
  static constexpr const char* kAppName = "Ostrel buttons_tests";

  TestProfile() {
    t32CfgSetAppName(kAppName);
    Remove();
  }
  ~TestProfile() {
    Remove();
    t32CfgSetAppName(NULL);
  }

  static std::string Key(const char* pszSection) {
    return std::string("Software\\Tarvik Systems\\") + kAppName + "\\4.0\\" + pszSection;
  }
  static bool Set(const char* pszSection, const char* pszValue, DWORD type, const std::string& bytes) {
    return !SHSetValueA(HKEY_LOCAL_MACHINE, Key(pszSection).c_str(), pszValue, type, bytes.data(), bytes.size());
  }
  static bool SetDword(const char* pszSection, const char* pszValue, DWORD value) {
    return Set(pszSection, pszValue, REG_DWORD, std::string((const char*)&value, 4));
  }
  // "type:text" of a REG_SZ value, "type:number" of a REG_DWORD, "none" when it is missing.
  static std::string Get(const char* pszSection, const char* pszValue) {
    char data[1024] = "";
    DWORD type = 0, cb = sizeof data;
    if (SHGetValueA(HKEY_LOCAL_MACHINE, Key(pszSection).c_str(), pszValue, &type, data, &cb)) return "none";
    if (type == REG_DWORD) return "dword:" + std::to_string(*(const DWORD*)data);
    return (type == REG_SZ ? "sz:" : "other:") + std::string(data);
  }

 private:
  static void Remove() {
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string("Software\\Tarvik Systems\\") + kAppName).c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Tarvik Systems");  // refused while other programs use it
  }
};

}  // namespace ostrel_test
