#include "engine/regles.h"

namespace tavik {

Grille position_initiale()
{
    return grille_depuis("........"
                         "........"
                         "........"
                         "...ox..."
                         "...xo..."
                         "........"
                         "........"
                         "........");
}

bool test_dir(const Grille& jeu, int16_t couleur, int16_t ligne, int16_t colonne, int16_t dirlg,
              int16_t dircol)
{
    if (dirlg == 0 && dircol == 0) return false;
    const int16_t opp = adversaire(couleur);
    int x = ligne + dirlg;
    int y = colonne + dircol;
    if (jeu[x][y] != opp) return false;
    // The ring never holds a disc, so the walk ends on it at the latest.
    while (jeu[x][y] == opp) {
        x += dirlg;
        y += dircol;
    }
    return jeu[x][y] == couleur;
}

bool test_coup_possible(const Grille& jeu, int16_t couleur, int16_t ligne, int16_t colonne)
{
    if (jeu[ligne][colonne] != vide) return false;
    bool possible = false;
    for (int16_t dirlg = -1; dirlg <= 1; ++dirlg)
        for (int16_t dircol = -1; dircol <= 1; ++dircol)
            possible |= test_dir(jeu, couleur, ligne, colonne, dirlg, dircol);
    return possible;
}

void coup_joue(Grille& jeu, int16_t ajouer, int16_t lgj, int16_t colj)
{
    const int16_t opp = adversaire(ajouer);
    for (int16_t dirlg = -1; dirlg <= 1; ++dirlg) {
        for (int16_t dircol = -1; dircol <= 1; ++dircol) {
            if (!test_dir(jeu, ajouer, lgj, colj, dirlg, dircol)) continue;
            for (int x = lgj + dirlg, y = colj + dircol; jeu[x][y] == opp; x += dirlg, y += dircol)
                jeu[x][y] = static_cast<int8_t>(ajouer);
        }
    }
}

bool joueur_passe(const Grille& jeu, int16_t couleur)
{
    const Grille copie = jeu;
    bool peut_jouer = false;
    for (int16_t ligne = 1; ligne <= 8; ++ligne)
        for (int16_t colonne = 1; colonne <= 8; ++colonne)
            peut_jouer |= test_coup_possible(copie, couleur, ligne, colonne);
    return peut_jouer;
}

bool partie_finie(const Grille& jeu)
{
    return !joueur_passe(jeu, noir) && !joueur_passe(jeu, blanc);
}

} // namespace tavik
