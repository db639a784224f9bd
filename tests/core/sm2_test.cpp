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

// SM-2 by hand: grade 5 adds 0.1 to the easiness, 4 keeps it, 3 takes 0.14 off, 2 takes 0.32
// off, 0 takes 0.8 off, down to 1.3; intervals 1 day, 6 days, then the last one times the new
// easiness rounded up (16.8 gives 17, 10 x (2.7 + 0.1) gives 28); a lapse starts again at 1 day
// with a lower easiness.
TEST(Sm2, IntervalsGrowOnSuccessEasinessFallsOnALapse)
{
    // clang-format off
    revoit_selon({{0, 0, 1, 1, 2.6, 1},     {1, 0, 6, 7, 2.7, 2},    {7, 0, 17, 24, 2.8, 3},
                  {24, 0, 50, 74, 2.9, 4},  {74, 1, 1, 75, 2.58, 0}, {75, 0, 1, 76, 2.68, 1},
                  {76, 0, 6, 82, 2.78, 2},  {82, 3, 1, 83, 1.98, 0}});
    ParametresSm2 p; // grades 4 and 3 for one and two wrong moves, both recalled
    p.qualite_selon_erreurs = {5, 4, 3, 0};
    revoit_selon({{0, 1, 1, 1, 2.5, 1},     {1, 2, 6, 7, 2.36, 2},     {7, 2, 14, 21, 2.22, 3},
                  {21, 2, 30, 51, 2.08, 4}, {51, 2, 59, 110, 1.94, 5}, {110, 3, 1, 111, 1.3, 0}},
                 p);
    // clang-format on
    const EtatLigne bas {.repetitions = 3, .facilite = 1.35, .intervalle = 10, .echeance = 5};
    const EtatLigne e = apres_revue(&bas, 2, 5, p);
    EXPECT_NEAR(e.facilite, 1.3, 1e-9);
    EXPECT_EQ(e.intervalle, 13);
    const EtatLigne presque {.repetitions = 3, .facilite = 2.7, .intervalle = 10, .echeance = 5};
    EXPECT_EQ(apres_revue(&presque, 0, 5, {}).intervalle, 28);
}

// Grades: 5, 2, 1, 0 by wrong moves; without one, each slow move lowers 5 by one, down to 3.
// Graded 4 (one slow move), a line keeps its easiness; graded 3 it loses 0.14 and comes back
// the same day.
TEST(Sm2, HesitationLowersTheGrade)
{
    const ParametresSm2 p;
    const int attendues[3][4] = {{5, 4, 3, 3}, {2, 2, 2, 2}, {0, 0, 0, 0}};
    for (const int erreurs : {0, 1, 3})
        for (int h = 0; h < 4; ++h)
            EXPECT_EQ(qualite_selon(erreurs, p, h), attendues[std::min(erreurs, 2)][h])
                << erreurs << " errors, " << h << " slow moves";
    const EtatLigne e {.repetitions = 2,
                       .facilite = 2.5,
                       .intervalle = 6,
                       .echeance = 10,
                       .derniere_qualite = 5,
                       .revues = 2};
    EXPECT_NEAR(apres_revue_notee(&e, 4, 10, p).facilite, 2.5, 1e-9);
    const EtatLigne hesitee = apres_revue_notee(&e, 3, 10, p);
    EXPECT_NEAR(hesitee.facilite, 2.36, 1e-9);
    EXPECT_EQ(hesitee.intervalle, 15);
    EXPECT_EQ(categorie(hesitee, 10, p), Categorie::en_apprentissage);
    EXPECT_EQ(hesitee.echecs, 0);
}

// Over 180 days of reviews on their day, a line missed at every other review ends far less easy
// than a line always found, and comes back more often.
TEST(Sm2, HardLinesEndLessEasyThanEasyOnes)
{
    const ParametresSm2 p;
    const auto jusqua_180 = [&](bool difficile) {
        std::optional<EtatLigne> e;
        int revues = 0;
        for (Jour j = 0; j <= 180; j = e->echeance, ++revues)
            e = apres_revue(e ? &*e : nullptr, difficile && revues % 2 == 1 ? 1 : 0, j, p);
        return std::pair {e->facilite, revues};
    };
    const auto [facile, revues_facile] = jusqua_180(false);
    const auto [difficile, revues_difficile] = jusqua_180(true);
    EXPECT_LT(difficile, p.facilite_minimale + 0.15);
    EXPECT_GT(facile, 2.5);
    EXPECT_GT(revues_difficile, 2 * revues_facile);
}

// A review before its day leaves a recalled line's schedule alone, a failure is a lapse
// whenever it happens; a new line missed at first sight and the same-day repetitions of a
// line not found again keep their easiness; counters and the last review follow every
// exercise.
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
    EXPECT_NEAR(ratee.facilite, e.facilite - 0.32, 1e-9);
    EXPECT_NEAR(apres_revue(&ratee, 2, 103, p).facilite, ratee.facilite, 1e-9);
    EXPECT_NEAR(apres_revue(nullptr, 3, 103, p).facilite, 2.5, 1e-9);
    EXPECT_EQ(categorie(ratee, 103, p), Categorie::en_apprentissage);
    EXPECT_EQ(categorie(apres_revue(&ratee, 0, 103, p), 103, p), Categorie::connue);
    EXPECT_EQ(categorie(ratee, 104, p), Categorie::due);
    EXPECT_EQ(categorie(std::nullopt, 104, p), Categorie::nouvelle);
}

// Anki's interval modifier, log(0.9) / log(observed retention), at each step: without decay nor
// prior, 10 reviews after 20 days of which 8 recalled give 20 x 0.1054 / 0.2231 = 9.44, so 9
// days; 1 of 10 recalled after 6 days gives 0.27, so the 1-day floor; all recalled after 15
// days give at most twice as long. A step never observed has none and SM-2's interval holds.
TEST(Retention, IntervalFromTheRetentionObservedAtTheStep)
{
    Retention exacte({.fenetre = 1e12, .a_priori = 0.0});
    for (int i = 0; i < 10; ++i) {
        exacte.ajoute(3, 20, i < 8);
        exacte.ajoute(2, 6, i == 0);
        exacte.ajoute(4, 15, true);
    }
    EXPECT_EQ(exacte.intervalle(3), 9);
    EXPECT_EQ(exacte.intervalle(2), 1);
    EXPECT_EQ(exacte.intervalle(4), 30);
    EXPECT_EQ(exacte.intervalle(1), std::nullopt);
    EXPECT_EQ(exacte.intervalle(Retention::paliers), std::nullopt);

    // The defaults: two reviews at the wanted rate are added, so that one failure at a step
    // is not taken for a retention of zero; older reviews weigh less than recent ones.
    Retention r;
    r.ajoute(2, 6, false);
    EXPECT_NEAR(*r.observee(2), 1.8 / 3, 1e-9);
    for (int i = 0; i < 200; ++i) r.ajoute(5, 10, i < 100); // half recalled, then none
    EXPECT_LT(*r.observee(5), 0.1);
}

// A learner who forgets fast: with SM-2 alone a line recalled twice waits 6 days; once reviews
// after 6 days were seen to fail at that step, it comes back the next day, and the steps after
// it grow from that interval by the easiness where nothing was observed. A lapse keeps SM-2's
// 1 day.
TEST(Retention, AFastForgetterIsReviewedSooner)
{
    const ParametresSm2 p;
    const EtatLigne une_fois = apres_revue(nullptr, 0, 100, p);
    ASSERT_EQ(une_fois.repetitions, 1);
    Retention r;
    EXPECT_EQ(apres_revue(&une_fois, 0, 101, p, &r).intervalle, 6);
    for (int i = 0; i < 5; ++i) r.ajoute(2, 6, false);
    const EtatLigne deux_fois = apres_revue(&une_fois, 0, 101, p, &r);
    EXPECT_EQ(std::tie(deux_fois.intervalle, deux_fois.echeance, deux_fois.repetitions),
              std::tuple(1, 102, 2));
    EXPECT_EQ(apres_revue(&deux_fois, 0, 102, p, &r).intervalle, 3); // 1 x 2.8, rounded up
    EXPECT_EQ(apres_revue(&deux_fois, 1, 102, p, &r).intervalle, 1);
    // Recalls seen to hold longer than SM-2's interval never lengthen it: 6 days, not 12.
    Retention tenace;
    for (int i = 0; i < 20; ++i) tenace.ajoute(2, 6, true);
    ASSERT_EQ(tenace.intervalle(2), 12);
    EXPECT_EQ(apres_revue(&une_fois, 0, 101, p, &tenace).intervalle, 6);
}

// The step of each past review is counted again from the history: recalls in a row on later
// days, the first exercise included; same-day repetitions tell nothing; a miss starts again.
TEST(Retention, ReadFromTheHistoryOfEachLine)
{
    const std::vector<RevuePassee> historique = {
        {1, 0, 0}, {1, 1, 5}, {1, 1, 5}, {1, 3, 4}, {1, 10, 2}, {1, 11, 1}, // steps 0, 1, 2, 0
        {2, 0, 5}, {2, 2, 5}, {2, 2, 0}, {2, 5, 3}, // steps 1, 0
    };
    const Retention r = retention_de(historique, 3, {.fenetre = 1e12, .a_priori = 0.0});
    EXPECT_NEAR(*r.observee(0), 2.0 / 3, 1e-9);
    EXPECT_NEAR(*r.observee(1), 1.0, 1e-9);
    EXPECT_NEAR(*r.observee(2), 0.0, 1e-9);
    EXPECT_EQ(r.observee(3), std::nullopt);
    // Step 1 was reviewed after 2 days twice, step 0 after 1, 1 and 3 days.
    Retention attendue({.fenetre = 1e12, .a_priori = 0.0});
    for (const auto& [palier, jours, retenue] : {std::tuple(0, 1, true),
                                                 {1, 2, true},
                                                 {2, 7, false},
                                                 {0, 1, false},
                                                 {1, 2, true},
                                                 {0, 3, true}})
        attendue.ajoute(palier, jours, retenue);
    for (int palier = 0; palier < 3; ++palier)
        EXPECT_EQ(r.intervalle(palier), attendue.intervalle(palier)) << palier;
}

namespace {

EtatLigne etat(Jour echeance, double facilite, int derniere_qualite = 5)
{
    return {.facilite = facilite,
            .echeance = echeance,
            .derniere_qualite = derniere_qualite,
            .revues = 1};
}

// Chooses and trains until free practice, missing the lines of `ratees` at their first
// exercise of the day: the choices in turn.
std::vector<Choix> journee(std::vector<int> lignes, Etats& etats, Jour jour, int rythme,
                           std::vector<int> ratees = {}, std::vector<int> ordre = {})
{
    std::vector<Choix> choix;
    std::vector<int> recentes;
    while (choix.size() < 100) {
        const Choix c
            = choix.emplace_back(choisit_ligne(lignes, etats, {jour, rythme, recentes, ordre}, {}));
        if (c.ligne < 0) break;
        auto& e = etats[static_cast<std::size_t>(c.ligne)];
        const auto r = std::find(ratees.begin(), ratees.end(), c.ligne);
        e = apres_revue(e ? &*e : nullptr, r != ratees.end(), jour, {});
        if (r != ratees.end()) ratees.erase(r);
        recentes.push_back(c.ligne);
    }
    return choix;
}

} // namespace

// Due lines equally far past their interval: the earliest due first, at equal dates the
// easiest; then new lines in file order; then the line failed today; then free practice. Line
// 0 is not due yet, line 7 not chosen.
TEST(Planning, DueLinesFirstThenNewThenFailedToday)
{
    Etats etats = {etat(60, 2.5), etat(47, 2.5), etat(50, 2.0),    etat(47, 1.8),
                   std::nullopt,  std::nullopt,  etat(51, 2.5, 2), std::nullopt};
    const std::vector<Choix> attendus = {
        {6, Motif::reprise}, // failed in an earlier session today: its step has come
        {1, Motif::revision}, {3, Motif::revision}, {2, Motif::revision},
        {4, Motif::nouvelle}, {5, Motif::nouvelle}, {},
    };
    EXPECT_EQ(journee({0, 1, 2, 3, 4, 5, 6}, etats, 50, 10), attendus);
}

// Due lines the least past their interval first, relative to its length: on day 50, line 1
// (30 days, due today) before line 2 (15 days, due 5 days ago, a third past it) before line 0
// (1 day, due 9 days ago, nine times past it), whatever their due dates.
TEST(Planning, DueLinesLeastPastTheirIntervalFirst)
{
    const auto revue = [](Jour derniere, int intervalle) {
        return EtatLigne {.repetitions = 3,
                          .intervalle = intervalle,
                          .echeance = derniere + intervalle,
                          .derniere_revue = derniere,
                          .derniere_qualite = 5,
                          .revues = 3};
    };
    Etats etats = {revue(40, 1), revue(20, 30), revue(30, 15)};
    const std::vector<Choix> attendus
        = {{1, Motif::revision}, {2, Motif::revision}, {0, Motif::revision}, {}};
    EXPECT_EQ(journee({0, 1, 2}, etats, 50, 10), attendus);
}

// A line missed comes back two exercises later, before due and new lines, until found; two
// missed lines take turns, never one twice in a row.
TEST(Planning, AMissComesBackWithinAFewExercises)
{
    Etats etats
        = {etat(50, 2.5), etat(50, 2.5), etat(50, 2.5), std::nullopt, std::nullopt, std::nullopt};
    const std::vector<Choix> attendus = {
        {0, Motif::revision}, // missed
        {1, Motif::revision}, // missed
        {2, Motif::revision},
        {0, Motif::reprise},
        {1, Motif::reprise},
        {3, Motif::nouvelle},
        {4, Motif::nouvelle},
        {5, Motif::nouvelle},
        {},
    };
    EXPECT_EQ(journee({0, 1, 2, 3, 4, 5}, etats, 50, 10, {0, 1}), attendus);

    Etats deux = {std::nullopt, std::nullopt};
    const std::vector<Choix> tour = {{0, Motif::nouvelle},
                                     {1, Motif::nouvelle},
                                     {0, Motif::reprise},
                                     {1, Motif::reprise},
                                     {0, Motif::reprise},
                                     {1, Motif::reprise},
                                     {}};
    EXPECT_EQ(journee({0, 1}, deux, 50, 10, {0, 1, 0, 1}), tour);
}

// Twenty-five new lines at ten a day: ten on the first day, then the ten due again before ten
// more new ones; lines first trained on another day do not count against today's pace. New
// lines come in the order given.
TEST(Planning, NewLinesComeAtTheDailyPaceInTheirOrder)
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

    Etats neufs(3);
    const std::vector<Choix> ordonnes
        = {{2, Motif::nouvelle}, {0, Motif::nouvelle}, {1, Motif::nouvelle}, {}};
    EXPECT_EQ(journee({0, 1, 2}, neufs, 10, 10, {}, {1, 2, 0}), ordonnes);
}

// New lines wait while the learner still fails half a day's pace of lines: five lines first
// trained on earlier days and not recalled on a later day since hold back the new lines; four
// do not, nor five first trained today (those count against the day's pace instead).
TEST(Planning, NewLinesWaitWhileManyLinesFail)
{
    std::vector<int> lignes(8);
    std::iota(lignes.begin(), lignes.end(), 0);
    Etats etats(8);
    for (int l = 0; l < 5; ++l)
        etats[static_cast<std::size_t>(l)] = EtatLigne {.intervalle = 1,
                                                        .echeance = 51,
                                                        .premiere_revue = 40,
                                                        .derniere_revue = 50,
                                                        .derniere_qualite = 5,
                                                        .revues = 3,
                                                        .echecs = 1};
    const ParametresSm2 p;
    EXPECT_EQ(lignes_en_echec(lignes, etats, 50), 5);
    EXPECT_EQ(choisit_ligne(lignes, etats, {50, 10, {}, {}}, p), Choix {});
    EXPECT_EQ(choisit_ligne(lignes, etats, {50, 12, {}, {}}, p), (Choix {5, Motif::nouvelle}));
    etats[0]->repetitions = 1;
    EXPECT_EQ(choisit_ligne(lignes, etats, {50, 10, {}, {}}, p), (Choix {5, Motif::nouvelle}));
    etats[0]->repetitions = 0;
    for (auto& e : etats)
        if (e) e->premiere_revue = 50;
    EXPECT_EQ(choisit_ligne(lignes, etats, {50, 10, {}, {}}, p), (Choix {5, Motif::nouvelle}));
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
