#include "support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tavik::test {
namespace {

// Five slots: the tiger line, F5 D6 C3 D3 C4.
constexpr const char* cinq_coups = "F5 D6 C3 D3 C4";

std::vector<std::string> lignes(const Liste& l)
{
    std::vector<std::string> v;
    for (const Liste::Entree& e : l.entrees) v.push_back(e.texte);
    return v;
}

std::string boutons(const Plateau& p)
{
    const ControlesPlateau& c = p.controles;
    std::string s;
    for (const Bouton* b : {&c.CmdDebut, &c.CmdPrecedent, &c.CmdSuivant, &c.CmdFin})
        s += b->actif ? '1' : '0';
    return s;
}

// Runs navigation commands written as "<< < > >>".
void navigue(Plateau& p, const std::string& commandes)
{
    std::istringstream in(commandes);
    std::string c;
    while (in >> c) {
        if (c == "<<") p.CmdDebut_Click();
        else if (c == "<") p.CmdPrecedent_Click();
        else if (c == ">") p.CmdSuivant_Click();
        else if (c == ">>") p.CmdFin_Click();
        else ADD_FAILURE() << "unknown command " << c;
    }
}

std::string grille_apres(const std::string& coups)
{
    Fenetre g;
    g.joue(coups);
    return image_grille(g.tab());
}

struct Trajet {
    const char* commandes; // from the end of the five-slot record
    int16_t num_coup;
    const char* boutons;
    const char* suivant; // the next-move box, or nullptr when hidden
    const char* jusque_la; // the moves before the point
};

class Navigation : public ::testing::TestWithParam<Trajet> {};

TEST_P(Navigation, ButtonsNextMoveAndPositionFollowThePoint)
{
    const Trajet& t = GetParam();
    Fenetre f;
    Plateau& p = f.p();
    f.joue(cinq_coups);

    navigue(p, t.commandes);

    EXPECT_EQ(p.num_coup, t.num_coup);
    EXPECT_EQ(p.num_rejoue, 6);
    EXPECT_EQ(partie(p), cinq_coups);
    EXPECT_EQ(boutons(p), t.boutons);
    EXPECT_EQ(p.controles.TxtSuivant.visible, t.suivant != nullptr);
    if (t.suivant) {
        EXPECT_EQ(p.controles.TxtSuivant.texte, t.suivant);
    }
    EXPECT_EQ(image_grille(f.tab()), grille_apres(t.jusque_la));
    EXPECT_EQ(f.joueur(), t.num_coup % 2 == 1 ? noir : blanc);
}

INSTANTIATE_TEST_SUITE_P(
    Trajets, Navigation,
    ::testing::Values(Trajet {"<", 5, "1111", "5. C4", "F5 D6 C3 D3"},
                      Trajet {"< < < <", 2, "1111", "2. D6", "F5"},
                      Trajet {"< < < < <", 1, "0011", "1. F5", ""},
                      Trajet {"<<", 1, "0011", "1. F5", ""},
                      // "<" at the start and ">" at the end are ignored.
                      Trajet {"<< <", 1, "0011", "1. F5", ""},
                      Trajet {">", 6, "1100", nullptr, cinq_coups},
                      Trajet {"<< >", 2, "1111", "2. D6", "F5"},
                      Trajet {"<< > > >", 4, "1111", "4. D3", "F5 D6 C3"},
                      Trajet {"< >", 6, "1100", nullptr, cinq_coups},
                      Trajet {"<< >>", 6, "1100", nullptr, cinq_coups},
                      Trajet {"< < >>", 6, "1100", nullptr, cinq_coups}));

TEST(Navigation, OneStepBackFromTheEnd)
{
    Fenetre f;
    Plateau& p = f.p();
    f.joue(cinq_coups);
    p.CmdPrecedent_Click();
    EXPECT_EQ(lignes(p.controles.LstCoup),
              (std::vector<std::string> {" 1. F5   2. D6", " 3. C3   4. D3"}));
    EXPECT_EQ(p.controles.LstCoup.selection, 1);
    EXPECT_EQ(p.controles.nb_noir.legende, "4");
    EXPECT_EQ(p.controles.nb_blanc.legende, "4");
}

// F5 D6 is C4 E3 half a turn away: the exact line "Perpendiculaire". F5 D6 C3 (C4 E3 F6) is
// in no line as such.
TEST(Navigation, BackwardCommandsClearTheLibraryLabelsForwardOnesKeepThem)
{
    Fenetre f(std::vector<std::string> {"Perpendiculaire;;C4E3;eq;Un commentaire;",
                                        "Tigre;;C4E3 F6E6 F5G6;;;"});
    Plateau& p = f.p();
    const auto labels = [&p] {
        return p.controles.LblOuverture.legende + "|" + p.controles.LblBilan.legende + "|"
            + p.controles.LblCommentaire.legende;
    };
    f.joue(cinq_coups);
    navigue(p, "<< > >");
    const std::string perpendiculaire = labels();
    ASSERT_EQ(p.controles.LblOuverture.legende, "Perpendiculaire");
    ASSERT_FALSE(p.controles.LblBilan.legende.empty());
    ASSERT_FALSE(p.controles.LblCommentaire.legende.empty());

    p.CmdSuivant_Click();
    EXPECT_EQ(labels(), perpendiculaire);
    EXPECT_EQ(lignes(p.controles.LstSuite), std::vector<std::string> {"D3 : ..."});
    p.CmdFin_Click();
    EXPECT_EQ(labels(), perpendiculaire);

    p.CmdPrecedent_Click();
    EXPECT_EQ(labels(), "||");
    navigue(p, "< <");
    EXPECT_EQ(labels(), perpendiculaire) << "an exact line sets them again";
    p.CmdPrecedent_Click();
    EXPECT_EQ(labels(), "||");
    navigue(p, "> >");
    EXPECT_EQ(labels(), perpendiculaire);
    p.CmdDebut_Click();
    EXPECT_EQ(labels(), "||");
    EXPECT_EQ(p.controles.LstSuite.nombre(), 0);
}

class RetourArriere : public ::testing::TestWithParam<const char*> {};

TEST_P(RetourArriere, UnticksAutomaticPlayAndReleasesTheLibraryHold)
{
    Fenetre f;
    Plateau& p = f.p();
    f.joue(cinq_coups);
    // White to move: ticking black's box makes nothing play.
    p.controles.ChkNoirAuto.fixe(1);
    ASSERT_TRUE(p.CoupJoueurBiblio);
    ASSERT_EQ(p.num_rejoue, 6);

    navigue(p, GetParam());

    EXPECT_FALSE(p.controles.ChkNoirAuto.cochee());
    EXPECT_FALSE(p.controles.ChkBlancAuto.cochee());
    EXPECT_FALSE(p.CoupJoueurBiblio);
    EXPECT_EQ(partie(p), cinq_coups) << "nothing was played";
}

INSTANTIATE_TEST_SUITE_P(Commandes, RetourArriere, ::testing::Values("<", "<<"));

TEST(Navigation, PrecedentReleasesTheHoldEvenWithTheBoxesUnticked)
{
    Fenetre f;
    f.joue(cinq_coups);
    f.p().CoupJoueurBiblio = true;
    f.p().CmdPrecedent_Click();
    EXPECT_FALSE(f.p().CoupJoueurBiblio);
}

TEST(Navigation, ForwardCommandsLeaveAutomaticPlayAlone)
{
    Fenetre f;
    Plateau& p = f.p();
    f.joue(cinq_coups);
    navigue(p, "<< > >");
    p.controles.ChkBlancAuto.fixe(1); // black to move: nothing plays

    p.CmdSuivant_Click(); // white to move now, but ">" does not call the automatic player
    EXPECT_TRUE(p.controles.ChkBlancAuto.cochee());
    EXPECT_TRUE(p.CoupJoueurBiblio);
    p.CmdFin_Click();
    EXPECT_TRUE(p.controles.ChkBlancAuto.cochee());
    EXPECT_TRUE(p.CoupJoueurBiblio);
    EXPECT_EQ(partie(p), cinq_coups);
}

// After white's H4 black has no move; slot 13 is a pass and white plays F2 in slot 14.
TEST(Navigation, StepOntoTheSlotAfterAPass)
{
    Fenetre f;
    Plateau& p = f.p();
    f.joue("F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 F2");
    ASSERT_EQ(partie(p), "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 -- F2");
    navigue(p, "<< > > > > > > > > > > > >");
    ASSERT_EQ(p.num_coup, 13);
    EXPECT_EQ(p.controles.TxtSuivant.texte, "13. --");
    EXPECT_EQ(f.joueur(), noir);

    // The press of the point's own square never follows a pass, and black has no legal move.
    const std::string avant = image_grille(f.tab());
    for (int i = 0; i < 64; ++i) p.plateau_MouseDown(i, bouton_gauche);
    EXPECT_EQ(p.num_coup, 13);
    EXPECT_EQ(image_grille(f.tab()), avant);

    p.CmdSuivant_Click();
    EXPECT_EQ(p.num_coup, 14);
    EXPECT_EQ(p.controles.LstCoup.texte(p.controles.LstCoup.selection), "13. --");
    EXPECT_EQ(p.controles.TxtSuivant.texte, "14. F2");
    EXPECT_EQ(f.joueur(), blanc);
    EXPECT_EQ(p.controles.quijoue, image_blanc);
    EXPECT_EQ(image_grille(f.tab()), avant);
    EXPECT_EQ(boutons(p), "1111");
}

} // namespace
} // namespace tavik::test
