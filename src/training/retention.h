#pragma once

#include "training/moment.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace tavik {

// What the learner's reviews show of their memory, step by step. A line's step is the number
// of times in a row it was recalled at a review on a later day than the one before; each such
// review (a "spaced" review) tells, for its step, how many days had passed and whether the
// line was still known. Under exponential forgetting a step whose lines were recalled at a rate
// R after I days on average holds them for I / -ln R days, so that the interval giving the
// wanted retention Rv there is I * ln Rv / ln R: the interval modifier of Anki's manual,
// log(desired retention) / log(observed retention), taken per step and applied to the
// intervals actually used at that step rather than to one global modifier: the first recalls
// of a learner who forgets fast are fragile and need short intervals, later ones hold much
// longer, and one modifier for all would be wrong for both.
class Retention
{
public:
    // Steps 0 to `paliers` - 1 are observed; beyond, SM-2's growth goes on from the last
    // interval.
    static constexpr int paliers = 12;

    // How much the observations weigh: each new one at a step scales the older ones there by
    // 1 - 1 / `fenetre`, so that the estimate follows the learner as they change; `a_priori`
    // reviews recalled at the wanted rate are added, so that a step seen once is not judged on
    // that review alone; the modifier stays within [0, `modificateur_max`].
    struct Reglages
    {
        double retention_voulue = 0.9;
        double fenetre = 30.0;
        double a_priori = 2.0;
        double modificateur_max = 2.0;
    };

    Retention() = default;
    explicit Retention(Reglages r)
        : reglages_(r)
    {
    }

    // A spaced review of a line at step `palier`, `jours` days after the one before.
    void ajoute(int palier, int jours, bool retenue);
    // The interval, in days (at least 1), that the observations give to a line's next review at
    // step `palier`; nothing when that step was never observed.
    std::optional<int> intervalle(int palier) const;
    // The retention observed at the step, with the prior; nothing when never observed.
    std::optional<double> observee(int palier) const;

private:
    struct Palier
    {
        double revues = 0.0, retenues = 0.0, jours = 0.0;
    };
    Reglages reglages_;
    std::array<Palier, paliers> paliers_ {};
};

// One finished exercise as the notebook keeps it: the line's row, its day and its grade.
struct RevuePassee
{
    std::int64_t ligne = 0;
    Jour jour = 0;
    int qualite = 0;
    friend bool operator==(const RevuePassee&, const RevuePassee&) = default;
};

// The retention of a learner's past exercises, sorted by line then in the order they were
// made; a grade from `qualite_retenue` on is a recall. The step of each review is counted
// again from the history: the recalls in a row on days after the previous review, the first
// exercise of a line included, back to zero on any failure.
Retention retention_de(std::span<const RevuePassee> historique, int qualite_retenue,
                       Retention::Reglages reglages = {});

} // namespace tavik
