#include "TextureFixture.h"
#include <Drevnic.h>
#include <t32Base.h>
#include "Input.h"
#include "ModalDriver.h"
#include "Pixels.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace texture_test {

static HINSTANCE TextureModule() {
  static HINSTANCE hModule = LoadLibraryA((ExeFolder() + "Txtur3.dll").c_str());
  return hModule;
}

static TXTUR_LOADER TextureLoader() {
  return TextureModule() ? (TXTUR_LOADER)(void*)GetProcAddress(TextureModule(), TXTUR_LOADER_EXPORT) : NULL;
}

Entries RealEntries() {
  Entries e;
  if (TXTUR_LOADER loader = TextureLoader())
    loader(TextureModule(), TXTUR_ENTRY_SET, (void**)&e.create, (void**)&e.picture, (void**)&e.release, NULL,
           (void**)&e.fill);
  return e;
}

namespace {

CountingModule* g_module = NULL;

int __cdecl CountingCreate(void** ppRecord, int n1, int n2) {
  const int result = g_module->real.create(ppRecord, n1, n2);
  if (result && *ppRecord != NULL && g_module->live.insert(*ppRecord).second) g_module->created++;
  return result;
}

int __cdecl CountingRelease(void* pRecord) {
  if (g_module->live.erase(pRecord) == 0) return g_module->badReleases++, 0;
  g_module->released++;
  return g_module->real.release(pRecord);
}

HINSTANCE __cdecl CountingLoader(HINSTANCE hModule, int nSet, void** ppCreate, void** ppPicture, void** ppRelease,
                                 void** ppName, void** ppFill) {
  void** slots[5] = {ppCreate, ppPicture, ppRelease, ppName, ppFill};
  std::string asked = ".....";
  for (int i = 0; i < 5; i++)
    if (slots[i] != NULL) asked[i] = "cprnf"[i];
  g_module->requests.push_back(asked);
  if (g_module->mode != ModuleMode::Real) return g_module->mode == ModuleMode::NullEntries ? hModule : NULL;
  HINSTANCE hResult = TextureLoader()(hModule, nSet, ppCreate, ppPicture, ppRelease, ppName, ppFill);
  if (hResult != NULL && ppCreate != NULL) *ppCreate = (void*)CountingCreate;
  if (hResult != NULL && ppRelease != NULL) *ppRelease = (void*)CountingRelease;
  return hResult;
}

}  // namespace

CountingModule::CountingModule(ModuleMode m)
    : mode(m), m_pOuter(g_module), m_hSavedInst(_hTxturDllInst3), m_pfnSavedLoader(_VexLoadLibrary3) {
  g_module = this;
  _hTxturDllInst3 = mode == ModuleMode::Absent ? NULL : TextureModule();
  _VexLoadLibrary3 = mode == ModuleMode::Absent ? NULL : CountingLoader;
}

CountingModule::~CountingModule() {
  _hTxturDllInst3 = m_hSavedInst;
  _VexLoadLibrary3 = m_pfnSavedLoader;
  g_module = m_pOuter;
  for (void* pRecord : live) real.release(pRecord);  // no leak outlives a test
}

std::string MakeBlock(TXTUR_RECIPE recipe) {
  TXTUR_HEADER header = SampleHeader();
  header.nDataLength = TXTUR_RECIPE_SIZE(recipe.nStops);
  const DWORD words[7] = {0x31425854, (DWORD)(sizeof header + header.nDataLength), 1, 0, 0, 0, 0};
  return std::string(8, '\0') + std::string((const char*)words, sizeof words) +
         std::string((const char*)&header, sizeof header) + std::string((const char*)&recipe, header.nDataLength);
}

TXTUR_HEADER SampleHeader(int nSize) {
  TXTUR_HEADER header = {};
  header.dwMagic = TXTUR_HEADER_MAGIC;
  header.nVersion = 1;
  header.nWidth = header.nHeight = nSize;
  lstrcpyA(header.szName, "Test texture");
  return header;
}

TXTUR_RECIPE SampleRecipe(int nPattern) {
  TXTUR_RECIPE recipe = {
      TXTUR_RECIPE_MAGIC, nPattern, 7, 8, 3, 100, 8, 2, {{0, RGB(0, 0, 0)}, {255, RGB(255, 255, 255)}}};
  return recipe;
}

static std::string BuiltSamplePath() { return ExeFolder() + "Tarvik.dat\\Sordune.smp"; }

// ---------------------------------------------------------------------------------------------
// The box fixture

TextureBoxTest::TextureBoxTest() : m_fakeExe(m_temp.File("host.exe")) {
  CreateDirectoryA(m_temp.File("tarvik.dat").c_str(), NULL);
  CopyFileA(BuiltSamplePath().c_str(), SamplePath().c_str(), FALSE);
  m_parent.CopyPayload(TXTBOX_TEXTURECHANGE,
                       [](LPARAM l) { return std::string((const char*)l, sizeof(SIMPLE_TXTUR)); });
}

namespace {
class CBlockList : public CIIList {  // saves each item's block as it is
 public:
  std::vector<std::string> m_blocks;
  int OnIIAPDataSaveBuf(int nItem, void* pBuf) override {
    if (pBuf != NULL) memcpy(pBuf, m_blocks[nItem].data(), m_blocks[nItem].size());
    return (int)m_blocks[nItem].size();
  }
};
}  // namespace

void TextureBoxTest::WriteListSample(const std::vector<std::string>& blocks) const {
  CBlockList list;
  list.m_blocks = blocks;
  list.SetMaxTypeNum(2);
  for (size_t i = 0; i < blocks.size(); i++) {
    _IIDATA data = {};
    data.nMode = IIBUF_ADOPT;
    const DWORD dwColour = ListColour((int)i);
    buf32Alloc(&data.hBuffer, 24, 64, 64, BUF32_ALLOC_FILL, &dwColour);
    list.TypeAddII(1, list.AddII(&data));
  }
  list.Save(SamplePath().c_str());
}

int TextureBoxTest::CreateBox(CTextureBoxes& box, int nTexture, const RECT& rc) {
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

bool TextureBoxTest::ClickBox(CTextureBoxes& box, std::function<void(HWND)> inDialog) {
  ModalDriver dialog(ModalDriver::DialogTitled("Texture Library"), inDialog);
  SendClick(box.m_hWnd, 5, 5);
  EXPECT_FALSE(dialog.TimedOut()) << "the dialog was still open at the deadline";
  return dialog.Acted();
}

CMTextureLibraryDlg* TextureBoxTest::Dialog(HWND hDlg) {
  return dynamic_cast<CMTextureLibraryDlg*>(CWnd::FromHandlePermanent(hDlg));
}

// The list shows five thumbnails a row, spread evenly across its width.
void TextureBoxTest::ClickItem(HWND hDlg, int nPos, UINT message) {
  HWND hList = GetDlgItem(hDlg, 3169);
  RECT rc;
  GetClientRect(hList, &rc);
  SendMouse(hList, message, (2 * nPos + 1) * rc.right / 10, 20, MK_LBUTTON);
  SendMouse(hList, WM_LBUTTONUP, (2 * nPos + 1) * rc.right / 10, 20);
}

::testing::AssertionResult TextureBoxTest::ShowsTexture(CTextureBoxes& box, int nTexture, const RECT& rc, int dx,
                                                        int dy) {
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

}  // namespace texture_test
