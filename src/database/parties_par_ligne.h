#pragma once

#include "database/index_positions.h"
#include "engine/grille.h"

#include <span>
#include <vector>

namespace tavik {

// Per line, the games of the index through the position where the line ends, in any of its
// eight images and whatever the moves that reached it: how much the line is played. Each line
// is moves legal one after the other from the usual start; a line deeper than the index, or
// whose moves cannot be played, counts 0.
std::vector<int> parties_au_bout(const IndexPositions& index,
                                 std::span<const std::vector<Case>> lignes);

} // namespace tavik
