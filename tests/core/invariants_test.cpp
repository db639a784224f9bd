#include "support.h"
#include "windows/invariants.h"

#include <gtest/gtest.h>

namespace tavik::test {

using Lignes = std::vector<std::string>;

static std::string ensemble(const Lignes& rompus)
{
    std::string s;
    for (const std::string& r : rompus) s += r + "\n";
    return s;
}

// No false alarm on a forced pass, turned and mirrored, nor at the end of a game (the soak
// checks the invariants after every random action).
TEST(Invariants, HoldOnAPassAndAtTheEnd)
{
    Fenetre f(Lignes {"Passe;;C4C3 C2B2 D3C1 A1C5 B1E3 D1"});
    Plateau& p = f.p();
    p.controles.chk_voir_coup.fixe(1);
    p.controles.ChkVoirOuverture.fixe(1);
    f.joue("C4 C3 C2 B2 D3 C1 A1 C5 B1 E3 D1");
    ASSERT_EQ(partie(p), "C4 C3 C2 B2 D3 C1 A1 C5 B1 E3 D1 --");
    EXPECT_EQ(ensemble(invariants_rompus(p)), "");
    p.CmdPrecedent_Click();
    p.CmdRotation_Click();
    p.CmdSymNegative_Click();
    EXPECT_EQ(ensemble(invariants_rompus(p)), "");
    p.cmd_jouer_Click();
    f.joue("D3 C3 B3 D2 E1 D6 D7 E3 F4"); // black takes every disc
    ASSERT_EQ(f.hote.messages, Lignes {"le joueur noir à gagné !"});
    p.CmdDebut_Click();
    p.CmdFin_Click();
    EXPECT_EQ(ensemble(invariants_rompus(p)), "");
}

// While another button is held on a legal square only the tiles differ from the live view.
TEST(Invariants, PreviewShowsAnotherBoardOnlyOnTheTiles)
{
    Fenetre f;
    Plateau& p = f.p();
    f.joue("F5");
    p.plateau_MouseDown(index_de("F6"), bouton_droit);
    EXPECT_EQ(ensemble(invariants_rompus(p, Vue::apercu)), "");
    const Lignes rompus = invariants_rompus(p, Vue::jeu);
    ASSERT_EQ(rompus.size(), 1U) << ensemble(rompus);
    EXPECT_NE(rompus[0].find("tiles differ from the live position"), std::string::npos);
    p.plateau_MouseUp(index_de("F6"), bouton_droit);
    EXPECT_EQ(ensemble(invariants_rompus(p)), "");
}

// Each fault planted in a consistent window is reported, by a line that names it.
TEST(Invariants, EveryPlantedFaultIsReported)
{
    const struct
    {
        const char* nom;
        std::function<void(Fenetre&)> faute;
        const char* attendu;
    } cas[] = {
        {"ring", [](Fenetre& f) { f.tab()[0][4] = blanc; }, "ring cell (0, 4) holds 3"},
        {"cell code", [](Fenetre& f) { f.tab()[6][3] = 7; }, "square C6 holds code 7"},
        {"disc turned", [](Fenetre& f) { f.tab()[5][5] = blanc; },
         "differs from the replay of the record on 1 squares: E5 holds white"},
        {"count", [](Fenetre& f) { f.p().controles.nb_blanc.legende = "9"; },
         "the white count shows \"9\" but the board holds 2"},
        {"point past the end", [](Fenetre& f) { f.p().num_coup = 5; },
         "beyond the end of the record"},
        {"point before the start", [](Fenetre& f) { f.p().num_coup = 0; }, "outside the record"},
        {"end past the record", [](Fenetre& f) { f.p().num_rejoue = 122; },
         "outside its 120 slots"},
        {"illegal move",
         [](Fenetre& f) {
             f.com->liste_coups[2] = Emplacement::coup({1, 1});
         },
         "slot 2: A1 is not a legal move for white"},
        {"pass not forced", [](Fenetre& f) { f.com->liste_coups[3] = Emplacement::passe(); },
         "slot 3: a pass although black can move"},
        {"empty slot", [](Fenetre& f) { f.com->liste_coups[1] = {}; }, "slot 1: \"\" is neither"},
        {"side to move", [](Fenetre& f) { AccesPlateau::joueur(f.p()) = noir; },
         "black is to move but the record gives the move to white"},
        {"side picture", [](Fenetre& f) { f.p().controles.quijoue = noir; },
         "side-to-move picture is 2"},
        {"\">\" on", [](Fenetre& f) { f.p().controles.CmdSuivant.actif = true; },
         "\">\" is on at num_coup 4"},
        {"\"<<\" off", [](Fenetre& f) { f.p().controles.CmdDebut.actif = false; }, "\"<<\" is off"},
        {"next-move box", [](Fenetre& f) { f.p().controles.TxtSuivant.visible = true; },
         "the next-move box is on"},
        {"next-move text",
         [](Fenetre& f) {
             f.p().CmdPrecedent_Click();
             f.p().controles.TxtSuivant.texte = "3. C4";
         },
         "the next-move box reads \"3. C4\" instead of \"3. C3\""},
        {"move list", [](Fenetre& f) { f.p().controles.LstCoup.ajoute("x"); },
         "the move list has 3 lines at num_coup 4 instead of 2"},
        {"move list selection", [](Fenetre& f) { f.p().controles.LstCoup.selection = 0; },
         "selects line 0"},
        {"held without a box", [](Fenetre& f) { f.p().CoupJoueurBiblio = true; },
         "held to the library with no automatic box"},
        {"two boxes",
         [](Fenetre& f) {
             for (CaseACocher* boite :
                  {&f.p().controles.ChkNoirAuto, &f.p().controles.ChkBlancAuto}) {
                 boite->sur_clic({});
                 boite->fixe(1);
             }
             f.p().CoupJoueurBiblio = true;
         },
         "both \"Noir auto\" and \"Blanc auto\" are ticked"},
        {"rotation", [](Fenetre& f) { f.p().rotation = 4; }, "rotation = 4"},
        {"tile", [](Fenetre& f) { f.p().controles.plateau[63] = noir; }, "H8 shows picture 2"},
        {"continuation", [](Fenetre& f) { f.p().controles.LstSuite.ajoute("Z9 : ?"); },
         "\"Z9 : ?\" does not begin with a square"},
    };
    for (const auto& c : cas) {
        Fenetre f;
        f.joue("F5 D6 C3");
        ASSERT_EQ(ensemble(invariants_rompus(f.p())), "") << c.nom;
        c.faute(f);
        const std::string rompus = ensemble(invariants_rompus(f.p()));
        EXPECT_NE(rompus.find(c.attendu), std::string::npos) << c.nom << ":\n" << rompus;
    }
}

} // namespace tavik::test
