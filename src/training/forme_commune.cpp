#include "training/forme_commune.h"

#include "engine/regles.h"
#include "library/symetries.h"

#include <algorithm>
#include <cassert>

namespace tavik {

namespace {

std::vector<int> stabilisateur(const Grille& jeu)
{
    std::vector<int> stables;
    for (int s = 0; s < nb_symetries; ++s)
        if (invariante(jeu, s)) stables.push_back(s);
    return stables;
}

} // namespace

int symetrie_de(Transformation t)
{
    constexpr Case a1 {1, 1}, a2 {2, 1};
    for (int s = 0; s < nb_symetries; ++s)
        if (tavik::image(s, a1) == transforme(t, a1) && tavik::image(s, a2) == transforme(t, a2))
            return s;
    assert(false && "a transform of the board is one of its symmetries");
    return 0;
}

FormeCommune::FormeCommune(int rotation)
    : position_(position_initiale())
    // A quarter turn carries the turned start back onto the usual one.
    , vers_forme_(rotation % 2 == 0 ? 0 : 1)
    , retour_(inverse(vers_forme_))
    , stables_(stabilisateur(position_))
{
}

int FormeCommune::meilleure(Case coup) const
{
    const Case c = tavik::image(vers_forme_, coup);
    int choisie = 0;
    for (const int s : stables_)
        if (vient_avant(tavik::image(s, c), tavik::image(choisie, c))) choisie = s;
    return choisie;
}

Case FormeCommune::image(Case coup) const
{
    return tavik::image(compose(meilleure(coup), vers_forme_), coup);
}

std::vector<Case> FormeCommune::antecedents(Case image) const
{
    std::vector<Case> coups;
    for (const int s : stables_) {
        const Case c = tavik::image(retour_, tavik::image(s, image));
        if (std::find(coups.begin(), coups.end(), c) == coups.end()) coups.push_back(c);
    }
    std::sort(coups.begin(), coups.end(), vient_avant);
    return coups;
}

Case FormeCommune::vers_plateau(Case image) const
{
    return tavik::image(retour_, image);
}

bool FormeCommune::jouable(Case coup) const
{
    const Case c = tavik::image(vers_forme_, coup);
    return sur_plateau(c) && test_coup_possible(position_, trait_, c.ligne, c.colonne);
}

void FormeCommune::joue(Case coup)
{
    assert(jouable(coup));
    vers_forme_ = compose(meilleure(coup), vers_forme_);
    retour_ = inverse(vers_forme_);
    const Case c = tavik::image(vers_forme_, coup);
    coup_joue(position_, trait_, c.ligne, c.colonne);
    position_[c.ligne][c.colonne] = static_cast<int8_t>(trait_);
    coups_.push_back(c);
    trait_ = adversaire(trait_);
    stables_ = stabilisateur(position_);
}

void FormeCommune::tourne(Transformation t)
{
    // A move of the turned board is the image of a move of the board as it was.
    vers_forme_ = compose(vers_forme_, inverse(symetrie_de(t)));
    retour_ = inverse(vers_forme_);
}

} // namespace tavik
