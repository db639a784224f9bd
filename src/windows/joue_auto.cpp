#include "autoplay/tirage.h"
#include "windows/plateau.h"

namespace tavik {

void Plateau::joue_auto()
{
    const bool a_lui = (joueur_ == blanc && controles.ChkBlancAuto.cochee())
        || (joueur_ == noir && controles.ChkNoirAuto.cochee());
    const Liste& suites = controles.LstSuite;

    if (!a_lui) {
        if (CoupJoueurBiblio && num_coup > 1 && suites.nombre() == 0)
            services_.message("Vous n'avez plus de coups d'ouverture.");
        return;
    }

    int index;
    if (num_coup == 1) {
        index = premier_coup_auto(rotation, services_.hasard());
    } else {
        if (suites.nombre() == 0) {
            services_.message(joueur_ == noir ? "Il n'y a plus de suite pour noir."
                                              : "Il n'y a plus de suite pour blanc.");
            return;
        }
        Case c;
        const std::string& entree = suites.texte(tire(services_.hasard(), suites.nombre()));
        if (!lit_case(std::string_view(entree).substr(0, 2), c)) return;
        index = index_de(c);
    }
    // Played like a left press of the user; the chain goes on from inside that call.
    plateau_MouseDown(index, bouton_gauche, 1, 1.0f, 1.0f);
}

// Ticking one automatic box unticks the other (whose own click operation then runs) and holds
// the user to the library; unticking releases the user. Either way the player gets its turn.
void Plateau::coche_auto(const CaseACocher& cette, CaseACocher& autre)
{
    if (cette.cochee()) {
        autre.fixe(0);
        CoupJoueurBiblio = true;
    } else {
        CoupJoueurBiblio = false;
    }
    joue_auto();
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
