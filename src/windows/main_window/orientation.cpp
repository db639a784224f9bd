#include "windows/main_window/plateau.h"

namespace tavik {

// The live board and every recorded move turned together, so that the move list, the
// lookup and any later replay agree with the board. No replay is made.
void Plateau::transforme_partie(Transformation t)
{
    for (int ligne = 1; ligne <= 8; ++ligne)
        for (int colonne = 1; colonne <= 8; ++colonne)
            tab_copie_[ligne][colonne] = tab_[ligne][colonne];
    transforme_grille(t, tab_copie_, tab_);

    for (Emplacement& e : liste_coups())
        if (const std::optional<Case> c = e.case_jouee()) e = Emplacement::coup(transforme(t, *c));
    if (entraineur_) entraineur_->partie_tournee(t);

    affiche_tab(tab_);
    affiche_coups_possibles(tab_, image_coup_possible);
    affiche_liste_coups();
    affiche_suites();
}

void Plateau::CmdRotation_Click()
{
    if (occupe()) return;
    rotation = static_cast<int16_t>(rotation + 1 == 4 ? 0 : rotation + 1);
    transforme_partie(Transformation::rotation);
}

void Plateau::CmdSymPositive_Click()
{
    if (occupe()) return;
    sym_positive = sym_positive == 1 ? 0 : 1;
    transforme_partie(Transformation::sym_positive);
}

void Plateau::CmdSymNegative_Click()
{
    if (occupe()) return;
    sym_negative = sym_negative == 1 ? 0 : 1;
    transforme_partie(Transformation::sym_negative);
}

} // namespace tavik
