#pragma once

// The memory of the simulated learner: how it forgets and what an exercise does to it.

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace tavik {

// How a learner forgets: an exponential curve per item, R = exp(-t / S), t in days since its
// last exercise. The first exercise gives S = `stabilite` times the item's difficulty factor
// (0.5 to 2, drawn once per item); an exercise recalled multiplies S by up to `croissance`,
// the full factor once the memory had faded to 90 % or less, less for a repetition that came
// too soon to teach much (the spacing effect); one missed starts it again from the first
// value, the learner having been shown the move.
struct Profil
{
    const char* nom;
    double stabilite;
    double croissance;
};
constexpr Profil profils[] = {{"oublie vite", 1.0, 2.0}, {"oublie lentement", 3.0, 3.0}};

struct Memoire
{
    const Profil& profil;
    std::vector<double> facteur, stabilite, derniere;
    std::vector<bool> vu;

    Memoire(const Profil& p, int nb_items, std::mt19937& gen)
        : profil(p)
        , facteur(nb_items)
        , stabilite(nb_items)
        , derniere(nb_items)
        , vu(nb_items)
    {
        std::uniform_real_distribution<double> log2(-1.0, 1.0);
        for (double& f : facteur) f = std::exp2(log2(gen));
    }
    double rappel(int i, double t) const
    {
        return vu[i] ? std::exp(-(t - derniere[i]) / stabilite[i]) : 0.0;
    }
    void revoit(int i, double t, bool retenu)
    {
        const double oubli = std::min(1.0, (1.0 - rappel(i, t)) / 0.1);
        stabilite[i] = vu[i] && retenu ? stabilite[i] * (1.0 + (profil.croissance - 1.0) * oubli)
                                       : profil.stabilite * facteur[i];
        derniere[i] = t;
        vu[i] = true;
    }
};

} // namespace tavik
