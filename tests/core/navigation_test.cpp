#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

// Point 4, F5 D6 C3, is C4 E3 F6 half a turn away: the exact line "Inhumaine"; the points after
// it follow "Tigre" without being a line. Backward commands clear the library panel and automatic
// play; a new game clears the progress but keeps the mirror flags; a quarter turn exchanges the
// start colours.
TEST(Navigation, BackwardCommandsThenANewGame)
{
    Fenetre f(std::vector<std::string> {"Inhumaine;;C4E3 F6;eq;Un commentaire;",
                                        "Tigre;;C4E3 F6E6 F5G6;;;"});
    Plateau& p = f.p();
    ControlesPlateau& c = p.controles;
    const auto labels = [&c] {
        return c.LblOuverture.legende + "|" + c.LblBilan.legende + "|" + c.LblCommentaire.legende;
    };
    f.joue("F5 D6 C3 D3 C4");
    p.CmdPrecedent_Click();
    p.CmdPrecedent_Click();
    const std::string inhumaine = labels();
    ASSERT_EQ(inhumaine, "Inhumaine|Egalité.|Un commentaire");
    c.ChkNoirAuto.fixe(1); // white to move: nothing plays
    p.CmdSuivant_Click();
    p.CmdFin_Click();
    EXPECT_EQ(labels(), inhumaine) << "forward commands keep them without an exact line";
    EXPECT_TRUE(c.ChkNoirAuto.cochee() && p.CoupJoueurBiblio) << "and leave automatic play on";

    p.CmdPrecedent_Click();
    EXPECT_EQ(labels(), "||");
    EXPECT_FALSE(c.ChkNoirAuto.cochee() || p.CoupJoueurBiblio);
    p.CmdPrecedent_Click();
    ASSERT_EQ(labels(), inhumaine);
    c.ChkNoirAuto.fixe(1);
    p.CmdDebut_Click();
    EXPECT_EQ(labels(), "||");
    EXPECT_EQ(c.LstSuite.nombre(), 0);
    EXPECT_FALSE(c.ChkNoirAuto.cochee() || p.CoupJoueurBiblio);
    EXPECT_EQ(partie(p), "F5 D6 C3 D3 C4") << "nothing played";

    // (The counts, the buttons and the move list are the window's invariants.)
    const auto etat = [&] {
        return std::to_string(p.num_coup) + " " + std::to_string(p.num_rejoue) + " "
            + std::to_string(p.rotation) + std::to_string(p.sym_positive)
            + std::to_string(p.sym_negative) + " " + std::to_string(c.LstSuite.nombre()) + " ["
            + c.TxtSuivant.texte + labels() + "]";
    };
    for (int i = 0; i < 3; ++i) p.CmdSuivant_Click();
    p.CmdRotation_Click();
    p.CmdSymPositive_Click();
    ASSERT_EQ(etat(), "4 6 110 1 [4. E3Inhumaine|Egalité.|Un commentaire]");
    p.nouvelle_partie();
    EXPECT_EQ(image_grille(f.tab()),
              "........\n........\n........\n...ox...\n"
              "...xo...\n........\n........\n........\n");
    EXPECT_EQ(etat(), "1 0 010 0 [||]") << "the mirror flags stay";
    p.rotation = 1;
    p.init_jeu();
    EXPECT_EQ(image_grille(f.tab()),
              "........\n........\n........\n...xo...\n"
              "...ox...\n........\n........\n........\n");
}

} // namespace tavik::test
