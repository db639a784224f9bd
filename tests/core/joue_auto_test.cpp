#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavik::test {
namespace {

using Lignes = std::vector<std::string>;

const std::string plus_pour_noir = "Il n'y a plus de suite pour noir.";
const std::string plus_pour_blanc = "Il n'y a plus de suite pour blanc.";
const std::string plus_pour_vous = "Vous n'avez plus de coups d'ouverture.";

// ---------------------------------------------------------------------------------------------
// Black's first move, drawn without looking at the library.

struct CasPremier {
    int rotation;
    float tirage;
    std::string coup;
};

class PremierCoup : public testing::TestWithParam<CasPremier> {};

TEST_P(PremierCoup, DrawPicksOneOfFourInTheBoardsOrientation)
{
    const CasPremier& cas = GetParam();
    Fenetre f(Lignes {"Perpendiculaire;;C4E3"}); // the library would only offer C4
    for (int i = 0; i < cas.rotation; ++i) f.p().CmdRotation_Click();
    f.hote.tirages = {cas.tirage, 0.0f};
    f.p().controles.ChkNoirAuto.fixe(1);
    EXPECT_EQ(partie(f.p()), cas.coup);
    EXPECT_EQ(f.hote.tirages.size(), 1U); // one draw for one move
}

INSTANTIATE_TEST_SUITE_P(Tirages, PremierCoup,
                         testing::Values(CasPremier {0, 0.0f, "D3"}, CasPremier {0, 0.2499f, "D3"},
                                         CasPremier {0, 0.25f, "C4"}, CasPremier {0, 0.4999f, "C4"},
                                         CasPremier {0, 0.5f, "F5"}, CasPremier {0, 0.75f, "E6"},
                                         CasPremier {0, 0.99999f, "E6"}, CasPremier {2, 0.6f, "F5"},
                                         CasPremier {1, 0.0f, "E3"}, CasPremier {1, 0.3f, "F4"},
                                         CasPremier {1, 0.6f, "C5"}, CasPremier {1, 0.9f, "D6"},
                                         CasPremier {3, 0.25f, "F4"}));

// ---------------------------------------------------------------------------------------------
// Later moves: entry floor(n r) of the continuation list.

struct CasSuite {
    float tirage;
    std::string reponse;
};

class ReponseBlanche : public testing::TestWithParam<CasSuite> {};

TEST_P(ReponseBlanche, DrawPicksAnEntryOfTheContinuations)
{
    Fenetre f(Lignes {"a;;C4C3", "b;;C4C5", "c;;C4E3"});
    f.hote.tirages = {GetParam().tirage};
    f.p().controles.ChkBlancAuto.fixe(1);
    EXPECT_EQ(f.p().num_coup, 1); // black, the user, to move: nothing happens
    EXPECT_EQ(f.hote.tirages.size(), 1U);

    f.joue("C4");
    EXPECT_EQ(partie(f.p()), "C4 " + GetParam().reponse);
    EXPECT_TRUE(f.hote.tirages.empty());
}

INSTANTIATE_TEST_SUITE_P(Tirages, ReponseBlanche,
                         testing::Values(CasSuite {0.0f, "C3"}, CasSuite {0.33f, "C3"},
                                         CasSuite {0.34f, "C5"}, CasSuite {0.66f, "C5"},
                                         CasSuite {0.67f, "E3"}, CasSuite {0.99999f, "E3"}));

TEST(JoueAuto, SingleContinuationIsAlwaysPlayed)
{
    for (const float r : {0.0f, 0.5f, 0.99999f}) {
        Fenetre f(Lignes {"Perpendiculaire;;C4E3"});
        f.hote.tirages = {r};
        f.p().controles.ChkBlancAuto.fixe(1);
        f.joue("F5"); // C4 turned half a turn: E3 becomes D6
        EXPECT_EQ(partie(f.p()), "F5 D6") << r;
    }
}

TEST(JoueAuto, TickingTheOtherBoxUnticksTheFirstAndPlaysAtMostOnce)
{
    Fenetre f(Lignes {"Diagonale;;C4C3", "Suite;;C4C3 D3", "Autre;;C4C3 D3C5"});
    f.p().controles.ChkNoirAuto.fixe(1); // draw 0: D3
    ASSERT_EQ(partie(f.p()), "D3");

    f.p().controles.ChkBlancAuto.fixe(1);

    EXPECT_EQ(f.p().controles.ChkNoirAuto.valeur(), 0);
    EXPECT_EQ(f.p().controles.ChkBlancAuto.valeur(), 1);
    EXPECT_TRUE(f.p().CoupJoueurBiblio);
    EXPECT_EQ(partie(f.p()), "D3 C3"); // white once; black is the user again
    EXPECT_TRUE(f.hote.messages.empty());

    f.p().controles.ChkNoirAuto.fixe(1);
    EXPECT_EQ(f.p().controles.ChkBlancAuto.valeur(), 0);
    EXPECT_EQ(partie(f.p()), "D3 C3 C4");
}

// Held to the library: a legal square that no line offers is refused until the box is
// unticked, or until a step back.
TEST(JoueAuto, UserHeldToTheLibraryUntilUntickedOrStepBack)
{
    for (const bool recule : {false, true}) {
        Fenetre f(Lignes {"a;;C4E3 F6", "b;;C4E3 F4"});
        f.p().controles.ChkBlancAuto.fixe(1);
        f.joue("C4 F5"); // white answers E3; F5 is legal but not in the library
        ASSERT_EQ(partie(f.p()), "C4 E3");
        if (recule) {
            f.p().CmdPrecedent_Click();
            EXPECT_EQ(f.p().controles.ChkBlancAuto.valeur(), 0);
            f.joue("C3"); // white by hand, outside the library
            EXPECT_EQ(partie(f.p()), "C4 C3");
        } else {
            f.p().controles.ChkBlancAuto.fixe(0);
            f.joue("F5");
            EXPECT_EQ(partie(f.p()), "C4 E3 F5");
        }
        EXPECT_FALSE(f.p().CoupJoueurBiblio);
        EXPECT_TRUE(f.hote.messages.empty());
    }
}

TEST(JoueAuto, NoContinuationForTheAutomaticColour)
{
    {
        Fenetre f;
        f.p().controles.ChkBlancAuto.fixe(1);
        f.joue("C4");
        EXPECT_EQ(f.hote.messages, Lignes {plus_pour_blanc});
        EXPECT_EQ(f.p().controles.ChkBlancAuto.valeur(), 1);
        f.joue("E3"); // held to an empty list: refused
        EXPECT_EQ(partie(f.p()), "C4");
        f.p().controles.ChkBlancAuto.fixe(0);
        f.joue("E3");
        EXPECT_EQ(partie(f.p()), "C4 E3");
        EXPECT_EQ(f.hote.messages.size(), 1U);
    }
    {
        Fenetre f(Lignes {"Perpendiculaire;;C4E3"});
        f.hote.tirages = {0.25f}; // C4
        f.p().controles.ChkNoirAuto.fixe(1);
        f.joue("E3");
        EXPECT_EQ(partie(f.p()), "C4 E3");
        EXPECT_EQ(f.hote.messages, Lignes {plus_pour_noir});
        EXPECT_EQ(f.p().controles.ChkNoirAuto.valeur(), 1);
    }
}

TEST(JoueAuto, NoContinuationForTheUser)
{
    Fenetre f(Lignes {"Perpendiculaire;;C4E3"});
    f.p().controles.ChkBlancAuto.fixe(1);
    f.joue("C4");
    ASSERT_EQ(partie(f.p()), "C4 E3");
    EXPECT_EQ(f.hote.messages, Lignes {plus_pour_vous});

    f.p().controles.ChkBlancAuto.fixe(0);
    EXPECT_EQ(f.hote.messages.size(), 1U);
    f.p().controles.ChkBlancAuto.fixe(1);
    EXPECT_EQ(f.hote.messages, (Lignes {plus_pour_vous, plus_pour_vous}));

    // Black, the user's colour, becomes automatic: now the program has nothing to play.
    f.hote.messages.clear();
    f.p().controles.ChkNoirAuto.fixe(1);
    EXPECT_EQ(f.p().controles.ChkBlancAuto.valeur(), 0);
    ASSERT_FALSE(f.hote.messages.empty());
    for (const std::string& m : f.hote.messages) EXPECT_EQ(m, plus_pour_noir);
    EXPECT_EQ(partie(f.p()), "C4 E3");
}

// Lines where the user's colour must pass right after an automatic move: the automatic
// colour is to move again, and with a pass in the game the library offers nothing more.
struct CasPasse {
    const char* nom;
    bool noir_auto;
    std::string ligne;
    std::string coups_utilisateur;
    std::string partie;
    std::string message;
};

class PasseForcee : public testing::TestWithParam<CasPasse> {};

TEST_P(PasseForcee, AutomaticColourIsAskedAgainAfterTheUsersPass)
{
    const CasPasse& cas = GetParam();
    Fenetre f(Lignes {"Passe;;" + cas.ligne});
    f.hote.tirages = {0.25f}; // black's first move C4
    (cas.noir_auto ? f.p().controles.ChkNoirAuto : f.p().controles.ChkBlancAuto).fixe(1);
    f.joue(cas.coups_utilisateur);
    EXPECT_EQ(partie(f.p()), cas.partie);
    EXPECT_EQ(f.hote.messages, Lignes {cas.message});
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "Passe");
}

INSTANTIATE_TEST_SUITE_P(
    Lignes, PasseForcee,
    testing::Values(CasPasse {"blanc_passe", true, "C4C3 C2B2 D3C1 A1C5 B1E3 D1", "C3 B2 C1 C5 E3",
                              "C4 C3 C2 B2 D3 C1 A1 C5 B1 E3 D1 --", plus_pour_noir},
                    CasPasse {"noir_passe", false, "C4C3 C2B2 E6C1 A1A3", "C4 C2 E6 A1",
                              "C4 C3 C2 B2 E6 C1 A1 A3 --", plus_pour_blanc}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(JoueAuto, BothBoxesUntickedNeverSpeaks)
{
    Fenetre f(Lignes {"Perpendiculaire;;C4E3"});
    f.joue("C4 E3 F6 E6");
    f.p().CmdDebut_Click();
    f.joue("D3 C3 B3 B2 F5 A3 A1 C1"); // black passes
    EXPECT_TRUE(f.hote.messages.empty());
    EXPECT_EQ(partie(f.p()), "D3 C3 B3 B2 F5 A3 A1 C1 --");
}

TEST(JoueAuto, JouerWithBlackAutomaticPlaysAtOnce)
{
    Fenetre f(Lignes {"Perpendiculaire;;C4E3"});
    f.p().controles.ChkNoirAuto.fixe(1);
    f.hote.tirages = {0.5f};
    f.p().cmd_jouer_Click();
    EXPECT_EQ(partie(f.p()), "F5");
    EXPECT_EQ(f.p().controles.ChkNoirAuto.valeur(), 1);
    EXPECT_TRUE(f.p().CoupJoueurBiblio);
}

// The program's own source, never seeded: two runs that make the same clicks get the same game.
std::string partie_contre_blanc_auto()
{
    Hote hote;
    hote.pas = 1.0;
    Services services = hote.services();
    services.hasard = Services::par_defaut().hasard;
    FonCom com;
    Plateau p(com, services, TAVIK_DATA_DIR "/biblio.csv");
    p.Form_Load();
    p.controles.ChkBlancAuto.fixe(1);
    p.plateau_MouseDown(index_de("C4"), bouton_gauche);
    // The user always plays the first continuation offered.
    while (p.controles.LstSuite.nombre() > 0 && p.joueur() == noir) {
        const int avant = p.num_coup;
        p.plateau_MouseDown(index_de(p.controles.LstSuite.texte(0).substr(0, 2)), bouton_gauche);
        if (p.num_coup == avant) break;
    }
    return partie(p);
}

TEST(JoueAuto, SameClicksSameGame)
{
    const std::string premiere = partie_contre_blanc_auto();
    EXPECT_GE(premiere.size(), 3U * 8) << premiere;
    EXPECT_EQ(partie_contre_blanc_auto(), premiere);

    const Services a = Services::par_defaut();
    const Services b = Services::par_defaut();
    for (int i = 0; i < 1000; ++i) {
        const float r = a.hasard();
        EXPECT_EQ(b.hasard(), r);
        EXPECT_GE(r, 0.0f);
        EXPECT_LT(r, 1.0f);
    }
}

} // namespace
} // namespace tavik::test
