// make_texture_sample.exe [path]: writes the texture sample file that a host installation ships,
// by default "<own folder>\Tarvik.dat\Sordune.smp". Every texture is painted by Txtur3.dll from its
// stored recipe, exactly as a texture list will later fill its records; the thumbnail is that
// picture at half size. The output is the same byte for byte on every run and in both builds.
//
// The file is a Drevnic item list: type 1 holds the textures in order, texture 0 selected. Each
// item's data block is
//   0    8 bytes   zero
//   8    7 words   tag "TXB1", payload length n, version 1, four zero words
//   36   n bytes   payload: the 64-byte texture header (its word at 56 the recipe length m), then
//                  the m recipe bytes
#include <Drevnic.h>
#include <t32Base.h>
#include <stdio.h>
#include <string.h>
#include <map>
#include <string>
#include <vector>
#include "Txtur3.h"

namespace {

const int kTileSize = 128;
const int kThumbSize = 64;
const int kTextureType = 1;
const DWORD kBlockTag = 0x31425854;  // "TXB1"

// Name, pattern, seed, scale, octaves, noise strength, rings / veins / threads, then the colour
// ramp: stop count and stops, each at a value with a colour written 0xRRGGBB.
struct SampleTexture {
  const char* pszName;
  int nPattern;
  DWORD dwSeed;
  int nScale, nDetail, nWarp, nStripes;
  int nStops;
  struct {
    int nAt;
    DWORD dwRgb;
  } stops[4];
};

const SampleTexture kTextures[] = {
    {"Oak", TXPAT_WOOD, 11, 64, 4, 70, 8, 3, {{0, 0x7A5028}, {150, 0xC49258}, {255, 0xDEB478}}},
    {"Walnut", TXPAT_WOOD, 12, 64, 4, 90, 11, 3, {{0, 0x2E1A0E}, {140, 0x603A20}, {255, 0x865834}}},
    {"Cherry", TXPAT_WOOD, 13, 64, 3, 120, 4, 3, {{0, 0x6E2614}, {150, 0xA84A2A}, {255, 0xC46840}}},
    {"Carrara marble", TXPAT_MARBLE, 21, 64, 5, 200, 2, 3, {{0, 0x787C82}, {190, 0xD6D8DC}, {255, 0xF4F4F2}}},
    {"Nero marble", TXPAT_MARBLE, 22, 64, 5, 160, 1, 3, {{0, 0xECE8E0}, {120, 0x464446}, {255, 0x141418}}},
    {"Verde marble", TXPAT_MARBLE, 23, 32, 4, 180, 2, 3, {{0, 0xC8E4CE}, {150, 0x286846}, {255, 0x0E3622}}},
    {"Linen canvas", TXPAT_CANVAS, 31, 4, 2, 60, 32, 2, {{0, 0x96886E}, {255, 0xE8DEC6}}},
    {"Jute", TXPAT_CANVAS, 32, 8, 3, 110, 16, 3, {{0, 0x5C4222}, {140, 0xA07A46}, {255, 0xCEAA70}}},
    {"Primed canvas", TXPAT_CANVAS, 33, 4, 2, 40, 40, 2, {{0, 0xC4C4BE}, {255, 0xFAFAF6}}},
    {"Parchment", TXPAT_PAPER, 41, 16, 5, 120, 0, 3, {{0, 0xB08E5C}, {150, 0xE0C696}, {255, 0xF4E6C4}}},
    {"Rice paper", TXPAT_PAPER, 42, 8, 4, 200, 0, 2, {{0, 0xCECEC6}, {255, 0xFCFCF8}}},
    {"Kraft paper", TXPAT_PAPER, 43, 8, 5, 160, 0, 2, {{0, 0x82603A}, {255, 0xCAA474}}},
    {"Brushed steel", TXPAT_BRUSHED, 51, 64, 3, 120, 2, 2, {{0, 0x767C84}, {255, 0xD6DCE2}}},
    {"Brushed brass", TXPAT_BRUSHED, 52, 64, 3, 140, 1, 3, {{0, 0x785C1E}, {160, 0xC4A046}, {255, 0xF0D682}}},
    {"Brushed copper", TXPAT_BRUSHED, 53, 32, 3, 100, 2, 3, {{0, 0x6E321A}, {160, 0xBE683E}, {255, 0xECA278}}},
    {"Cobblestone", TXPAT_STONE, 61, 32, 4, 120, 0, 3, {{0, 0x282624}, {110, 0x6E6860}, {255, 0xBAB2A4}}},
    {"Sandstone", TXPAT_STONE, 62, 64, 5, 200, 0, 3, {{0, 0x78502C}, {120, 0xC49660}, {255, 0xE8C896}}},
    {"Slate", TXPAT_STONE, 63, 43, 4, 90, 0, 3, {{0, 0x1C2026}, {120, 0x464E58}, {255, 0x7A848E}}},
    {"Denim", TXPAT_FABRIC, 71, 4, 2, 70, 32, 3, {{0, 0x142246}, {150, 0x344E82}, {255, 0x96AAC8}}},
    {"Tweed", TXPAT_FABRIC, 72, 8, 4, 200, 16, 4, {{0, 0x3C3228}, {90, 0x786246}, {170, 0x968C6E}, {255, 0xC4B496}}},
    {"Silk twill", TXPAT_FABRIC, 73, 2, 1, 20, 48, 2, {{0, 0x6E1028}, {255, 0xDE506E}}},
    {"Saddle leather", TXPAT_LEATHER, 81, 8, 3, 100, 0, 3, {{0, 0x46220E}, {170, 0x924E24}, {255, 0xB26836}}},
    {"Black leather", TXPAT_LEATHER, 82, 11, 3, 80, 0, 3, {{0, 0x060608}, {180, 0x28282C}, {255, 0x4C4C52}}},
    {"Suede", TXPAT_LEATHER, 83, 16, 5, 220, 0, 2, {{0, 0x70543C}, {255, 0xB09070}}},
};

// The list keeps no blocks of its own (no fixed data size); these are saved with the items.
class CSampleList : public CIIList {
 public:
  std::map<int, std::vector<unsigned char>> m_blocks;
  int OnIIAPDataSaveBuf(int nItem, void* pBuf) override {
    auto it = m_blocks.find(nItem);
    if (it == m_blocks.end()) return 0;
    if (pBuf != NULL) memcpy(pBuf, it->second.data(), it->second.size());
    return (int)it->second.size();
  }
};

struct Entries {
  TXTUR_CREATE create = NULL;
  TXTUR_PICTURE picture = NULL;
  TXTUR_RELEASE release = NULL;
  TXTUR_FILL fill = NULL;
};

std::vector<unsigned char> MakePayload(const SampleTexture& t) {
  TXTUR_HEADER header = {};
  header.dwMagic = TXTUR_HEADER_MAGIC;
  header.nVersion = 1;
  header.nWidth = header.nHeight = kTileSize;
  strncpy(header.szName, t.pszName, sizeof header.szName - 1);
  header.nDataLength = TXTUR_RECIPE_SIZE(t.nStops);
  TXTUR_RECIPE recipe = {};
  recipe.dwMagic = TXTUR_RECIPE_MAGIC;
  recipe.nPattern = t.nPattern;
  recipe.dwSeed = t.dwSeed;
  recipe.nScale = t.nScale;
  recipe.nDetail = t.nDetail;
  recipe.nWarp = t.nWarp;
  recipe.nStripes = t.nStripes;
  recipe.nStops = t.nStops;
  for (int i = 0; i < t.nStops; i++) {
    const DWORD v = t.stops[i].dwRgb;
    recipe.stops[i] = {t.stops[i].nAt, RGB(v >> 16, (v >> 8) & 0xFF, v & 0xFF)};
  }
  std::vector<unsigned char> payload(sizeof header + TXTUR_RECIPE_SIZE(t.nStops));
  memcpy(payload.data(), &header, sizeof header);
  memcpy(payload.data() + sizeof header, &recipe, TXTUR_RECIPE_SIZE(t.nStops));
  return payload;
}

std::vector<unsigned char> MakeBlock(const std::vector<unsigned char>& payload) {
  const DWORD words[7] = {kBlockTag, (DWORD)payload.size(), 1, 0, 0, 0, 0};
  std::vector<unsigned char> block(8 + sizeof words);
  memcpy(block.data() + 8, words, sizeof words);
  block.insert(block.end(), payload.begin(), payload.end());
  return block;
}

// The thumbnail of a texture as the module paints it from the payload; NULL on failure.
HANDLE MakeThumbnail(const Entries& e, const std::vector<unsigned char>& payload) {
  void* pRecord = NULL;
  if (!e.create(&pRecord, 0, 0)) return NULL;
  memcpy(pRecord, payload.data(), sizeof(TXTUR_HEADER));
  TXTUR_HEADER* pHeader = (TXTUR_HEADER*)pRecord;
  const int nRecipe = pHeader->nDataLength;
  pHeader->nDataLength = 0;
  pHeader->dwFilled = 0;
  HANDLE hThumb = NULL;
  if (e.fill(pRecord, nRecipe, payload.data() + sizeof(TXTUR_HEADER)))
    t32BufferResample(kThumbSize, kThumbSize, e.picture(pRecord), &hThumb, 0);
  e.release(pRecord);
  return hThumb;
}

std::string DefaultPath() {
  char szPath[MAX_PATH] = "";
  GetModuleFileNameA(NULL, szPath, MAX_PATH);
  std::string folder(szPath);
  folder.erase(folder.find_last_of("\\/") + 1);
  folder += "Tarvik.dat";
  CreateDirectoryA(folder.c_str(), NULL);
  return folder + "\\Sordune.smp";
}

}  // namespace

int main(int argc, char** argv) {
  Entries e;
  HINSTANCE hModule = GetModuleHandleA("Txtur3.dll");
  if (!VexLoadLibrary3(hModule, TXTUR_ENTRY_SET, (void**)&e.create, (void**)&e.picture, (void**)&e.release, NULL,
                       (void**)&e.fill)) {
    fprintf(stderr, "make_texture_sample: the texture module refused its entry points\n");
    return 1;
  }
  CSampleList list;
  list.SetMaxTypeNum(2);
  list.SetIIWH(kThumbSize, kThumbSize);
  list.SetFitStyle(IIFIT_NONE);
  list.SetFrameType(IIFRAME_EDGE);
  list.SetMulSelectNum(IIMULSEL_KEEPONE);
  list.TypeSetActivate(kTextureType);
  for (const SampleTexture& t : kTextures) {
    const std::vector<unsigned char> payload = MakePayload(t);
    _IIDATA data = {};
    strncpy(data.szName, t.pszName, sizeof data.szName - 1);
    data.nMode = IIBUF_ADOPT;
    data.hBuffer = MakeThumbnail(e, payload);
    const int nItem = data.hBuffer != NULL ? list.AddII(&data) : -1;
    if (nItem < 0) {
      fprintf(stderr, "make_texture_sample: texture \"%s\" could not be made\n", t.pszName);
      return 1;
    }
    list.TypeAddII(kTextureType, nItem);
    list.m_blocks[nItem] = MakeBlock(payload);
  }
  list.TypeSetSelectII(kTextureType, list.TypeGetII(kTextureType, 0), TRUE);
  const std::string path = argc > 1 ? std::string(argv[1]) : DefaultPath();
  if (!list.Save(path.c_str())) {
    fprintf(stderr, "make_texture_sample: cannot write %s\n", path.c_str());
    return 1;
  }
  printf("make_texture_sample: %d textures written to %s\n", (int)(sizeof kTextures / sizeof kTextures[0]),
         path.c_str());
  return 0;
}
