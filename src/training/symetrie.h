#pragma once

#include "engine/grille.h"
#include "orientation/transformations.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tavik {

// One of the eight symmetries of the board: `quarts` quarter turns, then the A1-H8 mirror when
// `miroir` is set.
struct Symetrie
{
    int8_t quarts = 0;
    bool miroir = false;

    Case operator()(Case c) const;
    friend bool operator==(Symetrie, Symetrie) = default;
};

Symetrie symetrie_de(Transformation t);
Symetrie compose(Symetrie exterieure, Symetrie interieure); // c -> exterieure(interieure(c))
Symetrie inverse(Symetrie s);

// The moves of a game in a form shared by all its mirror images. When a position is symmetric
// (after C4 C3 D3 the board is its own image in the A1-H8 diagonal), the moves that follow can
// be mirrored without changing what is learnt: "C4C3 D3C5 F6F5 E6" and "C4C3 D3E3 F6E6 F5"
// are one line played on either side of the diagonal. The canonical form is the least of all
// these images in the order of the move texts (column letter, then row). It is found move by
// move: the symmetries that keep the position unchanged may turn the rest of the game, and the
// one that gives the least next move is kept. So the canonical form of a game begins with the
// canonical form of each of its beginnings, and any game in any orientation of the board gets
// the form of the library's orientation, black's first move on C4.
class FormeCanonique
{
public:
    // A game from the usual start, or from the start turned a quarter turn (`rotation` odd),
    // black to move.
    explicit FormeCanonique(int rotation = 0);

    // The canonical image of a move of the game, in the position reached, without playing it.
    Case image(Case coup) const;
    // The moves of the game whose canonical image is `image`: one, or its mirror images when
    // the position is symmetric.
    std::vector<Case> antecedents(Case image) const;
    // A canonical move as the board shows it now: for moves to come, one of their forms.
    Case vers_plateau(Case image) const { return retour_(image); }
    // Whether the side to move may play the move.
    bool jouable(Case coup) const;
    // Plays a legal move.
    void joue(Case coup);
    // The board of the game was turned: its moves to come arrive turned the same way.
    void tourne(Transformation t);

    const std::vector<Case>& coups() const { return coups_; } // canonical moves so far
    int16_t trait() const { return trait_; }

private:
    Symetrie meilleure(Case coup) const; // the symmetry of the position that gives the image

    Grille position_; // the canonical position
    int16_t trait_ = noir;
    Symetrie vers_canon_; // carries the game's moves onto the canonical position
    Symetrie retour_; // its inverse
    std::vector<Symetrie> stables_; // the symmetries that keep the canonical position
    std::vector<Case> coups_;
};

// The canonical form of a sequence of legal moves from the usual start, black first.
std::vector<Case> forme_canonique(std::span<const Case> coups);

} // namespace tavik
