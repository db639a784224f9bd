#include "support.h"

#include "engine/regles.h"

#include <gtest/gtest.h>

#include <string>

namespace tavik::test {
namespace {

constexpr const char* depart =
    "........\n"
    "........\n"
    "........\n"
    "...ox...\n"
    "...xo...\n"
    "........\n"
    "........\n"
    "........\n";

// C3 faces a white disc in all eight directions, each closed by black; `etoile_prise` has
// the centre already taken, as a faulty record could ask.
constexpr const char* etoile =
    "x.x.x...\n"
    ".ooo....\n"
    "xo.ox...\n"
    ".ooo....\n"
    "x.x.x...\n"
    "........\n"
    "........\n"
    "........\n";
constexpr const char* etoile_prise =
    "x.x.x...\n"
    ".ooo....\n"
    "xooox...\n"
    ".ooo....\n"
    "x.x.x...\n"
    "........\n"
    "........\n"
    "........\n";

// The legal squares of a colour in reading order: "D3 C4 F5 E6".
std::string coups_legaux(const Grille& g, int16_t couleur)
{
    std::string s;
    for (int16_t ligne = 1; ligne <= 8; ++ligne)
        for (int16_t colonne = 1; colonne <= 8; ++colonne)
            if (test_coup_possible(g, couleur, ligne, colonne))
                s += (s.empty() ? "" : " ") + notation({ligne, colonne});
    return s;
}

Case case_de(const std::string& coup)
{
    Case c;
    EXPECT_TRUE(lit_case(coup, c)) << coup;
    return c;
}

TEST(Regles, LegalSquaresOfTheStartPosition)
{
    const Grille g = grille_depuis(depart);
    EXPECT_EQ(coups_legaux(g, noir), "D3 C4 F5 E6");
    EXPECT_EQ(coups_legaux(g, blanc), "E3 F4 C5 D6");
}

// A move played on a picture: what coup_joue turns, then the disc put by the caller.
struct Capture {
    const char* nom;
    const char* avant;
    int16_t couleur;
    const char* coup;
    const char* apres; // after coup_joue and the disc put on the square
};

class CoupJoue : public ::testing::TestWithParam<Capture> {};

TEST_P(CoupJoue, TurnsExactlyTheCapturedDiscsAndLeavesThePlayedSquareAlone)
{
    const Capture& cas = GetParam();
    Grille g = grille_depuis(cas.avant);
    const Case c = case_de(cas.coup);
    const int8_t avant_sur_la_case = g[c.ligne][c.colonne];

    coup_joue(g, cas.couleur, c.ligne, c.colonne);
    EXPECT_EQ(g[c.ligne][c.colonne], avant_sur_la_case);

    g[c.ligne][c.colonne] = static_cast<int8_t>(cas.couleur);
    EXPECT_EQ(image_grille(g), image_grille(grille_depuis(cas.apres)));
}

INSTANTIATE_TEST_SUITE_P(
    Positions, CoupJoue,
    ::testing::Values(
        Capture {"F5FromTheStart", depart, noir, "F5",
                 "........\n"
                 "........\n"
                 "........\n"
                 "...ox...\n"
                 "...xxx..\n"
                 "........\n"
                 "........\n"
                 "........\n"},
        // White, white, black, white, black: the run stops at the first black disc.
        Capture {"RunClosedByTheNearestOwnDisc",
                 ".ooxox..\n"
                 "........\n"
                 "........\n"
                 "........\n"
                 "........\n"
                 "........\n"
                 "........\n"
                 "........\n",
                 noir, "A1",
                 "xxxxox..\n"
                 "........\n"
                 "........\n"
                 "........\n"
                 "........\n"
                 "........\n"
                 "........\n"
                 "........\n"},
        // From A4: up the run reaches the border, down it ends on an empty square, the long
        // diagonal runs into the border; right and up-right are closed by white.
        Capture {"OnlyClosedRunsTurn",
                 "x.......\n"
                 "x.o.....\n"
                 "xx......\n"
                 ".xxo....\n"
                 "xx......\n"
                 "..x.....\n"
                 "...x....\n"
                 "....x...\n",
                 blanc, "A4",
                 "x.......\n"
                 "x.o.....\n"
                 "xo......\n"
                 "oooo....\n"
                 "xx......\n"
                 "..x.....\n"
                 "...x....\n"
                 "....x...\n"},
        // A faulty record may land on an occupied square: the other directions still turn.
        Capture {"OccupiedSquareStillScansEightDirections", etoile_prise, noir, "C3",
                 "x.x.x...\n"
                 ".xxx....\n"
                 "xxxxx...\n"
                 ".xxx....\n"
                 "x.x.x...\n"
                 "........\n"
                 "........\n"
                 "........\n"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(Regles, OccupiedSquareIsNeverLegalAndTheNullDirectionNeverCaptures)
{
    EXPECT_TRUE(test_coup_possible(grille_depuis(etoile), noir, 3, 3));
    const Grille prise = grille_depuis(etoile_prise);
    EXPECT_FALSE(test_coup_possible(prise, noir, 3, 3));
    EXPECT_TRUE(test_dir(prise, noir, 3, 3, -1, -1));
    EXPECT_FALSE(test_dir(prise, noir, 3, 3, 0, 0)) << "C3 holds white itself";
}

TEST(Regles, SquareThatCapturesNothingTurnsNothing)
{
    Grille g = grille_depuis(depart);
    coup_joue(g, noir, 1, 1);
    EXPECT_EQ(g, grille_depuis(depart));
}

struct Blocage {
    const char* nom;
    const char* image;
    bool noir_joue;
    bool blanc_joue;
};

class JoueurPasse : public ::testing::TestWithParam<Blocage> {};

// true means "can play", whatever the name says.
TEST_P(JoueurPasse, TellsWhetherEachSideHasAMove)
{
    const Blocage& cas = GetParam();
    const Grille g = grille_depuis(cas.image);
    EXPECT_EQ(joueur_passe(g, noir), cas.noir_joue);
    EXPECT_EQ(joueur_passe(g, blanc), cas.blanc_joue);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, JoueurPasse,
    ::testing::Values(Blocage {"Start", depart, true, true},
                      Blocage {"FullBoard",
                               "xxxxxxxx\n"
                               "xxxxxxxx\n"
                               "xxxxxxxx\n"
                               "xxxxxxxx\n"
                               "oooooooo\n"
                               "oooooooo\n"
                               "oooooooo\n"
                               "oooooooo\n",
                               false, false},
                      // Black takes B8 from C8; white's only disc has no black run to close.
                      Blocage {"OnlyBlack",
                               "xxx.....\n"
                               "........\n"
                               "........\n"
                               "........\n"
                               "........\n"
                               "........\n"
                               "........\n"
                               "xo......\n",
                               true, false},
                      Blocage {"OneColourWithEmptySquares",
                               "oooooooo\n"
                               "oooooooo\n"
                               "oooooooo\n"
                               "oooo....\n"
                               "........\n"
                               "........\n"
                               "........\n"
                               "........\n",
                               false, false}),
    [](const auto& cas) { return std::string(cas.param.nom); });

// The preview board's ring is never written; every scan must stop on it as on the border,
// whatever it holds, as long as it is not a disc.
class Anneau : public ::testing::TestWithParam<int8_t> {};

TEST_P(Anneau, RunsToTheEdgeStopOnTheRing)
{
    // B5 faces runs that end on the ring on three sides: legal for neither colour.
    Grille g = grille_depuis(".o......\n"
                             ".o......\n"
                             ".o......\n"
                             ".o......\n"
                             "..xxxxxx\n"
                             ".o......\n"
                             ".o......\n"
                             ".o......\n");
    for (int i = 0; i < 10; ++i) g[0][i] = g[9][i] = g[i][0] = g[i][9] = GetParam();

    EXPECT_EQ(coups_legaux(g, noir), "A3 A7");
    EXPECT_EQ(coups_legaux(g, blanc), "D4 D6");
    EXPECT_TRUE(joueur_passe(g, noir));

    coup_joue(g, blanc, 5, 2);
    EXPECT_EQ(g[5][3], noir);
    EXPECT_EQ(g[4][2], blanc);
}

INSTANTIATE_TEST_SUITE_P(ValeursDeBord, Anneau, ::testing::Values(int8_t {0}, int8_t {-1}));

} // namespace
} // namespace tavik::test
