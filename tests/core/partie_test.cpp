#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

TEST(Partie, NewGameClearsTheProgressThenAQuarterTurnExchangesTheStartColours)
{
    // Point 4, F5 D6 C3, is C4 E3 F6 half a turn away: an exact line, continued by Tigre.
    Fenetre f(
        std::vector<std::string> {"Inhumaine;;C4E3 F6;eq;Un commentaire;", "Tigre;;C4E3 F6E6;;;"});
    Plateau& p = f.p();
    const ControlesPlateau& c = p.controles;
    f.joue("F5 D6 C3 D3");
    p.CmdPrecedent_Click();
    p.CmdRotation_Click();
    p.CmdSymPositive_Click();
    ASSERT_EQ(c.LblOuverture.legende + " " + c.LblCommentaire.legende, "Inhumaine Un commentaire");
    ASSERT_TRUE(c.LstSuite.nombre() == 1 && c.TxtSuivant.visible && c.quijoue == image_blanc);

    p.nouvelle_partie();
    EXPECT_EQ(image_grille(f.tab()),
              "........\n........\n........\n...ox...\n"
              "...xo...\n........\n........\n........\n");
    EXPECT_EQ(f.joueur(), noir);
    EXPECT_EQ(c.quijoue, image_noir);
    EXPECT_EQ(c.nb_noir.legende + c.nb_blanc.legende, "22");
    EXPECT_EQ(p.num_coup, 1);
    EXPECT_EQ(p.num_rejoue, 0);
    EXPECT_EQ(p.rotation, 0);
    EXPECT_EQ(p.sym_positive * 10 + p.sym_negative, 10) << "the mirror flags stay";
    EXPECT_EQ(c.LstCoup.nombre() + c.LstSuite.nombre(), 0);
    EXPECT_EQ(c.TxtSuivant.texte + c.LblOuverture.legende + c.LblBilan.legende
                  + c.LblCommentaire.legende,
              "");
    EXPECT_FALSE(c.TxtSuivant.visible || c.CmdDebut.actif || c.CmdPrecedent.actif
                 || c.CmdSuivant.actif || c.CmdFin.actif);

    p.rotation = 1;
    p.init_jeu();
    EXPECT_EQ(image_grille(f.tab()),
              "........\n........\n........\n...xo...\n"
              "...ox...\n........\n........\n........\n");
}

} // namespace tavik::test
