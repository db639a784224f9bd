#include "windows/lignes_de_mes_parties.h"

#include "library/cle_ligne.h"
#include "library/ligne_coups.h"
#include "library/symetries.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace tavik {

namespace {

std::vector<std::string> cles_lues(const Services& services)
{
    std::vector<std::string> cles;
    if (!services.lit_reglage) return cles;
    std::istringstream texte(services.lit_reglage(reglage_lignes_de_mes_parties));
    for (std::string cle; std::getline(texte, cle);)
        if (!cle.empty() && !defaut_de_ligne(cle)) cles.push_back(cle);
    return cles;
}

} // namespace

std::vector<std::vector<Case>> debuts_de_mes_parties(const Services& services)
{
    std::vector<std::vector<Case>> debuts;
    for (const std::string& cle : cles_lues(services)) debuts.push_back(cases_de_ligne(cle));
    return debuts;
}

int ajoute_debuts_de_mes_parties(const Services& services,
                                 std::span<const std::vector<Case>> debuts)
{
    std::vector<std::string> cles = cles_lues(services);
    int nouveaux = 0;
    for (const std::vector<Case>& debut : debuts) {
        if (debut.empty()) continue;
        std::string cle = cle_de_ligne(forme_commune(debut));
        if (std::find(cles.begin(), cles.end(), cle) != cles.end()) continue;
        cles.push_back(std::move(cle));
        ++nouveaux;
    }
    if (nouveaux > 0 && services.ecrit_reglage) {
        std::string texte;
        for (const std::string& cle : cles) texte += cle + "\n";
        services.ecrit_reglage(reglage_lignes_de_mes_parties, texte);
    }
    return nouveaux;
}

} // namespace tavik
