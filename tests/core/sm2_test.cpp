#include "training/planning.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace tavik::test {

namespace {

struct Attendu
{
    Jour jour;
    int erreurs;
    int intervalle;
    Jour echeance;
    double facilite;
    int repetitions;
};

void revoit_selon(const std::vector<Attendu>& table, const ParametresSm2& p = {})
{
    std::optional<EtatLigne> e;
    for (const Attendu& a : table) {
        SCOPED_TRACE("jour " + std::to_string(a.jour));
        e = apres_revue(e ? &*e : nullptr, a.erreurs, a.jour, p);
        EXPECT_EQ(e->intervalle, a.intervalle);
        EXPECT_EQ(e->echeance, a.echeance);
        EXPECT_NEAR(e->facilite, a.facilite, 1e-9);
        EXPECT_EQ(e->repetitions, a.repetitions);
    }
}

} // namespace

// SM-2 by hand: a grade of 5 adds 0.1 to the easiness; intervals are 1 day, 6 days, then the
// last one times the new easiness, rounded up (6 x 2.8 = 16.8 gives 17). A lapse starts again
// at 1 day and keeps the easiness.
TEST(Sm2, IntervalsGrowOnSuccessAndStartAgainAfterALapse)
{
    revoit_selon({
        {0, 0, 1, 1, 2.6, 1},
        {1, 0, 6, 7, 2.7, 2},
        {7, 0, 17, 24, 2.8, 3},
        {24, 0, 50, 74, 2.9, 4},
        {74, 1, 1, 75, 2.9, 0},
        {75, 0, 1, 76, 3.0, 1},
        {76, 0, 6, 82, 3.1, 2},
        {82, 3, 1, 83, 3.1, 0},
    });
}

// With grades 4 and 3 for one and two wrong moves: 4 keeps the easiness, 3 takes 0.14 off, down
// to 1.3 and no lower; both count as recalled, a grade 0 does not.
TEST(Sm2, LowerGradesLowerTheEasinessDownToItsFloor)
{
    ParametresSm2 p;
    p.qualite_selon_erreurs = {5, 4, 3, 0};
    revoit_selon(
        {
            {0, 1, 1, 1, 2.5, 1},
            {1, 2, 6, 7, 2.36, 2},
            {7, 2, 14, 21, 2.22, 3}, // 6 x 2.22 = 13.32
            {21, 2, 30, 51, 2.08, 4}, // 14 x 2.08 = 29.12
            {51, 2, 59, 110, 1.94, 5}, // 30 x 1.94 = 58.2
            {110, 3, 1, 111, 1.94, 0},
        },
        p);
    EtatLigne e;
    e.facilite = 1.35;
    e.repetitions = 3;
    e.intervalle = 10;
    e.echeance = 5;
    EXPECT_NEAR(apres_revue(&e, 2, 5, p).facilite, 1.3, 1e-9);
    EXPECT_EQ(apres_revue(&e, 2, 5, p).intervalle, 13); // 10 x 1.3
}

// A review before the day it is due (the same-day repetition of a failed line, free practice)
// leaves a recalled line's schedule alone; a failure is a lapse whenever it happens. Counters
// and the last review follow every exercise.
TEST(Sm2, EarlyReviewKeepsTheScheduleUnlessItFails)
{
    const ParametresSm2 p;
    const EtatLigne neuve = apres_revue(nullptr, 0, 100, p);
    EtatLigne e = apres_revue(&neuve, 0, 101, p); // interval 6, due on day 107
    const EtatLigne en_avance = apres_revue(&e, 0, 103, p);
    EXPECT_EQ(en_avance.echeance, 107);
    EXPECT_EQ(en_avance.intervalle, 6);
    EXPECT_EQ(en_avance.repetitions, 2);
    EXPECT_NEAR(en_avance.facilite, 2.7, 1e-9);
    EXPECT_EQ(en_avance.derniere_revue, 103);
    EXPECT_EQ(en_avance.revues, 3);
    EXPECT_EQ(en_avance.premiere_revue, 100);

    const EtatLigne ratee = apres_revue(&e, 1, 103, p);
    EXPECT_EQ(ratee.echeance, 104);
    EXPECT_EQ(ratee.repetitions, 0);
    EXPECT_EQ(ratee.echecs, 1);
    EXPECT_EQ(categorie(ratee, 103, p), Categorie::en_apprentissage);
    EXPECT_EQ(categorie(apres_revue(&ratee, 0, 103, p), 103, p), Categorie::connue);
    EXPECT_EQ(categorie(ratee, 104, p), Categorie::due);
    EXPECT_EQ(categorie(std::nullopt, 104, p), Categorie::nouvelle);
}

namespace {

EtatLigne etat(Jour echeance, double facilite, int derniere_qualite = 5, Jour premiere = 0)
{
    EtatLigne e;
    e.echeance = echeance;
    e.facilite = facilite;
    e.derniere_qualite = derniere_qualite;
    e.premiere_revue = premiere;
    e.revues = 1;
    return e;
}

// Chooses and trains (without a wrong move) until free practice; the lines in the order met.
std::vector<Choix> journee(std::vector<int> lignes, Etats& etats, Jour jour, int rythme)
{
    const ParametresSm2 p;
    std::vector<Choix> choix;
    int precedente = -1;
    for (Choix c; (c = choisit_ligne(lignes, etats, jour, rythme, precedente, p)).ligne >= 0;) {
        choix.push_back(c);
        auto& e = etats[static_cast<std::size_t>(c.ligne)];
        e = apres_revue(e ? &*e : nullptr, 0, jour, p);
        precedente = c.ligne;
        if (choix.size() > 100) break;
    }
    return choix;
}

} // namespace

// Overdue lines first, the most overdue first and at equal dates the least easy; then new lines
// in file order; then the lines failed today; then free practice. Line 0 is not due yet, line 7
// is outside the choice.
TEST(Planning, DueLinesFirstThenNewThenFailedToday)
{
    const Jour j = 50;
    Etats etats = {etat(60, 2.5), etat(47, 2.5), etat(50, 2.0),    etat(47, 1.8),
                   std::nullopt,  std::nullopt,  etat(51, 2.5, 2), std::nullopt};
    const std::vector<Choix> attendus = {
        {3, Motif::revision}, {1, Motif::revision}, {2, Motif::revision},
        {4, Motif::nouvelle}, {5, Motif::nouvelle}, {6, Motif::reprise},
    };
    EXPECT_EQ(journee({0, 1, 2, 3, 4, 5, 6}, etats, j, 10), attendus);
    EXPECT_EQ(choisit_ligne(std::vector {0, 1, 2, 3, 4, 5, 6}, etats, j, 10, -1, {}), Choix {});
}

// Twenty-five new lines at ten a day: ten on the first day, then the ten due again before ten
// more new ones; lines first trained on another day do not count against today's pace.
TEST(Planning, NewLinesComeAtTheDailyPace)
{
    std::vector<int> lignes(25);
    for (int i = 0; i < 25; ++i) lignes[static_cast<std::size_t>(i)] = i;
    Etats etats(25);
    const std::vector<Choix> premier = journee(lignes, etats, 10, 10);
    ASSERT_EQ(premier.size(), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(premier[static_cast<std::size_t>(i)], (Choix {i, Motif::nouvelle}));
    EXPECT_EQ(nouvelles_du_jour(etats, 10), 10);

    const std::vector<Choix> second = journee(lignes, etats, 11, 10);
    ASSERT_EQ(second.size(), 20u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(second[static_cast<std::size_t>(i)].motif, Motif::revision);
    for (int i = 10; i < 20; ++i)
        EXPECT_EQ(second[static_cast<std::size_t>(i)], (Choix {i, Motif::nouvelle}));
    EXPECT_EQ(journee(lignes, etats, 11, 12).size(), 2u); // a higher pace lets two more in
}

// The learner's own way: due before failed today before new before the one due soonest.
TEST(Planning, MostPressingLineAlongTheLearnersWay)
{
    const ParametresSm2 p;
    const Etats etats
        = {etat(90, 2.5), etat(80, 2.5), std::nullopt, etat(21, 2.5, 1), etat(20, 2.5)};
    EXPECT_EQ(plus_pressante(std::vector {0, 1, 2, 3, 4}, etats, 20, p), 4);
    EXPECT_EQ(plus_pressante(std::vector {0, 1, 2, 3}, etats, 20, p), 3);
    EXPECT_EQ(plus_pressante(std::vector {0, 1, 2}, etats, 20, p), 2);
    EXPECT_EQ(plus_pressante(std::vector {0, 1}, etats, 20, p), 1);
    EXPECT_EQ(plus_pressante(std::vector<int> {}, etats, 20, p), -1);
}

// Days are the learner's calendar days: 2023-11-14 22:13:20 UTC is still the 14th ten hours
// west of Greenwich and already the 15th fourteen hours east of it.
TEST(Moment, LocalCalendarDays)
{
    const char* avant = std::getenv("TZ");
    const std::string sauve = avant ? avant : "";
    const auto fuseau = [](const char* tz) {
        setenv("TZ", tz, 1);
        tzset();
    };
    const std::time_t t = 1'700'000'000;
    fuseau("UTC0");
    EXPECT_EQ(moment_local(t), (Moment {t, 19'675}));
    EXPECT_EQ(horodatage_local(t), "20231114-221320");
    fuseau("HST10");
    EXPECT_EQ(moment_local(t).jour, 19'675);
    fuseau("KIT-14");
    EXPECT_EQ(moment_local(t).jour, 19'676);
    EXPECT_EQ(horodatage_local(t), "20231115-121320");
    if (avant)
        fuseau(sauve.c_str());
    else {
        unsetenv("TZ");
        tzset();
    }
}

} // namespace tavik::test
