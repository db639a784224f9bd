#include "library/ligne_coups.h"

#include "engine/regles.h"
#include "library/texte.h"
#include "record/liste_coups.h"
#include "record/typographie.h"
#include "record/utf8.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace tavik {

std::string coups_sans_espaces(std::string_view s)
{
    std::string resultat;
    std::copy_if(s.begin(), s.end(), std::back_inserter(resultat), [](char c) { return c != ' '; });
    return majuscules(resultat);
}

std::optional<std::string> defaut_de_ligne(std::string_view coups)
{
    const std::string s = coups_sans_espaces(coups);
    // Taken by characters, so that a message never shows half of an accented letter.
    const std::vector<std::string_view> car = caracteres(s);
    const std::size_t nb_coups = car.size() / 2;
    if (car.size() % 2 != 0)
        return "le dernier coup " + guillemets(visible(car.back())) + " est incomplet";
    if (nb_coups > static_cast<std::size_t>(nb_emplacements - 1))
        return "la suite compte " + std::to_string(nb_coups) + " coups, la partie n'en tient que "
            + std::to_string(nb_emplacements - 1);

    // Replayed from the usual start, black first, as the board will replay it.
    Grille jeu = position_initiale();
    int16_t couleur = noir;
    for (std::size_t i = 0; i < nb_coups; ++i) {
        const std::string coup = std::string(car[2 * i]) + std::string(car[2 * i + 1]);
        const std::string debut
            = "le coup " + std::to_string(i + 1) + " " + guillemets(visible(coup));
        Case c;
        if (!lit_case(coup, c)) return debut + " n'est pas une case";
        if (!test_coup_possible(jeu, couleur, c.ligne, c.colonne))
            return debut + " n'est pas jouable";
        coup_joue(jeu, couleur, c.ligne, c.colonne);
        jeu[c.ligne][c.colonne] = static_cast<int8_t>(couleur);
        couleur = adversaire(couleur);
    }
    return std::nullopt;
}

} // namespace tavik
