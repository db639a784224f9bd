#include "library/ouverture.h"

#include "engine/regles.h"
#include "library/texte.h"

#include <algorithm>

namespace tavik {

namespace {

std::string sans_espaces(std::string_view s)
{
    std::string resultat;
    std::copy_if(s.begin(), s.end(), std::back_inserter(resultat), [](char c) { return c != ' '; });
    return resultat;
}

} // namespace

std::optional<std::string> defaut_de_ligne(std::string_view coups)
{
    const std::string s = majuscules(sans_espaces(coups));
    if (s.size() % 2 != 0) return "un coup de la suite est incomplet";
    const std::size_t nb_coups = s.size() / 2;
    if (nb_coups > static_cast<std::size_t>(nb_emplacements - 1))
        return "la suite compte " + std::to_string(nb_coups) + " coups, la partie n'en tient que "
            + std::to_string(nb_emplacements - 1);

    // Replayed from the usual start, black first, as the board will replay it.
    Grille jeu = position_initiale();
    int16_t couleur = noir;
    for (std::size_t i = 0; i < nb_coups; ++i) {
        const std::string coup = s.substr(2 * i, 2);
        const std::string numero = std::to_string(i + 1);
        Case c;
        if (!lit_case(coup, c)) return "le coup " + numero + " « " + coup + " » n'est pas une case";
        if (!test_coup_possible(jeu, couleur, c.ligne, c.colonne))
            return "le coup " + numero + " « " + coup + " » n'est pas jouable";
        coup_joue(jeu, couleur, c.ligne, c.colonne);
        jeu[c.ligne][c.colonne] = static_cast<int8_t>(couleur);
        couleur = adversaire(couleur);
    }
    return std::nullopt;
}

Ouverture::Ouverture(Plateau& plateau, Services services)
    : plateau_(plateau)
    , services_(std::move(services))
{
}

void Ouverture::Form_Load()
{
    LstOuverture.vide();
    const FonCom& com = plateau_.com();
    for (int i = 1; i <= com.nb_biblio; ++i)
        LstOuverture.ajoute(com.biblio.lignes[i - 1][col_nom], i);
}

void Ouverture::Cmdcharger_Click()
{
    const int choix = LstOuverture.selection;
    if (plateau_.occupe() || choix < 0 || choix >= LstOuverture.nombre()) return;
    FonCom& com = plateau_.com();
    const int r = LstOuverture.entrees[choix].donnee - 1;
    if (r < 0 || r >= com.nb_biblio) return;

    const LigneBiblio& ligne = com.biblio.lignes[r];
    // A faulty line is refused before anything changes: the game on the board stays.
    if (const std::optional<std::string> defaut = defaut_de_ligne(ligne[col_coups])) {
        services_.message("L'ouverture « " + ligne[col_nom]
                          + " » ne peut pas être chargée : " + *defaut + ".");
        return;
    }

    std::string s = majuscules(sans_espaces(ligne[col_coups]));
    plateau_.num_coup = 1;
    while (!s.empty()) {
        com.liste_coups[plateau_.num_coup] = Emplacement::coup_charge(s[0], s[1]);
        s.erase(0, 2);
        ++plateau_.num_coup;
    }
    plateau_.num_rejoue = plateau_.num_coup;
    plateau_.rotation = 0;
    plateau_.sym_positive = 0;
    plateau_.sym_negative = 0;
    plateau_.CmdFin_Click();
}

} // namespace tavik
