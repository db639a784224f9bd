#include "support.h"

#include <gtest/gtest.h>
#include <utility>

namespace tavik::test {

// The game behind the tiles: board, record, side, counts, and the placing animations so far.
static std::string etat(Fenetre& f)
{
    const ControlesPlateau& c = f.p().controles;
    return image_grille(f.tab()) + partie(f.p()) + "|" + std::to_string(f.joueur()) + "|"
        + c.nb_noir.legende + "-" + c.nb_blanc.legende + "|" + std::to_string(f.hote.pompes);
}

TEST(Clic, F5FromTheStartPreviewedThenPlayedWithAPressDuringTheAnimation)
{
    Fenetre f;
    Plateau& p = f.p();
    const ControlesPlateau& c = p.controles;
    p.controles.chk_voir_coup.fixe(1);
    const std::string avant = etat(f);
    const std::string tuiles = images(p);
    for (const BoutonSouris bouton : {bouton_droit, bouton_milieu}) {
        p.plateau_MouseDown(index_de("A1"), bouton); // not legal: nothing to preview
        EXPECT_EQ(images(p), tuiles);
        p.plateau_MouseDown(index_de("F5"), bouton); // F5 played, white's replies in yellow
        EXPECT_EQ(images(p),
                  "11111111\n11111111\n11111111\n11132511\n"
                  "11122211\n11151511\n11111111\n11111111\n");
        EXPECT_EQ(etat(f), avant);
        p.plateau_MouseUp(index_de("F5"), bouton);
        EXPECT_EQ(images(p), tuiles);
    }

    std::vector<int> vues; // F5's picture, change by change, while the disc is placed
    f.hote.pendant_pompe = [&] {
        if (vues.empty() || vues.back() != c.plateau[37]) vues.push_back(c.plateau[37]);
        if (f.hote.pompes == 1) f.clic("D3"); // another legal move for black: ignored
    };
    f.clic("F5");
    EXPECT_EQ(vues, (std::vector<int> {image_noir, 8, image_noir, 8}));
    EXPECT_EQ(images(p),
              "11111111\n11111111\n11111111\n11132411\n" // E5 turned, D6 F4 F6 marked
              "11122211\n11141411\n11111111\n11111111\n");
    EXPECT_EQ(c.LstCoup.texte(c.LstCoup.nombre() - 1), " 1. F5");
    f.clic("D6");
    EXPECT_EQ(partie(p), "F5 D6") << "presses are taken again once the disc is placed";
}

// The recorded next move is followed, whether played or loaded by the chooser (its row a digit
// text); a square that shares only its row or its column with it (F6 against D6 or F4) is
// played anew and cuts the record, so the old slot 3 is then played, not followed.
TEST(Clic, RecordedNextMoveIsFollowedAnotherMoveCutsTheRecord)
{
    const struct
    {
        bool chargee;
        const char *jouee, *clics, *attendu; // the record and the next-move box shown
    } cas[] = {
        {false, "F5 F6 E6", "F6", "F5 F6 E6|3. E6"}, {true, "F5 F6 E6", "F6", "F5 F6 E6|3. E6"},
        {false, "F5 D6 C3", "F6", "F5 F6|"},         {false, "F5 F4 E3", "F6", "F5 F6|"},
        {false, "F5 D6 C3", "F4", "F5 F4|"},         {false, "F5 D6 C3", "F4 C3", "F5 F4 C3|"},
    };
    for (const auto& c : cas) {
        Fenetre f;
        if (c.chargee) {
            for (int k = 1; k <= 3; ++k)
                f.p().com().liste_coups[k]
                    = Emplacement::coup_charge(c.jouee[3 * k - 3], c.jouee[3 * k - 2]);
            f.p().num_rejoue = 4;
        } else {
            f.joue(c.jouee);
        }
        f.p().CmdDebut_Click();
        f.p().CmdSuivant_Click();
        f.joue(c.clics);
        const ZoneTexte& t = f.p().controles.TxtSuivant;
        EXPECT_EQ(partie(f.p()) + "|" + (t.visible ? t.texte : ""), c.attendu) << c.jouee;
    }
}

// After C4 E3 this library lists F6 (legal), D4 (occupied) and A1 (turns nothing).
TEST(Clic, HeldToTheLibraryOnlyAListedLegalSquareIsPlayed)
{
    Fenetre f(std::vector<std::string> {"Perpendiculaire;;C4E3;;;", "Inhumaine;;C4E3 F6;;;",
                                        "Fautive;;C4E3 D4;;;", "Perdue;;C4E3 A1;;;"});
    f.joue("C4 E3 F6 E6");
    f.p().CmdPrecedent_Click();
    f.p().CmdPrecedent_Click();
    f.p().CoupJoueurBiblio = true;
    ASSERT_EQ(f.p().controles.LstSuite.nombre(), 3);
    const std::string avant = etat(f);
    for (const char* refuse : {"D4", "A1", "F4"}) f.clic(refuse); // F4: legal, not listed
    EXPECT_EQ(etat(f), avant);
    f.clic("F6"); // listed, legal, and the recorded next move: played anew, not followed
    EXPECT_EQ(partie(f.p()), "C4 E3 F6");
}

TEST(Clic, CommandsDuringThePlacingAnimationChangeNothing)
{
    Fenetre f(std::vector<std::string> {"Tigre;;C4E3 F6E6 F5;eq;;"});
    Plateau& p = f.p();
    f.joue("F5 D6 C3 D3");
    p.CmdPrecedent_Click();
    p.CmdPrecedent_Click();
    bool une_fois = false;
    f.hote.pendant_pompe = [&] {
        if (std::exchange(une_fois, true)) return;
        p.CmdFin_Click();
        p.CmdDebut_Click();
        p.CmdPrecedent_Click();
        p.CmdSuivant_Click();
        p.CmdRotation_Click();
        p.CmdSymPositive_Click();
        p.CmdSymNegative_Click();
        p.cmd_jouer_Click();
        f.ouverture->Form_Load();
        f.ouverture->LstOuverture.selection = 0;
        f.ouverture->Cmdcharger_Click();
    };
    f.clic("C5"); // not the recorded next move: a move of its own, animated
    EXPECT_TRUE(une_fois);
    EXPECT_EQ(partie(p), "F5 D6 C5");
    EXPECT_EQ(p.rotation + p.sym_positive + p.sym_negative, 0);
}

} // namespace tavik::test
