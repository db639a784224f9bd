#pragma once

#include "training/carnet.h"
#include "training/exercice.h"
#include "training/items.h"
#include "training/planning.h"
#include "training/progres.h"
#include "training/repertoire.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavik {

// What the notebook remembers of each item of one colour. Items are found by their moves, so
// a renamed line keeps its history; lines that left the library stay in the notebook, unseen.
// An item never written yet takes up the rows that an earlier version of the program wrote for
// its lines one by one (keyed by each line's common form), folded into one: the counts added,
// the schedule of the most pressing of them. Those rows stay in the file as they were.
Etats etats_de(const Repertoire& rep, const ItemsCouleur& items, const Carnet& carnet,
               int16_t couleur);

// The progress view of a choice of items on a given day, with or without a session.
Progres progres_de(const ItemsCouleur& items, const Carnet& carnet, int16_t couleur,
                   std::span<const int> choix, const Etats& etats, Jour aujourdhui,
                   const ParametresSm2& parametres = {});

// What a session needs from its host; tests replace both.
struct ServicesEntrainement
{
    std::function<Moment()> maintenant; // the instant and the learner's local day
    std::function<float()> hasard; // a uniform value in [0, 1)
};

// How a session runs besides its choice of lines.
struct ReglagesSession
{
    // The choice is the whole library: the new items that the library judges bad for the
    // learner's colour come after the others.
    bool toute_la_bibliotheque = false;
    // Training white, the program opens on F5 (turned with the board), as players write their
    // games; otherwise it draws among black's four first moves.
    bool depuis_f5 = false;
    // Per item of the colour, the games of a database through the position where it ends: the
    // most played new items come first. Empty without a database.
    std::vector<int> parties_par_item {};
};

// A run of exercises for one colour on one choice of lines. Each exercise aims at the item
// that the scheduler puts first; the program's moves steer towards its lines; when the learner
// takes another line of the choice, the exercise aims at the most pressing item that way. A
// finished exercise is graded and written at once, against the item aimed at: an error made
// while aiming at an item that the learner then leaves counts against that item, once. The
// learner's retention, read from the notebook's history of the colour when the session starts
// and followed at each exercise, sets the intervals of the recalled items.
class Session
{
public:
    // `lignes`: the choice, as `portee_complete`, `portee_position` or `portee_ouverture` give
    // it. The repertoire and the notebook outlive the session.
    Session(const Repertoire& rep, Carnet& carnet, int16_t couleur, std::vector<int> lignes,
            ServicesEntrainement services, ReglagesSession reglages = {},
            ParametresSm2 parametres = {});

    int16_t couleur() const { return couleur_; }
    const std::vector<int>& lignes() const { return lignes_; }
    const ItemsCouleur& items() const { return items_; }
    // The items of the choice.
    const std::vector<int>& choix() const { return choix_; }
    // Nothing to train: the choice holds no line where the colour has a move to find.
    bool vide() const { return choix_.empty(); }

    // Starts the next exercise from the start position of the board, turned `rotation`
    // quarter turns.
    void nouvel_exercice(int rotation = 0);
    // The item aimed at, or -1 in free practice.
    int item_vise() const { return item_; }
    const Exercice& exercice() const { return *exercice_; }
    Motif motif() const { return motif_; }
    // The panel's line about the exercise: "Révision : Tigre", "Nouvelle ligne : Tigre
    // (C4E3 F6E6 F5)", ...
    std::string annonce() const;

    bool au_programme() const { return exercice_ && exercice_->au_programme(); }
    // The program's move, drawn and played; the window plays it on the board. Nothing when it
    // is not the program's turn.
    std::optional<Case> coup_programme();
    // The learner's move on the board, judged; unless it is an error or refused, the window
    // plays it.
    Verdict coup_utilisateur(Case c);
    // The board was turned by one of its commands during the exercise.
    void tourne(Transformation t);

    // Once the exercise is finished (and written): the line, its texts and the score.
    const std::optional<Bilan>& bilan() const { return bilan_; }
    // The last failure to write the progress, in French, or empty.
    const std::string& avertissement() const { return avertissement_; }

    Progres progres() const;
    const Etats& etats() const { return etats_; } // per item

private:
    void vise(int item);
    void note(int item, int qualite);
    void termine();

    const Repertoire& rep_;
    Carnet& carnet_;
    int16_t couleur_;
    std::vector<int> lignes_;
    ServicesEntrainement services_;
    ReglagesSession reglages_;
    ParametresSm2 parametres_;
    ItemsCouleur items_;
    std::vector<int> choix_;
    std::vector<int> ordre_nouveaux_;
    Etats etats_;
    std::optional<Exercice> exercice_;
    int item_ = -1;
    Motif motif_ = Motif::libre;
    Retention retention_; // what the learner's spaced reviews of the colour showed
    std::vector<int> recentes_; // the items of the exercises finished, the last one last
    std::int64_t debut_du_tour_ = 0; // when the learner's turn began
    int hesitations_ = 0; // moves found slowly in this exercise
    std::optional<Bilan> bilan_;
    std::string avertissement_;
};

} // namespace tavik
