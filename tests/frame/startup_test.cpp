// Module start-up: the shared handles, the window classes, the resource chain and a second load of
// the library.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <algorithm>
#include <vector>
#include "TempDir.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

// The resource modules of the framework's library chain, first to last.
std::vector<HINSTANCE> Chain() {
  std::vector<HINSTANCE> chain;
  for (CDynLinkLibrary* p = AfxGetModuleState()->m_pFirstLibrary; p != NULL; p = p->m_pNextDLL)
    chain.push_back(p->m_hResource);
  return chain;
}

bool ChainHas(HMODULE hModule) {
  const std::vector<HINSTANCE> chain = Chain();
  return std::find(chain.begin(), chain.end(), hModule) != chain.end();
}

TEST(Startup, WindowClassesAreGlobalAndTheLibrarys) {
  HMODULE hOstrel = GetModuleHandleA("Ostrel.dll");
  ASSERT_NE((HMODULE)NULL, hOstrel);
  EXPECT_EQ(hOstrel, _ClrBoxInst);
  EXPECT_EQ(hOstrel, _ProgressInst);
  for (const char* name : {"TVGBOXCTRL", "TVCIRCLECTRL"}) {
    WNDCLASSA wc = {};
    EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(NULL), name, &wc))
        << name << ": global, found by any module's templates";
  }
}

TEST(Startup, LibraryResourcesAreFoundThroughTheChain) {
  EXPECT_TRUE(ChainHas(_ClrBoxInst));
  EXPECT_EQ(_ClrBoxInst, AfxFindResourceHandle(MAKEINTRESOURCEA(435), (LPCSTR)RT_DIALOG));
  CString text;
  EXPECT_TRUE(text.LoadString(17527));
  EXPECT_STREQ("&Browse for Folder...", (const char*)text);

  // A dialog class built from nothing but the template id.
  CDialog dlg(435);
  ASSERT_TRUE(dlg.Create(435, MainWnd()));
  EXPECT_NE((HWND)NULL, ::GetDlgItem(dlg.m_hWnd, 1106));
  dlg.DestroyWindow();
}

TEST(Startup, SecondCopyLoadsWhileTheClassesExistAndLeavesCleanly) {
  TempDir dir;
  std::string copy = dir.File("OstrelCopy.dll");
  ASSERT_TRUE(CopyFileA((ExeFolder() + "Ostrel.dll").c_str(), copy.c_str(), FALSE));
  // Its imports (afx.dll, the runtime) resolve to the modules already loaded.
  const size_t chain = Chain().size();
  HMODULE hCopy = LoadLibraryA(copy.c_str());
  ASSERT_NE((HMODULE)NULL, hCopy) << "error " << GetLastError();
  EXPECT_EQ(chain + 1, Chain().size());
  EXPECT_TRUE(ChainHas(hCopy));
  HINSTANCE* pCopyInst = (HINSTANCE*)GetProcAddress(hCopy, "_ClrBoxInst");
  ASSERT_NE((HINSTANCE*)NULL, pCopyInst);
  EXPECT_EQ(hCopy, *pCopyInst);

  // The classes stay the first module's: their procedures lie in its image.
  WNDCLASSA wc;
  ASSERT_TRUE(GetClassInfoA(_ClrBoxInst, "TVCIRCLECTRL", &wc));
  const BYTE* proc = (const BYTE*)wc.lpfnWndProc;
  EXPECT_FALSE(proc >= (const BYTE*)hCopy && proc < (const BYTE*)hCopy + 0x100000);

  EXPECT_TRUE(FreeLibrary(hCopy));
  EXPECT_EQ(chain, Chain().size());
  EXPECT_FALSE(ChainHas(hCopy));
  HWND hDial = CreateWindowExA(0, "TVCIRCLECTRL", "", WS_CHILD, 0, 0, 84, 84, MainWnd()->m_hWnd, NULL, NULL, NULL);
  EXPECT_EQ(0, SendMessageA(hDial, 384, 0, 0));
  DestroyWindow(hDial);
}

}  // namespace
