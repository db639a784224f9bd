// The exercise on the main window's board: the program's moves played as the automatic
// player's are, the learner's presses judged before the board plays them, the marks after a
// wrong move, and the panel.

#include "windows/drill/entrainement.h"

#include <algorithm>
#include <utility>

namespace tavik {

void Entrainement::nouvel_exercice()
{
    marques_.clear();
    plateau_.recommence();
    session_->nouvel_exercice(plateau_.rotation);
    exercice_ = EtatExercice::en_cours;
    LblMessage.legende = "À vous de jouer.";
    efface_bilan();
    message_du_coup_.clear();
    joue_programme();
    // Announced once the program has opened, in the orientation that its first move gave.
    if (session_) LblAnnonce.legende = session_->annonce();
    suit_l_exercice();
}

// The program's moves until the learner's turn, each through the board's left press so that
// it is placed with its animation, like the automatic player's.
void Entrainement::joue_programme()
{
    while (const std::optional<Case> c = session_->coup_programme()) {
        if (!transmet(index_de(*c))) return;
    }
}

// The board plays the drill's move; true when it did and the exercise goes on. The session
// may have ended while the disc was placed; a board that refuses a move of the library (it
// never should) leaves the exercise behind: it is interrupted, not graded.
bool Entrainement::transmet(int index)
{
    const int16_t avant = plateau_.num_coup;
    transmet_ = true;
    plateau_.plateau_MouseDown(index, bouton_gauche, 1, 1.0f, 1.0f);
    transmet_ = false;
    if (!session_ || exercice_ != EtatExercice::en_cours) return false;
    if (plateau_.num_coup > avant) return true;
    interrompt("Exercice interrompu\u00a0: le plateau n'a pas joué le coup.");
    return false;
}

// A finished line is graded and written by the session: the panel shows it, and the progress.
void Entrainement::suit_l_exercice()
{
    if (session_ && exercice_ == EtatExercice::en_cours && session_->bilan()) {
        exercice_ = EtatExercice::fini;
        plateau_.affiche_suites(); // the library marks come back
        montre_bilan();
        actualise_progres();
        if (!session_->avertissement().empty()) services_.message(session_->avertissement());
    }
    etat_commandes();
}

void Entrainement::montre_bilan()
{
    const Bilan& b = *session_->bilan();
    LblMessage.legende = "Ligne terminée. «\u00a0Suivant\u00a0» commence l'exercice suivant.";
    LblLigne.legende = b.nom;
    LblBilan.legende = b.bilan;
    LblCommentaire.legende = plateau_.ConvCommentJeu(b.commentaire);
    LblScore.legende = b.score;
}

void Entrainement::efface_bilan()
{
    for (Etiquette* e : {&LblLigne, &LblBilan, &LblCommentaire, &LblScore}) e->legende.clear();
}

void Entrainement::interrompt(const std::string& texte)
{
    exercice_ = EtatExercice::interrompu;
    marques_.clear();
    LblMessage.legende = texte;
    etat_commandes();
}

// After a step back, the record's next move: a press on it follows the record.
bool Entrainement::suivant_enregistre(int index) const
{
    const std::optional<Case> c = plateau_.com().liste_coups[plateau_.num_coup].case_jouee();
    return c && index_de(*c) == index;
}

bool Entrainement::prend_clic(int index)
{
    static const std::string retour
        = "Revenez à la position de l'exercice («\u00a0>>\u00a0») pour jouer.";
    // The drill's own moves, and every press once the exercise is over, are the board's.
    if (transmet_ || exercice_ != EtatExercice::en_cours) return false;
    // Stepped back through the exercise: judging waits for its position again.
    if (plateau_.num_coup < plateau_.num_rejoue) {
        if (suivant_enregistre(index)) return false;
        if (message_du_coup_.empty()) message_du_coup_ = LblMessage.legende;
        LblMessage.legende = retour;
        return true;
    }

    message_du_coup_.clear();
    const Verdict v = session_->coup_utilisateur(case_de(index));
    switch (v.jugement) {
    case Jugement::refuse: // out of turn or illegal: ignored, as the board ignores it
        return true;
    case Jugement::erreur: // not played; the library moves marked until one is played
        marques_.clear();
        for (const Case c : v.coups_biblio) marques_.push_back(index_de(c));
        LblMessage.legende = v.message;
        return true;
    case Jugement::juste:
    case Jugement::autre_ligne:
        break;
    }
    marques_.clear();
    LblMessage.legende = v.message.empty() ? "Coup juste." : v.message;
    if (!transmet(index)) return true;
    LblAnnonce.legende = session_->annonce(); // another line may be aimed at now
    joue_programme();
    suit_l_exercice();
    return true;
}

void Entrainement::partie_tournee(Transformation t)
{
    if (!session_) return;
    session_->tourne(t);
    for (int& m : marques_) m = index_de(transforme(t, case_de(m)));
    if (exercice_ == EtatExercice::fini) montre_bilan(); // the comment's squares turn too
}

void Entrainement::partie_chargee()
{
    if (exercice_ == EtatExercice::en_cours)
        interrompt(
            "Exercice interrompu\u00a0: une autre partie a été chargée. «\u00a0Suivant\u00a0» en "
            "commence un autre.");
}

// Back at the exercise's position, the message that asked to come back gives way to the one
// it replaced.
void Entrainement::position_changee()
{
    if (exercice_ != EtatExercice::en_cours || plateau_.num_coup < plateau_.num_rejoue
        || message_du_coup_.empty())
        return;
    LblMessage.legende = std::exchange(message_du_coup_, {});
}

std::vector<int> Entrainement::marques() const
{
    if (exercice_ != EtatExercice::en_cours || plateau_.num_coup < plateau_.num_rejoue) return {};
    return marques_;
}

} // namespace tavik
