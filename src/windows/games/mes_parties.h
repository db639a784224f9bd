#pragma once

#include "database/chargement_base.h"
#include "library/positions_biblio.h"
#include "windows/controles.h"
#include "windows/main_window/plateau.h"
#include "windows/services.h"

#include <string>
#include <vector>

namespace tavik {

// The "Mes parties" view of the games window: the learner's own games against the library.
// Whose games: a text file of the database (one game a line), or a player of the tournament
// files found by part of their name. Each game shows the deepest library line it followed,
// the move where it left the library and what the library plays there, every move written as
// the game is, turned so that it opens on F5. "Ajouter ces lignes à l'entraînement" keeps the
// places where the listed games left the library for the drill's "Lignes de mes parties",
// "Retirer ces lignes de l'entraînement" takes them back (the learner's progress on them stays
// in the notebook); neither is offered while a drill's session runs, whose lines are set. A
// double click on a game loads it on the main board.
class MesParties
{
public:
    // The view reads the library again whenever the main window does.
    MesParties(Plateau& plateau, Services services);
    ~MesParties();
    MesParties(const MesParties&) = delete;
    MesParties& operator=(const MesParties&) = delete;

    // A player's games are listed up to this many, in the order of the base.
    static constexpr int parties_max = 2000;

    // One entry per text file of the base, by its name, then "Un joueur des tournois" when the
    // base has tournament games; data: the file's number in the base, or -1 for the player.
    Liste LstSource;
    ZoneTexte TxtJoueur; // part of the player's name; enabled while the player is the source

    // A game of the list, one text per column.
    struct PartieListee
    {
        int partie = -1; // its number in the base
        std::string partie_texte; // "1986, Dupont – Martin, 40-24" or "Partie 3, 42 coups"
        std::string ligne; // the name of the deepest library line, or "—"
        std::string sortie; // "coup 15\u00a0: C6 (blanc)", or that it never left
        std::string bibliotheque; // the library's moves there: "D3 Tigre (Egalité)"
        std::vector<Case> debut; // the place it left the library at, in the library's moves;
                                 // empty when the game left at its first move
    };
    std::vector<PartieListee> LstParties;
    int selection = -1; // the game selected in LstParties, or -1
    Etiquette LblBilan; // how many games are listed, or why none
    Bouton CmdAjouter {false}; // "Ajouter ces lignes à l'entraînement"
    Bouton CmdRetirer {false}; // "Retirer ces lignes de l'entraînement": some are kept
    Etiquette LblMessage; // what the last addition or removal did

    // The base of the games window once loaded, null before or while it loads. It must outlive
    // the view or be withdrawn first.
    void base_chargee(const Base* base);
    const Base* base() const { return base_; }
    const Plateau& plateau() const { return plateau_; }
    const Services& services() const { return services_; }

    void LstSource_Click();
    void TxtJoueur_Change();
    // Loads the selected game on the main board, as a pasted game is loaded.
    void LstParties_DblClick();
    void CmdAjouter_Click();
    void CmdRetirer_Click();

    // The two actions follow a session of the drill, begun or ended, and the places kept, which
    // the training window may have forgotten. Cheap when neither changed.
    void actualise();
    // Whether the place where a listed game left the library is kept for the drill.
    bool retenue(const PartieListee& partie) const;

    // While a drill's exercise runs, what the library played is not shown: it would give the
    // answer away.
    bool bibliotheque_cachee() const { return plateau_.suites_cachees(); }

    // The games of the base that the source chosen takes, all of them, in the order of the base.
    std::vector<int> parties_de_la_source() const;

private:
    void relit_biblio();
    void remplit_sources();
    void remplit_parties();
    PartieListee decrit(int partie) const;
    void etat_actions();
    void etat_actions(std::string reglage); // the setting's text already read

    Plateau& plateau_;
    Services services_;
    int abonnement_;
    PositionsBiblio positions_;
    const Base* base_ = nullptr;
    std::vector<std::string> cles_retenues_; // the places kept, as `cle_de_debut` writes them
    std::string reglage_lu_; // the setting that they were read from
    bool seance_ = false; // a drill's session ran when the actions were last set
};

} // namespace tavik
