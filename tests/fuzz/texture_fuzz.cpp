// The texture sample file: corrupted with its CRC made right again, loaded as a texture box loads
// it, with the host's texture module painting every texture the file describes.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include "Corpus.h"
#include "TempDir.h"
#include "TestApp.h"
#include "Txtur3.h"

TEST(FileFuzz, TextureSampleFile) {
  const int kTextureType = 1;
  // The host's texture module in the library's globals, as a host sets them.
  _hTxturDllInst3 = LoadLibraryA("Txtur3.dll");
  _VexLoadLibrary3 = (VEXLOADLIBRARY3)(void*)GetProcAddress(_hTxturDllInst3, TXTUR_LOADER_EXPORT);
  void* pRelease = NULL;
  ASSERT_TRUE(_VexLoadLibrary3 != NULL && ((TXTUR_LOADER)(void*)_VexLoadLibrary3)(_hTxturDllInst3, TXTUR_ENTRY_SET,
                                                                                  NULL, NULL, &pRelease, NULL, NULL));
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
      ((TXTUR_RELEASE)pRelease)(((CTextureItem*)items[i])->m_hData);
      delete items[i];
    }
    return bLoaded;
  };
  fuzz::RunCorpus(seed, fuzz::ListCorpus(seed, 150, 3), "Sordune.smp", load);
  EXPECT_GT(nTextures, 24);  // the good file's and those of the inputs that still hold textures
  FreeLibrary(_hTxturDllInst3);
  _hTxturDllInst3 = NULL;
  _VexLoadLibrary3 = NULL;
}
