#include "database/chargement_base.h"
#include "library/symetries.h"
#include "windows/invariants.h"
#include "windows/lignes_de_mes_parties.h"

#include <algorithm>
#include <optional>
#include <string>

namespace tavik {

namespace {

// The position that legal moves reach, reduced over the symmetries; nothing for moves that are
// not legal from the start.
std::optional<CleReduite> lieu_de(const std::vector<Case>& coups)
{
    PositionJeu lieu;
    for (const Case c : coups)
        if (!lieu.joue(index_de(c))) return std::nullopt;
    return reduit(lieu.disques, lieu.trait_effectif()).cle;
}

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
// game listed is one that the source takes, in the order of the base. Outside a drill's
// session, the addition is offered exactly when a listed game left the library after its first
// move, the removal when the position where it left is among those kept (in any orientation);
// during a session neither is.
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
    const bool par_joueur = m.LstSource.selection >= 0
        && m.LstSource.selection < m.LstSource.nombre()
        && m.LstSource.entrees[static_cast<std::size_t>(m.LstSource.selection)].donnee == -1;
    rompu(m.TxtJoueur.actif != par_joueur, "the player's name box enabled for another source");

    const std::vector<int> attendues = m.parties_de_la_source();
    rompu(m.LstParties.size() != std::min(attendues.size(), std::size_t {MesParties::parties_max}),
          std::to_string(m.LstParties.size()) + " games listed, the source takes "
              + std::to_string(attendues.size()));
    std::vector<std::optional<CleReduite>> gardes;
    for (const std::vector<Case>& d : debuts_de_mes_parties(m.services()))
        gardes.push_back(lieu_de(d));
    bool avec_debut = false, avec_garde = false;
    for (std::size_t k = 0; k < m.LstParties.size() && k < attendues.size(); ++k) {
        rompu(m.LstParties[k].partie != attendues[k],
              "entry " + std::to_string(k) + " is game " + std::to_string(m.LstParties[k].partie)
                  + ", not " + std::to_string(attendues[k]));
        avec_debut = avec_debut || !m.LstParties[k].debut.empty();
        avec_garde = avec_garde
            || (!m.LstParties[k].debut.empty()
                && std::find(gardes.begin(), gardes.end(), lieu_de(m.LstParties[k].debut))
                    != gardes.end());
        if (base && !m.LstParties[k].debut.empty())
            rompu(!meme_place(m.LstParties[k].debut,
                              base->parties[static_cast<std::size_t>(m.LstParties[k].partie)]),
                  "entry " + std::to_string(k) + ": its place is not a position of the game");
    }
    const bool seance = m.plateau().entraineur() != nullptr;
    rompu(m.CmdAjouter.actif != (avec_debut && !seance),
          std::string("the addition ") + (m.CmdAjouter.actif ? "offered" : "refused")
              + (seance ? " during a session" : "") + " with" + (avec_debut ? "" : "out")
              + " a place to add");
    rompu(m.CmdRetirer.actif != (avec_garde && !seance),
          std::string("the removal ") + (m.CmdRetirer.actif ? "offered" : "refused")
              + (seance ? " during a session" : "") + " with" + (avec_garde ? "" : "out")
              + " a place kept");
    rompu(m.selection < -1 || m.selection >= static_cast<int>(m.LstParties.size()),
          "game selection " + std::to_string(m.selection) + " out of the list");
    return rompus;
}

} // namespace tavik
