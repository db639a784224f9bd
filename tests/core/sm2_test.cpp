#include "training/planning.h"

#include <ctime>
#include <gtest/gtest.h>
#include <numeric>
#include <tuple>

namespace tavik::test {

namespace {

// A review, then what it must leave: interval, due day, easiness and repetitions in a row.
struct Revue
{
    Jour jour;
    int erreurs, intervalle;
    Jour echeance;
    double facilite;
    int repetitions;
};

void revoit_selon(std::initializer_list<Revue> table, const ParametresSm2& p = {})
{
    std::optional<EtatLigne> e;
    for (const Revue& a : table) {
        e = apres_revue(e ? &*e : nullptr, a.erreurs, a.jour, p);
        EXPECT_EQ(std::tie(e->intervalle, e->echeance, e->repetitions),
                  std::tie(a.intervalle, a.echeance, a.repetitions))
            << "day " << a.jour;
        EXPECT_NEAR(e->facilite, a.facilite, 1e-9) << "day " << a.jour;
    }
}

} // namespace

// SM-2 by hand: grade 5 adds 0.1 to the easiness, 4 keeps it, 3 takes 0.14 off, down to 1.3;
// intervals 1 day, 6 days, then the last one times the new easiness rounded up (16.8 gives 17,
// 10 x (2.7 + 0.1) gives 28); a lapse starts again at 1 day, easiness kept.
TEST(Sm2, IntervalsGrowOnSuccessEasinessFollowsTheGradeALapseStartsAgain)
{
    // clang-format off
    revoit_selon({{0, 0, 1, 1, 2.6, 1},    {1, 0, 6, 7, 2.7, 2},   {7, 0, 17, 24, 2.8, 3},
                  {24, 0, 50, 74, 2.9, 4}, {74, 1, 1, 75, 2.9, 0}, {75, 0, 1, 76, 3.0, 1},
                  {76, 0, 6, 82, 3.1, 2},  {82, 3, 1, 83, 3.1, 0}});
    ParametresSm2 p; // grades 4 and 3 for one and two wrong moves, both recalled
    p.qualite_selon_erreurs = {5, 4, 3, 0};
    revoit_selon({{0, 1, 1, 1, 2.5, 1},     {1, 2, 6, 7, 2.36, 2},     {7, 2, 14, 21, 2.22, 3},
                  {21, 2, 30, 51, 2.08, 4}, {51, 2, 59, 110, 1.94, 5}, {110, 3, 1, 111, 1.94, 0}},
                 p);
    // clang-format on
    const EtatLigne bas {.repetitions = 3, .facilite = 1.35, .intervalle = 10, .echeance = 5};
    const EtatLigne e = apres_revue(&bas, 2, 5, p);
    EXPECT_NEAR(e.facilite, 1.3, 1e-9);
    EXPECT_EQ(e.intervalle, 13);
    const EtatLigne presque {.repetitions = 3, .facilite = 2.7, .intervalle = 10, .echeance = 5};
    EXPECT_EQ(apres_revue(&presque, 0, 5, {}).intervalle, 28);
}

// A review before its day leaves a recalled line's schedule alone, a failure is a lapse
// whenever it happens; counters and the last review follow every exercise.
TEST(Sm2, EarlyReviewKeepsTheScheduleUnlessItFails)
{
    const ParametresSm2 p;
    const EtatLigne neuve = apres_revue(nullptr, 0, 100, p);
    const EtatLigne e = apres_revue(&neuve, 0, 101, p); // interval 6, due on day 107
    EtatLigne attendu = e;
    attendu.derniere_revue = 103;
    attendu.revues = 3;
    EXPECT_EQ(apres_revue(&e, 0, 103, p), attendu);
    EXPECT_EQ(attendu.premiere_revue, 100);

    const EtatLigne ratee = apres_revue(&e, 1, 103, p);
    EXPECT_EQ(std::tie(ratee.echeance, ratee.repetitions, ratee.echecs), std::tuple(104, 0, 1));
    EXPECT_EQ(categorie(ratee, 103, p), Categorie::en_apprentissage);
    EXPECT_EQ(categorie(apres_revue(&ratee, 0, 103, p), 103, p), Categorie::connue);
    EXPECT_EQ(categorie(ratee, 104, p), Categorie::due);
    EXPECT_EQ(categorie(std::nullopt, 104, p), Categorie::nouvelle);
}

namespace {

EtatLigne etat(Jour echeance, double facilite, int derniere_qualite = 5)
{
    return {.facilite = facilite,
            .echeance = echeance,
            .derniere_qualite = derniere_qualite,
            .revues = 1};
}

// Chooses and trains (without a wrong move) until free practice: the choices in turn.
std::vector<Choix> journee(std::vector<int> lignes, Etats& etats, Jour jour, int rythme)
{
    std::vector<Choix> choix;
    while (choix.size() < 100) {
        const Choix c = choix.emplace_back(choisit_ligne(lignes, etats, jour, rythme, -1, {}));
        if (c.ligne < 0) break;
        auto& e = etats[static_cast<std::size_t>(c.ligne)];
        e = apres_revue(e ? &*e : nullptr, 0, jour, {});
    }
    return choix;
}

} // namespace

// The most overdue first, at equal dates the least easy; then new lines in file order; then
// the lines failed today; then free practice. Line 0 is not due yet, line 7 not chosen.
TEST(Planning, DueLinesFirstThenNewThenFailedToday)
{
    Etats etats = {etat(60, 2.5), etat(47, 2.5), etat(50, 2.0),    etat(47, 1.8),
                   std::nullopt,  std::nullopt,  etat(51, 2.5, 2), std::nullopt};
    const std::vector<Choix> attendus = {
        {3, Motif::revision},
        {1, Motif::revision},
        {2, Motif::revision},
        {4, Motif::nouvelle},
        {5, Motif::nouvelle},
        {6, Motif::reprise},
        {},
    };
    EXPECT_EQ(journee({0, 1, 2, 3, 4, 5, 6}, etats, 50, 10), attendus);
}

// Twenty-five new lines at ten a day: ten on the first day, then the ten due again before ten
// more new ones; lines first trained on another day do not count against today's pace.
TEST(Planning, NewLinesComeAtTheDailyPace)
{
    std::vector<int> lignes(25);
    std::iota(lignes.begin(), lignes.end(), 0);
    Etats etats(25);
    std::vector<Choix> premier, second;
    for (int i = 0; i < 20; ++i) {
        if (i < 10) premier.push_back({i, Motif::nouvelle});
        second.push_back({i, i < 10 ? Motif::revision : Motif::nouvelle});
    }
    premier.emplace_back();
    second.emplace_back();
    EXPECT_EQ(journee(lignes, etats, 10, 10), premier);
    EXPECT_EQ(journee(lignes, etats, 11, 10), second);
    EXPECT_EQ(journee(lignes, etats, 11, 12).size(), 3u); // a higher pace lets two more in
}

// The learner's own way: due before failed today before new before the one due soonest.
TEST(Planning, MostPressingLineAlongTheLearnersWay)
{
    const Etats etats
        = {etat(90, 2.5), etat(80, 2.5), std::nullopt, etat(21, 2.5, 1), etat(20, 2.5)};
    const std::vector<int> lignes = {0, 1, 2, 3, 4};
    for (const int n : {5, 4, 3, 2, 0})
        EXPECT_EQ(plus_pressante(std::span(lignes).first(n), etats, 20, {}), n - 1) << n;
}

// Days are the learner's calendar days: 2023-11-14 22:13:20 UTC is still the 14th ten hours
// west of Greenwich and already the 15th fourteen hours east of it.
TEST(Moment, LocalCalendarDays)
{
    const char* avant = std::getenv("TZ");
    const std::string sauve = avant ? avant : "";
    const auto fuseau = [](const char* tz) {
        tz ? setenv("TZ", tz, 1) : unsetenv("TZ");
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
    fuseau(avant ? sauve.c_str() : nullptr);
}

} // namespace tavik::test
