#pragma once

// The memory of the simulated learner: how it forgets and what an exercise does to it.

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace tavik {

// Two models of memory, each item with a difficulty drawn once (a factor 0.5 to 2, uniform in
// its logarithm: -1 the hardest, +1 the easiest).
//
// `exponentiel`: R = exp(-t / S), t in days since the item's last exercise. The first exercise
// gives S = `stabilite` times the item's factor; an exercise recalled multiplies S by up to
// `croissance`, the full factor once the memory had faded to 90 % or less, less for a
// repetition that came too soon to teach much (the spacing effect); one missed starts it again
// from the first value, the learner having been shown the move. A harsh learner: a lapse
// forgets everything that the item had built.
//
// `fsrs`: the memory model of FSRS-4.5 (Jarrett Ye, open-spaced-repetition, "The Algorithm",
// version 4.5) with its published default weights, fitted on the reviews of many learners:
// a power forgetting curve R = (1 + 19/81 t / S)^-0.5, so that R = 90 % when t = S; a recall
// multiplies S by more the lower R was, the lower S already is and the easier the item; a
// lapse keeps part of S. An exercise recalled counts as "Good", one missed as "Again"; the
// item's first difficulty lies between those of a first "Easy" and a first "Again". Reviews
// on the day of a previous one leave the memory as it was, as in FSRS-4.5. The learner's clock
// runs `horloge` times faster than the calendar: 1 is FSRS's average learner, more forgets
// faster.
enum class Modele { exponentiel, fsrs };

struct Profil
{
    const char* nom;
    Modele modele;
    double stabilite = 0; // exponentiel
    double croissance = 0; // exponentiel
    double horloge = 1; // fsrs
};
constexpr Profil profils[] = {
    {"oublie vite", Modele::exponentiel, 1.0, 2.0},
    {"oublie lentement", Modele::exponentiel, 3.0, 3.0},
    {"FSRS moyen", Modele::fsrs, 0, 0, 1.0},
    {"FSRS 4x plus vite", Modele::fsrs, 0, 0, 4.0},
};

namespace fsrs {
constexpr std::array<double, 17> w
    = {0.4872, 1.4003, 3.7145, 13.8206, 5.1618, 1.2298, 0.8975, 0.031, 1.6474,
       0.1367, 1.0461, 2.1072, 0.0793,  0.3246, 1.587,  0.2272, 2.8755};
// The probability of recall `jours` days after the last review.
inline double rappel(double jours, double s)
{
    return std::pow(1.0 + 19.0 / 81.0 * jours / s, -0.5);
}
// Difficulty after a grade (1 "Again", 3 "Good"), drawn slightly back to a first "Good"'s.
inline double difficulte(double d, int note)
{
    return std::clamp(w[7] * w[4] + (1.0 - w[7]) * (d - w[6] * (note - 3)), 1.0, 10.0);
}
// Stability after a recall, and after a lapse (never above what it was).
inline double apres_rappel(double d, double s, double r)
{
    return s
        * (1.0
           + std::exp(w[8]) * (11.0 - d) * std::pow(s, -w[9])
               * (std::exp(w[10] * (1.0 - r)) - 1.0));
}
inline double apres_oubli(double d, double s, double r)
{
    return std::min(s,
                    w[11] * std::pow(d, -w[12]) * (std::pow(s + 1.0, w[13]) - 1.0)
                        * std::exp(w[14] * (1.0 - r)));
}
} // namespace fsrs

struct Memoire
{
    const Profil& profil;
    std::vector<double> facteur, stabilite, difficulte, derniere;
    std::vector<bool> vu;

    Memoire(const Profil& p, int nb_items, std::mt19937& gen)
        : profil(p)
        , facteur(nb_items)
        , stabilite(nb_items)
        , difficulte(nb_items)
        , derniere(nb_items)
        , vu(nb_items)
    {
        std::uniform_real_distribution<double> log2(-1.0, 1.0);
        for (int i = 0; i < nb_items; ++i) {
            const double u = log2(gen);
            facteur[i] = std::exp2(u);
            difficulte[i] = std::clamp(fsrs::w[4] + fsrs::w[5] * (0.5 - 1.5 * u), 1.0, 10.0);
        }
    }
    double rappel(int i, double t) const
    {
        if (!vu[i]) return 0.0;
        if (profil.modele == Modele::fsrs)
            return fsrs::rappel(profil.horloge * (t - derniere[i]), stabilite[i]);
        return std::exp(-(t - derniere[i]) / stabilite[i]);
    }
    void revoit(int i, double t, bool retenu)
    {
        if (profil.modele == Modele::fsrs)
            revoit_fsrs(i, t, retenu);
        else
            revoit_exponentiel(i, t, retenu);
        derniere[i] = t;
        vu[i] = true;
    }

private:
    void revoit_exponentiel(int i, double t, bool retenu)
    {
        const double oubli = std::min(1.0, (1.0 - rappel(i, t)) / 0.1);
        stabilite[i] = vu[i] && retenu ? stabilite[i] * (1.0 + (profil.croissance - 1.0) * oubli)
                                       : profil.stabilite * facteur[i];
    }
    void revoit_fsrs(int i, double t, bool retenu)
    {
        if (!vu[i]) {
            stabilite[i] = retenu ? fsrs::w[2] : fsrs::w[0];
            return;
        }
        if (std::floor(t) == std::floor(derniere[i])) return; // the same day
        const double r = rappel(i, t);
        const double d = difficulte[i];
        stabilite[i] = retenu ? fsrs::apres_rappel(d, stabilite[i], r)
                              : fsrs::apres_oubli(d, stabilite[i], r);
        difficulte[i] = fsrs::difficulte(d, retenu ? 3 : 1);
    }
};

} // namespace tavik
