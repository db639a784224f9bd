#pragma once

#include "database/index_positions.h"

#include <span>

namespace tavik {

// Sorts the index's entries by digest, then by their other word (next move, result, game), in
// place: a radix sort on the twelve bytes of that key, most significant first, which spends no
// memory beside the array and a few kilobytes of counts, and leaves runs of a few dozen entries
// to a comparison sort.
void trie_entrees(std::span<IndexPositions::Entree> entrees);

} // namespace tavik
