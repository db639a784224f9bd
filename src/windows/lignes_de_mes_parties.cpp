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
    return cles_du_reglage(reglage_de_mes_parties(services));
}

void ecrit(const Services& services, const std::vector<std::string>& cles)
{
    if (!services.ecrit_reglage) return;
    std::string texte;
    for (const std::string& cle : cles) texte += cle + "\n";
    services.ecrit_reglage(reglage_lignes_de_mes_parties, texte);
}

} // namespace

std::string cle_de_debut(std::span<const Case> debut)
{
    return cle_de_ligne(forme_commune(debut));
}

std::string reglage_de_mes_parties(const Services& services)
{
    return services.lit_reglage ? services.lit_reglage(reglage_lignes_de_mes_parties) : "";
}

// Each line in common form and once: a line written by hand in another orientation or order
// is the same place as the program's own.
std::vector<std::string> cles_du_reglage(const std::string& reglage)
{
    std::vector<std::string> cles;
    std::istringstream texte(reglage);
    for (std::string ligne; std::getline(texte, ligne);) {
        if (ligne.empty() || defaut_de_ligne(ligne)) continue;
        std::string cle = cle_de_debut(cases_de_ligne(ligne));
        if (std::find(cles.begin(), cles.end(), cle) == cles.end()) cles.push_back(std::move(cle));
    }
    return cles;
}

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
        std::string cle = cle_de_debut(debut);
        if (std::find(cles.begin(), cles.end(), cle) != cles.end()) continue;
        cles.push_back(std::move(cle));
        ++nouveaux;
    }
    if (nouveaux > 0) ecrit(services, cles);
    return nouveaux;
}

int retire_debuts_de_mes_parties(const Services& services,
                                 std::span<const std::vector<Case>> debuts)
{
    std::vector<std::string> cles = cles_lues(services);
    const std::size_t avant = cles.size();
    for (const std::vector<Case>& debut : debuts)
        if (!debut.empty()) std::erase(cles, cle_de_debut(debut));
    const auto retires = static_cast<int>(avant - cles.size());
    if (retires > 0) ecrit(services, cles);
    return retires;
}

int oublie_debuts_de_mes_parties(const Services& services)
{
    const auto nombre = static_cast<int>(cles_lues(services).size());
    if (services.ecrit_reglage) services.ecrit_reglage(reglage_lignes_de_mes_parties, "");
    return nombre;
}

} // namespace tavik
