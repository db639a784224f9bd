#pragma once

#include "library/biblio.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// Openings found by name, as a learner types part of one.

// The form in which names are compared: lower case, accents and ligatures spelled out with
// plain letters ("Bétonnage Œil" gives "betonnage oeil"). Other characters are kept.
std::string forme_de_recherche(std::string_view texte);

// Whether `nom` holds `filtre` once both are in that form; an empty filter holds everywhere.
bool nom_contient(std::string_view nom, std::string_view filtre);

// The rows 0 to nb - 1 whose opening name holds the filter, in file order.
std::vector<int> lignes_par_nom(const Biblio& biblio, int nb, std::string_view filtre);

} // namespace tavik
