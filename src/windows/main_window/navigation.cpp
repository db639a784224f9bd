#include "windows/main_window/plateau.h"

namespace tavik {

// At the start only ">" and ">>" are on, at the end only "<<" and "<", in between all four;
// the next-move box shows while a recorded move lies ahead.
void Plateau::etat_navigation()
{
    const bool arriere = num_coup > 1;
    const bool avant = num_coup < num_rejoue;
    controles.CmdDebut.actif = arriere;
    controles.CmdPrecedent.actif = arriere;
    controles.CmdSuivant.actif = avant;
    controles.CmdFin.actif = avant;
    controles.TxtSuivant.visible = avant;
    if (entraineur_) entraineur_->position_changee();
}

// The position at the new point, rebuilt from the record and shown with the move list, the
// lookup, the counts and the marks.
void Plateau::rejoue_et_affiche()
{
    rejoue_partie();
    affiche_tab(tab_);
    affiche_liste_coups();
    compte_pions();
    affiche_coups_possibles(tab_, image_coup_possible);
    affiche_suites();
}

void Plateau::decoche_auto()
{
    controles.ChkBlancAuto.fixe(0);
    controles.ChkNoirAuto.fixe(0);
}

void Plateau::CmdDebut_Click()
{
    if (occupe()) return;
    num_coup = 1;
    etat_navigation();
    efface_panneau();
    rejoue_partie();
    affiche_tab(tab_);
    affiche_liste_coups();
    affiche_coups_possibles(tab_, image_coup_possible);
    decoche_auto();
}

void Plateau::CmdPrecedent_Click()
{
    if (occupe() || num_coup <= 1) return; // slot 0 is not part of the record
    --num_coup;
    etat_navigation();
    efface_panneau();
    rejoue_et_affiche();
    decoche_auto();
    CoupJoueurBiblio = false;
}

void Plateau::CmdSuivant_Click()
{
    if (occupe() || num_coup >= num_rejoue) return;
    ++num_coup;
    etat_navigation();
    rejoue_et_affiche();
}

void Plateau::CmdFin_Click()
{
    if (occupe()) return;
    num_coup = std::max<int16_t>(num_rejoue, 1);
    etat_navigation();
    rejoue_et_affiche();
    montre_ligne_suivie();
}

} // namespace tavik
