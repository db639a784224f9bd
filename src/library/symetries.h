#pragma once

#include "engine/grille.h"

#include <span>
#include <vector>

namespace tavik {

// The eight symmetries of the board, numbered 0 to 7: `s % 4` quarter turns, clockwise as
// drawn (A1 goes to H1), then, for 4 to 7, the mirror in the A1-H8 diagonal. 0 is the identity.
inline constexpr int nb_symetries = 8;
Case image(int symetrie, Case c);
// The symmetry that does `exterieure` after `interieure`, and the one that undoes `symetrie`.
int compose(int exterieure, int interieure);
int inverse(int symetrie);
// Whether the position is its own image.
bool invariante(const Grille& jeu, int symetrie);
// The order in which the common form takes the least image: letters first, then rows.
bool vient_avant(Case a, Case b);

// The moves of a line in a form shared by every way of writing it. The usual start is its own
// image in both diagonals and in a half turn, so C4, D3, E6 and F5 begin the same line; later
// positions may be symmetric again (after C4 C3 D3 the board is its own image in the A1-H8
// diagonal), and the moves that follow may then be written on either side. At each move the
// symmetries that keep the position reached are tried and the least image of the move is
// kept, letters first, then rows: the form of a legal line begins with C4. `coups` must be
// legal one after the other from the usual start, black first.
std::vector<Case> forme_commune(std::span<const Case> coups);

} // namespace tavik
