// The host side of the texture tests: the real texture module behind a loader that counts what
// the library asks of it, stored texture blocks, and a texture box over a sample file that
// Ostrel.dll finds below a fake executable folder.
#pragma once
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <functional>
#include <set>
#include <string>
#include <vector>
#include "ImportPatch.h"
#include "RecordingParent.h"
#include "TempDir.h"
#include "Txtur3.h"

namespace texture_test {

struct Entries {
  TXTUR_CREATE create = NULL;
  TXTUR_PICTURE picture = NULL;
  TXTUR_RELEASE release = NULL;
  TXTUR_FILL fill = NULL;
};
// The entry points of Txtur3.dll beside the test executable (loaded once).
Entries RealEntries();

enum class ModuleMode { Real, Absent, Refusing, NullEntries };  // NullEntries: "yes", and nothing filled

// Sets _hTxturDllInst3 and _VexLoadLibrary3 for its lifetime and counts the requests and the
// records made and released through them. The innermost one is in force.
class CountingModule {
 public:
  explicit CountingModule(ModuleMode mode = ModuleMode::Real);
  ~CountingModule();

  const ModuleMode mode;
  const Entries real = RealEntries();
  std::set<void*> live;  // made and not yet released
  int created = 0, released = 0;
  int badReleases = 0;  // of pointers that are not live records
  // Per loader call, the out-pointers asked for: "c...f" is create and fill, "..r.." release.
  std::vector<std::string> requests;

 private:
  CountingModule* m_pOuter;
  HINSTANCE m_hSavedInst;
  VEXLOADLIBRARY3 m_pfnSavedLoader;
};

// A stored block as the sample file holds it: 8 + 28 bytes, then the header and the recipe.
std::string MakeBlock(TXTUR_RECIPE recipe);
TXTUR_HEADER SampleHeader(int nSize = 32);
TXTUR_RECIPE SampleRecipe(int nPattern = TXPAT_WOOD);

const UINT kBoxId = 77;
const RECT kBoxRect = {10, 10, 50, 40};  // 40 x 30, smaller than a thumbnail
const RECT kInside = {1, 1, 39, 29};     // its swatch inside the frame
const char kInitFailed[] = "Failed to initialize texture.";

class TextureBoxTest : public ::testing::Test {
 protected:
  TextureBoxTest();
  std::string SamplePath() const { return m_temp.File("tarvik.dat\\Sordune.smp"); }
  void WriteSample(const std::string& bytes) const { m_temp.Write("tarvik.dat\\Sordune.smp", bytes); }
  // A sample of one item per block in type 1 (an empty block: none), item i's thumbnail all ListColour(i).
  void WriteListSample(const std::vector<std::string>& blocks) const;
  static COLORREF ListColour(int nItem) { return RGB(40 * nItem, 90, 200); }

  // Creates the box; the message boxes it shows are answered and their texts kept in m_shown.
  int CreateBox(CTextureBoxes& box, int nTexture, const RECT& rc = kBoxRect);
  // Clicks the box; inDialog runs on the Texture Library and must close it. Whether it came up.
  bool ClickBox(CTextureBoxes& box, std::function<void(HWND)> inDialog);
  static CMTextureLibraryDlg* Dialog(HWND hDlg);
  static void ClickItem(HWND hDlg, int nPos, UINT message = WM_LBUTTONDOWN);  // in the first row
  // The box's pixels over rc equal its texture's thumbnail moved by (dx, dy).
  ::testing::AssertionResult ShowsTexture(CTextureBoxes& box, int nTexture, const RECT& rc, int dx = 0, int dy = 0);

  ostrel_test::TempDir m_temp;
  ostrel_test::FakeExePath m_fakeExe;  // Ostrel.dll takes m_temp for the executable's folder
  CountingModule m_module;
  ostrel_test::CRecordingParent m_parent;
  std::vector<std::string> m_shown;
};

}  // namespace texture_test
