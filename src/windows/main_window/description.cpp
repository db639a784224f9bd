#include "engine/regles.h"
#include "windows/main_window/plateau.h"

#include <algorithm>

namespace tavik {

namespace {

// Whether the continuation list names the square of tile `index`, as the library marks do.
bool suite_listee(const Liste& suites, int index)
{
    for (const Liste::Entree& entree : suites.entrees) {
        Case c;
        if (lit_case(std::string_view(entree.texte).substr(0, 2), c) && index_de(c) == index)
            return true;
    }
    return false;
}

// Whether a drill on the board marks the tile, with the same picture as a library move.
bool marque_par(const Entraineur* entraineur, int index)
{
    if (!entraineur) return false;
    const std::vector<int> marques = entraineur->marques();
    return std::find(marques.begin(), marques.end(), index) != marques.end();
}

} // namespace

// The live position with the marks that the ticked boxes show: a screen reader hears what the
// board shows, whatever picture stands for it.
std::string Plateau::description_case(int index) const
{
    const Case c = case_de(index);
    const std::string nom = notation(c) + "\u00a0: ";
    switch (tab_[c.ligne][c.colonne]) {
    case noir:
        return nom + "pion noir";
    case blanc:
        return nom + "pion blanc";
    default:
        break;
    }
    std::string texte = nom + "vide";
    if (controles.chk_voir_coup.cochee() && test_coup_possible(tab_, joueur_, c.ligne, c.colonne))
        texte += ", coup possible";
    const bool suite = controles.ChkVoirOuverture.cochee() && !suites_cachees()
        && suite_listee(controles.LstSuite, index);
    if (suite || marque_par(entraineur_, index)) texte += ", coup d'ouverture";
    return texte;
}

std::string Plateau::description_trait() const
{
    return joueur_ == blanc ? "Au tour de blanc" : "Au tour de noir";
}

} // namespace tavik
