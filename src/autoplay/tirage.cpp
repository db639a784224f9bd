#include "autoplay/tirage.h"

#include "engine/regles.h"

#include <algorithm>
#include <array>

namespace tavik {

namespace {

// D3 C4 F5 E6, and E3 F4 C5 D6, as tile indexes.
constexpr std::array<std::array<int, 4>, 2> premiers_coups = {{{19, 26, 37, 44}, {20, 29, 34, 43}}};

} // namespace

int tire(float r, int n)
{
    return std::clamp(static_cast<int>(r * static_cast<float>(n)), 0, n - 1);
}

int premier_coup_auto(int rotation, float r)
{
    return premiers_coups[rotation % 2 == 0 ? 0 : 1][tire(r, 4)];
}

std::vector<int> suites_jouables(const Grille& jeu, int16_t couleur,
                                 const std::vector<std::string_view>& entrees)
{
    std::vector<int> jouables;
    for (const std::string_view entree : entrees) {
        Case c;
        if (lit_case(entree.substr(0, 2), c)
            && test_coup_possible(jeu, couleur, c.ligne, c.colonne))
            jouables.push_back(index_de(c));
    }
    return jouables;
}

} // namespace tavik
