#include "orientation/transformations.h"

#include <array>

namespace tavik {

std::string transforme_coup(Transformation t, std::string_view coup)
{
    Case c;
    if (!lit_case(coup, c)) return std::string(coup);
    return notation(transforme(t, c));
}

std::string rot_coup(std::string_view coup)
{
    return transforme_coup(Transformation::rotation, coup);
}

std::string SymPos_coup(std::string_view coup)
{
    return transforme_coup(Transformation::sym_positive, coup);
}

std::string SymNeg_coup(std::string_view coup)
{
    return transforme_coup(Transformation::sym_negative, coup);
}

void transforme_grille(Transformation t, const Grille& source, Grille& cible)
{
    for (int16_t ligne = 1; ligne <= 8; ++ligne) {
        for (int16_t colonne = 1; colonne <= 8; ++colonne) {
            const Case arrivee = transforme(t, {ligne, colonne});
            cible[arrivee.ligne][arrivee.colonne] = source[ligne][colonne];
        }
    }
}

namespace {

using enum Transformation;

constexpr std::array aucune = std::array<Transformation, 0> {};
constexpr std::array une_rot = {rotation};
constexpr std::array deux_rot = {rotation, rotation};
constexpr std::array trois_rot = {rotation, rotation, rotation};
constexpr std::array sym_pos = {sym_positive};
constexpr std::array sym_neg = {sym_negative};
constexpr std::array rot_puis_sym_pos = {rotation, sym_positive};
constexpr std::array rot_puis_sym_neg = {rotation, sym_negative};
constexpr std::array sym_neg_puis_rot = {sym_negative, rotation};
constexpr std::array sym_pos_puis_rot = {sym_positive, rotation};

struct LigneOrientation
{
    std::string_view premier_coup;
    Orientation orientation;
};

// Each way back is the inverse of the way there; every listed first move goes to C4.
const std::array table_orientations = {
    LigneOrientation {"D3", {sym_neg, sym_neg}},
    LigneOrientation {"F5", {deux_rot, deux_rot}},
    LigneOrientation {"E6", {sym_pos, sym_pos}},
    LigneOrientation {"E3", {trois_rot, une_rot}},
    LigneOrientation {"F4", {rot_puis_sym_pos, sym_neg_puis_rot}},
    LigneOrientation {"D6", {une_rot, trois_rot}},
    LigneOrientation {"C5", {rot_puis_sym_neg, sym_pos_puis_rot}},
};

} // namespace

Orientation orientation_de(std::string_view premier_coup)
{
    for (const LigneOrientation& ligne : table_orientations)
        if (ligne.premier_coup == premier_coup) return ligne.orientation;
    return {aucune, aucune};
}

std::string vers_jeu(std::string_view premier_coup, std::string_view coup)
{
    std::string resultat(coup);
    for (const Transformation t : orientation_de(premier_coup).vers_jeu)
        resultat = transforme_coup(t, resultat);
    return resultat;
}

Case vers_biblio(std::string_view premier_coup, Case c)
{
    for (const Transformation t : orientation_de(premier_coup).vers_biblio) c = transforme(t, c);
    return c;
}

} // namespace tavik
