#include "autoplay/tirage.h"
#include "windows/main_window/plateau.h"

namespace tavik {

// The listed continuations that the side to move may play: a faulty library line never
// offers a move that the board refuses.
std::vector<int> Plateau::suites_jouables() const
{
    std::vector<std::string_view> entrees;
    for (const Liste::Entree& entree : controles.LstSuite.entrees) entrees.push_back(entree.texte);
    return tavik::suites_jouables(tab_, joueur_, entrees);
}

void Plateau::joue_auto()
{
    const bool a_lui = (joueur_ == blanc && controles.ChkBlancAuto.cochee())
        || (joueur_ == noir && controles.ChkNoirAuto.cochee());
    const std::vector<int> suites = suites_jouables();

    if (!a_lui) {
        if (CoupJoueurBiblio && num_coup > 1 && suites.empty())
            services_.message("Vous n'avez plus de coups d'ouverture.");
        return;
    }

    int index;
    if (num_coup == 1) {
        index = premier_coup_auto(rotation, services_.hasard());
    } else {
        if (suites.empty()) {
            services_.message(joueur_ == noir ? "Il n'y a plus de suite pour noir."
                                              : "Il n'y a plus de suite pour blanc.");
            return;
        }
        index = suites[tire(services_.hasard(), static_cast<int>(suites.size()))];
    }
    // Played like a left press of the user; the chain goes on from inside that call.
    plateau_MouseDown(index, bouton_gauche, 1, 1.0f, 1.0f);
}

// Ticking one automatic box unticks the other and holds the user to the library; unticking
// releases the user. Either way the player gets its turn, once per user action: the other
// box's own click operation, run by the unticking, leaves the turn to this one.
void Plateau::coche_auto(const CaseACocher& cette, CaseACocher& autre)
{
    if (cette.cochee()) {
        bascule_auto_ = true;
        autre.fixe(0);
        bascule_auto_ = false;
        CoupJoueurBiblio = true;
    } else {
        CoupJoueurBiblio = false;
    }
    if (!bascule_auto_) joue_auto();
}

void Plateau::ChkNoirAuto_Click()
{
    coche_auto(controles.ChkNoirAuto, controles.ChkBlancAuto);
}
void Plateau::ChkBlancAuto_Click()
{
    coche_auto(controles.ChkBlancAuto, controles.ChkNoirAuto);
}

} // namespace tavik
