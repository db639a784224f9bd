#pragma once

#include "database/index_positions.h"
#include "engine/disques.h"

#include <cstdint>
#include <vector>

namespace tavik {

// Results counted over games; `inconnues` have none (an unfinished game of one's own).
struct Resultats
{
    int parties = 0;
    int noir = 0, nuls = 0, blanc = 0, inconnues = 0;

    void compte(Issue issue, int nombre = 1);
    // Percentages over the games that have a result; 0 when none has.
    double pour_cent(Issue issue) const;
    // The score of one side: its wins and half its draws, in % of the games with a result.
    double score(bool pour_blanc) const;
};

// A move played from the position, seen on the board as it stands.
struct CoupPlaye
{
    int index = 0; // the square, `index_de`
    Resultats bilan;
};

struct Statistiques
{
    Resultats bilan;
    bool blanc_au_trait = false; // the side that plays the next moves
    std::vector<CoupPlaye> suivants; // most played first, then by square
};

// The games of the index through the position, in any of its eight images and whatever the
// moves that reached it, and the moves played from it. The side to move is taken as the board
// takes it: when it has no legal move, the other side plays.
Statistiques statistiques(const IndexPositions& index, const Disques& disques, bool blanc_au_trait);

// The numbers of the games through the position, in the order of the base, at most `nb_max`.
std::vector<uint32_t> parties_passant(const IndexPositions& index, const Disques& disques,
                                      bool blanc_au_trait, std::size_t nb_max);

} // namespace tavik
