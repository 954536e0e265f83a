// Seeded corruptions of a good file and the check every reader must pass on each of them: the
// input is refused or loaded cleanly, with no crash, the file unchanged and no file left behind.
#pragma once
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

// nCount inputs made from seed with the random generator seeded by nSeed: truncations, flipped
// bits, extreme 32-bit values (0, 1, -1, the sign bit, 64 K ...) in either byte order, and removed
// or repeated runs of bytes. Flips and values land on one of `fields` (offsets of counts, sizes and
// records) half of the time, anywhere in the first 512 bytes a quarter, anywhere else the rest.
// fix, when given, runs on all but the plain truncations. OSTREL_FUZZ_SCALE in the environment
// multiplies nCount and OSTREL_FUZZ_SEED is added to nSeed, for longer runs on demand.
std::vector<Input> SeededCorpus(const std::string& seed, int nCount, unsigned nSeed, const Fixup& fix = nullptr,
                                const std::vector<size_t>& fields = {});

// Every extreme 32-bit value, little-endian, in each of the given fields in turn.
std::vector<Input> ExtremeFields(const std::string& seed, const std::vector<size_t>& fields, const Fixup& fix);

// Loads one file: true when the reader accepted it (and used what it read), false when refused.
using Loader = std::function<bool(const std::string& path)>;

// Writes each input as `name` in a fresh folder and loads it. Fails the test, naming the input,
// when the file's bytes change or the folder's list of files does; the seed itself must load.
void RunCorpus(const std::string& seed, const std::vector<Input>& inputs, const std::string& name, const Loader& load);

// The CRC-32 of the item-list and PNG files.
unsigned long Crc32(const std::string& bytes, size_t nAt, size_t nLength);

}  // namespace fuzz
