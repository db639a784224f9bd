#include "orientation/transformations.h"
#include "support.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tavik::test {

struct Commande
{
    void (Plateau::*clic)();
    std::string (*coup)(std::string_view);
    std::string tournee; // F5 D6, then the continuation C3, once turned
};
static const Commande commandes[] = {{&Plateau::CmdRotation_Click, rot_coup, "D6 C4 F3"},
                                     {&Plateau::CmdSymNegative_Click, SymNeg_coup, "E6 F4 C3"},
                                     {&Plateau::CmdSymPositive_Click, SymPos_coup, "D3 C5 F6"}};

// The turned game played: the command on the empty board, then the moves turned by its map.
static void joue_tourne(Fenetre& g, const Commande& c, const std::string& coups)
{
    (g.p().*c.clic)();
    std::istringstream in(coups);
    for (std::string coup; in >> coup;) g.clic(c.coup(coup));
}

// A full game with five passes reaches slot 65: G8 in 62, H3 in 63, a pass in 64, H8 in 65.
constexpr const char* partie_longue
    = "C4 C5 E6 C3 B3 F5 D3 E3 F4 G5 B6 B2 E2 E7 C2 A2 A4 B5 B1 A1 E8 D7 A5 F3 G2 A6 G6 C6 B7 C7 "
      "D2 B4 H6 F1 D8 G4 G3 A3 F2 H2 D6 H7 F6 B8 E1 H4 G1 C1 A7 H5 D1 A8 H1 C8 F8 F7 G7 G8 H3 H8";

// F5 D6 turned with the lookup. In the long game every slot turns, beyond 61 too, so a replay
// gives the board on screen; four quarter turns or two mirrors, with every move ahead, give it
// back.
TEST(Orientation, CommandsTurnTheBoardTheRecordAndTheLookup)
{
    for (const Commande& c : commandes) {
        SCOPED_TRACE(c.tournee);
        Fenetre court(std::vector<std::string> {"X;;C4E3", "Z;;C4E3 F6"});
        court.joue("F5 D6");
        (court.p().*c.clic)();
        EXPECT_EQ(partie(court.p()), c.tournee.substr(0, 5));
        EXPECT_EQ(court.p().controles.LstSuite.texte(0), c.tournee.substr(6) + "\u00a0: Z");

        Fenetre f, g;
        Plateau& p = f.p();
        f.hote.pas = g.hote.pas = 1.0;
        f.joue(partie_longue);
        ASSERT_EQ(p.num_rejoue, 66);
        const auto etat = [&] { return image_grille(f.tab()) + partie(p) + images(p); };
        const std::string avant = etat();
        (p.*c.clic)();
        joue_tourne(g, c, partie_longue);
        EXPECT_EQ(partie(p), partie(g.p()));
        EXPECT_EQ(image_grille(f.tab()), image_grille(g.tab()));
        p.CmdDebut_Click();
        p.CmdFin_Click();
        EXPECT_EQ(image_grille(f.tab()), image_grille(g.tab()));
        p.CmdDebut_Click();
        for (int i = c.clic == &Plateau::CmdRotation_Click ? 3 : 1; i > 0; --i) (p.*c.clic)();
        p.CmdFin_Click();
        EXPECT_EQ(etat(), avant);
    }
}

// The quarter turn is clockwise as drawn; "Sym /" keeps A8-H1 in place, "Sym \" keeps A1-H8.
TEST(CoupTransforme, ThreeMapsAndAnythingElseUnchanged)
{
    const std::array<std::string, 4> cas[]
        = {{"A1", "H1", "H8", "A1"}, {"H1", "H8", "H1", "A8"}, {"f5", "D6", "D3", "E6"}};
    for (const auto& [coup, rot, pos, neg] : cas)
        EXPECT_EQ(rot_coup(coup) + SymPos_coup(coup) + SymNeg_coup(coup), rot + pos + neg) << coup;
    for (const std::string coup : {"", "F", "I5", "F9", "F0", "-1-1", "F55", "5F"})
        EXPECT_EQ(rot_coup(coup) + SymPos_coup(coup) + SymNeg_coup(coup), coup + coup + coup);
}

// The lookup's way back from the library's C4 to each first move (the way there is held by the
// shipped library's walk through the eight orientations).
TEST(Orientations, EachFirstMoveComesBackFromC4)
{
    for (const std::string premier : {"C4", "D3", "F5", "E6", "E3", "F4", "D6", "C5"})
        EXPECT_EQ(vers_jeu(premier, "C4"), premier);
    EXPECT_EQ(vers_jeu("-1-1", "F6"), "F6"); // a pass first: nothing to turn
}

} // namespace tavik::test
