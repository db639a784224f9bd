#include "support.h"

#include "orientation/transformations.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace tavik::test {
namespace {

using enum Transformation;

// ---------------------------------------------------------------------------------------------
// One move text through each of the three maps.

struct CasCoup {
    std::string coup;
    std::string rot;
    std::string sym_pos;
    std::string sym_neg;
};

class CoupTransforme : public testing::TestWithParam<CasCoup> {};

TEST_P(CoupTransforme, ThreeMaps)
{
    const CasCoup& cas = GetParam();
    EXPECT_EQ(rot_coup(cas.coup), cas.rot);
    EXPECT_EQ(SymPos_coup(cas.coup), cas.sym_pos);
    EXPECT_EQ(SymNeg_coup(cas.coup), cas.sym_neg);
}

INSTANTIATE_TEST_SUITE_P(Cases, CoupTransforme,
                         testing::Values(
                             // The corners: clockwise quarter turn, and the two diagonals.
                             CasCoup {"A1", "H1", "H8", "A1"}, CasCoup {"H1", "H8", "H1", "A8"},
                             CasCoup {"H8", "A8", "A1", "H8"}, CasCoup {"A8", "A1", "A8", "H1"},
                             CasCoup {"F5", "D6", "D3", "E6"}, CasCoup {"C4", "E3", "E6", "D3"},
                             CasCoup {"B1", "H2", "H7", "A2"},
                             // Lower case is read, the answer is upper case.
                             CasCoup {"f5", "D6", "D3", "E6"}),
                         [](const auto& cas) { return cas.param.coup; });

// Anything that is not a square comes back as it is.
TEST(CoupTransforme, NotASquareIsReturnedUnchanged)
{
    for (const std::string coup : {"", "F", "I5", "F9", "F0", "-1-1", "F55", " F5", "5F", "@4"}) {
        EXPECT_EQ(rot_coup(coup), coup);
        EXPECT_EQ(SymPos_coup(coup), coup);
        EXPECT_EQ(SymNeg_coup(coup), coup);
    }
}

// Four quarter turns and two equal mirrors are the identity; two quarter turns are the two
// mirrors one after the other (a half turn), for every square.
TEST(CoupTransforme, GroupLaws)
{
    for (int i = 0; i < 64; ++i) {
        const std::string coup = notation(case_de(i));
        EXPECT_EQ(rot_coup(rot_coup(rot_coup(rot_coup(coup)))), coup);
        EXPECT_NE(rot_coup(coup), coup);
        EXPECT_EQ(SymPos_coup(SymPos_coup(coup)), coup);
        EXPECT_EQ(SymNeg_coup(SymNeg_coup(coup)), coup);
        EXPECT_EQ(rot_coup(rot_coup(coup)), SymPos_coup(SymNeg_coup(coup)));
        EXPECT_EQ(rot_coup(rot_coup(coup)), SymNeg_coup(SymPos_coup(coup)));
    }
}

// ---------------------------------------------------------------------------------------------
// The eight images of a position without any symmetry: black on A1, white on B1 and C1.

struct CasImage {
    const char* nom;
    std::vector<Transformation> suite;
    std::string a1_b1_c1; // where the three discs land
};

class ImageGrille : public testing::TestWithParam<CasImage> {};

TEST_P(ImageGrille, EightImagesOfAnAsymmetricPosition)
{
    Grille g = grille_depuis("xoo....." + std::string(56, '.'));
    for (const Transformation t : GetParam().suite) {
        Grille cible {};
        transforme_grille(t, g, cible);
        g = cible;
    }
    Grille attendu = grille_depuis(std::string(64, '.'));
    const std::string& cases = GetParam().a1_b1_c1;
    for (std::size_t i = 0; i < 3; ++i) {
        Case c;
        ASSERT_TRUE(lit_case(cases.substr(3 * i, 2), c));
        attendu[c.ligne][c.colonne] = i == 0 ? noir : blanc;
    }
    EXPECT_EQ(image_grille(g), image_grille(attendu));
}

INSTANTIATE_TEST_SUITE_P(Images, ImageGrille,
                         testing::Values(CasImage {"identite", {}, "A1 B1 C1"},
                                         CasImage {"quart", {rotation}, "H1 H2 H3"},
                                         CasImage {"demi", {rotation, rotation}, "H8 G8 F8"},
                                         CasImage {"trois_quarts", {rotation, rotation, rotation}, "A8 A7 A6"},
                                         CasImage {"sym_neg", {sym_negative}, "A1 A2 A3"},
                                         CasImage {"sym_pos", {sym_positive}, "H8 H7 H6"},
                                         CasImage {"sym_neg_puis_quart", {sym_negative, rotation}, "H1 G1 F1"},
                                         CasImage {"sym_pos_puis_quart", {sym_positive, rotation}, "A8 B8 C8"}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

// ---------------------------------------------------------------------------------------------
// The library is written from C4. Each of black's eight first moves has a way there and a way
// back; B1 (column 2, row 1) shows the net effect of the way back.

struct CasOrientation {
    std::string premier;
    std::string image_de_b1;
};

class Orientations : public testing::TestWithParam<CasOrientation> {};

std::string suit(std::span<const Transformation> ts, std::string coup)
{
    for (const Transformation t : ts) coup = transforme_coup(t, coup);
    return coup;
}

TEST_P(Orientations, WayThereReachesC4AndWayBackIsItsInverse)
{
    const CasOrientation& cas = GetParam();
    const Orientation o = orientation_de(cas.premier);
    EXPECT_EQ(suit(o.vers_biblio, cas.premier), "C4");
    EXPECT_EQ(suit(o.vers_jeu, "C4"), cas.premier);
    EXPECT_EQ(vers_jeu(cas.premier, "B1"), cas.image_de_b1);
    for (int i = 0; i < 64; ++i) {
        const std::string coup = notation(case_de(i));
        EXPECT_EQ(suit(o.vers_jeu, suit(o.vers_biblio, coup)), coup);
        EXPECT_EQ(vers_jeu(cas.premier, coup), suit(o.vers_jeu, coup));
    }
}

INSTANTIATE_TEST_SUITE_P(PremiersCoups, Orientations,
                         testing::Values(CasOrientation {"C4", "B1"}, CasOrientation {"D3", "A2"},
                                         CasOrientation {"F5", "G8"}, CasOrientation {"E6", "H7"},
                                         CasOrientation {"E3", "H2"}, CasOrientation {"F4", "G1"},
                                         CasOrientation {"D6", "A7"}, CasOrientation {"C5", "B8"}),
                         [](const auto& cas) { return cas.param.premier; });

// A game that has not started, or whose first slot holds a pass, needs no change.
TEST(Orientations, AnythingElseNeedsNoChange)
{
    for (const std::string premier : {"", "-1-1", "A1"}) EXPECT_EQ(vers_jeu(premier, "F6"), "F6") << premier;
}

} // namespace
} // namespace tavik::test
