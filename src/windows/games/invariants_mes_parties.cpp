#include "database/chargement_base.h"
#include "library/symetries.h"
#include "windows/invariants.h"

#include <algorithm>
#include <string>

namespace tavik {

namespace {

// Whether the moves reach, in some image, the position of the game after as many moves.
bool meme_place(const std::vector<Case>& debut, const PartieBase& partie)
{
    if (debut.size() > partie.nb_coups) return false;
    PositionJeu lieu, jeu;
    for (std::size_t k = 0; k < debut.size(); ++k) {
        if (!lieu.joue(index_de(debut[k]))) return false;
        jeu.joue(partie.coups[k]);
    }
    return reduit(lieu.disques, lieu.trait_effectif()).cle
        == reduit(jeu.disques, jeu.trait_effectif()).cle;
}

} // namespace

// The sources are the base's text files, then the players when it has tournament games; each
// game listed is one that the source takes, in the order of the base; the addition is offered
// exactly when a listed game left the library after its first move.
std::vector<std::string> invariants_rompus(const MesParties& m)
{
    std::vector<std::string> rompus;
    const auto rompu = [&](bool faute, const std::string& texte) {
        if (faute) rompus.push_back(texte);
    };
    const Base* base = m.base();
    rompu(!base && (m.LstSource.nombre() > 0 || !m.LstParties.empty()),
          "sources or games listed without a base");
    rompu(m.LstSource.selection < -1 || m.LstSource.selection >= m.LstSource.nombre(),
          "source selection " + std::to_string(m.LstSource.selection) + " out of the list");
    for (const Liste::Entree& e : m.LstSource.entrees) {
        const bool fichier = base && e.donnee >= 0
            && static_cast<std::size_t>(e.donnee) < base->fichiers.size()
            && !fichier_wthor(base->fichiers[static_cast<std::size_t>(e.donnee)]);
        rompu(!fichier && e.donnee != -1, "source \"" + e.texte + "\" is not a text file");
    }
    const bool par_joueur = m.LstSource.selection >= 0 && m.LstSource.selection < m.LstSource.nombre()
        && m.LstSource.entrees[static_cast<std::size_t>(m.LstSource.selection)].donnee == -1;
    rompu(m.TxtJoueur.actif != par_joueur, "the player's name box enabled for another source");

    const std::vector<int> attendues = m.parties_de_la_source();
    rompu(m.LstParties.size() != std::min(attendues.size(), std::size_t {MesParties::parties_max}),
          std::to_string(m.LstParties.size()) + " games listed, the source takes "
              + std::to_string(attendues.size()));
    bool avec_debut = false;
    for (std::size_t k = 0; k < m.LstParties.size() && k < attendues.size(); ++k) {
        rompu(m.LstParties[k].partie != attendues[k],
              "entry " + std::to_string(k) + " is game " + std::to_string(m.LstParties[k].partie)
                  + ", not " + std::to_string(attendues[k]));
        avec_debut = avec_debut || !m.LstParties[k].debut.empty();
        if (base && !m.LstParties[k].debut.empty())
            rompu(!meme_place(m.LstParties[k].debut,
                              base->parties[static_cast<std::size_t>(m.LstParties[k].partie)]),
                  "entry " + std::to_string(k) + ": its place is not a position of the game");
    }
    rompu(m.CmdAjouter.actif != avec_debut, "the addition offered without a place to add");
    rompu(m.selection < -1 || m.selection >= static_cast<int>(m.LstParties.size()),
          "game selection " + std::to_string(m.selection) + " out of the list");
    return rompus;
}

} // namespace tavik
