#include "engine/regles.h"
#include "library/symetries.h"
#include "windows/invariants.h"

namespace tavik {

namespace {

void tableau_coherent(const Tableau& t, const char* nom, std::vector<std::string>& r)
{
    if (t.lignes.size() != t.donnees.size())
        r.push_back(std::string(nom) + " has " + std::to_string(t.lignes.size()) + " rows and "
                    + std::to_string(t.donnees.size()) + " data");
    if (t.selection < -1 || t.selection >= t.nombre())
        r.push_back(std::string(nom) + "'s selection is outside its rows");
    for (const auto& ligne : t.lignes)
        if (ligne.size() != 5) {
            r.push_back(std::string(nom) + " has a row of " + std::to_string(ligne.size())
                        + " columns");
            break;
        }
}

// Whether the game, replayed from the start, reaches an image of the position with the same
// side to move: square by square, without the index.
bool passe_par(const PartieBase& partie, const Disques& disques, bool blanc_au_trait)
{
    PositionJeu p;
    const int nb = std::popcount(disques.noirs | disques.blancs);
    for (int k = 0; k <= partie.nb_coups; ++k) {
        if (std::popcount(p.disques.noirs | p.disques.blancs) == nb) {
            if (p.trait_effectif() != PositionJeu {disques, blanc_au_trait}.trait_effectif())
                return false;
            for (int s = 0; s < nb_symetries; ++s)
                if (image_bits(s, p.disques.noirs) == disques.noirs
                    && image_bits(s, p.disques.blancs) == disques.blancs)
                    return true;
            return false;
        }
        if (k < partie.nb_coups && !p.joue(partie.coups[static_cast<std::size_t>(k)])) return false;
    }
    return false;
}

void fichiers_coherents(const Parties& g, std::vector<std::string>& r)
{
    const Liste& l = g.LstFichiers;
    if (l.nombre() != static_cast<int>(g.fichiers().size()))
        r.push_back("the games window lists " + std::to_string(l.nombre()) + " files of "
                    + std::to_string(g.fichiers().size()));
    for (int i = 0; i < l.nombre() && i < static_cast<int>(g.fichiers().size()); ++i)
        if (!l.texte(i).starts_with(g.fichiers()[static_cast<std::size_t>(i)].string()))
            r.push_back("the games window's file entry " + std::to_string(i) + " is not its file");
    if (l.selection < -1 || l.selection >= l.nombre())
        r.push_back("the games window's file selection is outside its list");
    if (g.CmdRetirer.actif != (l.selection >= 0))
        r.push_back("\"Retirer\" is enabled without a file selected, or the reverse");
    if (g.CmdAnnuler.actif != g.en_chargement())
        r.push_back("\"Annuler\" is enabled exactly when no load runs");
    if (g.progression < 0 || g.progression > 1 || (!g.en_chargement() && g.progression != 0))
        r.push_back("the games window's progress is " + std::to_string(g.progression));
}

} // namespace

std::vector<std::string> invariants_rompus(const Parties& g, const Plateau& p)
{
    std::vector<std::string> r;
    fichiers_coherents(g, r);
    tableau_coherent(g.LstSuivants, "the next moves", r);
    tableau_coherent(g.LstParties, "the games list", r);
    if (!g.base_chargee() || p.suites_cachees()) {
        if (g.LstSuivants.nombre() || g.LstParties.nombre())
            r.push_back("the games window lists moves or games without a base shown");
        return r;
    }
    const Disques disques = disques_de(p.tab());
    const bool blanc_au_trait = p.joueur() == blanc;
    const int16_t couleur = g.score_pour_blanc ? blanc : noir;
    int precedent = INT32_MAX, total = 0;
    for (int i = 0; i < g.LstSuivants.nombre(); ++i) {
        const int index = g.LstSuivants.donnees[static_cast<std::size_t>(i)];
        const Case c = case_de(index);
        if (index < 0 || index > 63 || !test_coup_possible(p.tab(), couleur, c.ligne, c.colonne))
            r.push_back("the games window lists " + notation(c)
                        + ", not a legal move on the board");
        const int nombre = std::stoi(g.LstSuivants.lignes[static_cast<std::size_t>(i)][1]);
        if (nombre > precedent) r.push_back("the next moves are not most played first");
        precedent = nombre;
        total += nombre;
    }
    if (total > g.LstParties.nombre() && g.LstParties.nombre() < Parties::nb_parties_max)
        r.push_back("the next moves count more games than pass through the position");
    // A few of the games listed, replayed: each one goes through the board's position.
    for (int i = 0; i < g.LstParties.nombre() && i < 8; ++i) {
        const auto n = static_cast<std::size_t>(g.LstParties.donnees[static_cast<std::size_t>(i)]);
        if (n >= g.base().parties.size()
            || !passe_par(g.base().parties[n], disques, blanc_au_trait))
            r.push_back("game " + std::to_string(n) + " is listed but does not reach the position");
    }
    return r;
}

} // namespace tavik
