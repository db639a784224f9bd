#include "training/symetrie.h"

#include "engine/regles.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace tavik {

namespace {

constexpr std::array<Symetrie, 8> toutes = {
    {{0, false}, {1, false}, {2, false}, {3, false}, {0, true}, {1, true}, {2, true}, {3, true}}};

// Two squares whose images tell the eight symmetries apart.
constexpr Case a1 {1, 1};
constexpr Case a2 {2, 1};

Symetrie telle_que(Case image_a1, Case image_a2)
{
    for (const Symetrie s : toutes)
        if (s(a1) == image_a1 && s(a2) == image_a2) return s;
    assert(false && "not an image of the board");
    return {};
}

bool invariante(const Grille& jeu, Symetrie s)
{
    for (int16_t l = 1; l <= 8; ++l) {
        for (int16_t c = 1; c <= 8; ++c) {
            const Case image = s({l, c});
            if (jeu[image.ligne][image.colonne] != jeu[l][c]) return false;
        }
    }
    return true;
}

std::vector<Symetrie> stabilisateur(const Grille& jeu)
{
    std::vector<Symetrie> stables;
    for (const Symetrie s : toutes)
        if (invariante(jeu, s)) stables.push_back(s);
    return stables;
}

// The order of the move texts: the column letter first, then the row.
bool avant(Case a, Case b)
{
    return a.colonne != b.colonne ? a.colonne < b.colonne : a.ligne < b.ligne;
}

} // namespace

Case Symetrie::operator()(Case c) const
{
    for (int i = 0; i < quarts; ++i) c = transforme(Transformation::rotation, c);
    return miroir ? transforme(Transformation::sym_negative, c) : c;
}

Symetrie symetrie_de(Transformation t)
{
    return telle_que(transforme(t, a1), transforme(t, a2));
}

Symetrie compose(Symetrie exterieure, Symetrie interieure)
{
    return telle_que(exterieure(interieure(a1)), exterieure(interieure(a2)));
}

Symetrie inverse(Symetrie s)
{
    for (const Symetrie t : toutes)
        if (compose(t, s) == Symetrie {}) return t;
    return {};
}

FormeCanonique::FormeCanonique(int rotation)
    : position_(position_initiale())
    // A quarter turn carries the turned start back onto the usual one.
    , vers_canon_(rotation % 2 == 0 ? Symetrie {} : Symetrie {1, false})
    , retour_(inverse(vers_canon_))
    , stables_(stabilisateur(position_))
{
}

Symetrie FormeCanonique::meilleure(Case coup) const
{
    const Case c = vers_canon_(coup);
    Symetrie choisie;
    for (const Symetrie s : stables_)
        if (avant(s(c), choisie(c))) choisie = s;
    return choisie;
}

Case FormeCanonique::image(Case coup) const
{
    return meilleure(coup)(vers_canon_(coup));
}

std::vector<Case> FormeCanonique::antecedents(Case image) const
{
    std::vector<Case> coups;
    for (const Symetrie s : stables_) {
        const Case c = retour_(s(image));
        if (std::find(coups.begin(), coups.end(), c) == coups.end()) coups.push_back(c);
    }
    std::sort(coups.begin(), coups.end(), avant);
    return coups;
}

bool FormeCanonique::jouable(Case coup) const
{
    const Case c = vers_canon_(coup);
    return sur_plateau(c) && test_coup_possible(position_, trait_, c.ligne, c.colonne);
}

void FormeCanonique::joue(Case coup)
{
    assert(jouable(coup));
    vers_canon_ = compose(meilleure(coup), vers_canon_);
    retour_ = inverse(vers_canon_);
    const Case c = vers_canon_(coup);
    coup_joue(position_, trait_, c.ligne, c.colonne);
    position_[c.ligne][c.colonne] = static_cast<int8_t>(trait_);
    coups_.push_back(c);
    trait_ = adversaire(trait_);
    stables_ = stabilisateur(position_);
}

void FormeCanonique::tourne(Transformation t)
{
    // A move of the turned board is the image of a move of the board as it was.
    vers_canon_ = compose(vers_canon_, inverse(symetrie_de(t)));
    retour_ = inverse(vers_canon_);
}

std::vector<Case> forme_canonique(std::span<const Case> coups)
{
    FormeCanonique forme;
    for (const Case c : coups) forme.joue(c);
    return forme.coups();
}

} // namespace tavik
