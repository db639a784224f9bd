#include "engine/disques.h"

#include <array>
#include <bit>

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

namespace {

// For each square, the squares beyond it up to the edge along the four lines through it
// (row, column, both diagonals): `montants` toward higher bit indexes, `descendants` toward
// lower ones.
struct Rayons
{
    std::array<std::array<uint64_t, 4>, 64> montants {}, descendants {};
};

constexpr Rayons rayons_de()
{
    Rayons r;
    constexpr std::array<std::array<int, 2>, 4> pas {{{0, 1}, {1, 0}, {1, 1}, {1, -1}}};
    for (int i = 0; i < 64; ++i) {
        for (std::size_t d = 0; d < 4; ++d) {
            for (const int sens : {1, -1}) {
                uint64_t rayon = 0;
                int l = i / 8 + sens * pas[d][0], c = i % 8 + sens * pas[d][1];
                for (; l >= 0 && l < 8 && c >= 0 && c < 8;
                     l += sens * pas[d][0], c += sens * pas[d][1])
                    rayon |= bit_de(l * 8 + c);
                (sens > 0 ? r.montants : r.descendants)[static_cast<std::size_t>(i)][d] = rayon;
            }
        }
    }
    return r;
}

constexpr Rayons rayons = rayons_de();

} // namespace

uint64_t retournes(int index, uint64_t joueur, uint64_t adversaire)
{
    // Along each ray, the first square that is not the opponent's closes the run before it;
    // the run is taken when that square holds one of the player's. Toward higher indexes that
    // square is the lowest bit of the ray's non-opponent squares, toward lower ones the highest.
    const auto i = static_cast<std::size_t>(index);
    uint64_t tous = 0;
    for (std::size_t d = 0; d < 4; ++d) {
        const uint64_t haut = rayons.montants[i][d];
        const uint64_t arrets_haut = haut & ~adversaire;
        const uint64_t bout_haut = arrets_haut & (0 - arrets_haut);
        tous |= (bout_haut & joueur) ? haut & (bout_haut - 1) : 0;
        const uint64_t bas = rayons.descendants[i][d];
        // The highest bit with no branch: bit 0 stands in for an empty set and is then masked.
        const uint64_t arrets_bas = bas & ~adversaire;
        const uint64_t bout_bas = bit_de(63 - std::countl_zero(arrets_bas | 1)) & arrets_bas;
        // The ray's squares above that bit when it holds a disc of the player's, else none
        // (the bit is never the top one, which no ray toward lower indexes reaches).
        tous |= bas & (0 - ((bout_bas & joueur) << 1));
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
