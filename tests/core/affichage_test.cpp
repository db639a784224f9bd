#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tavik::test {
namespace {

// After C4 the library continues with E3 and C3; after C4 E3 with F6.
const std::vector<std::string> biblio = {
    "Perpendiculaire;;C4E3;;;",
    "Parallele;;C4C3;;;",
    "Inhumaine;;C4E3 F6;;;",
};

// White to move after C4: legal C3, C5, E3; library E3, C3.
constexpr const char* c4_seul =
    "11111111\n"
    "11111111\n"
    "11111111\n"
    "11222111\n"
    "11123111\n"
    "11111111\n"
    "11111111\n"
    "11111111\n";
constexpr const char* c4_coups =
    "11111111\n"
    "11111111\n"
    "11414111\n"
    "11222111\n"
    "11423111\n"
    "11111111\n"
    "11111111\n"
    "11111111\n";
constexpr const char* c4_ouverture =
    "11111111\n"
    "11111111\n"
    "11717111\n"
    "11222111\n"
    "11123111\n"
    "11111111\n"
    "11111111\n"
    "11111111\n";
constexpr const char* c4_les_deux =
    "11111111\n"
    "11111111\n"
    "11919111\n"
    "11222111\n"
    "11423111\n"
    "11111111\n"
    "11111111\n"
    "11111111\n";

struct Rafraichissement {
    const char* nom;
    const char* coups;
    bool voir_coups;
    bool voir_ouverture;
    const char* tuiles;
};

class Affichage : public ::testing::TestWithParam<Rafraichissement> {};

TEST_P(Affichage, MarksFollowTheTwoCheckBoxes)
{
    const Rafraichissement& cas = GetParam();
    Fenetre f(biblio);
    f.joue(cas.coups);
    f.p().controles.chk_voir_coup.fixe(cas.voir_coups ? 1 : 0);
    f.p().controles.ChkVoirOuverture.fixe(cas.voir_ouverture ? 1 : 0);
    EXPECT_EQ(images(f.p()), cas.tuiles);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Affichage,
    ::testing::Values(
        Rafraichissement {"WhiteToMoveNoMarks", "C4", false, false, c4_seul},
        Rafraichissement {"WhiteToMoveLegalMoves", "C4", true, false, c4_coups},
        Rafraichissement {"WhiteToMoveLibraryMoves", "C4", false, true, c4_ouverture},
        Rafraichissement {"WhiteToMoveBoth", "C4", true, true, c4_les_deux},
        // Black to move after C4 E3: legal F2 to F6, library F6.
        Rafraichissement {"BlackToMoveLibraryMoves", "C4 E3", false, true,
                          "11111111\n"
                          "11111111\n"
                          "11113111\n"
                          "11223111\n"
                          "11123111\n"
                          "11111611\n"
                          "11111111\n"
                          "11111111\n"},
        Rafraichissement {"BlackToMoveBoth", "C4 E3", true, true,
                          "11111111\n"
                          "11111411\n"
                          "11113411\n"
                          "11223411\n"
                          "11123411\n"
                          "11111811\n"
                          "11111111\n"
                          "11111111\n"},
        // No continuation before the first move: the library box adds nothing.
        Rafraichissement {"StartLibraryOnly", "", false, true,
                          "11111111\n"
                          "11111111\n"
                          "11111111\n"
                          "11132111\n"
                          "11123111\n"
                          "11111111\n"
                          "11111111\n"
                          "11111111\n"},
        Rafraichissement {"StartBoth", "", true, true,
                          "11111111\n"
                          "11111111\n"
                          "11141111\n"
                          "11432111\n"
                          "11123411\n"
                          "11114111\n"
                          "11111111\n"
                          "11111111\n"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(Affichage, UntickingRemovesTheMarksAndTickingBringsThemBack)
{
    Fenetre f(biblio);
    f.clic("C4");
    CaseACocher& coups = f.p().controles.chk_voir_coup;
    CaseACocher& ouverture = f.p().controles.ChkVoirOuverture;

    coups.fixe(1);
    ouverture.fixe(1);
    EXPECT_EQ(images(f.p()), c4_les_deux);
    coups.fixe(0);
    EXPECT_EQ(images(f.p()), c4_ouverture);
    ouverture.fixe(0);
    EXPECT_EQ(images(f.p()), c4_seul);
    coups.fixe(1);
    EXPECT_EQ(images(f.p()), c4_coups);
    ouverture.fixe(1);
    EXPECT_EQ(images(f.p()), c4_les_deux);
}

struct Pose {
    const char* nom;
    const char* avant;
    const char* coup;
    bool voir_coups;
    std::vector<int> tuile; // what the tile shows, change by change
};

class Animation : public ::testing::TestWithParam<Pose> {};

TEST_P(Animation, DiscBlinksTwiceEachPictureForMoreThanATenth)
{
    const Pose& cas = GetParam();
    Fenetre f;
    Plateau& p = f.p();
    f.joue(cas.avant);
    p.controles.chk_voir_coup.fixe(cas.voir_coups ? 1 : 0);
    const int index = index_de(cas.coup);

    std::vector<int> vues;
    std::vector<double> debuts;
    f.hote.pendant_pompe = [&] {
        const int image = p.controles.plateau[index];
        if (vues.empty() || vues.back() != image) {
            vues.push_back(image);
            debuts.push_back(f.hote.temps);
        }
    };
    const double depart = f.hote.temps;
    f.clic(cas.coup);

    EXPECT_EQ(vues, cas.tuile);
    for (std::size_t k = 1; k < debuts.size(); ++k) EXPECT_GT(debuts[k] - debuts[k - 1], 0.1) << k;
    EXPECT_GT(f.hote.temps - depart, 0.4);
    // The animation leaves the shaded picture; the redraw after the move shows the disc.
    EXPECT_EQ(p.controles.plateau[index], cas.tuile.front());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Animation,
    ::testing::Values(Pose {"Black", "", "F5", false, {2, 6, 2, 6}},
                      Pose {"BlackWithLegalMoves", "", "F5", true, {2, 8, 2, 8}},
                      Pose {"White", "F5", "D6", false, {3, 7, 3, 7}},
                      Pose {"WhiteWithLegalMoves", "F5", "D6", true, {3, 9, 3, 9}}),
    [](const auto& cas) { return std::string(cas.param.nom); });

// Where the clock starts is irrelevant: zero, a tenth of a second before what would be
// midnight as a time of day, far into a long uptime.
class Attente : public ::testing::TestWithParam<double> {};

TEST_P(Attente, ReturnsOnlyAfterMoreThanTheDurationAndPumpsMeanwhile)
{
    Fenetre f;
    f.hote.temps = GetParam();
    f.hote.pompes = 0;
    const double debut = f.hote.temps + f.hote.pas; // the first reading

    f.p().wait(0.1);

    const double ecoule = f.hote.temps - debut;
    EXPECT_GT(ecoule, 0.1);
    EXPECT_LT(ecoule, 0.1 + 2 * f.hote.pas) << "returns at the first reading past the duration";
    EXPECT_GE(f.hote.pompes, 8);
}

TEST_P(Attente, ExactlyTheDurationIsNotEnough)
{
    // Readings 1/16 s apart, exact in binary: the start, +1/16, +2/16 (equal: wait on), +3/16.
    Fenetre f;
    const double debut = std::round(GetParam() * 16) / 16;
    f.hote.pas = 0.0625;
    f.hote.temps = debut - f.hote.pas;
    f.hote.pompes = 0;

    f.p().wait(0.125);

    EXPECT_EQ(f.hote.pompes, 2);
    EXPECT_EQ(f.hote.temps, debut + 0.1875);
}

INSTANTIATE_TEST_SUITE_P(Horloges, Attente, ::testing::Values(0.0, 86399.95, 1099511627776.0));

} // namespace
} // namespace tavik::test
