#include "training/repertoire.h"

#include "library/cle_ligne.h"
#include "library/ligne_coups.h"
#include "library/noms.h"
#include "library/symetries.h"
#include "training/forme_commune.h"

#include <algorithm>
#include <map>

namespace tavik {

namespace {

constexpr Case c4 {4, 3};

bool commence_par(std::span<const Case> coups, std::span<const Case> debut)
{
    return coups.size() >= debut.size() && std::equal(debut.begin(), debut.end(), coups.begin());
}

// The keys of the lines: the common forms that no other row's common form goes on from.
std::map<std::string, int> cles_des_lignes(const std::vector<RangeeRepertoire>& rangees)
{
    std::vector<std::string> cles;
    for (const RangeeRepertoire& r : rangees) cles.push_back(cle_de_ligne(r.forme));
    std::sort(cles.begin(), cles.end());
    cles.erase(std::unique(cles.begin(), cles.end()), cles.end());
    std::map<std::string, int> lignes;
    for (std::size_t i = 0; i < cles.size(); ++i) {
        // In sorted order, the keys that go on from a key follow it at once ("C4E3" and
        // "C4E3 F6"); one that merely shares its text ("C4E3 F6" and "C4E3 F6E6") goes on
        // from it as well, since moves are whole pairs of characters.
        const bool prolongee = i + 1 < cles.size() && cles[i + 1].starts_with(cles[i]);
        if (!prolongee) lignes.emplace(cles[i], -1);
    }
    return lignes;
}

} // namespace

Repertoire construit_repertoire(const Biblio& biblio, int nb)
{
    Repertoire rep;
    for (int r = 0; r < nb; ++r) {
        const LigneBiblio& ligne = biblio.lignes[r];
        if (defaut_de_ligne(ligne[col_coups])) continue;
        std::vector<Case> coups = cases_de_ligne(ligne[col_coups]);
        if (coups.empty() || coups[0] != c4) continue;
        std::vector<Case> forme = forme_commune(coups);
        rep.rangees.push_back({r, std::move(coups), std::move(forme), -1, ligne[col_nom],
                               ligne[col_bilan], ligne[col_commentaire]});
    }

    std::map<std::string, int> lignes = cles_des_lignes(rep.rangees);
    for (int i = 0; i < static_cast<int>(rep.rangees.size()); ++i) {
        RangeeRepertoire& rangee = rep.rangees[i];
        const auto trouvee = lignes.find(cle_de_ligne(rangee.forme));
        if (trouvee == lignes.end()) continue;
        if (trouvee->second < 0) {
            trouvee->second = static_cast<int>(rep.lignes.size());
            rep.lignes.push_back({trouvee->first, rangee.forme, {}});
        }
        rangee.ligne = trouvee->second;
        rep.lignes[trouvee->second].formes.push_back(i);
    }
    return rep;
}

int coups_de_couleur(int longueur, int16_t couleur)
{
    return couleur == noir ? (longueur + 1) / 2 : longueur / 2;
}

std::vector<int> lignes_par(const Repertoire& rep, std::span<const Case> debut,
                            const std::vector<int>& lignes)
{
    std::vector<int> gardees;
    for (const int l : lignes)
        if (commence_par(rep.lignes[l].coups, debut)) gardees.push_back(l);
    return gardees;
}

std::vector<int> portee_complete(const Repertoire& rep, int16_t couleur)
{
    std::vector<int> lignes;
    for (int l = 0; l < static_cast<int>(rep.lignes.size()); ++l) {
        const int longueur = static_cast<int>(rep.lignes[l].coups.size());
        if (coups_de_couleur(longueur, couleur) > 0) lignes.push_back(l);
    }
    return lignes;
}

std::vector<int> portee_position(const Repertoire& rep, int16_t couleur, const ListeCoups& liste,
                                 int num_coup)
{
    // The record's own start: the usual one, or turned when black's first move is one of
    // those of the turned start (E3, F4, C5, D6).
    std::vector<Case> coups;
    for (int k = 1; k < num_coup && k < nb_emplacements; ++k) {
        const std::optional<Case> c = liste[k].case_jouee();
        if (!c) return {};
        coups.push_back(*c);
    }
    int rotation = 0;
    if (!coups.empty()) {
        const std::string premier = notation(coups[0]);
        rotation = premier == "E3" || premier == "F4" || premier == "C5" || premier == "D6";
    }
    FormeCommune forme(rotation);
    for (const Case c : coups) {
        if (!forme.jouable(c)) return {};
        forme.joue(c);
    }
    return lignes_par(rep, forme.coups(), portee_complete(rep, couleur));
}

std::vector<int> portee_ouverture(const Repertoire& rep, int16_t couleur, int rangee)
{
    for (const RangeeRepertoire& r : rep.rangees)
        if (r.rangee == rangee) return lignes_par(rep, r.forme, portee_complete(rep, couleur));
    return {};
}

std::vector<int> portee_debuts(const Repertoire& rep, int16_t couleur,
                               std::span<const std::vector<Case>> debuts)
{
    const std::vector<int> toutes = portee_complete(rep, couleur);
    std::vector<bool> prises(rep.lignes.size());
    for (const std::vector<Case>& debut : debuts)
        for (const int l : lignes_par(rep, forme_commune(debut), toutes))
            prises[static_cast<std::size_t>(l)] = true;
    std::vector<int> lignes;
    for (const int l : toutes)
        if (prises[static_cast<std::size_t>(l)]) lignes.push_back(l);
    return lignes;
}

std::vector<int> ouvertures_par_nom(const Repertoire& rep, std::string_view filtre)
{
    const std::string cherche = forme_de_recherche(filtre);
    std::vector<int> trouvees;
    for (int i = 0; i < static_cast<int>(rep.rangees.size()); ++i)
        if (forme_de_recherche(rep.rangees[i].nom).find(cherche) != std::string::npos)
            trouvees.push_back(i);
    return trouvees;
}

} // namespace tavik
