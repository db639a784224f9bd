#pragma once

#include "engine/disques.h"
#include "engine/grille.h"

#include <cstdint>

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

// The same symmetries on square indexes (`index_de`) and on sets of squares (`Disques`).
int image_index(int symetrie, int index);
uint64_t image_bits(int symetrie, uint64_t cases);

// A position reduced over the eight symmetries: of the eight images of its discs the least
// (black's discs first, then white's) stands for them all, with the side to move. Two
// positions get the same key exactly when one is an image of the other with the same side to
// move, whatever the moves that led there. The game database and the library's lookup by
// position both key positions this way.
struct CleReduite
{
    uint64_t noirs = 0;
    // The occupied squares, save D4, whose bit holds the side to move (1: white): the four
    // centre squares are never empty, so the key stays exact in 128 bits.
    uint64_t occupes_et_trait = 0;
    friend auto operator<=>(const CleReduite&, const CleReduite&) = default;
};

struct Reduction
{
    CleReduite cle;
    uint8_t symetries = 0; // bit s set for each symmetry s that carries the position onto the key

    // A 64-bit digest of the key, for tables and sorted indexes.
    uint64_t empreinte() const;
    // The square, seen in the reduced position, that a move of the position lands on; moves
    // that lead to images of one position (F5 and D3 from the start) get the same square.
    int vers_reduite(int index) const;
    // A square of the position for a square of the reduced one: the inverse of `vers_reduite`;
    // of the squares that the position's own symmetries make equivalent, the one furthest
    // right, then lowest (F5 from the start).
    int depuis_reduite(int index) const;
};

Reduction reduit(const Disques& disques, bool blanc_au_trait);

} // namespace tavik
