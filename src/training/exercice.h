#pragma once

#include "training/forme_commune.h"
#include "training/repertoire.h"

#include <optional>
#include <string>
#include <vector>

namespace tavik {

// One exercise: a game from the start position in which the program plays one colour from the
// library and the learner the other, until a line of the choice ends. Moves come and go in the
// orientation of the board; the lines are compared in their common form, so the game may
// start with any of black's four first moves and follow either side of a symmetric position.

enum class Jugement {
    juste, // a move of the lines aimed at (or, in free practice, of any line of the choice)
    autre_ligne, // a move of another line of the choice: played, no longer aiming anywhere
    erreur, // any other move: not played
    refuse, // not the learner's turn, or not a legal move: ignored, as the board ignores it
};

struct Verdict
{
    Jugement jugement = Jugement::refuse;
    std::vector<Case> coups_biblio; // after an error: the moves of the lines aimed at (of every
                                    // line of the choice in free practice), to mark
    std::string message; // the panel's French text, empty when there is nothing to say
};

// The end of an exercise, for the panel.
struct Bilan
{
    int ligne = -1; // the line finished, in the repertoire
    int rangee = -1; // the library row of the line as it was played
    std::string nom; // its name as the main window shows it ("var." written "variante")
    std::string bilan; // its evaluation text
    std::string commentaire; // its comment as the library writes it (Plateau::ConvCommentJeu
                             // turns it with the board for display)
    int coups = 0; // the learner's moves
    int trouves = 0; // of which found at the first try
    int erreurs = 0; // wrong moves tried
    std::string score; // "7 coups sur 8 trouvés du premier coup"
};

// "7 coups sur 8 trouvés du premier coup", in the singular up to one.
std::string texte_score(int trouves, int coups);

class Exercice
{
public:
    // `lignes`: the lines of the choice, indexes in the repertoire; `cibles`: the lines aimed
    // at (one item's lines, which the learner plays alike), none for free practice;
    // `rotation`: the quarter turns of the board's start position; `premier`: black's first
    // move when the program plays it, which sets the orientation of the whole exercise (one
    // of the four first moves; any other lets the program draw).
    Exercice(const Repertoire& rep, std::vector<int> lignes, int16_t couleur,
             std::vector<int> cibles, int rotation = 0, std::optional<Case> premier = {});

    int16_t couleur() const { return couleur_; } // the learner's colour
    int16_t trait() const { return forme_.trait(); }
    // A line is finished, or the choice held no line to begin with.
    bool terminee() const { return ligne_finie_ >= 0 || en_cours_.empty(); }
    bool au_programme() const { return !terminee() && trait() != couleur_; }
    // The lines aimed at, among those that the game still goes towards; none in free practice.
    const std::vector<int>& cibles() const { return cibles_; }
    int cible() const { return cibles_.empty() ? -1 : cibles_.front(); }

    // Aims at other lines, of those that the game still goes towards (the others are left).
    void vise(const std::vector<int>& lignes);
    // The wrong moves so far no longer count for the lines aimed at from now on: they were
    // counted against the lines aimed at before.
    void oublie_erreurs() { erreurs_ = 0; }

    // The moves that the program may play: those of the lines aimed at, or with none, every
    // move of the lines of the choice; in the board's orientation.
    std::vector<Case> coups_programme() const;
    // Plays the program's move drawn with r in [0, 1) among them; the window plays it on the
    // board. Only when `au_programme()`.
    Case joue_programme(float r);
    // Judges the learner's move and plays it unless it is an error or refused.
    Verdict joue_utilisateur(Case c);
    // The board was turned by one of its commands: moves arrive turned from now on.
    void tourne(Transformation t);

    // The next moves of the lines aimed at, and of every line of the choice, on the board.
    std::vector<Case> coups_attendus() const;
    std::vector<Case> coups_de_la_portee() const;
    // The lines of the choice that the game still goes towards.
    const std::vector<int>& en_cours() const { return en_cours_; }
    // The moves of the first line aimed at as the board shows them, up to `longueur` moves:
    // the game so far, then the rest; before the first move, in the orientation that the
    // program's first move will give.
    std::vector<Case> coups_de_la_cible(std::size_t longueur = 60) const;

    // The game so far, as the board shows it.
    const std::vector<Case>& joues() const { return joues_; }

    int coups() const { return coups_; }
    int trouves() const { return trouves_; }
    int erreurs() const { return erreurs_; }
    int ligne_finie() const { return ligne_finie_; } // -1 until a line is finished
    Bilan bilan() const; // once a line is finished

private:
    std::vector<Case> vers_plateau(const std::vector<int>& lignes) const;
    void joue(Case c, std::vector<int> suivent);
    bool dans_la_bibliotheque(Case image) const;
    // The lines still played that go on with `image` (in the common form) at the next move.
    std::vector<int> lignes_suivant(Case image) const;

    const Repertoire* rep_;
    int16_t couleur_;
    std::vector<int> cibles_;
    std::optional<Case> premier_;
    FormeCommune forme_;
    std::vector<int> en_cours_;
    std::vector<Case> joues_; // the game on the board
    int coups_ = 0;
    int trouves_ = 0;
    int erreurs_ = 0;
    bool erreur_ici_ = false; // the learner already erred at this move
    int ligne_finie_ = -1;
};

} // namespace tavik
