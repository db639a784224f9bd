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
    const std::pair<std::function<void(Fenetre&)>, const char*> cas[] = {
        {[](Fenetre& f) { f.tab()[0][4] = blanc; }, "ring cell (0, 4) holds 3"},
        {[](Fenetre& f) { f.tab()[6][3] = 7; }, "square C6 holds code 7"},
        {[](Fenetre& f) { f.tab()[5][5] = blanc; },
         "differs from the replay of the record on 1 squares: E5 holds white"},
        {[](Fenetre& f) { f.p().controles.nb_blanc.legende = "9"; },
         "the white count shows \"9\" but the board holds 2"},
        {[](Fenetre& f) { f.p().num_coup = 5; }, "beyond the end of the record"},
        {[](Fenetre& f) { f.p().num_coup = 0; }, "outside the record"},
        {[](Fenetre& f) { f.p().num_rejoue = 122; }, "outside its 120 slots"},
        {[](Fenetre& f) {
             f.com->liste_coups[2] = Emplacement::coup({1, 1});
         },
         "slot 2: A1 is not a legal move for white"},
        {[](Fenetre& f) { f.com->liste_coups[3] = Emplacement::passe(); },
         "slot 3: a pass although black can move"},
        {[](Fenetre& f) { f.com->liste_coups[1] = {}; }, "slot 1: \"\" is neither"},
        {[](Fenetre& f) { AccesPlateau::joueur(f.p()) = noir; },
         "black is to move but the record gives the move to white"},
        {[](Fenetre& f) { f.p().controles.quijoue = noir; }, "side-to-move picture is 2"},
        {[](Fenetre& f) { f.p().controles.CmdSuivant.actif = true; }, "\">\" is on at num_coup 4"},
        {[](Fenetre& f) { f.p().controles.CmdDebut.actif = false; }, "\"<<\" is off"},
        {[](Fenetre& f) { f.p().controles.TxtSuivant.visible = true; }, "the next-move box is on"},
        {[](Fenetre& f) {
             f.p().CmdPrecedent_Click();
             f.p().controles.TxtSuivant.texte = "3. C4";
         },
         "the next-move box reads \"3. C4\" instead of \"3. C3\""},
        {[](Fenetre& f) { f.p().controles.LstCoup.ajoute("x"); },
         "the move list has 3 lines at num_coup 4 instead of 2"},
        {[](Fenetre& f) { f.p().controles.LstCoup.selection = 0; }, "selects line 0"},
        {[](Fenetre& f) { f.p().CoupJoueurBiblio = true; },
         "held to the library with no automatic box"},
        {[](Fenetre& f) {
             for (CaseACocher* boite :
                  {&f.p().controles.ChkNoirAuto, &f.p().controles.ChkBlancAuto}) {
                 boite->sur_clic({});
                 boite->fixe(1);
             }
             f.p().CoupJoueurBiblio = true;
         },
         "both \"Noir auto\" and \"Blanc auto\" are ticked"},
        {[](Fenetre& f) { f.p().rotation = 4; }, "rotation = 4"},
        {[](Fenetre& f) { f.p().controles.plateau[63] = noir; }, "H8 shows picture 2"},
        {[](Fenetre& f) { f.p().controles.LstSuite.ajoute("Z9 : ?"); },
         "\"Z9 : ?\" does not begin with a square"},
    };
    for (const auto& [faute, attendu] : cas) {
        Fenetre f;
        f.joue("F5 D6 C3");
        ASSERT_EQ(ensemble(invariants_rompus(f.p())), "") << attendu;
        faute(f);
        const std::string rompus = ensemble(invariants_rompus(f.p()));
        EXPECT_NE(rompus.find(attendu), std::string::npos) << attendu << ":\n" << rompus;
    }
}

} // namespace tavik::test
