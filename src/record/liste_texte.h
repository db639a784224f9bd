#pragma once

#include "record/liste_coups.h"

#include <string>
#include <vector>

namespace tavik {

// The move list of the moves before the current point `num_coup`: one line per black slot and
// the white slot after it, " 1. F5   2. D6", a pass written "--". Slots beyond the record
// never show.
std::vector<std::string> lignes_liste_coups(const ListeCoups& liste, int num_coup);

// The next recorded move as the next-move box shows it: "4. D3", "12. --".
std::string texte_suivant(const ListeCoups& liste, int num_coup);

} // namespace tavik
