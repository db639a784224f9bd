#include "actions_clavier.h"

#include "engine/regles.h"

namespace tavik::fuzz {

namespace {

constexpr int pas[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}}; // left, right, up, down
constexpr const char* fleches[4] = {"left", "right", "up", "down"};
constexpr char autres[] = "aAhH18z9 -"; // column letters, rows, and what is not a square

// The next character of the name of a legal square of the side to move: its letter, or its
// digit after that letter.
char vers_une_case(const Plateau& p, int k)
{
    const std::string& saisie = p.controles.curseur.saisie;
    for (int i = 0; i < 64; ++i) {
        const Case c = case_de((i + k) % 64);
        if (!test_coup_possible(p.tab(), p.joueur(), c.ligne, c.colonne)) continue;
        const std::string nom = notation(c);
        if (saisie.empty()) return static_cast<char>(nom[0] + ('a' - 'A'));
        if (saisie[0] == nom[0] + ('a' - 'A')) return nom[1];
    }
    return saisie.empty() ? 'a' : '1';
}

} // namespace

Action action_clavier(int param, const Plateau& p)
{
    if (param < 64) return {.genre = Genre::fleche, .valeur = param % 4};
    if (param < 96) return {.genre = Genre::touche_jouer};
    if (param < 224) return {.genre = Genre::frappe, .valeur = vers_une_case(p, param)};
    return {.genre = Genre::frappe, .valeur = autres[param % (sizeof autres - 1)]};
}

void applique_clavier(const Action& a, Plateau& p)
{
    switch (a.genre) {
    case Genre::fleche:
        return p.curseur_deplace(pas[a.valeur][0], pas[a.valeur][1]);
    case Genre::touche_jouer:
        return p.curseur_joue();
    case Genre::frappe:
        return p.frappe(static_cast<char>(a.valeur));
    default:
        return;
    }
}

std::string decrit_clavier(const Action& a)
{
    switch (a.genre) {
    case Genre::fleche:
        return std::string(fleches[a.valeur]) + " arrow on the board";
    case Genre::touche_jouer:
        return "Space on the board";
    default:
        return "'" + std::string(1, static_cast<char>(a.valeur)) + "' typed on the board";
    }
}

} // namespace tavik::fuzz
