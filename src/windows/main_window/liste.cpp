#include "engine/regles.h"
#include "record/liste_texte.h"
#include "windows/main_window/plateau.h"

namespace tavik {

void Plateau::rejoue_partie()
{
    init_jeu();
    for (int i = 1; i < num_coup && i < nb_emplacements; ++i) {
        // A pass places nothing; every slot hands the turn over.
        if (const std::optional<Case> c = liste_coups()[i].case_jouee()) {
            coup_joue(tab_, joueur_, c->ligne, c->colonne);
            tab_[c->ligne][c->colonne] = static_cast<int8_t>(joueur_);
        }
        joueur_ = adversaire(joueur_);
    }
    controles.quijoue = static_cast<int8_t>(joueur_);
}

void Plateau::affiche_liste_coups()
{
    Liste& liste = controles.LstCoup;
    liste.vide();
    for (std::string& ligne : lignes_liste_coups(liste_coups(), num_coup))
        liste.ajoute(std::move(ligne));
    liste.selection = liste.nombre() - 1;

    if (num_coup != num_rejoue && num_coup >= 1 && num_coup < nb_emplacements)
        controles.TxtSuivant.texte = texte_suivant(liste_coups(), num_coup);

    cherche_ouverture();
}

} // namespace tavik
