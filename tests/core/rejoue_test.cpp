#include "support.h"

#include "engine/regles.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tavik::test {
namespace {

// The opening of a recorded game: after white's H4 (slot 12) black has no move and passes in
// slot 13; white goes on with F2 and F1.
constexpr const char* debut_avec_passe = "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 F2 F1";

std::vector<std::string> lignes(const Liste& l)
{
    std::vector<std::string> v;
    for (const Liste::Entree& e : l.entrees) v.push_back(e.texte);
    return v;
}

void va_a(Plateau& p, int16_t num_coup)
{
    p.num_coup = num_coup;
    p.rejoue_partie();
    p.affiche_liste_coups();
}

TEST(Rejoue, PlayedGameIsListedTwoSlotsALine)
{
    Fenetre f;
    f.joue(debut_avec_passe);
    ASSERT_EQ(partie(f.p()), "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 -- F2 F1");
    EXPECT_EQ(lignes(f.p().controles.LstCoup), (std::vector<std::string> {
                                                   " 1. F5   2. F6",
                                                   " 3. F7   4. F4",
                                                   " 5. D3   6. G5",
                                                   " 7. H5   8. H6",
                                                   " 9. G3  10. E3",
                                                   "11. F3  12. H4",
                                                   "13. --  14. F2",
                                                   "15. F1",
                                               }));
    EXPECT_EQ(f.p().controles.LstCoup.selection, 7);
}

struct Point {
    int16_t num_coup;
    int lignes;
    const char* derniere; // last line of the move list, "" when empty
    const char* suivant; // TxtSuivant
    int16_t joueur;
};

class PointDuRecord : public ::testing::TestWithParam<Point> {};

TEST_P(PointDuRecord, ListStopsBeforeThePointAndTheNextMoveIsShown)
{
    const Point& pt = GetParam();
    Fenetre f;
    f.joue(debut_avec_passe);
    Plateau& p = f.p();
    p.controles.TxtSuivant.texte = "inchangé";

    va_a(p, pt.num_coup);

    const Liste& liste = p.controles.LstCoup;
    ASSERT_EQ(liste.nombre(), pt.lignes);
    EXPECT_EQ(liste.selection, pt.lignes - 1);
    if (pt.lignes > 0) {
        EXPECT_EQ(liste.texte(liste.selection), pt.derniere);
    }
    EXPECT_EQ(p.controles.TxtSuivant.texte, pt.suivant);
    EXPECT_EQ(f.joueur(), pt.joueur);
    EXPECT_EQ(p.controles.quijoue, pt.joueur);
}

INSTANTIATE_TEST_SUITE_P(
    Points, PointDuRecord,
    ::testing::Values(Point {1, 0, "", "1. F5", noir},
                      Point {2, 1, " 1. F5", "2. F6", blanc},
                      Point {3, 1, " 1. F5   2. F6", "3. F7", noir},
                      Point {4, 2, " 3. F7", "4. F4", blanc},
                      Point {10, 5, " 9. G3", "10. E3", blanc},
                      Point {11, 5, " 9. G3  10. E3", "11. F3", noir},
                      Point {13, 6, "11. F3  12. H4", "13. --", noir},
                      Point {14, 7, "13. --", "14. F2", blanc},
                      Point {15, 7, "13. --  14. F2", "15. F1", noir},
                      // At the end there is no next move: the box keeps its text.
                      Point {16, 8, "15. F1", "inchangé", blanc}));

TEST(Rejoue, ReplayedPassPlacesNothingAndHandsOverTheTurn)
{
    Fenetre f;
    f.joue(debut_avec_passe);
    Plateau& p = f.p();

    va_a(p, 13);
    const std::string avant_la_passe = image_grille(f.tab());
    EXPECT_EQ(f.joueur(), noir);
    EXPECT_FALSE(joueur_passe(f.tab(), noir)) << "the side that has to pass is on the move";

    va_a(p, 14);
    EXPECT_EQ(image_grille(f.tab()), avant_la_passe);
    EXPECT_EQ(f.joueur(), blanc);
    EXPECT_TRUE(joueur_passe(f.tab(), blanc));
    EXPECT_EQ(image_grille(f.tab()),
              "........\n"
              "........\n"
              "...xxxx.\n"
              "...xxx.o\n"
              "...xxxoo\n"
              ".....x.o\n"
              ".....x..\n"
              "........\n");
}

// The chooser stores a row as a digit text; listing and replay read it as a number.
TEST(Rejoue, LoadedRecordListsAndReplaysLikeAPlayedOne)
{
    const std::string coups = "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3";
    Fenetre jouee;
    jouee.joue(coups);

    Fenetre chargee;
    Plateau& p = chargee.p();
    std::istringstream in(coups);
    std::string coup;
    int16_t k = 0;
    while (in >> coup) p.com().liste_coups[++k] = Emplacement::coup_charge(coup[0], coup[1]);
    ASSERT_TRUE(std::holds_alternative<std::string>(p.com().liste_coups[1].ligne));
    p.num_rejoue = static_cast<int16_t>(k + 1);

    for (int16_t n = 1; n <= k + 1; ++n) {
        va_a(p, n);
        va_a(jouee.p(), n);
        EXPECT_EQ(image_grille(chargee.tab()), image_grille(jouee.tab())) << n;
        EXPECT_EQ(chargee.joueur(), jouee.joueur()) << n;
        EXPECT_EQ(lignes(p.controles.LstCoup), lignes(jouee.p().controles.LstCoup)) << n;
        EXPECT_EQ(p.controles.TxtSuivant.texte, jouee.p().controles.TxtSuivant.texte) << n;
    }

    // A press on the next loaded move follows the record as well.
    p.CmdDebut_Click();
    chargee.clic("F5");
    EXPECT_EQ(p.num_coup, 2);
    EXPECT_EQ(p.num_rejoue, k + 1);
}

TEST(Rejoue, EntryOffTheBoardIsSkippedWithoutWritingOutsideTheGrid)
{
    Fenetre f;
    Plateau& p = f.p();
    ListeCoups& record = p.com().liste_coups;
    record[1] = Emplacement::coup_charge('F', '5');
    record[2] = Emplacement::coup_charge('I', '1');
    record[3] = Emplacement::coup_charge('A', '9');
    record[4] = Emplacement::coup_charge('@', '0');
    p.num_rejoue = 5;

    va_a(p, 5);

    EXPECT_EQ(image_grille(f.tab()),
              "........\n"
              "........\n"
              "........\n"
              "...ox...\n"
              "...xxx..\n"
              "........\n"
              "........\n"
              "........\n");
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(f.tab()[0][i] == bord && f.tab()[9][i] == bord && f.tab()[i][0] == bord
                    && f.tab()[i][9] == bord) << i;
    EXPECT_EQ(f.joueur(), noir);
}

} // namespace
} // namespace tavik::test
