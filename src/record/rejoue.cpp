#include "engine/plateau.h"
#include "engine/regles.h"

namespace tavik {

namespace {

// " 1" to " 9", then "10", "11", ...
std::string numero(int n)
{
    return (n < 10 ? " " : "") + std::to_string(n);
}

std::string texte_coup(const Emplacement& e)
{
    return e.est_passe() ? "--" : e.texte();
}

} // namespace

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
    for (int i = 1; i <= num_coup - 1 && i < nb_emplacements; i += 2) {
        std::string ligne = numero(i) + ". " + texte_coup(liste_coups()[i]);
        if (i + 1 < num_coup && i + 1 < nb_emplacements)
            ligne += "  " + numero(i + 1) + ". " + texte_coup(liste_coups()[i + 1]);
        liste.ajoute(std::move(ligne));
    }
    liste.selection = liste.nombre() - 1;

    if (num_coup != num_rejoue && num_coup >= 1 && num_coup < nb_emplacements)
        controles.TxtSuivant.texte
            = std::to_string(num_coup) + ". " + texte_coup(liste_coups()[num_coup]);

    cherche_ouverture();
}

} // namespace tavik
