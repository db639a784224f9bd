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
    const auto etat = [&] {
        return std::to_string(p.num_coup) + " " + std::to_string(p.num_rejoue) + " "
            + std::to_string(p.rotation) + std::to_string(p.sym_positive)
            + std::to_string(p.sym_negative) + " " + std::to_string(f.joueur())
            + std::to_string(c.quijoue) + " " + c.nb_noir.legende + c.nb_blanc.legende + " "
            + std::to_string(c.LstCoup.nombre() + c.LstSuite.nombre()) + " [" + c.TxtSuivant.texte
            + c.LblOuverture.legende + c.LblBilan.legende + c.LblCommentaire.legende + "] "
            + "01"[c.TxtSuivant.visible] + "01"[c.CmdDebut.actif] + "01"[c.CmdPrecedent.actif]
            + "01"[c.CmdSuivant.actif] + "01"[c.CmdFin.actif];
    };
    f.joue("F5 D6 C3 D3");
    p.CmdPrecedent_Click();
    p.CmdRotation_Click();
    p.CmdSymPositive_Click();
    ASSERT_EQ(etat(), "4 5 110 33 52 3 [4. E3InhumaineEgalité.Un commentaire] 11111");

    p.nouvelle_partie();
    EXPECT_EQ(image_grille(f.tab()),
              "........\n........\n........\n...ox...\n"
              "...xo...\n........\n........\n........\n");
    EXPECT_EQ(etat(), "1 0 010 22 22 0 [] 00000") << "the mirror flags stay";

    p.rotation = 1;
    p.init_jeu();
    EXPECT_EQ(image_grille(f.tab()),
              "........\n........\n........\n...xo...\n"
              "...ox...\n........\n........\n........\n");
}

} // namespace tavik::test
