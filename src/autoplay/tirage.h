#pragma once

#include "engine/grille.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavik {

// The automatic player draws its moves; nothing here is computed from the position.

// One draw r in [0, 1) turned into 0..n-1 (n >= 1): floor(n r), so each with probability 1/n.
// A source that returned 1 would still give the last one.
int tire(float r, int n);

// Black's first move, drawn as k = tire(r, 4) among the four legal first moves of the start
// position that the rotation gives: D3 C4 F5 E6, or E3 F4 C5 D6 after an odd number of
// quarter turns. The result is a tile index.
int premier_coup_auto(int rotation, float r);

// The entries of a continuation list, texts that begin with a move ("F5 : Tigre"), whose move
// `couleur` may play on `jeu`, as tile indexes in list order. A faulty library line may list a
// move that is not a square, or not legal at its point: such an entry is left out.
std::vector<int> suites_jouables(const Grille& jeu, int16_t couleur,
                                 const std::vector<std::string_view>& entrees);

} // namespace tavik
