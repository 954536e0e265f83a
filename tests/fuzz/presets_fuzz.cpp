// The host's gradient preset file: corrupted with its CRC made right again, loaded as the preset
// strip loads it; every record taken is drawn as the dialog draws a chosen preset.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <t32Base.h>
#include "Corpus.h"
#include "TempDir.h"
#include "TestApp.h"

namespace {

bool LoadPresets(const std::string& path) {
  CGradientList list;
  if (!list.Load(path.c_str()) || list.RefusedBlocks() != 0) return false;
  for (int nPos = 0; nPos < list.TypeGetCount(0); nPos++) {
    const GFILL_OPTION* pRecord = (const GFILL_OPTION*)list.GetAPIIData(list.TypeGetII(0, nPos));
    if (pRecord == NULL) continue;
    // As stored, then fitted to a frame, as the dialog shows a chosen preset.
    GFILL_OPTION record = *pRecord;
    buf32Free(CreateGradientBuffer(&record, CRect(0, 0, 24, 24)));
    ResetGradRange(&record, 24, 24);
    buf32Free(CreateGradientBuffer(&record, CRect(0, 0, 24, 24)));
  }
  fuzz::ShowList(list);
  return true;
}

}  // namespace

TEST(FileFuzz, GradientPresetFile) {
  const std::string seed = ostrel_test::TempDir::Read(ostrel_test::ExeFolder() + "Tarvik.dat\\" GRADWND_FILE);
  ASSERT_FALSE(seed.empty()) << "the build writes the starter presets";
  const auto inputs = fuzz::ListCorpus(seed, 400, 2);
  fuzz::RunCorpus(seed, inputs, GRADWND_FILE, LoadPresets);
}
