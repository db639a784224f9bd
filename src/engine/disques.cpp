#include "engine/disques.h"

#include <array>

namespace tavik {

namespace {

constexpr uint64_t sauf_colonne_a = 0xFEFEFEFEFEFEFEFEULL;
constexpr uint64_t sauf_colonne_h = 0x7F7F7F7F7F7F7F7FULL;

// A step toward a neighbour: the shift of the bit index, and the squares that a step in that
// direction may land on (a step east never lands on column A after wrapping round a row).
struct Direction
{
    int decalage;
    uint64_t arrivee;
};
constexpr std::array<Direction, 8> directions {{{1, sauf_colonne_a},
                                                {-1, sauf_colonne_h},
                                                {8, ~uint64_t {0}},
                                                {-8, ~uint64_t {0}},
                                                {9, sauf_colonne_a},
                                                {7, sauf_colonne_h},
                                                {-7, sauf_colonne_a},
                                                {-9, sauf_colonne_h}}};

constexpr uint64_t avance(uint64_t x, Direction d)
{
    return (d.decalage > 0 ? x << d.decalage : x >> -d.decalage) & d.arrivee;
}

} // namespace

Disques disques_initiaux()
{
    return {bit_de(28) | bit_de(35), bit_de(27) | bit_de(36)};
}

Disques disques_de(const Grille& jeu)
{
    Disques d;
    for (int i = 0; i < 64; ++i) {
        const Case c = case_de(i);
        if (jeu[c.ligne][c.colonne] == noir) d.noirs |= bit_de(i);
        if (jeu[c.ligne][c.colonne] == blanc) d.blancs |= bit_de(i);
    }
    return d;
}

uint64_t coups_possibles(uint64_t joueur, uint64_t adversaire)
{
    const uint64_t vides = ~(joueur | adversaire);
    uint64_t coups = 0;
    for (const Direction d : directions) {
        uint64_t suite = avance(joueur, d) & adversaire;
        for (int i = 0; i < 5; ++i) suite |= avance(suite, d) & adversaire;
        coups |= avance(suite, d) & vides;
    }
    return coups;
}

uint64_t retournes(int index, uint64_t joueur, uint64_t adversaire)
{
    // In each direction, the run of the opponent's discs next to the square (at most six),
    // taken when the square after it holds one of the player's: no branch but the last.
    uint64_t tous = 0;
    for (const Direction d : directions) {
        uint64_t suite = avance(bit_de(index), d) & adversaire;
        for (int i = 0; i < 5; ++i) suite |= avance(suite, d) & adversaire;
        tous |= (avance(suite, d) & joueur) ? suite : 0;
    }
    return tous;
}

bool PositionJeu::joue(int index)
{
    if ((disques.noirs | disques.blancs) & bit_de(index)) return false;
    if (pose(index)) return true;
    // A pass: only when the side to move has no legal move anywhere.
    const uint64_t j = blanc_au_trait ? disques.blancs : disques.noirs;
    const uint64_t a = blanc_au_trait ? disques.noirs : disques.blancs;
    if (coups_possibles(j, a)) return false;
    blanc_au_trait = !blanc_au_trait;
    if (pose(index)) return true;
    blanc_au_trait = !blanc_au_trait;
    return false;
}

bool PositionJeu::pose(int index)
{
    uint64_t& joueur = blanc_au_trait ? disques.blancs : disques.noirs;
    uint64_t& adversaire = blanc_au_trait ? disques.noirs : disques.blancs;
    const uint64_t pris = retournes(index, joueur, adversaire);
    if (!pris) return false;
    joueur |= pris | bit_de(index);
    adversaire &= ~pris;
    blanc_au_trait = !blanc_au_trait;
    return true;
}

bool PositionJeu::trait_effectif() const
{
    const uint64_t j = blanc_au_trait ? disques.blancs : disques.noirs;
    const uint64_t a = blanc_au_trait ? disques.noirs : disques.blancs;
    if (coups_possibles(j, a)) return blanc_au_trait;
    if (coups_possibles(a, j)) return !blanc_au_trait;
    return false;
}

} // namespace tavik
