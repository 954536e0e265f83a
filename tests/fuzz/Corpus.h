// Seeded corruptions of a good file and the check every reader must pass on each of them: the
// input is refused or loaded cleanly, with no crash, the file unchanged and no file left behind.
#pragma once
#include <Drevnic.h>
#include <functional>
#include <string>
#include <vector>

namespace fuzz {

// Rewrites the checksums of a corrupted input, so that it reaches the checks behind them.
using Fixup = std::function<void(std::string&)>;

struct Input {
  std::string bytes;
  std::string what;  // how it was made, for failure messages
};

// nCount inputs made from seed by a generator seeded with nSeed: truncations, flipped bits, extreme
// 32-bit values in either byte order, removed or repeated runs. Flips and values land on one of
// `fields` half of the time, in the first 512 bytes a quarter, anywhere the rest. fix runs on all
// but the truncations. OSTREL_FUZZ_SCALE multiplies nCount and OSTREL_FUZZ_SEED adds to nSeed.
std::vector<Input> SeededCorpus(const std::string& seed, int nCount, unsigned nSeed, const Fixup& fix = nullptr,
                                const std::vector<size_t>& fields = {});

// The seeded corpus of a good item-list file (its CRC made right again), then every extreme value
// in each of the fields of its header and first item.
std::vector<Input> ListCorpus(const std::string& seed, int nCount, unsigned nSeed);

// Loads one file: true when the reader accepted it (and used what it read), false when refused.
using Loader = std::function<bool(const std::string& path)>;

// Writes each input as `name` in a fresh folder and loads it. Fails the test, naming the input,
// when the file's bytes change or the folder's list of files does; the seed itself must load.
void RunCorpus(const std::string& seed, const std::vector<Input>& inputs, const std::string& name, const Loader& load);

// The CRC-32 of the item-list and PNG files.
unsigned long Crc32(const std::string& bytes, size_t nAt, size_t nLength);

// Shows the list in a window on the test's main window, paints it and scrolls it once, so that
// what a file sets reaches the drawing code too.
void ShowList(CIIList& list);

}  // namespace fuzz
