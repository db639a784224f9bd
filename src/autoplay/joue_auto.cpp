#include "engine/plateau.h"

#include <algorithm>
#include <array>

namespace tavik {

namespace {

// Black's four first moves, drawn by k = 1..4, in the two start positions that the
// orientation gives: D3 C4 F5 E6, or E3 F4 C5 D6 after a quarter turn.
constexpr std::array<std::array<int, 4>, 2> premiers_coups = {{{19, 26, 37, 44}, {20, 29, 34, 43}}};

// One draw turned into 0..n-1; a source that returned 1 would still pick the last one.
int tire(float r, int n)
{
    return std::clamp(static_cast<int>(r * static_cast<float>(n)), 0, n - 1);
}

} // namespace

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
        index = premiers_coups[rotation % 2 == 0 ? 0 : 1][tire(services_.hasard(), 4)];
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
