#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavik::test {
namespace {

using Lignes = std::vector<std::string>;

Lignes suites(const Plateau& p)
{
    Lignes v;
    for (const Liste::Entree& e : p.controles.LstSuite.entrees) v.push_back(e.texte);
    return v;
}

struct Panneau {
    std::string ouverture;
    std::string bilan;
    std::string commentaire;
    friend bool operator==(const Panneau&, const Panneau&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Panneau& p)
    {
        return os << "{" << p.ouverture << " | " << p.bilan << " | " << p.commentaire << "}";
    }
};

Panneau panneau(const Plateau& p)
{
    return {p.controles.LblOuverture.legende, p.controles.LblBilan.legende, p.controles.LblCommentaire.legende};
}

// A line Y that goes further lists F6 first, with "..."; the later line Z, which ends with F6,
// gives it its name.
const Lignes xyz = {"X;;C4E3;n+;voir c3/ensuite", "Y;;C4E3 F6E6", "Z;;C4E3 F6"};

TEST(Recherche, ExactLineAndNamedContinuationInTheLibrarysOrientation)
{
    Fenetre f(xyz);
    f.joue("C4");
    EXPECT_EQ(suites(f.p()), Lignes {"E3 : X"});
    EXPECT_EQ(panneau(f.p()), Panneau {});
    f.joue("E3");
    EXPECT_EQ(panneau(f.p()), (Panneau {"X", "Avantage à noir.", "voir C3\nensuite"}));
    EXPECT_EQ(suites(f.p()), Lignes {"F6 : Z"});
}

TEST(Recherche, SameOpeningTurnedHalfATurn)
{
    Fenetre f(xyz);
    f.joue("F5 D6");
    EXPECT_EQ(panneau(f.p()), (Panneau {"X", "Avantage à noir.", "voir F6\nensuite"}));
    EXPECT_EQ(suites(f.p()), Lignes {"C3 : Z"});
    f.joue("C3");
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "Z");
    EXPECT_EQ(suites(f.p()), Lignes {"D3 : Y"});
}

TEST(Recherche, VarIsSpelledOutInTheOpeningLabelOnly)
{
    Fenetre f(Lignes {"Rose var. 1 var.;;C4E3 F6", "Var. 2;;C4E3 F6E6"});
    f.joue("C4 E3");
    EXPECT_EQ(suites(f.p()), Lignes {"F6 : Rose var. 1 var."});
    f.joue("F6");
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "Rose variante 1 variante");
    f.joue("E6");
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "Var. 2");
}

TEST(Recherche, LetterCaseOfAContinuationMakesTwoEntries)
{
    Fenetre f(Lignes {"A;;C4E3 f6", "B;;C4E3 F6E6", "C;;c4e3 F6"});
    f.joue("C4 E3");
    EXPECT_EQ(suites(f.p()), (Lignes {"F6 : A", "F6 : C"}));
}

TEST(Recherche, ContinuationTakesTheNameOfTheLastNamedLineEndingThere)
{
    Fenetre f(Lignes {"Y;;C4E3 F6E6", "Z;;C4E3 F6", "Z2;;C4E3 F6", ";;C4E3 F6", "W;;C4E3 C3E6", "V;;C4E3 C3"});
    f.joue("C4 E3");
    EXPECT_EQ(suites(f.p()), (Lignes {"F6 : Z2", "C3 : V"}));
}

TEST(Recherche, LastOfSeveralIdenticalLinesWins)
{
    Fenetre f(Lignes {"A;;C4E3;eq;premier", "B;;c4e3;b+;second", "C;;C4E3 F6;n+;suite"});
    f.joue("C4 E3");
    EXPECT_EQ(panneau(f.p()), (Panneau {"B", "Avantage à blanc.", "second"}));
}

TEST(Recherche, AtMostThirtyContinuationsAndFaultyOnesTakeNoPlace)
{
    Lignes biblio = {"manque un blanc;;C4E3F6", "un caractère;;C4E3 F", "hors plateau;;C4E3 Z9",
                     "blanc final;;C4E3 "};
    Lignes attendu;
    for (int i = 0; i < 31; ++i) {
        const std::string coup = notation(case_de(i)); // A1, B1, ... G4: 31 distinct squares
        biblio.push_back("S" + std::to_string(i) + ";;C4E3 " + coup);
        if (i < 30) attendu.push_back(coup + " : S" + std::to_string(i));
    }
    Fenetre f(biblio);
    f.joue("C4 E3");
    EXPECT_EQ(suites(f.p()), attendu);
    // None of the lines is the game exactly: the trailing blank never matches.
    EXPECT_EQ(panneau(f.p()), Panneau {});
}

TEST(Recherche, TrailingBlankIsNeverExact)
{
    Fenetre f(Lignes {"T;;C4E3 ;eq;x", "U;;C4E3 F6 ;eq;y"});
    f.joue("C4 E3");
    EXPECT_EQ(panneau(f.p()), Panneau {});
    // U continues with F6 but does not end there.
    EXPECT_EQ(suites(f.p()), Lignes {"F6 : ..."});
    f.joue("F6");
    EXPECT_EQ(panneau(f.p()), Panneau {});
}

// The game D3 C3 B3 B2 F5 A3 A1 C1 leaves black without a move; written from C4 it is
// C4C3 C2B2 E6C1 A1A3.
TEST(Recherche, GameWithAPassFindsNothing)
{
    Fenetre f(Lignes {"P;;C4C3 C2B2 E6C1 A1A3", "Q;;C4C3 C2B2 E6C1 A1A3 H8"});
    f.joue("D3 C3 B3 B2 F5 A3 A1");
    EXPECT_EQ(suites(f.p()), Lignes {"C1 : P"});
    f.joue("C1");
    ASSERT_EQ(partie(f.p()), "D3 C3 B3 B2 F5 A3 A1 C1 --");
    EXPECT_TRUE(suites(f.p()).empty());
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "P"); // kept from the last exact line

    // Before the pass the continuation of Q is there.
    f.p().CmdPrecedent_Click();
    EXPECT_EQ(suites(f.p()), Lignes {"H8 : Q"});
}

TEST(Recherche, LabelsStayGoingForwardAndAreClearedGoingBack)
{
    Fenetre f(Lignes {"X;;C4E3;eq;commentaire"});
    const Panneau x {"X", "Egalité.", "commentaire"};
    f.joue("C4 E3 F6");
    EXPECT_EQ(panneau(f.p()), x);

    f.p().CmdPrecedent_Click(); // C4 E3: exact again
    EXPECT_EQ(panneau(f.p()), x);
    f.p().CmdPrecedent_Click(); // C4: nothing exact
    EXPECT_EQ(panneau(f.p()), Panneau {});
    f.p().CmdSuivant_Click();
    EXPECT_EQ(panneau(f.p()), x);
    f.p().CmdSuivant_Click(); // C4 E3 F6 is not in the library: X stays
    EXPECT_EQ(panneau(f.p()), x);
    f.p().CmdDebut_Click();
    EXPECT_EQ(panneau(f.p()), Panneau {});
    f.p().CmdFin_Click();
    EXPECT_EQ(panneau(f.p()), Panneau {});
}

} // namespace
} // namespace tavik::test
