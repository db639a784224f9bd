#include "library/symetries.h"

#include "engine/regles.h"

#include <cassert>

namespace tavik {

Case image(int symetrie, Case c)
{
    for (int i = 0; i < symetrie % 4; ++i) c = {c.colonne, static_cast<int16_t>(9 - c.ligne)};
    return symetrie >= 4 ? Case {c.colonne, c.ligne} : c;
}

// Two squares that no two symmetries send to the same pair of images tell the composition.
int compose(int exterieure, int interieure)
{
    constexpr Case a1 {1, 1}, a2 {2, 1};
    for (int s = 0; s < nb_symetries; ++s)
        if (image(s, a1) == image(exterieure, image(interieure, a1))
            && image(s, a2) == image(exterieure, image(interieure, a2)))
            return s;
    assert(false && "the symmetries of the board form a group");
    return 0;
}

int inverse(int symetrie)
{
    for (int s = 0; s < nb_symetries; ++s)
        if (compose(s, symetrie) == 0) return s;
    return 0;
}

bool invariante(const Grille& jeu, int symetrie)
{
    for (int16_t l = 1; l <= 8; ++l) {
        for (int16_t c = 1; c <= 8; ++c) {
            const Case i = image(symetrie, {l, c});
            if (jeu[i.ligne][i.colonne] != jeu[l][c]) return false;
        }
    }
    return true;
}

bool vient_avant(Case a, Case b)
{
    return a.colonne != b.colonne ? a.colonne < b.colonne : a.ligne < b.ligne;
}

std::vector<Case> forme_commune(std::span<const Case> coups)
{
    std::vector<Case> forme;
    Grille jeu = position_initiale();
    int16_t couleur = noir;
    int vers_forme = 0; // carries the moves as written onto the common form
    for (const Case coup : coups) {
        const Case c = image(vers_forme, coup);
        int choisie = 0;
        for (int s = 1; s < nb_symetries; ++s)
            if (vient_avant(image(s, c), image(choisie, c)) && invariante(jeu, s)) choisie = s;
        vers_forme = compose(choisie, vers_forme);
        const Case f = image(choisie, c);
        assert(test_coup_possible(jeu, couleur, f.ligne, f.colonne));
        coup_joue(jeu, couleur, f.ligne, f.colonne);
        jeu[f.ligne][f.colonne] = static_cast<int8_t>(couleur);
        couleur = adversaire(couleur);
        forme.push_back(f);
    }
    return forme;
}

} // namespace tavik
