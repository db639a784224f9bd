#include "engine/regles.h"
#include "windows/main_window/plateau.h"

#include <cassert>
#include <charconv>

namespace tavik {

namespace {

int valeur(const std::string& legende)
{
    int n = 0;
    std::from_chars(legende.data(), legende.data() + legende.size(), n);
    return n;
}

} // namespace

void Plateau::compte_pions()
{
    int noirs = 0;
    int blancs = 0;
    for (int ligne = 1; ligne <= 8; ++ligne) {
        for (int colonne = 1; colonne <= 8; ++colonne) {
            noirs += tab_[ligne][colonne] == noir;
            blancs += tab_[ligne][colonne] == blanc;
        }
    }
    controles.nb_noir.legende = std::to_string(noirs);
    controles.nb_blanc.legende = std::to_string(blancs);
}

void Plateau::enregistre_coup(int16_t ligne, int16_t colonne)
{
    // Every game that the rules allow fits in the record; nothing is ever written past it.
    assert(num_coup >= 1 && num_coup < nb_emplacements);
    if (num_coup < 1 || num_coup >= nb_emplacements) return;

    liste_coups()[num_coup]
        = ligne == -1 ? Emplacement::passe() : Emplacement::coup({ligne, colonne});
    ++num_coup;
    num_rejoue = num_coup;
    affiche_liste_coups();
}

void Plateau::change_joueur(const Grille& grille)
{
    const Grille jeu = grille;
    joueur_ = adversaire(joueur_);
    if (joueur_passe(jeu, joueur_)) {
        controles.quijoue = static_cast<int8_t>(joueur_);
        return;
    }

    // The other side cannot move: the side that has just moved plays again, or nobody can.
    joueur_ = adversaire(joueur_);
    if (joueur_passe(jeu, joueur_)) {
        enregistre_coup(-1, -1);
        return;
    }

    const int noirs = valeur(controles.nb_noir.legende);
    const int blancs = valeur(controles.nb_blanc.legende);
    // The winner's count first: "Le joueur blanc a gagné, 40 à 24."
    const auto score = [](int a, int b) { return std::to_string(a) + " à " + std::to_string(b); };
    if (noirs == blancs)
        services_.message("Égalité, " + score(noirs, blancs) + ".");
    else if (noirs > blancs)
        services_.message("Le joueur noir a gagné, " + score(noirs, blancs) + ".");
    else
        services_.message("Le joueur blanc a gagné, " + score(blancs, noirs) + ".");
}

} // namespace tavik
