#include "windows/zoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavik {

namespace {

constexpr std::array<double, 12> paliers {0.5,  2.0 / 3, 0.75, 0.9, 1.0, 1.1,
                                          1.25, 1.5,     1.75, 2.0, 2.5, 3.0};
constexpr double tolerance = 1e-6;

int arrondi(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

double zoom_plus(double zoom)
{
    for (const double p : paliers)
        if (p > zoom + tolerance) return p;
    return zoom_max;
}

double zoom_moins(double zoom)
{
    for (auto p = paliers.rbegin(); p != paliers.rend(); ++p)
        if (*p < zoom - tolerance) return *p;
    return zoom_min;
}

double zoom_borne(double zoom)
{
    if (!std::isfinite(zoom)) return 1.0;
    return std::clamp(zoom, zoom_min, zoom_max);
}

Rectangle a_l_echelle(const Rectangle& r, double zoom)
{
    const int x = arrondi(r.x * zoom), y = arrondi(r.y * zoom);
    return {x, y, arrondi(r.droite() * zoom) - x, arrondi(r.bas() * zoom) - y};
}

double zoom_pour(int largeur, int hauteur, int taille_l, int taille_h)
{
    if (largeur <= 0 || hauteur <= 0) return 1.0;
    return zoom_borne(
        std::min(static_cast<double>(taille_l) / largeur, static_cast<double>(taille_h) / hauteur));
}

double zoom_logeable(double voulu, int largeur, int hauteur, int cadre_l, int cadre_h,
                     const Rectangle& ecran)
{
    if (largeur <= 0 || hauteur <= 0) return voulu;
    const double place_l = std::max(1, ecran.largeur - cadre_l);
    const double place_h = std::max(1, ecran.hauteur - cadre_h);
    // Rounded down to a thousandth, so that the rounded size never exceeds the room.
    const double loge = std::floor(1000 * std::min(place_l / largeur, place_h / hauteur)) / 1000;
    return std::min(voulu, loge);
}

} // namespace tavik
