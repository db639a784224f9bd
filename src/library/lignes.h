#pragma once

#include "engine/grille.h"
#include "library/biblio.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// A library move text as squares: spaces are ignored, every two characters must be a square
// ("c4e3 F6" gives C4 E3 F6). Nothing when a character pair is not a square.
std::optional<std::vector<Case>> lit_coups(std::string_view coups);

// Squares written as the library writes its lines: pairs glued, one space between pairs,
// upper case ("C4E3 F6E6 F5").
std::string ecrit_coups(std::span<const Case> coups);

// The form in which names are compared: lower case, accents and ligatures spelled out with
// plain letters ("Bétonnage Œil" gives "betonnage oeil"). Other characters are kept.
std::string forme_de_recherche(std::string_view texte);

// Whether `nom` holds `filtre` once both are in that form; an empty filter holds everywhere.
bool nom_contient(std::string_view nom, std::string_view filtre);

// The rows 0 to nb - 1 whose opening name holds the filter, in file order.
std::vector<int> lignes_par_nom(const Biblio& biblio, int nb, std::string_view filtre);

} // namespace tavik
