// Texture boxes: the sample loaded once at creation (its thumbnails being its textures), the
// swatch in its frames, hover, textures set by program, broken sample files and texture modules,
// rejected blocks; every record made goes back to the module.
#include "TextureFixture.h"
#include "ModalDriver.h"
#include "Pixels.h"
#include <t32Base.h>
#include <set>
#include <vector>

using namespace ostrel_test;
using namespace texture_test;

namespace {

TEST_F(TextureBoxTest, LoadsEverySampleTextureWhoseThumbnailIsItsPictureAtHalfSize) {
  CTextureBoxes box;
  ASSERT_EQ(1, CreateBox(box, 5));
  EXPECT_TRUE(m_shown.empty());
  EXPECT_EQ(24, m_module.created);
  for (const std::string& asked : m_module.requests) EXPECT_EQ("c...f", asked);
  const SIMPLE_TXTUR t = box.GetTextureOpt();
  EXPECT_TRUE(t.nTexture == 5 && t.hPalette == NULL && t.pItem != NULL && t.pItem->m_nItem == 5);
  std::set<std::vector<BYTE>> looks;
  for (int i = 0; i < box.m_items.GetSize(); i++) {
    const CTextureItem* pItem = (const CTextureItem*)box.m_items[i];
    HANDLE hHalf = NULL;
    ASSERT_TRUE(t32BufferResample(64, 64, m_module.real.picture(pItem->m_hData), &hHalf, 0));
    std::vector<BYTE> thumbnail(64 * 64 * 3), half(64 * 64 * 3);
    EXPECT_TRUE(buf32GetMem(box.m_list.GetIIBuffer(pItem->m_nItem), 0, 0, 64, 64, thumbnail.data()));
    EXPECT_TRUE(buf32GetMem(hHalf, 0, 0, 64, 64, half.data()) && thumbnail == half)
        << "texture " << pItem->m_nItem << ": the thumbnail is not its picture";
    looks.insert(thumbnail);
    buf32Free(hHalf);
  }
  EXPECT_EQ(24u, looks.size()) << "every texture looks different";
}

TEST_F(TextureBoxTest, ShowsItsTextureSunkenAndRaisedWhileHovered) {
  CTextureBoxes box;
  ASSERT_EQ(1, CreateBox(box, 5));
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
  EXPECT_TRUE(box.m_bHover);
  EXPECT_TRUE(ShowsTexture(box, 5, {1, 1, 40, 30}, 1, 1)) << "one pixel down and right";
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), ReadClient(box.m_hWnd).At(20, 0));
  hoverAt({120, 15});
  EXPECT_FALSE(box.m_bHover);
  EXPECT_TRUE(ShowsTexture(box, 5, kInside));
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
  const std::string good = TempDir::Read(SamplePath());
  ASSERT_GT(good.size(), 1000u);
  std::string corrupt = good;
  corrupt[good.size() / 2] ^= 0x40;
  for (const std::string& bytes : {good.substr(0, good.size() - 100), corrupt, std::string()}) {
    WriteSample(bytes);
    m_shown.clear();
    {
      CTextureBoxes box;
      EXPECT_EQ(0, CreateBox(box, 0));
      EXPECT_EQ(std::vector<std::string>{kInitFailed}, m_shown);
      EXPECT_TRUE(box.m_hWnd != NULL) << "the window stays";
      EXPECT_FALSE(ClickBox(box, [](HWND h) { PressButton(h, IDCANCEL); })) << "and opens nothing";
    }
    EXPECT_TRUE(TempDir::Read(SamplePath()) == bytes) << "the sample file was changed";
  }
  DeleteFileA(SamplePath().c_str());
  m_shown.clear();
  CTextureBoxes box;
  EXPECT_EQ(0, CreateBox(box, 0));
  EXPECT_EQ(std::vector<std::string>{kInitFailed}, m_shown);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(SamplePath().c_str()));
  EXPECT_EQ(0, m_module.created);
}

TEST_F(TextureBoxTest, WhereNoRecordCanBeMadeTheThumbnailStillShows) {
  for (ModuleMode mode : {ModuleMode::Absent, ModuleMode::Refusing, ModuleMode::NullEntries}) {
    CountingModule module(mode);
    CTextureBoxes box;
    ASSERT_EQ(1, CreateBox(box, 4));
    EXPECT_EQ(0, box.m_items.GetSize());
    EXPECT_EQ(nullptr, box.GetTextureOpt().pItem);
    EXPECT_TRUE(ShowsTexture(box, 4, kInside));
  }
  // Blocks the module refuses, or that announce more than they hold.
  std::string tooMuchData = MakeBlock(SampleRecipe()), tooShort = tooMuchData;
  tooMuchData[36 + 56] = 120;  // more texture data than the payload holds
  tooShort[12]++;              // a payload one byte longer than the block
  WriteListSample({MakeBlock(SampleRecipe()), MakeBlock(SampleRecipe(TXPAT_COUNT + 1)), tooMuchData, tooShort, ""});
  {
    CTextureBoxes box;
    ASSERT_EQ(1, CreateBox(box, 1));
    ASSERT_EQ(1, box.m_items.GetSize()) << "only the good block became a texture";
    EXPECT_EQ(0, ((CTextureItem*)box.m_items[0])->m_nItem);
    EXPECT_EQ(nullptr, box.GetTextureOpt().pItem);
    EXPECT_EQ(ListColour(1), ReadClient(box.m_hWnd).At(20, 15));
    EXPECT_EQ(2, m_module.created) << "the good one, and one the module refused to fill";
    EXPECT_EQ(1, m_module.released) << "the refused one went back at once";
  }
  EXPECT_EQ(0u, m_module.live.size());
  EXPECT_EQ(0, m_module.badReleases);
  EXPECT_TRUE(m_shown.empty());
}

TEST_F(TextureBoxTest, ALifeLeavesNoRecordBehind) {
  {
    CTextureBoxes box;
    ASSERT_EQ(1, CreateBox(box, 3));
    EXPECT_TRUE(ClickBox(box, [](HWND h) { PressButton(h, IDCANCEL); }));
    EXPECT_EQ(24, (int)m_module.live.size());
  }
  EXPECT_EQ(24, m_module.released);
  EXPECT_EQ(0, m_module.badReleases);
  EXPECT_EQ("..r..", m_module.requests.back()) << "the box asks for the release function alone";
}

}  // namespace
