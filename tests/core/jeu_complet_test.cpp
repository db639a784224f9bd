#include "support.h"

#include <gtest/gtest.h>
#include <map>

namespace tavik::test {

// What the window shows: the board, the counts and the move list.
static std::string vue(Fenetre& f)
{
    const ControlesPlateau& c = f.p().controles;
    std::string s = image_grille(f.tab()) + c.nb_noir.legende + "-" + c.nb_blanc.legende;
    for (const Liste::Entree& e : c.LstCoup.entrees) s += "|" + e.texte;
    return s;
}

// (The buttons, the next-move box and the side-to-move picture are the window's invariants,
// which the soak checks after every action.)
TEST(JeuComplet, PlayedByPressesToTheEndThenWalkedThroughBothWays)
{
    Fenetre f;
    Plateau& p = f.p();
    const ControlesPlateau& c = p.controles;
    const auto coup = [](int slot) { return std::string(partie_connue + 3 * (slot - 1), 2); };
    std::map<int, std::string> vues {{1, vue(f)}}; // by num_coup
    for (int slot = 1; slot <= 61; ++slot) {
        if (coup(slot) == "--") continue; // recorded by the move before
        f.clic(coup(slot));
        ASSERT_EQ(p.num_coup, slot == 12 ? 14 : slot + 1) << coup(slot) << " at " << slot;
        ASSERT_EQ(f.hote.messages.size(), slot == 61 ? 1u : 0u) << "after slot " << slot;
        vues[p.num_coup] = vue(f);
    }
    EXPECT_EQ(partie(p), partie_connue);
    EXPECT_EQ(f.hote.messages[0], "Le joueur blanc a gagné, 39 à 25.");
    EXPECT_EQ(c.nb_noir.legende + "-" + c.nb_blanc.legende, "25-39");
    EXPECT_EQ(c.LstCoup.texte(4) + "|" + c.LstCoup.texte(6), " 9. G3  10. E3|13. --  14. F2");

    // The same record as the chooser stores it, rows as digit texts, is shown alike.
    Fenetre chargee;
    ListeCoups& record = chargee.p().com().liste_coups;
    for (int k = 1; k <= 61; ++k) record[k] = Emplacement::coup_charge(coup(k)[0], coup(k)[1]);
    record[13] = Emplacement::passe();
    chargee.p().num_rejoue = 62;
    const auto verifie = [&](int n) { // the views seen while playing come back
        ASSERT_EQ(p.num_coup, n);
        if (n == 13) { // the pass point, never shown while playing: the board of point 14
            EXPECT_EQ(image_grille(f.tab()), vues.at(14).substr(0, 72));
        } else {
            EXPECT_EQ(vue(f), vues.at(n)) << n;
        }
        EXPECT_EQ(c.LstCoup.selection, n / 2 - 1) << "the line of the last move played, " << n;
        EXPECT_EQ(vue(chargee) + "|" + chargee.p().controles.TxtSuivant.texte,
                  vue(f) + "|" + c.TxtSuivant.texte)
            << n;
    };
    for (Fenetre* w : {&f, &chargee}) w->p().CmdDebut_Click();
    verifie(1);
    for (Fenetre* w : {&f, &chargee}) w->p().CmdFin_Click();
    verifie(62);
    for (int n = 61; n >= 0; --n) { // one step more: never before the start
        for (Fenetre* w : {&f, &chargee}) w->p().CmdPrecedent_Click();
        verifie(n > 0 ? n : 1);
    }
    for (int n = 2; n <= 63; ++n) { // nor past the end
        for (Fenetre* w : {&f, &chargee}) w->p().CmdSuivant_Click();
        verifie(n < 63 ? n : 62);
    }
}

} // namespace tavik::test
