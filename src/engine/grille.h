#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavik {

// Cell codes of a grid. The same numbers 2 and 3 name the two sides and are the picture
// numbers of the two discs.
enum Code : int8_t { bord = 0, vide = 1, noir = 2, blanc = 3 };

// The other side: 3 for 2, and 2 for any other value.
constexpr int16_t adversaire(int16_t couleur)
{
    return couleur == noir ? blanc : noir;
}

// A 10 x 10 grid indexed (ligne, colonne); rows and columns 0 and 9 form the border ring
// that stops every walk outward from a square of the board.
using Grille = std::array<std::array<int8_t, 10>, 10>;

// A square of the board: ligne 1..8 from the top, colonne 1..8 from the left.
struct Case
{
    int16_t ligne = 0;
    int16_t colonne = 0;

    friend constexpr bool operator==(Case, Case) = default;
};

constexpr bool sur_plateau(Case c)
{
    return c.ligne >= 1 && c.ligne <= 8 && c.colonne >= 1 && c.colonne <= 8;
}

// Control index of the tile that shows a square: 0 is A1, 7 is H1, 63 is H8.
constexpr int index_de(Case c)
{
    return (c.ligne - 1) * 8 + (c.colonne - 1);
}
constexpr Case case_de(int index)
{
    return {static_cast<int16_t>(index / 8 + 1), static_cast<int16_t>(index % 8 + 1)};
}

// "F5" is colonne 6, ligne 5.
std::string notation(Case c);

// Reads a move text: a letter A-H (either case) then a digit 1-8, nothing more.
bool lit_case(std::string_view texte, Case& c);

// Eight rows of '.', 'x' (black) and 'o' (white), top row first, read into a grid with its
// border ring: tests and benchmarks write positions as pictures.
Grille grille_depuis(std::string_view image);

} // namespace tavik
