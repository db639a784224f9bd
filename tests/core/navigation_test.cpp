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
    ASSERT_EQ(inhumaine, "Inhumaine|Égalité.|Un commentaire");
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
    ASSERT_EQ(etat(), "4 6 110 1 [4. E3Inhumaine|Égalité.|Un commentaire]");
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

namespace tavik::test {

// After a jump the labels show the deepest library line that the game follows, the last of its
// rows in file order, or nothing: the same as the game played move by move, whatever they
// showed before. f5f4e3f6d3 is C4C5 D6C3 E6 in the library's orientation.
TEST(Navigation, AJumpShowsTheDeepestLineThatTheGameFollows)
{
    Fenetre f(std::vector<std::string> {"Tigre;;C4E3 F6E6 F5;eq;Un tigre", "Parallèle;;C4C5;n+=;",
                                        "Plus loin;;C4C5 D6C3 E6F4;b+;", "Premier;;C4E3 F6;eq;",
                                        "Second;;C4E3 F6;b+=;Le dernier"});
    Plateau& p = f.p();
    const ControlesPlateau& c = p.controles;
    const auto labels = [&c] {
        return c.LblOuverture.legende + "|" + c.LblBilan.legende + "|" + c.LblCommentaire.legende;
    };
    const std::string parallele = "Parallèle|Léger avantage à noir.|";
    f.ouverture->LstOuverture.selection = 0;
    f.ouverture->Cmdcharger_Click();
    ASSERT_EQ(labels(), "Tigre|Égalité.|Un tigre");
    p.charge_transcription("f5f4e3f6d3");
    EXPECT_EQ(labels(), parallele) << "pasted over the loaded Tigre";
    p.CmdDebut_Click();
    p.CmdFin_Click();
    EXPECT_EQ(labels(), parallele) << "<< then >>";
    p.cmd_jouer_Click();
    f.joue("F5 F4 E3 F6 D3");
    EXPECT_EQ(labels(), parallele) << "played by hand";

    p.charge_transcription("f5d6c3d3");
    EXPECT_EQ(labels(), "Second|Léger avantage à blanc.|Le dernier") << "C4E3 F6 E6";
    p.charge_transcription("f5d6");
    EXPECT_EQ(labels(), "||") << "C4E3 is no line";
    p.CmdRotation_Click();
    p.charge_transcription("f5f4e3f6d3");
    EXPECT_EQ(labels(), parallele) << "loaded from the usual orientation";
}

} // namespace tavik::test
