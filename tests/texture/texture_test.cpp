// Texture boxes over the host's texture module and the built sample file, and the Texture Library dialog.
#include <gtest/gtest.h>
#include <Drevnic.h>
#include <Ostrel.h>
#include <t32Base.h>
#include <functional>
#include <set>
#include <string>
#include <vector>
#include "ImportPatch.h"
#include "Input.h"
#include "ModalDriver.h"
#include "Pixels.h"
#include "RecordingParent.h"
#include "TempDir.h"
#include "TestApp.h"
#include "Txtur3.h"

using namespace ostrel_test;

namespace {

// Txtur3.dll beside the test executable, its loader and its own entry points.
struct RealModule {
  HINSTANCE hModule = LoadLibraryA((ExeFolder() + "Txtur3.dll").c_str());
  TXTUR_LOADER loader = hModule ? (TXTUR_LOADER)(void*)GetProcAddress(hModule, TXTUR_LOADER_EXPORT) : NULL;
  TXTUR_CREATE create = NULL;
  TXTUR_PICTURE picture = NULL;
  TXTUR_RELEASE release = NULL;
  RealModule() {
    if (loader) loader(hModule, TXTUR_ENTRY_SET, (void**)&create, (void**)&picture, (void**)&release, NULL, NULL);
  }
};
const RealModule& Real() {
  static const RealModule s_real;
  return s_real;
}

enum class ModuleMode { Real, Absent, Refusing, NullEntries };  // NullEntries: "yes", and nothing filled

HINSTANCE __cdecl CountingLoader(HINSTANCE, int, void**, void**, void**, void**, void**);

// The module in the library's globals for its lifetime, behind a loader counting records made and released.
struct CountingModule {
  CountingModule() : hSavedInst(_hTxturDllInst3), pfnSavedLoader(_VexLoadLibrary3) { Use(ModuleMode::Real); }
  ~CountingModule() {
    _hTxturDllInst3 = hSavedInst;
    _VexLoadLibrary3 = pfnSavedLoader;
    for (void* pRecord : live) Real().release(pRecord);  // no leak outlives a test
  }
  void Use(ModuleMode m) {
    mode = m;
    _hTxturDllInst3 = mode == ModuleMode::Absent ? NULL : Real().hModule;
    _VexLoadLibrary3 = mode == ModuleMode::Absent ? NULL : CountingLoader;
  }

  ModuleMode mode;
  std::set<void*> live;                            // made and not yet released
  int created = 0, released = 0, badReleases = 0;  // bad: of pointers that are not live records
  HINSTANCE hSavedInst;
  VEXLOADLIBRARY3 pfnSavedLoader;
};

CountingModule* g_pModule = NULL;  // the fixture's

int __cdecl CountingCreate(void** ppRecord, int n1, int n2) {
  const int result = Real().create(ppRecord, n1, n2);
  if (result && *ppRecord != NULL && g_pModule->live.insert(*ppRecord).second) g_pModule->created++;
  return result;
}

int __cdecl CountingRelease(void* pRecord) {
  if (g_pModule->live.erase(pRecord) == 0) return g_pModule->badReleases++, 0;
  g_pModule->released++;
  return Real().release(pRecord);
}

HINSTANCE __cdecl CountingLoader(HINSTANCE hModule, int nSet, void** ppCreate, void** ppPicture, void** ppRelease,
                                 void** ppName, void** ppFill) {
  if (g_pModule->mode != ModuleMode::Real) return g_pModule->mode == ModuleMode::NullEntries ? hModule : NULL;
  HINSTANCE hResult = Real().loader(hModule, nSet, ppCreate, ppPicture, ppRelease, ppName, ppFill);
  if (hResult != NULL && ppCreate != NULL) *ppCreate = (void*)CountingCreate;
  if (hResult != NULL && ppRelease != NULL) *ppRelease = (void*)CountingRelease;
  return hResult;
}

// A stored block as the sample file holds it: 8 + 28 bytes, then the header and the recipe.
std::string MakeBlock(TXTUR_RECIPE recipe) {
  TXTUR_HEADER header = {};
  header.dwMagic = TXTUR_HEADER_MAGIC;
  header.nVersion = 1;
  header.nWidth = header.nHeight = 32;
  lstrcpyA(header.szName, "Test texture");
  header.nDataLength = TXTUR_RECIPE_SIZE(recipe.nStops);
  const DWORD words[7] = {0x31425854, (DWORD)(sizeof header + header.nDataLength), 1, 0, 0, 0, 0};
  return std::string(8, '\0') + std::string((const char*)words, sizeof words) +
         std::string((const char*)&header, sizeof header) + std::string((const char*)&recipe, header.nDataLength);
}

TXTUR_RECIPE SampleRecipe(int nPattern = TXPAT_WOOD) {
  return {TXTUR_RECIPE_MAGIC, nPattern, 7, 8, 3, 100, 8, 2, {{0, RGB(0, 0, 0)}, {255, RGB(255, 255, 255)}}};
}

// A list that saves each item's block as it is.
class CBlockList : public CIIList {
 public:
  std::vector<std::string> m_blocks;
  int OnIIAPDataSaveBuf(int nItem, void* pBuf) override {
    if (pBuf != NULL) memcpy(pBuf, m_blocks[nItem].data(), m_blocks[nItem].size());
    return (int)m_blocks[nItem].size();
  }
};

const UINT kBoxId = 77;
const RECT kBoxRect = {10, 10, 50, 40};  // 40 x 30, smaller than a thumbnail
const RECT kInside = {1, 1, 39, 29};     // its swatch inside the frame

// A texture box over a copy of the built sample that Ostrel.dll finds below a fake executable folder.
class TextureBoxTest : public ::testing::Test {
 protected:
  TextureBoxTest() : m_fakeExe(m_temp.File("host.exe")) {
    CreateDirectoryA(m_temp.File("tarvik.dat").c_str(), NULL);
    CopyFileA((ExeFolder() + "Tarvik.dat\\Sordune.smp").c_str(), SamplePath().c_str(), FALSE);
    g_pModule = &m_module;
    m_parent.CopyPayload(TXTBOX_TEXTURECHANGE,
                         [](LPARAM l) { return std::string((const char*)l, sizeof(SIMPLE_TXTUR)); });
  }
  std::string SamplePath() const { return m_temp.File("tarvik.dat\\Sordune.smp"); }
  // Creates the box; the message boxes it shows are answered and their texts kept in m_shown.
  int CreateBox(CTextureBoxes& box, int nTexture, const RECT& rc = kBoxRect) {
    ModalDriver boxes([](HWND h) { return !MessageBoxText(h).empty(); },
                      [this](HWND h) {
                        m_shown.push_back(MessageBoxText(h));
                        PressButton(h, IDOK);
                      });
    EXPECT_TRUE(m_fakeExe.Applied());
    const int nResult = box.Create(kBoxId, rc, &m_parent, nTexture);
    EXPECT_FALSE(boxes.TimedOut()) << "a second message box, or one that would not close";
    if (box.m_hWnd != NULL) box.UpdateWindow();
    return nResult;
  }

  // inDialog runs on the Texture Library and must close it. Whether it came up.
  bool ClickBox(CTextureBoxes& box, std::function<void(HWND)> inDialog) {
    ModalDriver dialog(ModalDriver::DialogTitled("Texture Library"), inDialog);
    SendClick(box.m_hWnd, 5, 5);
    EXPECT_FALSE(dialog.TimedOut()) << "the dialog was still open at the deadline";
    return dialog.Acted();
  }

  // The box's pixels over rc equal its texture's thumbnail moved by (dx, dy).
  ::testing::AssertionResult ShowsTexture(CTextureBoxes& box, int nTexture, const RECT& rc, int dx = 0, int dy = 0) {
    const Pixels px = ReadClient(box.m_hWnd);
    for (int y = rc.top; y < rc.bottom; y++) {
      for (int x = rc.left; x < rc.right; x++) {
        BYTE rgb[3] = {};
        buf32GetMem(box.m_list.GetIIBuffer(nTexture), x - dx, y - dy, 1, 1, rgb);
        if (px.At(x, y) != RGB(rgb[0], rgb[1], rgb[2]))
          return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is not texture " << nTexture << "'s";
      }
    }
    return ::testing::AssertionSuccess();
  }

  TempDir m_temp;
  FakeExePath m_fakeExe;  // Ostrel.dll takes m_temp for the executable's folder
  CountingModule m_module;
  CRecordingParent m_parent;
  std::vector<std::string> m_shown;
};

CMTextureLibraryDlg* Dialog(HWND hDlg) { return dynamic_cast<CMTextureLibraryDlg*>(CWnd::FromHandlePermanent(hDlg)); }

// Clicks a thumbnail in the dialog list's first row: five a row, spread evenly across its width.
void ClickItem(HWND hDlg, int nPos, UINT message = WM_LBUTTONDOWN) {
  HWND hList = GetDlgItem(hDlg, 3169);
  RECT rc;
  GetClientRect(hList, &rc);
  SendMouse(hList, message, (2 * nPos + 1) * rc.right / 10, 20, MK_LBUTTON);
  SendMouse(hList, WM_LBUTTONUP, (2 * nPos + 1) * rc.right / 10, 20);
}

// Every record made goes back to the module with the box, and the dialog makes none of its own.
TEST_F(TextureBoxTest, LoadsEverySampleTextureShowsItsOwnAndGivesEveryRecordBack) {
  {
    CTextureBoxes box;
    ASSERT_EQ(1, CreateBox(box, 5));
    EXPECT_TRUE(m_shown.empty());
    EXPECT_EQ(24, m_module.created);
    const SIMPLE_TXTUR t = box.GetTextureOpt();
    EXPECT_TRUE(t.nTexture == 5 && t.hPalette == NULL && t.pItem != NULL && t.pItem->m_nItem == 5);
    for (int i = 0; i < box.m_items.GetSize(); i++) {
      const CTextureItem* pItem = (const CTextureItem*)box.m_items[i];
      HANDLE hHalf = NULL;
      ASSERT_TRUE(t32BufferResample(64, 64, Real().picture(pItem->m_hData), &hHalf, 0));
      std::vector<BYTE> thumbnail(64 * 64 * 3), half(64 * 64 * 3);
      EXPECT_TRUE(buf32GetMem(box.m_list.GetIIBuffer(pItem->m_nItem), 0, 0, 64, 64, thumbnail.data()));
      EXPECT_TRUE(buf32GetMem(hHalf, 0, 0, 64, 64, half.data()) && thumbnail == half)
          << "texture " << pItem->m_nItem << ": the thumbnail is not its picture";
      buf32Free(hHalf);
    }

    // The swatch: sunken, and raised while hovered.
    EXPECT_TRUE(ShowsTexture(box, 5, kInside)) << "the picture's top-left part, unscaled";
    Pixels px = ReadClient(box.m_hWnd);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), px.At(20, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), px.At(39, 15));

    auto hoverAt = [&](POINT pt) {
      ClientToScreen(box.m_hWnd, &pt);
      SetCursorPos(pt.x, pt.y);
      box.OnUpdateUI(NULL);
    };
    hoverAt({20, 15});
    EXPECT_TRUE(ShowsTexture(box, 5, {1, 1, 40, 30}, 1, 1)) << "one pixel down and right";
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), ReadClient(box.m_hWnd).At(20, 0));
    hoverAt({120, 15});
    EXPECT_TRUE(ShowsTexture(box, 5, kInside));
    EXPECT_TRUE(ClickBox(box, [](HWND h) { PressButton(h, IDCANCEL); }));
    EXPECT_EQ(24, (int)m_module.live.size());
  }
  EXPECT_EQ(24, m_module.released);
  EXPECT_EQ(0, m_module.badReleases);
}

TEST_F(TextureBoxTest, TexturesOutsideTheListAndTexturesSetByProgram) {
  CTextureBoxes negative, missing, orphan;
  ASSERT_EQ(1, CreateBox(negative, -3));
  EXPECT_EQ(0, negative.GetTextureOpt().nTexture);
  ASSERT_EQ(1, CreateBox(missing, 99, {60, 10, 100, 40}));
  EXPECT_EQ(nullptr, missing.GetTextureOpt().pItem) << "no item, no record";
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ReadClient(missing.m_hWnd).At(20, 15)) << "and no picture";
  EXPECT_TRUE(m_shown.empty());

  missing.m_txtur.hPalette = (HPALETTE)(INT_PTR)0x1234;
  EXPECT_EQ(0, missing.SetTextureOpt(-1));
  EXPECT_EQ(1, missing.SetTextureOpt(7));
  EXPECT_EQ(NULL, missing.GetTextureOpt().hPalette);
  EXPECT_EQ(7, missing.GetTextureOpt().pItem->m_nItem);
  EXPECT_TRUE(ShowsTexture(missing, 7, kInside)) << "repainted at once";
  EXPECT_TRUE(m_parent.Of(TXTBOX_TEXTURECHANGE).empty()) << "a program's choice is not notified";

  EXPECT_EQ(0, orphan.Create(kBoxId, kBoxRect, NULL, 1));
  EXPECT_EQ(NULL, orphan.m_hWnd);
}

TEST_F(TextureBoxTest, ABrokenOrMissingSampleShowsTheMessageOnceAndIsNotWritten) {
  std::string corrupt = TempDir::Read(SamplePath());
  ASSERT_GT(corrupt.size(), 1000u);
  corrupt[corrupt.size() / 2] ^= 0x40;
  for (const std::string what : {"corrupt", "empty", "missing"}) {
    const std::string bytes = what == "corrupt" ? corrupt : "";
    if (what == "missing")
      DeleteFileA(SamplePath().c_str());
    else
      m_temp.Write("tarvik.dat\\Sordune.smp", bytes);
    m_shown.clear();
    {
      CTextureBoxes box;
      EXPECT_EQ(0, CreateBox(box, 0));
      EXPECT_EQ(std::vector<std::string>{"Failed to initialize texture."}, m_shown) << what;
      EXPECT_TRUE(box.m_hWnd != NULL) << "the window stays";
      EXPECT_FALSE(ClickBox(box, [](HWND h) { PressButton(h, IDCANCEL); })) << "and opens nothing";
    }
    EXPECT_TRUE(TempDir::Read(SamplePath()) == bytes) << what << ": the sample file was changed";
  }
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(SamplePath().c_str())) << "a missing one is not made";
  EXPECT_EQ(0, m_module.created);
}

TEST_F(TextureBoxTest, WhereNoRecordCanBeMadeTheThumbnailStillShows) {
  for (ModuleMode mode : {ModuleMode::Absent, ModuleMode::Refusing, ModuleMode::NullEntries}) {
    m_module.Use(mode);
    CTextureBoxes box;
    ASSERT_EQ(1, CreateBox(box, 4));
    EXPECT_EQ(0, box.m_items.GetSize());
    EXPECT_EQ(nullptr, box.GetTextureOpt().pItem);
    EXPECT_TRUE(ShowsTexture(box, 4, kInside));
  }
  m_module.Use(ModuleMode::Real);
  // Blocks the module refuses, or that announce more than they hold.
  std::string tooMuchData = MakeBlock(SampleRecipe()), tooShort = tooMuchData;
  tooMuchData[36 + 56] = 120;  // more texture data than the payload holds
  tooShort[12]++;              // a payload one byte longer than the block
  // A sample of one item per block in type 1 (an empty block: none), item i's thumbnail all RGB(40 i, 90, 200).
  CBlockList list;
  list.m_blocks = {MakeBlock(SampleRecipe()), MakeBlock(SampleRecipe(TXPAT_COUNT + 1)), tooMuchData, tooShort, ""};
  list.SetMaxTypeNum(2);
  for (int i = 0; i < 5; i++) {
    _IIDATA data = {};
    data.nMode = IIBUF_ADOPT;
    const DWORD dwColour = RGB(40 * i, 90, 200);
    buf32Alloc(&data.hBuffer, 24, 64, 64, BUF32_ALLOC_FILL, &dwColour);
    list.TypeAddII(1, list.AddII(&data));
  }
  list.Save(SamplePath().c_str());
  {
    CTextureBoxes box;
    ASSERT_EQ(1, CreateBox(box, 1));
    ASSERT_EQ(1, box.m_items.GetSize()) << "only the good block became a texture";
    EXPECT_EQ(0, ((CTextureItem*)box.m_items[0])->m_nItem);
    EXPECT_EQ(nullptr, box.GetTextureOpt().pItem);
    EXPECT_EQ(RGB(40, 90, 200), ReadClient(box.m_hWnd).At(20, 15));
    EXPECT_EQ(2, m_module.created) << "the good one, and one the module refused to fill";
    EXPECT_EQ(1, m_module.released) << "the refused one went back at once";
  }
  EXPECT_EQ(0u, m_module.live.size());
  EXPECT_EQ(0, m_module.badReleases);
  EXPECT_TRUE(m_shown.empty());
}

TEST_F(TextureBoxTest, CancelLeavesTheBoxAloneAndOkTakesTheClickedTexture) {
  CTextureBoxes box;
  ASSERT_EQ(1, CreateBox(box, 3));
  ASSERT_TRUE(ClickBox(box, [](HWND h) {
    ClickItem(h, 4);
    PressButton(h, IDCANCEL);
  }));
  EXPECT_EQ(4, CMTextureLibraryDlg::m_nSel);
  EXPECT_EQ(3, box.GetTextureOpt().nTexture);
  EXPECT_TRUE(m_parent.Of(TXTBOX_TEXTURECHANGE).empty());
  EXPECT_TRUE(ShowsTexture(box, 3, kInside));

  // Every opening selects the box's own texture; double clicks and Help do not close the dialog.
  int nAtOpening = -2, nClicked = -2;
  BOOL bOpenAfterDoubleClick = FALSE, bOpenAfterHelp = FALSE;
  AfxGetApp()->m_dwLastHelpContext = 0;
  ASSERT_TRUE(ClickBox(box, [&](HWND h) {
    CIIList* pList = Dialog(h)->m_pIIList;  // the one item selected in the texture type
    CIIList::iteratorTypeSelect it(pList, 1);
    it.First();
    nAtOpening = pList->TypeGetSelectCount(1) == 1 ? *it.CurrentItem() : -1;
    ClickItem(h, 2, WM_LBUTTONDBLCLK);
    PumpMessages();
    bOpenAfterDoubleClick = Dialog(h)->m_bModalRunning;
    PressButton(h, 3168);
    PumpMessages();
    bOpenAfterHelp = Dialog(h)->m_bModalRunning;
    ClickItem(h, 1);
    nClicked = CMTextureLibraryDlg::m_nSel;
    PressButton(h, IDOK);
  }));
  EXPECT_EQ(3, nAtOpening);
  EXPECT_TRUE(bOpenAfterDoubleClick);
  EXPECT_TRUE(bOpenAfterHelp);
  EXPECT_EQ((DWORD_PTR)225, AfxGetApp()->m_dwLastHelpContext);
  EXPECT_EQ((UINT)HELP_CONTEXT, AfxGetApp()->m_nLastHelpCommand);
  EXPECT_EQ(1, nClicked);

  EXPECT_EQ(1, box.GetTextureOpt().nTexture);
  EXPECT_EQ(1, box.GetTextureOpt().pItem->m_nItem);
  const auto changes = m_parent.Of(TXTBOX_TEXTURECHANGE);
  ASSERT_EQ(1u, changes.size());
  EXPECT_EQ((WPARAM)kBoxId, changes[0].wParam);
  EXPECT_EQ((LPARAM)&box.m_txtur, changes[0].lParam);
  EXPECT_TRUE(std::string((const char*)&box.m_txtur, sizeof box.m_txtur) == changes[0].payload)
      << "sent after the change";
  EXPECT_TRUE(ShowsTexture(box, 1, kInside)) << "repainted with the new texture";
}

}  // namespace
