#pragma once

#include "training/moment.h"
#include "training/retention.h"

#include <array>

namespace tavik {

// Lines are scheduled by SM-2, the algorithm of SuperMemo 2 (P. A. Wozniak, "Optimization of
// learning", 1990): each review is graded 0 to 5; a grade of 3 or more lengthens the interval
// (1 day, 6 days, then the previous interval times the item's easiness factor, rounded up); a
// lower grade starts the repetitions again at 1 day. Those intervals suit a learner of whom
// nothing is known yet. Once the learner's spaced reviews have been observed at a step (see
// Retention), a line recalled into that step gets the interval that the observations give
// when it is shorter, never under 1 day: a learner who forgets fast is then reviewed daily
// until a line holds, where SM-2's 6-day second interval would fail almost surely and start it
// again. The observations only ever shorten: at the rare high steps a few lucky recalls would
// otherwise stretch intervals far beyond what the line has shown, while SM-2's growth from the
// line's own last interval keeps pace with what it has held. Every grade moves the easiness
// by SM-2's formula, EF + 0.1 - (5 - q)(0.08 + (5 - q) 0.02): up 0.1 for a sure recall,
// unchanged for a recall after hesitation, down for a hesitant recall and further down for a
// lapse, so that the lines a learner keeps missing come back more often than those always
// found. An item graded below 4 is repeated again on the same day until it scores 4 or more,
// those repetitions changing nothing in its schedule. Every constant of the scheduling is here.
struct ParametresSm2
{
    double facilite_initiale = 2.5;
    double facilite_minimale = 1.3;
    int premier_intervalle = 1; // days
    int deuxieme_intervalle = 6; // days
    int qualite_retenue = 3; // from this grade on, the line was recalled
    int qualite_sure = 4; // below it, the line comes back the same day
    // The grade of an exercise by the number of the learner's wrong moves (0, 1, 2, 3 or more):
    // a line is recalled only when every move of it was found.
    std::array<int, 4> qualite_selon_erreurs = {5, 2, 1, 0};
    // Without a wrong move, each move that took the learner longer than this lowers the grade
    // by one, down to 3: a line found slowly is not yet known.
    int secondes_hesitation = 15;
    // How the learner's observed retention sets the intervals.
    Retention::Reglages retention {};
};

// What is remembered of one line for one colour.
struct EtatLigne
{
    int repetitions = 0; // successful reviews in a row (SM-2's n)
    double facilite = 2.5; // easiness factor (SM-2's EF)
    int intervalle = 0; // days between the last review and the next
    Jour echeance = 0; // the day the line is due again
    Jour premiere_revue = 0; // the day the line was first trained, for the pace of new lines
    Jour derniere_revue = 0;
    int derniere_qualite = 0;
    int revues = 0; // finished exercises on this line
    int echecs = 0; // of which with at least one wrong move
    friend bool operator==(const EtatLigne&, const EtatLigne&) = default;
};

// The grade of an exercise with that many wrong moves and, when there were none, that many
// slow moves.
int qualite_selon(int erreurs, const ParametresSm2& p, int hesitations = 0);

// The line's state after an exercise on day `jour` with that many wrong moves, graded by
// `qualite_selon`; `avant` is null for a line never trained. With `retention`, a recalled line
// waits no longer than the learner's observed retention gives for its next step. A review
// before the line is due (the same-day repetitions, a line met in free practice or by the
// learner's own choice) that succeeds leaves its schedule as it was; one that fails starts its
// repetitions again like any lapse.
EtatLigne apres_revue(const EtatLigne* avant, int erreurs, Jour jour, const ParametresSm2& p,
                      const Retention* retention = nullptr);
// The same after an exercise graded `qualite` (a grade below `qualite_retenue` is a failure).
EtatLigne apres_revue_notee(const EtatLigne* avant, int qualite, Jour jour, const ParametresSm2& p,
                            const Retention* retention = nullptr);

} // namespace tavik
