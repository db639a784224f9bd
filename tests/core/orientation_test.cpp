#include "support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tavik::test {
namespace {

using Commande = void (Plateau::*)();

// A full game with five passes: its record reaches slot 65, with G8 in slot 62, H3 in slot 63,
// a pass in slot 64 and H8 in slot 65.
constexpr const char* partie_longue =
    "C4 C5 E6 C3 B3 F5 D3 E3 F4 G5 B6 B2 E2 E7 C2 A2 A4 B5 B1 A1 E8 D7 A5 F3 G2 A6 G6 C6 B7 C7 "
    "D2 B4 H6 F1 D8 G4 G3 A3 F2 H2 D6 H7 F6 B8 E1 H4 G1 C1 A7 H5 D1 A8 H1 C8 F8 F7 G7 G8 H3 H8";

// A short game after which black has to pass: white's C1 leaves black without a move.
constexpr const char* partie_avec_passe = "D3 C3 B3 B2 F5 A3 A1 C1";

std::vector<std::string> lignes(const Liste& l)
{
    std::vector<std::string> v;
    for (const Liste::Entree& e : l.entrees) v.push_back(e.texte);
    return v;
}

// Each move of a record written as "F5 D6 -- C3" passed through `f`; passes stay.
template <class F>
std::string transforme_partie(const std::string& s, F f)
{
    std::istringstream in(s);
    std::string coup;
    std::string resultat;
    while (in >> coup) resultat += (resultat.empty() ? "" : " ") + (coup == "--" ? coup : f(coup));
    return resultat;
}

// The same game played from the start in the turned orientation: the command is applied to
// the empty board first, then the turned moves are played by presses.
std::string grille_jouee_tournee(Commande commande, const std::string& coups_tournes)
{
    Fenetre g;
    (g.p().*commande)();
    g.joue(coups_tournes);
    return image_grille(g.tab());
}

TEST(Orientation, QuarterTurnOfTheStartPosition)
{
    Fenetre f;
    f.p().CmdRotation_Click();
    EXPECT_EQ(f.p().rotation, 1);
    EXPECT_EQ(image_grille(f.tab()),
              "........\n"
              "........\n"
              "........\n"
              "...xo...\n"
              "...ox...\n"
              "........\n"
              "........\n"
              "........\n");
    EXPECT_EQ(f.p().num_coup, 1);

    // Black's first moves are now E3, F4, C5 and D6.
    f.clic("F5");
    EXPECT_EQ(f.p().num_coup, 1);
    f.clic("F4");
    EXPECT_EQ(partie(f.p()), "F4");

    // Back at the start the replay rebuilds the turned position.
    f.p().CmdDebut_Click();
    EXPECT_EQ(f.p().rotation, 1);
    EXPECT_EQ(f.tab()[4][4], noir);
    EXPECT_EQ(f.tab()[4][5], blanc);
    EXPECT_EQ(f.tab()[5][4], blanc);
    EXPECT_EQ(f.tab()[5][5], noir);
}

struct CasCommande {
    const char* nom;
    Commande commande;
    std::string record; // F5 D6 after the command
    std::string ligne_liste;
    std::string suite; // the library continuation C3 seen in the turned game
    std::string (*coup)(std::string_view); // the same map on one move
};

class CommandeSurPartie : public testing::TestWithParam<CasCommande> {};

TEST_P(CommandeSurPartie, BoardRecordMoveListAndLookupTurnTogether)
{
    const CasCommande& cas = GetParam();
    Fenetre f(std::vector<std::string> {"X;;C4E3", "Z;;C4E3 F6"});
    f.joue("F5 D6");
    ASSERT_EQ(lignes(f.p().controles.LstSuite), std::vector<std::string> {"C3 : Z"});
    const std::string noirs = f.p().controles.nb_noir.legende;

    (f.p().*cas.commande)();

    EXPECT_EQ(partie(f.p()), cas.record);
    EXPECT_EQ(lignes(f.p().controles.LstCoup), std::vector<std::string> {cas.ligne_liste});
    EXPECT_EQ(image_grille(f.tab()), grille_jouee_tournee(cas.commande, cas.record));
    EXPECT_EQ(f.joueur(), noir);
    EXPECT_EQ(f.p().num_coup, 3);
    EXPECT_EQ(f.p().controles.nb_noir.legende, noirs);
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "X");
    EXPECT_EQ(lignes(f.p().controles.LstSuite), std::vector<std::string> {cas.suite + " : Z"});
}

INSTANTIATE_TEST_SUITE_P(
    Commandes, CommandeSurPartie,
    testing::Values(CasCommande {"Rot", &Plateau::CmdRotation_Click, "D6 C4", " 1. D6   2. C4", "F3", rot_coup},
                    CasCommande {"SymNeg", &Plateau::CmdSymNegative_Click, "E6 F4", " 1. E6   2. F4", "C3",
                                 SymNeg_coup},
                    CasCommande {"SymPos", &Plateau::CmdSymPositive_Click, "D3 C5", " 1. D3   2. C5", "F6",
                                 SymPos_coup}),
    [](const auto& cas) { return std::string(cas.param.nom); });

// Board, record, move list and tiles after `n` presses of one command, next to the state before.
TEST(Orientation, FourTurnsOrTwoEqualMirrorsGiveBackTheGame)
{
    const auto etat = [](Fenetre& f) {
        return image_grille(f.tab()) + partie(f.p()) + images(f.p()) + lignes(f.p().controles.LstCoup).back();
    };
    for (const auto& [commande, fois] : {std::pair {&Plateau::CmdRotation_Click, 4},
                                         std::pair {&Plateau::CmdSymPositive_Click, 2},
                                         std::pair {&Plateau::CmdSymNegative_Click, 2}}) {
        Fenetre f;
        Plateau& p = f.p();
        p.controles.chk_voir_coup.fixe(1);
        f.joue("F5 D6 C3 D3 C4");
        const std::string avant = etat(f);
        for (int i = 1; i <= fois; ++i) {
            (p.*commande)();
            if (i < fois) {
                EXPECT_NE(etat(f), avant);
                // The command's own counter: rotation 1, 2, 3, or its mirror flag at 1.
                EXPECT_EQ(p.rotation + p.sym_positive + p.sym_negative, commande == &Plateau::CmdRotation_Click ? i : 1);
            }
        }
        EXPECT_EQ(etat(f), avant);
        EXPECT_EQ(p.rotation, 0);
        EXPECT_EQ(p.sym_positive, 0);
        EXPECT_EQ(p.sym_negative, 0);
    }
}

TEST(Orientation, PassStaysAPassInItsPlace)
{
    Fenetre f;
    f.joue(partie_avec_passe);
    ASSERT_EQ(partie(f.p()), std::string(partie_avec_passe) + " --");

    f.p().CmdRotation_Click();

    EXPECT_EQ(partie(f.p()), transforme_partie(std::string(partie_avec_passe) + " --", rot_coup));
    const std::vector<std::string> liste = lignes(f.p().controles.LstCoup);
    ASSERT_EQ(liste.size(), 5U);
    EXPECT_EQ(liste[4], " 9. --");
    EXPECT_EQ(f.joueur(), blanc); // black has passed: white plays again
    EXPECT_EQ(f.p().num_coup, 10);
}

TEST(Orientation, MovesAheadOfTheCurrentPointAreTurnedToo)
{
    const std::string coups = "F5 D6 C3 D3 C4";
    Fenetre f;
    f.joue(coups);
    f.p().CmdDebut_Click();
    f.p().CmdRotation_Click();

    const std::string tournes = transforme_partie(coups, rot_coup);
    EXPECT_EQ(partie(f.p()), tournes);
    EXPECT_EQ(f.p().num_rejoue, 6);
    std::string jouees;
    std::istringstream in(tournes);
    for (std::string coup; in >> coup;) {
        f.p().CmdSuivant_Click();
        jouees += coup + " ";
        EXPECT_EQ(image_grille(f.tab()), grille_jouee_tournee(&Plateau::CmdRotation_Click, jouees))
            << "after " << jouees;
    }
    // Back at the start, the replay rebuilds the turned start position.
    f.p().CmdDebut_Click();
    EXPECT_EQ(image_grille(f.tab()), grille_jouee_tournee(&Plateau::CmdRotation_Click, ""));
    EXPECT_EQ(f.tab()[4][5], blanc); // E4
}

class PartieLongue : public testing::TestWithParam<CasCommande> {};

// Slots beyond 61 are turned as well: a replay from the start after the command gives back
// the board on screen.
TEST_P(PartieLongue, ReplayAfterTheCommandGivesTheBoardOnScreen)
{
    Fenetre f;
    f.hote.pas = 1.0;
    f.joue(partie_longue);
    const std::string record = partie(f.p());
    ASSERT_EQ(f.p().num_rejoue, 66) << record;
    ASSERT_EQ(f.p().com().liste_coups[62].texte(), "G8");

    (f.p().*GetParam().commande)();
    const std::string sur_l_ecran = image_grille(f.tab());
    EXPECT_NE(sur_l_ecran, image_grille(grille_depuis(std::string(64, '.'))));
    EXPECT_EQ(partie(f.p()), transforme_partie(record, GetParam().coup));

    f.p().CmdDebut_Click();
    f.p().CmdFin_Click();
    EXPECT_EQ(image_grille(f.tab()), sur_l_ecran);
}

INSTANTIATE_TEST_SUITE_P(
    Commandes, PartieLongue,
    testing::Values(CasCommande {"Rot", &Plateau::CmdRotation_Click, "", "", "", rot_coup},
                    CasCommande {"SymNeg", &Plateau::CmdSymNegative_Click, "", "", "", SymNeg_coup},
                    CasCommande {"SymPos", &Plateau::CmdSymPositive_Click, "", "", "", SymPos_coup}),
    [](const auto& cas) { return std::string(cas.param.nom); });

} // namespace
} // namespace tavik::test
