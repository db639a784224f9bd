#pragma once

#include "database/index_positions.h"
#include "training/carnet.h"
#include "training/repertoire.h"
#include "training/session.h"
#include "windows/controles.h"
#include "windows/entraineur.h"
#include "windows/main_window/plateau.h"
#include "windows/services.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavik {

// The training window: the colour and the lines to train, "Commencer", "Arrêter" and
// "Suivant", a panel that follows each exercise, and the learner's progress with the pace of
// new lines. A session drills the lines on the main window's board: each exercise starts from
// the start position, the program plays the other colour from the library, and the learner's
// presses are judged before the board plays them. Meanwhile the automatic boxes are unticked
// and disabled; "Jouer" or closing the window ends the session.
//
// While an exercise runs, the board keeps its commands: "<<", "<", ">" and ">>" step through
// the exercise (a press on the recorded next move steps forward, any other press waits for
// the exercise's position again), "Rot" and the mirrors turn the exercise with the board, and a
// game loaded from the chooser or pasted interrupts it, ungraded. Once the exercise is over,
// finished or interrupted, the board is the learner's until "Suivant".
class Entrainement final : public Entraineur
{
public:
    // `carnet`: the notebook's file, opened by Form_Load (its folder created when needed); none
    // keeps the progress in memory. The window reads the lines again, and ends its session,
    // whenever the main window reads the library file.
    Entrainement(Plateau& plateau, Services services, std::optional<std::filesystem::path> carnet);
    ~Entrainement();
    Entrainement(const Entrainement&) = delete;
    Entrainement& operator=(const Entrainement&) = delete;

    // Indexes in the option groups.
    static constexpr int choix_noir = 0, choix_blanc = 1;
    static constexpr int choix_tout = 0, choix_position = 1, choix_ouverture = 2,
                         choix_mes_parties = 3;

    // The session page.
    std::array<Option, 2> OptCouleur; // "Noir", "Blanc"
    // Every line, the lines through the board, one opening, the lines through the places where
    // the learner's own games left the library ("Mes parties" adds them). The last one's
    // caption says how many places are kept, or that none is.
    std::array<Option, 4> OptPortee;
    // "Vider…", beside the last option: the places kept are forgotten once the learner confirms,
    // the progress on their lines stays in the notebook. Offered when some are kept, outside a
    // session.
    Bouton CmdViderMesParties {false};
    ZoneTexte TxtFiltre {"", true}; // part of a name: the openings listed hold it
    // "name (moves)", the moves left out while an exercise runs; data: the row's index in the
    // repertoire
    Liste LstOuverture;
    Bouton CmdCommencer;
    Bouton CmdArreter {false};
    Bouton CmdSuivant {false};
    Etiquette LblAnnonce; // what the exercise aims at
    Etiquette LblMessage; // what the last press gave, or what to do
    Etiquette LblLigne; // the line finished: its name, evaluation and comment, and the score
    Etiquette LblBilan;
    Etiquette LblCommentaire;
    Etiquette LblScore;

    // The progress page, for the colour chosen, over every line of the library.
    Etiquette LblProgres; // its title
    Etiquette LblConnues;
    Etiquette LblDues;
    Etiquette LblNouvelles;
    Etiquette LblApprentissage;
    Liste LstFaibles; // the ten weakest lines with their error rates; data: the line
    std::vector<JourActivite> activite; // the chart: the last 30 days, today last
    Nombre TxtNouvelles {nouvelles_par_jour_par_defaut, 0, 100}; // new lines per day
    Bouton CmdExporter; // "Exporter la progression…"
    Bouton CmdImporter; // "Importer une progression…": not during a session
    // "À partir de F5", ticked unless the learner unticks it: the line texts and the exercises
    // start from F5, as players write their games; unticked, from C4, the library's own
    // orientation. Disabled during a session.
    CaseACocher ChkDepuisF5;

    void Form_Load();
    void Form_Unload();
    void OptCouleur_Click(int index);
    void OptPortee_Click(int index);
    void TxtFiltre_Change();
    void LstOuverture_Click();
    void CmdCommencer_Click();
    void CmdArreter_Click();
    void CmdSuivant_Click();
    void TxtNouvelles_Change();
    void CmdViderMesParties_Click();
    // The places kept for "Lignes de mes parties" read again, as the games window may have
    // changed them: the option's caption and "Vider…" follow. Cheap when they did not change.
    void actualise_mes_parties();
    // The notebook itself (entrainement_carnet.cpp): the file comes from the file dialog.
    void CmdExporter_Click();
    void CmdImporter_Click();

    // The index of the game database once loaded, null before or while it loads: new lines
    // then come most played first. It must outlive the window or be withdrawn first.
    void base_chargee(const IndexPositions* index) { index_ = index; }

    bool en_seance() const { return session_.has_value(); }
    // An exercise is under way: the learner's presses are judged.
    bool exercice_en_cours() const { return exercice_ == EtatExercice::en_cours; }
    const Session* session() const { return session_ ? &*session_ : nullptr; }
    const Repertoire& repertoire() const { return rep_; }
    const Carnet* carnet() const { return carnet_ ? &*carnet_ : nullptr; }
    const Services& services() const { return services_; }
    // The notebook's file; empty while it is kept in memory or not open yet.
    std::filesystem::path chemin_carnet() const;

    // The board's side of the drill (see Entraineur).
    bool prend_clic(int index) override;
    void partie_tournee(Transformation t) override;
    void partie_chargee() override;
    std::vector<int> marques() const override;
    bool cache_la_bibliotheque() const override { return exercice_en_cours(); }
    void position_changee() override;

private:
    enum class EtatExercice { aucun, en_cours, fini, interrompu };

    int16_t couleur() const;
    std::string texte_des_coups(const std::vector<Case>& coups) const;
    std::optional<std::vector<int>> lignes_choisies() const;
    std::vector<int> parties_par_item() const;
    int rangee_choisie() const;
    void relit_biblio();
    void etat_commandes();
    void actualise_progres();
    void termine_seance(const std::string& texte);

    // The exercise on the board (entrainement_exercice.cpp).
    void nouvel_exercice();
    void joue_programme();
    bool transmet(int index);
    void suit_l_exercice();
    void montre_bilan();
    void efface_bilan();
    void interrompt(const std::string& texte);
    bool suivant_enregistre(int index) const;

    Plateau& plateau_;
    Services services_;
    std::optional<std::filesystem::path> chemin_;
    int abonnement_;
    std::optional<Carnet> carnet_;
    std::optional<std::vector<LigneBiblio>> lues_; // the library rows that rep_ was built from
    Repertoire rep_;
    std::optional<Session> session_; // refers to rep_ and carnet_
    EtatExercice exercice_ = EtatExercice::aucun;
    std::vector<int> marques_; // after a wrong move: the library moves, as tiles
    bool transmet_ = false; // the press is the drill's own: the board plays it
    bool coups_caches_ = false; // the list of openings is shown without its moves
    std::string message_du_coup_; // what LblMessage said before asking to step forward
    const IndexPositions* index_ = nullptr;
    std::optional<std::string> mes_parties_lues_; // the setting of the places, as last read
    std::size_t nb_mes_parties_ = 0; // the places that it keeps
    // The items of each colour (black, white), made from rep_ when first needed: the progress
    // shown after every exercise reads them.
    mutable std::array<std::optional<ItemsCouleur>, 2> items_;
    const ItemsCouleur& items(int16_t c) const;

    // "Vider…" waits for the session's end, and for a place to forget.
    bool vider_possible() const { return !session_ && nb_mes_parties_ > 0; }
};

} // namespace tavik
