#pragma once

#include "orientation/transformations.h"

#include <vector>

namespace tavik {

// A drill running on the main window's board. The board accepts any legal move; only the drill
// knows which moves an exercise allows, so it sees the user's left presses first. It also hears
// of what changes the game under it, and puts its marks on the board.
class Entraineur
{
public:
    // A left press of the user on tile `index`, before the board's own play path. True when the
    // drill took it: it played the move its own way, or refused it; the board then only
    // redraws. False: the board plays the press as it would without a drill.
    virtual bool prend_clic(int index) = 0;
    // The board and every recorded move were turned by "Rot", "Sym /" or "Sym \".
    virtual void partie_tournee(Transformation t) = 0;
    // The record was replaced by a game loaded from the chooser or pasted.
    virtual void partie_chargee() = 0;
    // The tiles to mark with the library picture over the refresh, on the live board.
    virtual std::vector<int> marques() const = 0;
    // Whether the board must keep the library's continuations out of sight (the list, the
    // marks, what a screen reader hears of them): they would give the answer away.
    virtual bool cache_la_bibliotheque() const = 0;
    // The current point of the record moved (a step back or forward).
    virtual void position_changee() = 0;

protected:
    ~Entraineur() = default;
};

} // namespace tavik
