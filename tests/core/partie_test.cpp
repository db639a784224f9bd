#include "support.h"

#include "engine/regles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavik::test {
namespace {

constexpr const char* depart =
    "........\n"
    "........\n"
    "........\n"
    "...ox...\n"
    "...xo...\n"
    "........\n"
    "........\n"
    "........\n";

std::string coups_legaux(const Grille& g, int16_t couleur)
{
    std::string s;
    for (int16_t ligne = 1; ligne <= 8; ++ligne)
        for (int16_t colonne = 1; colonne <= 8; ++colonne)
            if (test_coup_possible(g, couleur, ligne, colonne))
                s += (s.empty() ? "" : " ") + notation({ligne, colonne});
    return s;
}

bool anneau_vide(const Grille& g)
{
    for (int i = 0; i < 10; ++i)
        if (g[0][i] != bord || g[9][i] != bord || g[i][0] != bord || g[i][9] != bord) return false;
    return true;
}

TEST(Partie, NewGameResetsEverythingThatShowsProgress)
{
    // F5 D6 is C4 E3 half a turn away, F5 D6 C3 is C4 E3 F6.
    Fenetre f(std::vector<std::string> {"Perpendiculaire;;C4E3;eq;Premier commentaire;",
               "Inhumaine;;C4E3 F6;eq;Second commentaire;",
               "Tigre;;C4E3 F6E6 F5;;;"});
    f.joue("F5 D6 C3 D3 C4");
    f.p().CmdPrecedent_Click();
    f.p().CmdPrecedent_Click();
    f.p().CmdRotation_Click();
    f.p().CmdSymPositive_Click();
    f.p().controles.chk_voir_coup.fixe(1);
    f.p().CoupJoueurBiblio = true;

    // Mid-record, white to move, an exact library line on screen.
    Plateau& p = f.p();
    ASSERT_EQ(p.num_coup, 4);
    ASSERT_EQ(p.rotation, 1);
    ASSERT_EQ(p.controles.quijoue, image_blanc);
    ASSERT_EQ(p.controles.LblOuverture.legende, "Inhumaine");
    ASSERT_FALSE(p.controles.LblBilan.legende.empty());
    ASSERT_FALSE(p.controles.LblCommentaire.legende.empty());
    ASSERT_EQ(p.controles.LstSuite.nombre(), 1);
    ASSERT_TRUE(p.controles.TxtSuivant.visible);
    ASSERT_TRUE(p.controles.CmdSuivant.actif);
    const ListeCoups record = p.com().liste_coups;

    p.nouvelle_partie();

    EXPECT_EQ(image_grille(f.tab()), image_grille(grille_depuis(depart)));
    EXPECT_TRUE(anneau_vide(f.tab()));
    EXPECT_EQ(f.joueur(), noir);
    EXPECT_EQ(p.controles.quijoue, image_noir);
    EXPECT_EQ(p.controles.nb_noir.legende, "2");
    EXPECT_EQ(p.controles.nb_blanc.legende, "2");
    EXPECT_EQ(p.num_coup, 1);
    EXPECT_EQ(p.num_rejoue, 0);
    EXPECT_EQ(p.controles.LstCoup.nombre(), 0);
    EXPECT_EQ(p.controles.LstCoup.selection, -1);
    EXPECT_EQ(p.controles.TxtSuivant.texte, "");
    EXPECT_FALSE(p.controles.TxtSuivant.visible);
    EXPECT_EQ(p.controles.LblOuverture.legende, "");
    EXPECT_EQ(p.controles.LblBilan.legende, "");
    EXPECT_EQ(p.controles.LblCommentaire.legende, "");
    EXPECT_EQ(p.controles.LstSuite.nombre(), 0);
    EXPECT_FALSE(p.controles.CmdDebut.actif);
    EXPECT_FALSE(p.controles.CmdPrecedent.actif);
    EXPECT_FALSE(p.controles.CmdSuivant.actif);
    EXPECT_FALSE(p.controles.CmdFin.actif);

    // The orientation starts again from nothing, but the mirror flags, the check boxes, the
    // library hold and the record cells are left as they were.
    EXPECT_EQ(p.rotation, 0);
    EXPECT_EQ(p.sym_positive, 1);
    EXPECT_EQ(p.sym_negative, 0);
    EXPECT_TRUE(p.controles.chk_voir_coup.cochee());
    EXPECT_TRUE(p.CoupJoueurBiblio);
    EXPECT_EQ(p.com().liste_coups, record);
}

struct Depart {
    int16_t rotation;
    const char* centre; // rows 4 and 5
    const char* noir_joue;
};

class InitJeu : public ::testing::TestWithParam<Depart> {};

TEST_P(InitJeu, StartDiscsFollowTheQuarterTurnsAndBlackMoves)
{
    Fenetre f;
    f.clic("F5");
    Plateau& p = f.p();
    p.rotation = GetParam().rotation;

    p.init_jeu();

    const std::string image = image_grille(f.tab());
    EXPECT_EQ(image.substr(27, 18), GetParam().centre);
    EXPECT_EQ(std::count(image.begin(), image.end(), '.'), 60);
    EXPECT_TRUE(anneau_vide(f.tab()));
    EXPECT_EQ(f.joueur(), noir);
    EXPECT_EQ(p.controles.nb_noir.legende, "2");
    EXPECT_EQ(p.controles.nb_blanc.legende, "2");
    EXPECT_EQ(coups_legaux(f.tab(), noir), GetParam().noir_joue);
}

INSTANTIATE_TEST_SUITE_P(Rotations, InitJeu,
                         ::testing::Values(Depart {0, "...ox...\n...xo...\n", "D3 C4 F5 E6"},
                                           Depart {1, "...xo...\n...ox...\n", "E3 F4 C5 D6"},
                                           Depart {2, "...ox...\n...xo...\n", "D3 C4 F5 E6"},
                                           Depart {3, "...xo...\n...ox...\n", "E3 F4 C5 D6"}));

struct Notation {
    int index;
    int16_t ligne;
    int16_t colonne;
    const char* texte;
};

class NotationCase : public ::testing::TestWithParam<Notation> {};

TEST_P(NotationCase, IndexSquareAndTextAgree)
{
    const Notation& n = GetParam();
    const Case c {n.ligne, n.colonne};
    EXPECT_EQ(tavik::case_de(n.index), c);
    EXPECT_EQ(tavik::index_de(c), n.index);
    EXPECT_EQ(notation(c), n.texte);
    Case lue;
    ASSERT_TRUE(lit_case(n.texte, lue));
    EXPECT_EQ(lue, c);
}

// The first grid index is the row: cell (5, 6) is F5.
INSTANTIATE_TEST_SUITE_P(Cases, NotationCase,
                         ::testing::Values(Notation {0, 1, 1, "A1"}, Notation {7, 1, 8, "H1"},
                                           Notation {37, 5, 6, "F5"}, Notation {44, 6, 5, "E6"},
                                           Notation {56, 8, 1, "A8"}, Notation {63, 8, 8, "H8"}));

TEST(NotationCase, EverySquareMakesTheRoundTrip)
{
    for (int i = 0; i < 64; ++i) {
        const Case c = tavik::case_de(i);
        ASSERT_TRUE(sur_plateau(c)) << i;
        EXPECT_EQ(tavik::index_de(c), i);
        Case lue;
        ASSERT_TRUE(lit_case(notation(c), lue)) << i;
        EXPECT_EQ(lue, c);
    }
}

TEST(NotationCase, TextsThatAreNoSquare)
{
    Case c {3, 3};
    for (const char* texte : {"", "F", "F55", "5F", "I1", "@1", "A0", "A9", "--", "-1"})
        EXPECT_FALSE(lit_case(texte, c)) << texte;
    EXPECT_EQ(c, (Case {3, 3}));
    ASSERT_TRUE(lit_case("f5", c));
    EXPECT_EQ(c, (Case {5, 6}));
}

} // namespace
} // namespace tavik::test
