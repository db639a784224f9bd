#pragma once

#include "training/carnet.h"
#include "training/exercice.h"
#include "training/planning.h"
#include "training/progres.h"
#include "training/repertoire.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavik {

// What the notebook remembers of each line of the repertoire for one colour. Lines are found
// by their moves, so a renamed line keeps its history; lines that left the library stay in the
// notebook, unseen.
Etats etats_de(const Repertoire& rep, const Carnet& carnet, int16_t couleur);

// The progress view of a choice of lines on a given day, with or without a session.
Progres progres_de(const Repertoire& rep, const Carnet& carnet, int16_t couleur,
                   std::span<const int> lignes, const Etats& etats, Jour aujourdhui,
                   const ParametresSm2& parametres = {});

// What a session needs from its host; tests replace both.
struct ServicesEntrainement
{
    std::function<Moment()> maintenant; // the instant and the learner's local day
    std::function<float()> hasard; // a uniform value in [0, 1)
};

// A run of exercises for one colour on one choice of lines. Each exercise aims at the line
// that the scheduler puts first; the program's moves steer towards it; when the learner takes
// another line of the choice, the exercise aims at the most pressing line that way. A finished
// exercise is graded and written at once.
class Session
{
public:
    // `lignes`: the choice, as `portee_complete`, `portee_position` or `portee_ouverture` give
    // it. The repertoire and the notebook outlive the session.
    Session(const Repertoire& rep, Carnet& carnet, int16_t couleur, std::vector<int> lignes,
            ServicesEntrainement services, ParametresSm2 parametres = {});

    int16_t couleur() const { return couleur_; }
    const std::vector<int>& lignes() const { return lignes_; }
    // Nothing to train: the choice holds no line where the colour has a move.
    bool vide() const { return lignes_.empty(); }

    // Starts the next exercise from the start position of the board, turned `rotation`
    // quarter turns.
    void nouvel_exercice(int rotation = 0);
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
    const Etats& etats() const { return etats_; }

private:
    void termine();

    const Repertoire& rep_;
    Carnet& carnet_;
    int16_t couleur_;
    std::vector<int> lignes_;
    ServicesEntrainement services_;
    ParametresSm2 parametres_;
    Etats etats_;
    std::optional<Exercice> exercice_;
    Motif motif_ = Motif::libre;
    int precedente_ = -1; // the line of the last exercise finished
    std::optional<Bilan> bilan_;
    std::string avertissement_;
};

} // namespace tavik
