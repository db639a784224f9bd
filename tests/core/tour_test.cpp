#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavik::test {
namespace {

std::vector<std::string> lignes(const Liste& l)
{
    std::vector<std::string> v;
    for (const Liste::Entree& e : l.entrees) v.push_back(e.texte);
    return v;
}

TEST(Tour, NormalTurnRecordsTheMoveWithItsRowAsANumber)
{
    Fenetre f;
    f.clic("F5");
    const Plateau& p = f.p();

    EXPECT_EQ(f.joueur(), blanc);
    EXPECT_EQ(p.controles.quijoue, image_blanc);
    EXPECT_EQ(p.num_coup, 2);
    EXPECT_EQ(p.num_rejoue, 2);
    const Emplacement& premier = p.com().liste_coups[1];
    EXPECT_EQ(premier.lettre, Cellule {std::string("F")});
    EXPECT_EQ(premier.ligne, Cellule {int16_t {5}});
    EXPECT_EQ(lignes(p.controles.LstCoup), std::vector<std::string> {" 1. F5"});
    EXPECT_TRUE(f.hote.messages.empty());
}

// After C1 white has no move while black still has C8: white passes without a word, then
// C8 takes white's last disc and ends the game.
TEST(Tour, ForcedPassIsRecordedSilentlyAndTheMoverPlaysAgain)
{
    Fenetre f;
    f.tab() = grille_depuis("xo......\n"
                            "........\n"
                            "........\n"
                            "........\n"
                            "........\n"
                            "........\n"
                            "........\n"
                            "xo......\n");
    Plateau& p = f.p();

    f.clic("C1");
    EXPECT_EQ(partie(p), "C1 --");
    EXPECT_EQ(p.com().liste_coups[2].lettre, Cellule {int16_t {-1}});
    EXPECT_EQ(p.com().liste_coups[2].ligne, Cellule {int16_t {-1}});
    EXPECT_EQ(p.num_coup, 3);
    EXPECT_EQ(p.num_rejoue, 3);
    EXPECT_EQ(f.joueur(), noir);
    EXPECT_EQ(p.controles.quijoue, image_noir);
    EXPECT_EQ(lignes(p.controles.LstCoup), std::vector<std::string> {" 1. C1   2. --"});
    EXPECT_EQ(p.controles.LstCoup.selection, 0);
    EXPECT_EQ(p.controles.nb_noir.legende, "4");
    EXPECT_EQ(p.controles.nb_blanc.legende, "1");
    EXPECT_TRUE(f.hote.messages.empty());

    f.clic("C8");
    EXPECT_EQ(partie(p), "C1 -- C8");
    EXPECT_EQ(p.num_coup, 4);
    EXPECT_EQ(p.controles.nb_noir.legende, "6");
    EXPECT_EQ(p.controles.nb_blanc.legende, "0");
    EXPECT_EQ(f.hote.messages, std::vector<std::string> {"le joueur noir à gagné !"});
}

struct Fin {
    const char* nom;
    const char* avant; // black to move
    const char* coup;
    const char* noirs;
    const char* blancs;
    const char* message;
};

class FinDePartie : public ::testing::TestWithParam<Fin> {};

TEST_P(FinDePartie, ResultFollowsTheCountsAndNothingMoreIsRecorded)
{
    const Fin& fin = GetParam();
    Fenetre f;
    f.tab() = grille_depuis(fin.avant);
    Plateau& p = f.p();

    f.clic(fin.coup);

    EXPECT_EQ(p.controles.nb_noir.legende, fin.noirs);
    EXPECT_EQ(p.controles.nb_blanc.legende, fin.blancs);
    EXPECT_EQ(f.hote.messages, std::vector<std::string> {fin.message});
    // No pass after the last move; the side that made it stays on the move.
    EXPECT_EQ(partie(p), fin.coup);
    EXPECT_EQ(p.num_coup, 2);
    EXPECT_EQ(p.num_rejoue, 2);
    EXPECT_EQ(f.joueur(), noir);
    EXPECT_EQ(p.controles.quijoue, image_noir);

    // A finished game takes no more moves.
    const std::string image = image_grille(f.tab());
    for (int i = 0; i < 64; ++i) p.plateau_MouseDown(i, bouton_gauche);
    EXPECT_EQ(image_grille(f.tab()), image);
    EXPECT_EQ(p.num_rejoue, 2);
    EXPECT_EQ(f.hote.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FinDePartie,
    ::testing::Values(
        Fin {"FullBoardBlackWins",
             ".oxxxxxx\n"
             "xxxxxxxx\n"
             "xxxxxxxx\n"
             "xxxxxxxx\n"
             "xxxxxxxx\n"
             "oooooooo\n"
             "oooooooo\n"
             "oooooooo\n",
             "A1", "40", "24", "le joueur noir à gagné !"},
        Fin {"FullBoardDraw",
             ".oxxxxxx\n"
             "xxxxxxxx\n"
             "xxxxxxxx\n"
             "xxxxxxxx\n"
             "oooooooo\n"
             "oooooooo\n"
             "oooooooo\n"
             "oooooooo\n",
             "A1", "32", "32", "Egalité !"},
        // A3 takes B4; H8 stays empty but faces only white runs to the edge: both sides
        // are blocked, and white wins although black moved last.
        Fin {"BothBlockedBeforeTheBoardIsFull",
             "oooooooo\n"
             "oooooooo\n"
             ".ooooooo\n"
             "xooooooo\n"
             "xxxooooo\n"
             "xxoooooo\n"
             "xooooooo\n"
             "ooooooo.\n",
             "A3", "9", "54", "le joueur blanc à gagné !"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

} // namespace
} // namespace tavik::test
