#pragma once

#include "training/moment.h"
#include "training/sm2.h"

#include <optional>
#include <span>
#include <vector>

namespace tavik {

// What is remembered of each line of the repertoire for one colour, by line; nothing for a
// line never trained.
using Etats = std::vector<std::optional<EtatLigne>>;

// New lines introduced per day and colour unless the learner says otherwise.
inline constexpr int nouvelles_par_jour_par_defaut = 10;

// Where a line stands on a given day.
enum class Categorie {
    nouvelle, // never trained
    due, // its review is due today or overdue
    en_apprentissage, // failed at its last review and not yet found again
    connue, // recalled at its last review and not due
};
Categorie categorie(const std::optional<EtatLigne>& etat, Jour jour, const ParametresSm2& p);

// Why a line is the next exercise.
enum class Motif {
    revision, // it is due
    nouvelle, // a new line, within the day's pace
    reprise, // failed today: repeated until it is found again
    libre, // nothing to do today: free practice, any line of the choice
};

struct Choix
{
    int ligne = -1; // -1 for free practice
    Motif motif = Motif::libre;
    friend bool operator==(const Choix&, const Choix&) = default;
};

// The number of lines first trained on `jour`.
int nouvelles_du_jour(const Etats& etats, Jour jour);

// The lines among `lignes` first trained before `jour` that have not been recalled at a review
// on a later day since they were first shown or last missed: those the learner still fails.
int lignes_en_echec(std::span<const int> lignes, const Etats& etats, Jour jour);

// A line failed (or found only after hesitating) comes back once this many other exercises
// have passed: soon enough to relearn it, late enough not to be a mere echo.
inline constexpr int ecart_reprise = 2;

// What a session knows besides the states.
struct Contexte
{
    Jour jour = 0;
    int nouvelles_par_jour = nouvelles_par_jour_par_defaut;
    std::span<const int> recentes; // the lines of the session's exercises, the last one last
    std::span<const int> ordre_nouvelles; // per line, the order of the new lines; empty: file
                                          // order
};

// The next exercise among `lignes`: first the lines failed today whose relearning step has
// come (not among the last `ecart_reprise` exercises), the one failed longest ago first; then
// the due lines, the one that has gone least past its interval, relative to the interval's
// length, first (then the earliest due, the easiest, in file order); then new
// lines in their order, while fewer than `nouvelles_par_jour` lines were first trained today
// and fewer than half that pace (at least one) are still failed (`lignes_en_echec`); then the
// lines failed today that have just been trained; else free practice. The second limit paces
// new lines by how the learner is doing: every line still failed comes back daily, misses
// cost a relearning exercise each, and for a learner who forgets fast a line takes many days
// to hold, so that new lines taken on while many fail only crowd the days and delay them all.
// The order of due lines matters when more are due than the learner trains that day: those
// just due, and among them the easiest, are the likeliest still known, and a review now keeps
// them, while a line long past its interval, or one that the learner keeps missing, is most
// likely forgotten already and costs the same relearning a day later.
Choix choisit_ligne(std::span<const int> lignes, const Etats& etats, const Contexte& contexte,
                    const ParametresSm2& p);

// The most pressing line among lines that the game already goes towards, whatever the pace
// of new lines: due, then failed today, then new (in `ordre_nouvelles`, as for the choice of
// the next exercise: the shorter before the deeper), then the one due soonest. -1 when there
// is none.
int plus_pressante(std::span<const int> lignes, const Etats& etats, Jour jour,
                   const ParametresSm2& p, std::span<const int> ordre_nouvelles = {});

} // namespace tavik
