#include "engine/grille.h"

#include <stdexcept>

namespace tavik {

std::string notation(Case c)
{
    return {static_cast<char>(64 + c.colonne), static_cast<char>('0' + c.ligne)};
}

bool lit_case(std::string_view texte, Case& c)
{
    if (texte.size() != 2) return false;
    const char lettre = static_cast<char>(texte[0] & ~0x20); // ASCII upper case
    const char chiffre = texte[1];
    if (lettre < 'A' || lettre > 'H' || chiffre < '1' || chiffre > '8') return false;
    c = {static_cast<int16_t>(chiffre - '0'), static_cast<int16_t>(lettre - 64)};
    return true;
}

Grille grille_depuis(std::string_view image)
{
    Grille g {};
    int n = 0;
    for (const char ch : image) {
        int8_t code;
        switch (ch) {
        case '.':
            code = vide;
            break;
        case 'x':
            code = noir;
            break;
        case 'o':
            code = blanc;
            break;
        default:
            continue;
        }
        if (n == 64) throw std::invalid_argument("grille_depuis: more than 64 squares");
        g[n / 8 + 1][n % 8 + 1] = code;
        ++n;
    }
    if (n != 64) throw std::invalid_argument("grille_depuis: fewer than 64 squares");
    return g;
}

} // namespace tavik
