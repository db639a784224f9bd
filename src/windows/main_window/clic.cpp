#include "engine/regles.h"
#include "windows/main_window/plateau.h"

#include <algorithm>

namespace tavik {

void Plateau::plateau_MouseDown(int index, int16_t button, int16_t, float, float)
{
    // A press that arrives while a disc is being placed never starts a second move.
    if (occupe() || index < 0 || index > 63) return;
    const Case c = case_de(index);

    if (button != bouton_gauche) {
        apercu(c);
        return;
    }
    if (pris_par_l_entraineur(index)) return;
    if (suit_la_liste(c)) {
        CmdSuivant_Click();
        return;
    }
    if (coup_accepte(index, c))
        joue_coup(index, c);
    else
        explique_refus(index, c);
}

// A legal move refused because automatic play holds the user to the library: a bubble at the
// square says which moves the library has, or that it has none left and how to go on. Other
// refusals stay silent, as they are without automatic play.
void Plateau::explique_refus(int index, Case c)
{
    if (!CoupJoueurBiblio || num_coup <= 1
        || !test_coup_possible(tab_, joueur_, c.ligne, c.colonne))
        return;
    std::vector<std::string> coups;
    for (const int i : suites_jouables()) coups.push_back(notation(case_de(i)));
    std::sort(coups.begin(), coups.end());
    coups.erase(std::unique(coups.begin(), coups.end()), coups.end());

    std::string texte;
    if (coups.empty()) {
        const char* boite = controles.ChkNoirAuto.cochee() ? "Noir auto" : "Blanc auto";
        texte = std::string("Plus de coup de bibliothèque\u00a0: décochez «\u00a0") + boite
            + "\u00a0» pour jouer librement.";
    } else {
        texte = "Coup hors bibliothèque\u00a0: ";
        for (std::size_t i = 0; i < coups.size(); ++i)
            texte += (i == 0 ? "" : i + 1 == coups.size() ? " ou " : ", ") + coups[i];
    }
    controles.bulle = {index, std::move(texte), controles.bulle.numero + 1};
}

void Plateau::plateau_MouseUp(int, int16_t, int16_t, float, float)
{
    rafraichit();
}

// A drill running on the board judges the user's press first; what it takes, the board only
// redraws, with the marks that the drill may have put on it.
bool Plateau::pris_par_l_entraineur(int index)
{
    if (!entraineur_ || !entraineur_->prend_clic(index)) return false;
    rafraichit();
    return true;
}

// After a step back, a press on the recorded next move steps forward along the record.
bool Plateau::suit_la_liste(Case c) const
{
    if (num_coup >= num_rejoue || CoupJoueurBiblio) return false;
    const Emplacement& suivant = liste_coups()[num_coup];
    return suivant.tient_coup() && suivant.ligne_lue() == c.ligne
        && suivant.colonne_lue() == c.colonne;
}

bool Plateau::coup_accepte(int index, Case c) const
{
    const bool legal = test_coup_possible(tab_, joueur_, c.ligne, c.colonne);
    if (!CoupJoueurBiblio || num_coup <= 1) return legal;

    // Held to the library: the square must be listed, and a faulty library line must still
    // never put a disc on an occupied square or on a square that turns nothing.
    for (const Liste::Entree& entree : controles.LstSuite.entrees) {
        Case suite;
        if (lit_case(std::string_view(entree.texte).substr(0, 2), suite)
            && index_de(suite) == index)
            return legal;
    }
    return false;
}

void Plateau::joue_coup(int index, Case c)
{
    pose_pion(index);
    coup_joue(tab_, joueur_, c.ligne, c.colonne);
    tab_[c.ligne][c.colonne] = static_cast<int8_t>(joueur_);
    compte_pions();
    affiche_tab(tab_);

    // The move becomes the end of the record.
    controles.CmdDebut.actif = true;
    controles.CmdPrecedent.actif = true;
    controles.CmdSuivant.actif = false;
    controles.CmdFin.actif = false;
    controles.TxtSuivant.visible = false;

    enregistre_coup(c.ligne, c.colonne);
    change_joueur(tab_);
    affiche_coups_possibles(tab_, image_coup_possible);
    affiche_suites();
    // After the last move of the game its result is the one thing to say: the automatic
    // player has nothing left to play, and no continuation to miss.
    if (!partie_finie(tab_)) joue_auto();
}

void Plateau::apercu(Case c)
{
    if (!test_coup_possible(tab_, joueur_, c.ligne, c.colonne)) return;
    for (int ligne = 1; ligne <= 8; ++ligne)
        for (int colonne = 1; colonne <= 8; ++colonne)
            tab_copie_[ligne][colonne] = tab_[ligne][colonne];
    coup_joue(tab_copie_, joueur_, c.ligne, c.colonne);
    tab_copie_[c.ligne][c.colonne] = static_cast<int8_t>(joueur_);
    affiche_tab(tab_copie_);

    // The opponent's replies, marked for the opponent, then the side to move is restored.
    joueur_ = adversaire(joueur_);
    affiche_coups_possibles(tab_copie_, image_reponse);
    joueur_ = adversaire(joueur_);
}

} // namespace tavik
