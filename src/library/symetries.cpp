#include "library/symetries.h"

#include "engine/regles.h"

#include <algorithm>
#include <array>
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

namespace {

// Columns A-H become H-A.
constexpr uint64_t miroir_colonnes(uint64_t x)
{
    constexpr uint64_t k1 = 0x5555555555555555ULL, k2 = 0x3333333333333333ULL,
                       k4 = 0x0F0F0F0F0F0F0F0FULL;
    x = ((x >> 1) & k1) | ((x & k1) << 1);
    x = ((x >> 2) & k2) | ((x & k2) << 2);
    return ((x >> 4) & k4) | ((x & k4) << 4);
}

// Rows 1-8 become 8-1.
constexpr uint64_t miroir_lignes(uint64_t x)
{
    return __builtin_bswap64(x);
}

// The mirror in the A1-H8 diagonal: row and column trade places.
constexpr uint64_t transpose(uint64_t x)
{
    constexpr uint64_t k1 = 0x5500550055005500ULL, k2 = 0x3333000033330000ULL,
                       k4 = 0x0F0F0F0F00000000ULL;
    uint64_t t = k4 & (x ^ (x << 28));
    x ^= t ^ (t >> 28);
    t = k2 & (x ^ (x << 14));
    x ^= t ^ (t >> 14);
    t = k1 & (x ^ (x << 7));
    return x ^ t ^ (t >> 7);
}

// The eight images at once, numbered as `image` numbers the symmetries: a quarter turn is the
// transpose mirrored left to right, and each turn followed by the diagonal mirror is one of
// the three plain mirrors or the transpose itself.
std::array<uint64_t, 8> images_bits(uint64_t x)
{
    const uint64_t t = transpose(x);
    const uint64_t mt = miroir_colonnes(t);
    return {x, mt, miroir_colonnes(miroir_lignes(x)), miroir_lignes(t),
            t, miroir_lignes(x), miroir_lignes(mt), miroir_colonnes(x)};
}

struct Tables
{
    std::array<std::array<int8_t, 64>, nb_symetries> images {};
    std::array<int8_t, nb_symetries> inverses {};
};

const Tables& tables()
{
    static const Tables t = [] {
        Tables r;
        for (int s = 0; s < nb_symetries; ++s) {
            r.inverses[s] = static_cast<int8_t>(inverse(s));
            for (int i = 0; i < 64; ++i)
                r.images[s][i] = static_cast<int8_t>(index_de(image(s, case_de(i))));
        }
        return r;
    }();
    return t;
}

constexpr uint64_t melange(uint64_t x)
{
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDULL;
    x ^= x >> 33;
    x *= 0xC4CEB9FE1A85EC53ULL;
    return x ^ (x >> 33);
}

constexpr int d4 = 27;

} // namespace

int image_index(int symetrie, int index)
{
    return tables().images[symetrie][index];
}

uint64_t image_bits(int symetrie, uint64_t cases)
{
    return images_bits(cases)[symetrie];
}

Reduction reduit(const Disques& disques, bool blanc_au_trait)
{
    const std::array<uint64_t, 8> noirs = images_bits(disques.noirs);
    const std::array<uint64_t, 8> blancs = images_bits(disques.blancs);
    int meilleure = 0;
    uint8_t egales = 1;
    for (int s = 1; s < nb_symetries; ++s) {
        if (noirs[s] != noirs[meilleure] ? noirs[s] < noirs[meilleure]
                                         : blancs[s] < blancs[meilleure]) {
            meilleure = s;
            egales = 0;
        }
        if (noirs[s] == noirs[meilleure] && blancs[s] == blancs[meilleure])
            egales |= static_cast<uint8_t>(1 << s);
    }
    const uint64_t occupes = (noirs[meilleure] | blancs[meilleure]) & ~bit_de(d4);
    return {{noirs[meilleure], occupes | (blanc_au_trait ? bit_de(d4) : 0)}, egales};
}

uint64_t Reduction::empreinte() const
{
    return melange(cle.noirs ^ melange(cle.occupes_et_trait + 0x9E3779B97F4A7C15ULL));
}

int Reduction::vers_reduite(int index) const
{
    int moindre = 64;
    for (int s = 0; s < nb_symetries; ++s)
        if (symetries & (1 << s)) moindre = std::min(moindre, image_index(s, index));
    return moindre;
}

int Reduction::depuis_reduite(int index) const
{
    // Of the squares that the position's own symmetries make equivalent, the one furthest
    // right, then lowest: F5 from the start, as game records begin.
    int choisie = -1;
    for (int s = 0; s < nb_symetries; ++s) {
        if (!(symetries & (1 << s))) continue;
        const int i = image_index(tables().inverses[s], index);
        if (choisie < 0 || vient_avant(case_de(choisie), case_de(i))) choisie = i;
    }
    return choisie;
}

} // namespace tavik
