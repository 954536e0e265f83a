// The texture sample file: corrupted with its CRC made right again, loaded as a texture box loads
// it, with the host's texture module painting every texture the file describes.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "Corpus.h"
#include "TempDir.h"
#include "TestApp.h"
#include "Txtur3.h"

namespace {

const int kTextureType = 1;

// Puts Txtur3.dll in the library's globals for the scope.
class TextureModule {
 public:
  TextureModule() : m_hModule(LoadLibraryA("Txtur3.dll")) {
    _hTxturDllInst3 = m_hModule;
    _VexLoadLibrary3 = (VEXLOADLIBRARY3)(void*)GetProcAddress(m_hModule, TXTUR_LOADER_EXPORT);
  }
  ~TextureModule() {
    _hTxturDllInst3 = NULL;
    _VexLoadLibrary3 = NULL;
    FreeLibrary(m_hModule);
  }
  void Release(void* pRecord) const {
    void* pRelease = NULL;
    if (((TXTUR_LOADER)(void*)_VexLoadLibrary3)(m_hModule, TXTUR_ENTRY_SET, NULL, NULL, &pRelease, NULL, NULL))
      ((TXTUR_RELEASE)pRelease)(pRecord);
  }

 private:
  HMODULE m_hModule;
};

}  // namespace

TEST(FileFuzz, TextureSampleFile) {
  TextureModule module;
  const std::string seed = ostrel_test::TempDir::Read(ostrel_test::ExeFolder() + "Tarvik.dat\\Sordune.smp");
  ASSERT_FALSE(seed.empty()) << "the build writes the texture sample";
  int nTextures = 0;
  const auto load = [&](const std::string& path) {
    CObArray items;
    CMtextureIIList list;
    list.m_pItems = &items;
    const bool bLoaded = list.Load(path.c_str()) != 0;
    if (bLoaded) {
      list.TypeSetActivate(kTextureType);
      list.SetFixedAPIIData(0);
      EXPECT_TRUE(list.InitIIAPData(kTextureType, 0));
      fuzz::ShowList(list);
    }
    nTextures += (int)items.GetSize();
    for (int i = 0; i < items.GetSize(); i++) {
      module.Release(((CTextureItem*)items[i])->m_hData);
      delete items[i];
    }
    return bLoaded;
  };
  const auto inputs = fuzz::ListCorpus(seed, 150, 3);
  fuzz::RunCorpus(seed, inputs, "Sordune.smp", load);
  EXPECT_GT(nTextures, 24);  // the good file's and those of the inputs that still hold textures
}
