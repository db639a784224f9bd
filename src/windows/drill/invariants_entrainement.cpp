#include "record/utf8.h"
#include "windows/invariants.h"
#include "windows/lignes_de_mes_parties.h"

#include <algorithm>

namespace tavik {

namespace {

using Rapport = std::vector<std::string>;

void verifie_commandes(const Entrainement& e, Rapport& r)
{
    const bool seance = e.en_seance();
    const auto attendu = [&r](bool etat, bool voulu, const char* nom) {
        if (etat != voulu)
            r.push_back(std::string(nom) + (etat ? " is on" : " is off")
                        + (voulu ? " but should be on" : " but should be off"));
    };
    attendu(e.CmdCommencer.actif, !seance, "\"Commencer\"");
    attendu(e.CmdArreter.actif, seance, "\"Arrêter\"");
    attendu(e.CmdSuivant.actif, seance && !e.exercice_en_cours(), "\"Suivant\"");
    attendu(e.OptCouleur[0].actif, !seance, "the colour");
    attendu(e.LstOuverture.actif, !seance, "the list of openings");
    attendu(e.CmdImporter.actif, !seance, "\"Importer une progression…\"");
    attendu(e.ChkDepuisF5.actif, !seance, "\"À partir de F5\"");
    attendu(e.OptPortee[Entrainement::choix_mes_parties].actif, !seance, "the lines to train");

    // The places kept for the learner's games, as the settings hold them now: the option says
    // how many, or that there is none, and only then can they be forgotten.
    const std::size_t gardees = debuts_de_mes_parties(e.services()).size();
    attendu(e.CmdViderMesParties.actif, !seance && gardees > 0, "\"Vider…\"");
    const std::string& legende = e.OptPortee[Entrainement::choix_mes_parties].legende;
    const std::string compte = gardees == 0 ? "(aucune)" : "(" + std::to_string(gardees) + " ";
    if (legende.find(compte) == std::string::npos)
        r.push_back("the option of the lines of one's games reads \"" + legende + "\" with "
                    + std::to_string(gardees) + " places kept");
}

// The exercise's game is the record, slot by slot (the exercise knows no passes).
void verifie_partie(const Exercice& x, const Plateau& p, Rapport& r)
{
    const std::vector<Case>& joues = x.joues();
    const int fin = std::max<int>(p.num_rejoue, 1);
    bool pareille = static_cast<int>(joues.size()) == fin - 1;
    for (int k = 1; pareille && k < fin; ++k) {
        const std::optional<Case> c = p.com().liste_coups[k].case_jouee();
        pareille = c && *c == joues[static_cast<std::size_t>(k - 1)];
    }
    if (!pareille)
        r.push_back("the exercise's game (" + std::to_string(joues.size())
                    + " moves) is not the record (" + std::to_string(fin - 1) + " slots)");
    if (p.num_coup < p.num_rejoue) return; // stepped back: the position is not the exercise's
    if (x.trait() != x.couleur() || p.joueur() != x.couleur())
        r.push_back("the exercise waits while the learner is not to move");
}

// After a wrong move the drill marks the moves of the lines under review, and nothing of
// the library shows while the exercise runs.
void verifie_marques(const Entrainement& e, const Exercice& x, const Plateau& p, Rapport& r)
{
    std::vector<int> attendus;
    for (const Case c : x.coups_programme()) attendus.push_back(index_de(c));
    for (const int m : e.marques())
        if (std::find(attendus.begin(), attendus.end(), m) == attendus.end())
            r.push_back("the drill marks " + notation(case_de(m))
                        + ", which is no move of the lines under review");
    if (!p.suites_cachees()) r.push_back("the library's continuations show during an exercise");
    for (const Liste::Entree& o : e.LstOuverture.entrees)
        if (o.texte != visible(e.repertoire().rangees.at(static_cast<std::size_t>(o.donnee)).nom))
            r.push_back("the list of openings shows moves: " + o.texte);
}

} // namespace

std::vector<std::string> invariants_rompus(const Entrainement& e, const Plateau& p)
{
    Rapport r;
    verifie_commandes(e, r);
    const bool installe = p.entraineur() == &e;
    if (installe != e.en_seance())
        r.push_back(e.en_seance() ? "a session runs but the board has no drill"
                                  : "the board's drill is a window with no session");
    if (!e.marques().empty() && !e.exercice_en_cours())
        r.push_back("the drill marks the board with no exercise under way");
    if (e.exercice_en_cours() && e.session()) {
        verifie_partie(e.session()->exercice(), p, r);
        verifie_marques(e, e.session()->exercice(), p, r);
    }
    return r;
}

} // namespace tavik
