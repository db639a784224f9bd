#pragma once

#include "database/statistiques.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace tavik {

// A percentage as French writes it, one decimal, a non-breaking space before the sign:
// "48,2 %".
std::string texte_pour_cent(double valeur);

// "N parties : noir X %, nul Y %, blanc Z %", and the games without a result in brackets; the
// spaces before the colon and the percent signs are non-breaking.
std::string texte_bilan(const Resultats& bilan);

// "N parties : noir X %, nul Y %, blanc Z %", then one line per next move, most played first:
// "f4 : N parties, S % pour noir" (the score of the side that plays it). Games without a
// result are counted apart.
std::string texte_statistiques(const Statistiques& stats);

// What `tavik --base FICHIER… --statistiques COUPS` prints: the statistics of the position
// that the moves reach, on the standard output, with plain spaces for the scripts that read it; each game or line left out and each file that
// could not be read on the error output. Status 0, or 2 when a file gave nothing or the moves
// are no game.
struct ReponseStatistiques
{
    std::string sortie;
    std::string erreurs;
    int code = 0;
};
ReponseStatistiques repond_statistiques(std::span<const std::filesystem::path> fichiers,
                                        std::string_view coups);

} // namespace tavik
