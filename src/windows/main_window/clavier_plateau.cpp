// The board from the keyboard: a cursor moved by the arrows, and square names typed in.

#include "engine/regles.h"
#include "windows/main_window/plateau.h"

#include <algorithm>

namespace tavik {

namespace {

// The bubble at the square says why.
void signale(Plateau& p, int index, std::string texte)
{
    Bulle& bulle = p.controles.bulle;
    bulle = {index, std::move(texte), bulle.numero + 1};
}

// Why a left press on the square changed nothing, as far as the rules say: a move held to the
// library has its own bubble, and a drill says why in its own window.
std::string raison_refus(const Plateau& p, int index)
{
    const Case c = case_de(index);
    const std::string nom = notation(c) + "\u00a0: ";
    if (partie_finie(p.tab())) return "La partie est finie.";
    if (p.tab()[c.ligne][c.colonne] != vide) return nom + "la case est occupée.";
    if (!test_coup_possible(p.tab(), p.joueur(), c.ligne, c.colonne))
        return nom + "ce coup ne retourne aucun pion.";
    return {};
}

// A left click on the square, from the keyboard; one that changes nothing and says nothing gets
// its reason from the rules.
void appuie(Plateau& p, int index)
{
    if (p.occupe()) return;
    const int16_t coup = p.num_coup;
    const int16_t fin = p.num_rejoue;
    const Grille avant = p.tab();
    const int bulle = p.controles.bulle.numero;
    p.plateau_MouseDown(index, bouton_gauche);
    p.plateau_MouseUp(index, bouton_gauche);
    if (coup != p.num_coup || fin != p.num_rejoue || avant != p.tab()
        || bulle != p.controles.bulle.numero)
        return;
    if (std::string raison = raison_refus(p, index); !raison.empty())
        signale(p, index, std::move(raison));
}

} // namespace

void Plateau::curseur_deplace(int colonnes, int lignes)
{
    CurseurPlateau& curseur = controles.curseur;
    const int colonne = std::clamp(curseur.index % 8 + colonnes, 0, 7);
    const int ligne = std::clamp(curseur.index / 8 + lignes, 0, 7);
    curseur.index = ligne * 8 + colonne;
    curseur.saisie.clear();
}

void Plateau::curseur_joue()
{
    controles.curseur.saisie.clear();
    appuie(*this, controles.curseur.index);
}

void Plateau::frappe(char caractere)
{
    CurseurPlateau& curseur = controles.curseur;
    const char lettre
        = static_cast<char>(caractere >= 'A' && caractere <= 'Z' ? caractere + 32 : caractere);
    if (lettre >= 'a' && lettre <= 'h') {
        curseur.saisie = std::string(1, lettre);
        return;
    }
    Case c;
    const bool nomme = !curseur.saisie.empty() && lit_case(curseur.saisie + lettre, c);
    curseur.saisie.clear();
    if (!nomme) {
        signale(*this, curseur.index,
                "Pour jouer une case, tapez sa colonne (de A à H) puis sa rangée (de 1 à 8), "
                "comme F5.");
        return;
    }
    curseur.index = index_de(c);
    appuie(*this, curseur.index);
}

} // namespace tavik
