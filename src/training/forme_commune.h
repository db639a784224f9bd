#pragma once

#include "engine/grille.h"
#include "orientation/transformations.h"

#include <cstdint>
#include <vector>

namespace tavik {

// The board symmetry (numbered as `image` numbers them) that a transform of the board is.
int symetrie_de(Transformation t);

// The common form of a game (see `forme_commune`), found move by move as the game is played on
// the board, in whatever orientation the board is and even when it is turned mid-game. The
// common form of a game begins with the common form of each of its beginnings, so a game goes
// along a line exactly when its form begins the line's form.
class FormeCommune
{
public:
    // A game from the usual start, or from the start turned a quarter turn (`rotation` odd),
    // black to move.
    explicit FormeCommune(int rotation = 0);

    // The image of a move of the game in the common form, in the position reached, without
    // playing it.
    Case image(Case coup) const;
    // The moves of the game whose image is `image`: one, or its mirror images when the position
    // is symmetric; in the order of the common form.
    std::vector<Case> antecedents(Case image) const;
    // A move of the common form as the board shows it now: for moves to come, one of their
    // forms.
    Case vers_plateau(Case image) const;
    // Whether the side to move may play the move.
    bool jouable(Case coup) const;
    // Plays a legal move.
    void joue(Case coup);
    // The board of the game was turned: its moves to come arrive turned the same way.
    void tourne(Transformation t);

    const std::vector<Case>& coups() const { return coups_; } // the common form so far
    int16_t trait() const { return trait_; }

private:
    int meilleure(Case coup) const; // the symmetry of the position that gives the image

    Grille position_; // the position of the common form
    int16_t trait_ = noir;
    int vers_forme_; // carries the game's moves onto the common form
    int retour_; // its inverse
    std::vector<int> stables_; // the symmetries that keep the position
    std::vector<Case> coups_;
};

} // namespace tavik
