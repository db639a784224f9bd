// The tournament game files and the text files of one's own games, written by the tests.
#include "base_synthetique.h"

#include "database/parties_texte.h"
#include "database/wthor.h"
#include "engine/disques.h"

#include <gtest/gtest.h>

namespace tavik {
namespace {

using test::PartieSynthetique;

std::vector<int> coups_de(const PartieBase& p)
{
    return {p.coups.begin(), p.coups.begin() + p.nb_coups};
}

// Random games hold passes now and then: a set with at least one, and how many passes.
std::vector<PartieSynthetique> parties_avec_passes(int& nb_passes)
{
    std::vector<PartieSynthetique> parties = test::parties_synthetiques(60, 3);
    nb_passes = 0;
    for (const PartieSynthetique& p : parties) {
        PositionJeu position;
        for (const int c : p.coups) {
            const bool trait = position.blanc_au_trait;
            position.joue(c);
            nb_passes += position.blanc_au_trait == trait;
        }
    }
    return parties;
}

TEST(Wthor, GamesWithPassesComeBackAsWritten)
{
    int nb_passes = 0;
    const std::vector<PartieSynthetique> parties = parties_avec_passes(nb_passes);
    ASSERT_GT(nb_passes, 0);
    const LectureWthor lu = lit_parties_wthor(test::octets_wthor(parties, 1998), "WTH_1998.wtb");
    EXPECT_TRUE(lu.refus.empty()) << lu.refus.front();
    ASSERT_EQ(lu.parties.size(), parties.size());
    EXPECT_EQ(lu.entete.annee, 1998);
    for (std::size_t i = 0; i < parties.size(); ++i) {
        EXPECT_EQ(coups_de(lu.parties[i]), parties[i].coups);
        EXPECT_EQ(lu.parties[i].score_noir, parties[i].score_noir);
        EXPECT_EQ(lu.parties[i].noir, parties[i].noir);
        EXPECT_EQ(lu.parties[i].blanc, parties[i].blanc);
        EXPECT_EQ(lu.parties[i].tournoi, parties[i].tournoi);
        EXPECT_EQ(lu.parties[i].annee, 1998);
    }
}

TEST(Wthor, AFaultyGameIsRefusedByNumberAndTheOthersKept)
{
    std::vector<PartieSynthetique> parties = test::parties_synthetiques(5, 11);
    parties[1].coups[3] = parties[1].coups[2]; // move 4 on a taken square
    std::string octets = test::octets_wthor(parties, 2001);
    octets[16 + 3 * 68 + 8 + 10] = 99; // game 4, move 11: no square
    octets[16 + 4 * 68 + 6] = 70; // game 5: more discs than squares
    const LectureWthor lu = lit_parties_wthor(octets, "WTH_2001.wtb");
    ASSERT_EQ(lu.parties.size(), 2u);
    EXPECT_EQ(coups_de(lu.parties[1]), parties[2].coups);
    ASSERT_EQ(lu.refus.size(), 3u);
    const Case c = case_de(parties[1].coups[3]);
    EXPECT_EQ(lu.refus[0], "«\u00a0WTH_2001.wtb\u00a0», partie 2\u00a0: le coup 4 (" + notation(c) + ") n'est pas jouable.");
    EXPECT_EQ(lu.refus[1], "«\u00a0WTH_2001.wtb\u00a0», partie 4\u00a0: le coup 11 vaut 99, qui n'est pas une case.");
    EXPECT_EQ(lu.refus[2], "«\u00a0WTH_2001.wtb\u00a0», partie 5\u00a0: score de noir impossible (70).");
}

TEST(Wthor, AHeaderThatLiesAndATruncatedRecordKeepEveryCompleteGame)
{
    const std::vector<PartieSynthetique> parties = test::parties_synthetiques(4, 5);
    const LectureWthor plus = lit_parties_wthor(test::octets_wthor(parties, 1990, 9), "a.wtb");
    EXPECT_EQ(plus.parties.size(), 4u);
    ASSERT_EQ(plus.refus.size(), 1u);
    EXPECT_EQ(plus.refus[0], "«\u00a0a.wtb\u00a0»\u00a0: l'en-tête annonce 9 parties, le fichier en contient 4 entières.");

    const std::string tronque = test::octets_wthor(parties, 1990).substr(0, 16 + 3 * 68 + 30);
    const LectureWthor lu = lit_parties_wthor(tronque, "b.wtb");
    EXPECT_EQ(lu.parties.size(), 3u);
    ASSERT_EQ(lu.refus.size(), 1u);
    EXPECT_EQ(lu.refus[0], "«\u00a0b.wtb\u00a0»\u00a0: l'en-tête annonce 4 parties, le fichier en contient 3 "
                           "entières\u00a0; la partie 4 est tronquée (30 octets sur 68).");
    // A game cut short by zeros ends there; a move after them is a fault.
    std::string octets = test::octets_wthor(parties, 1990);
    octets[16 + 8 + 20] = 0;
    const LectureWthor coupee = lit_parties_wthor(octets, "c.wtb");
    ASSERT_EQ(coupee.refus.size(), 1u);
    EXPECT_EQ(coupee.refus[0], "«\u00a0c.wtb\u00a0», partie 1\u00a0: coup 22 après la fin de la partie.");
}

TEST(Wthor, OtherBoardsPuzzlesAndScrapsAreRefusedWhole)
{
    const std::vector<PartieSynthetique> parties = test::parties_synthetiques(2, 1);
    struct Cas
    {
        std::string octets, attendu;
    };
    const Cas cas[] = {
        {test::octets_wthor(parties, 2000, -1, 10), "«\u00a0f\u00a0»\u00a0: parties sur 10 × 10, que Tavik ne lit pas."},
        {test::octets_wthor(parties, 2000, -1, 8, 1), "«\u00a0f\u00a0»\u00a0: fichier de problèmes, pas de parties."},
        {test::octets_wthor(parties, 2000, -1, 6), "«\u00a0f\u00a0»\u00a0: taille de plateau inconnue (6)."},
        {"WTHOR", "«\u00a0f\u00a0»\u00a0: trop court pour un fichier WTHOR (5 octets)."},
    };
    for (const Cas& c : cas) {
        const LectureWthor lu = lit_parties_wthor(c.octets, "f");
        EXPECT_TRUE(lu.refuse);
        EXPECT_TRUE(lu.parties.empty());
        EXPECT_EQ(lu.refus, std::vector<std::string> {c.attendu});
    }
    // Size 0 is the usual 8 x 8 of old files.
    EXPECT_EQ(lit_parties_wthor(test::octets_wthor(parties, 2000, -1, 0), "f").parties.size(), 2u);
}

TEST(Wthor, NamesAreWindows1252CutAtTheirZero)
{
    const std::string octets = test::octets_noms({"M\xFCller J\xE9r\xF4me", "\x80uro", "Tastet Marc"}, 20);
    EXPECT_EQ(lit_noms_wthor(octets, 20),
              (std::vector<std::string> {"Müller Jérôme", "€uro", "Tastet Marc"}));
    // A cut last record is left out.
    EXPECT_EQ(lit_noms_wthor(octets.substr(0, octets.size() - 1), 20).size(), 2u);
}

TEST(PartiesTexte, EveryFormOfPasteIsReadAndTheFileReadsBack)
{
    const std::string texte = "f5d6c3d3c4\n"
                              "\n"
                              "1. F5 D6 2. C3 D3\r\n"
                              "f5 z9\n"
                              "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 -- F2 F1 E1 H2 F8 D1 C4 B5 E2 G6 D6 "
                              "E6 A6 G8 H8 C3 E8 G1 G4 D2 E7 H7 C6 G7 C1 B1 D7 C5 C2 B7 B6 G2 C8 B2 "
                              "H1 A5 H3 A8 C7 B4 A1 A2 B3 A7 B8 D8 A3 A4\n";
    const LectureTexte lu = lit_parties_texte(texte, "miennes.txt");
    ASSERT_EQ(lu.parties.size(), 3u);
    ASSERT_EQ(lu.refus.size(), 1u);
    EXPECT_TRUE(lu.refus[0].starts_with("«\u00a0miennes.txt\u00a0», ligne 4\u00a0: ")) << lu.refus[0];
    EXPECT_EQ(texte_partie(lu.parties[0]), "f5d6c3d3c4");
    EXPECT_EQ(texte_partie(lu.parties[1]), "f5d6c3d3");
    EXPECT_EQ(lu.parties[0].issue(), Issue::inconnue);
    // The recorded game ends 25 to 39: white wins.
    EXPECT_EQ(lu.parties[2].nb_coups, 60);
    EXPECT_EQ(lu.parties[2].score_noir, 25);
    EXPECT_EQ(lu.parties[2].issue(), Issue::blanc);

    const LectureTexte relu = lit_parties_texte(ecrit_parties_texte(lu.parties), "copie.txt");
    EXPECT_TRUE(relu.refus.empty());
    ASSERT_EQ(relu.parties.size(), lu.parties.size());
    for (std::size_t i = 0; i < lu.parties.size(); ++i) {
        EXPECT_EQ(coups_de(relu.parties[i]), coups_de(lu.parties[i]));
        EXPECT_EQ(relu.parties[i].score_noir, lu.parties[i].score_noir);
    }
    EXPECT_TRUE(lit_parties_texte(std::string("\0\1\2", 3), "x").refuse);
}

} // namespace
} // namespace tavik
