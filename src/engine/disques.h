#pragma once

#include "engine/grille.h"

#include <cstdint>

namespace tavik {

// The discs of a position as two 64-bit sets, one bit per square in the order of `index_de`
// (bit 0 is A1, bit 7 is H1, bit 63 is H8): the fast form that the game database replays
// hundreds of thousands of games in.
struct Disques
{
    uint64_t noirs = 0;
    uint64_t blancs = 0;
    friend bool operator==(const Disques&, const Disques&) = default;
};

constexpr uint64_t bit_de(int index)
{
    return uint64_t {1} << index;
}

// The usual start: white on D4 and E5, black on E4 and D5.
Disques disques_initiaux();
// The discs of a grid with its border ring.
Disques disques_de(const Grille& jeu);

// The squares where the side owning `joueur` may play against `adversaire`.
uint64_t coups_possibles(uint64_t joueur, uint64_t adversaire);
// The discs that playing the square `index` captures; none when the move is not legal (the
// square itself is not checked for emptiness).
uint64_t retournes(int index, uint64_t joueur, uint64_t adversaire);

// A position on its way through a game: the discs and the side that plays next.
struct PositionJeu
{
    Disques disques = disques_initiaux();
    bool blanc_au_trait = false;

    // Plays the square for the side to move; when that side has no legal move at all, it
    // passes and the other side plays the square. False, and nothing changed, when the move is
    // legal for neither.
    bool joue(int index);
    // The side that plays next, passes taken into account: when the side to move has no legal
    // move, the other one; when neither has, black (the game is over).
    bool trait_effectif() const;

private:
    bool pose(int index); // the side to move plays the square if it captures
};

} // namespace tavik
