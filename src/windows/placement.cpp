#include "windows/placement.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <vector>

namespace tavik {

namespace {

// The left edges (or top edges) worth trying for a window of extent `taille`: the one aimed
// at, against each side of the screen and of each open window, on either side of it.
std::vector<int> bords(int vise, int taille, int debut, int fin,
                       std::span<const Rectangle> ouvertes, bool horizontal)
{
    std::vector<int> v {vise, debut, fin - taille};
    for (const Rectangle& o : ouvertes) {
        const int a = horizontal ? o.x : o.y;
        const int b = horizontal ? o.droite() : o.bas();
        v.insert(v.end(), {a, b, a - taille, b - taille});
    }
    return v;
}

// Beyond this no screen reaches: the edges of a rectangle read from the settings stay far
// from the limits of an int.
constexpr int coordonnee_max = 1'000'000;

} // namespace

int recouvrement(const Rectangle& a, const Rectangle& b)
{
    const int l = std::min(a.droite(), b.droite()) - std::max(a.x, b.x);
    const int h = std::min(a.bas(), b.bas()) - std::max(a.y, b.y);
    return l > 0 && h > 0 ? l * h : 0;
}

Rectangle place_fenetre(int largeur, int hauteur, const Rectangle& ecran,
                        std::span<const Rectangle> ouvertes, const Rectangle* voisine)
{
    // Too large for the screen: as much of it as can be shown, from its top-left corner.
    const int l = std::min(largeur, ecran.largeur), h = std::min(hauteur, ecran.hauteur);
    const int vise_x = voisine ? voisine->droite() : ecran.x + (ecran.largeur - l) / 2;
    const int vise_y = voisine ? voisine->y : ecran.y + (ecran.hauteur - h) / 2;

    Rectangle meilleure {std::clamp(vise_x, ecran.x, ecran.droite() - l),
                         std::clamp(vise_y, ecran.y, ecran.bas() - h), largeur, hauteur};
    long long cout_min = std::numeric_limits<long long>::max();
    for (const int x : bords(vise_x, l, ecran.x, ecran.droite(), ouvertes, true))
        for (const int y : bords(vise_y, h, ecran.y, ecran.bas(), ouvertes, false)) {
            const Rectangle r {x, y, l, h};
            if (!ecran.contient(r)) continue;
            long long couvert = 0;
            for (const Rectangle& o : ouvertes) couvert += recouvrement(r, o);
            // Any overlap costs more than any distance on the screen.
            const long long cout
                = couvert * 1'000'000LL + std::abs(x - vise_x) + std::abs(y - vise_y);
            if (cout < cout_min) {
                cout_min = cout;
                meilleure = {x, y, largeur, hauteur};
            }
        }
    return meilleure;
}

bool place_acceptable(const Rectangle& cadre, std::span<const Rectangle> ecrans)
{
    if (cadre.largeur <= 0 || cadre.hauteur <= 0) return false;
    return std::any_of(ecrans.begin(), ecrans.end(),
                       [&cadre](const Rectangle& e) { return e.contient(cadre); });
}

std::string texte_place(const Rectangle& place, bool avec_taille)
{
    std::string t = std::to_string(place.x) + ' ' + std::to_string(place.y);
    if (avec_taille) t += ' ' + std::to_string(place.largeur) + ' ' + std::to_string(place.hauteur);
    return t;
}

std::optional<Rectangle> lit_place(std::string_view texte)
{
    int v[4] {};
    int n = 0;
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    while (true) {
        while (p != fin && *p == ' ') ++p;
        if (p == fin) break;
        if (n == 4) return std::nullopt;
        const auto [suite, erreur] = std::from_chars(p, fin, v[n]);
        if (erreur != std::errc {} || (suite != fin && *suite != ' ')) return std::nullopt;
        if (v[n] < -coordonnee_max || v[n] > coordonnee_max) return std::nullopt;
        p = suite;
        ++n;
    }
    if (n == 4 && (v[2] <= 0 || v[3] <= 0)) return std::nullopt;
    if (n != 2 && n != 4) return std::nullopt;
    return Rectangle {v[0], v[1], v[2], v[3]};
}

} // namespace tavik
