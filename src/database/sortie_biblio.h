#pragma once

#include "database/partie_base.h"
#include "library/positions_biblio.h"

#include <vector>

namespace tavik {

// Where a game left the library: the deepest position of the game that a library line goes
// through, looked up whatever the orientation and the move order, so that a game that leaves
// a line and comes back to it by other moves is counted to where it came back.
struct SortieBiblio
{
    int coups_suivis = 0; // the moves played up to that position
    int ligne = -1; // the row that names it; -1 when no position of the game is in the library
    int coup_sorti = -1; // the square of move coups_suivis + 1; -1 when the game never left
    // What the library plays in that position, on the game's board, each with its row.
    std::vector<PositionsBiblio::CoupBiblio> attendus;
};

SortieBiblio sortie_biblio(const PartieBase& partie, const PositionsBiblio& biblio);

} // namespace tavik
