// What the list-file drivers share: the item-list checksum fix, and a list shown in a window and
// painted, so that what a file sets reaches the drawing code too.
#pragma once
#include <Drevnic.h>
#include <string>
#include <vector>
#include "Corpus.h"

namespace fuzz {

// Recomputes the trailing CRC-32 of an item-list file.
void FixListCrc(std::string& bytes);

// Offsets of the counts, sizes and data blocks of a good item-list file, where corruptions hurt.
std::vector<size_t> ListFields(const std::string& bytes);

// The seeded corpus of a good item-list file of nCount inputs, then every extreme value in each of
// the fields of its header and first item.
std::vector<Input> ListCorpus(const std::string& seed, int nCount, unsigned nSeed);

// Shows the list in a window on the test's main window, paints it and scrolls it once.
void ShowList(CIIList& list);

}  // namespace fuzz
