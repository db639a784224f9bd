#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavik {

// A rectangle of the screen in pixels: its top-left corner and its size.
struct Rectangle
{
    int x = 0;
    int y = 0;
    int largeur = 0;
    int hauteur = 0;

    int droite() const { return x + largeur; } // one past the last column
    int bas() const { return y + hauteur; } // one past the last row
    bool contient(const Rectangle& r) const
    {
        return r.x >= x && r.y >= y && r.droite() <= droite() && r.bas() <= bas();
    }
    friend bool operator==(const Rectangle&, const Rectangle&) = default;
};

// The area that two rectangles share, 0 when they do not meet.
int recouvrement(const Rectangle& a, const Rectangle& b);

// Where a window whose frame is `largeur` x `hauteur` opens: entirely inside `ecran` (the
// screen's available area, a window too large for it keeping its top-left corner there), over
// none of the windows `ouvertes`, as near as can be to the right of `voisine`, top aligned
// with it (the window that it belongs to); with no room left, over as little of them as can
// be. Without a neighbour, it opens in the middle of the screen.
Rectangle place_fenetre(int largeur, int hauteur, const Rectangle& ecran,
                        std::span<const Rectangle> ouvertes, const Rectangle* voisine = nullptr);

// Whether a window whose frame is `cadre`, at a place kept from an earlier run, may open
// there again: only when it lies entirely within the available area of one of `ecrans` (a
// window across two screens, partly off them or under a panel would not); never an empty one.
bool place_acceptable(const Rectangle& cadre, std::span<const Rectangle> ecrans);

// A window's place as the settings keep it: "x y" (its frame's top-left corner), or
// "x y largeur hauteur" for a window kept with its size. `lit_place` gives the rectangle, a
// size of 0 x 0 when none is kept, or nothing for any other text: a number missing, too
// large or not a number, a size not above 0, anything after the numbers.
std::string texte_place(const Rectangle& place, bool avec_taille);
std::optional<Rectangle> lit_place(std::string_view texte);

} // namespace tavik
