#pragma once

#include "engine/grille.h"

#include <span>
#include <string>
#include <string_view>

namespace tavik {

// The three maps of the board. The quarter turn is clockwise as drawn (A1 goes to H1);
// "Sym /" keeps the A8-H1 diagonal fixed, "Sym \" the A1-H8 diagonal.
enum class Transformation { rotation, sym_positive, sym_negative };

constexpr Case transforme(Transformation t, Case c)
{
    switch (t) {
    case Transformation::rotation:
        return {c.colonne, static_cast<int16_t>(9 - c.ligne)};
    case Transformation::sym_positive:
        return {static_cast<int16_t>(9 - c.colonne), static_cast<int16_t>(9 - c.ligne)};
    case Transformation::sym_negative:
        return {c.colonne, c.ligne};
    }
    return c;
}

// The same maps on a move text ("F5"). Anything that is not a valid square comes back
// unchanged; a lower-case letter is accepted and the result is upper case.
std::string rot_coup(std::string_view coup);
std::string SymPos_coup(std::string_view coup);
std::string SymNeg_coup(std::string_view coup);
std::string transforme_coup(Transformation t, std::string_view coup);

// The inner 8 x 8 cells of `source` moved by the map into `cible`; the ring of `cible` is
// left as it is.
void transforme_grille(Transformation t, const Grille& source, Grille& cible);

// The library is written with black's first move on C4. For each first move of a game, the
// maps that carry the game into the library's orientation and those that carry a library
// move back; a first move not listed needs no change.
struct Orientation
{
    std::span<const Transformation> vers_biblio;
    std::span<const Transformation> vers_jeu;
};
Orientation orientation_de(std::string_view premier_coup);

// A library move turned into the orientation of a game that began with `premier_coup`, and a
// move of that game turned into the library's orientation.
std::string vers_jeu(std::string_view premier_coup, std::string_view coup);
Case vers_biblio(std::string_view premier_coup, Case c);

} // namespace tavik
