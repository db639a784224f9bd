// The fast form of positions that the game database replays games in, and the reduction of a
// position over the eight symmetries, checked against the grid rules and `image`.
#include "base_synthetique.h"

#include "engine/disques.h"
#include "engine/regles.h"
#include "library/symetries.h"

#include <gtest/gtest.h>

#include <set>

namespace tavik {
namespace {

uint64_t cases_bits(std::initializer_list<const char*> cases)
{
    uint64_t bits = 0;
    for (const char* c : cases) {
        Case k;
        lit_case(c, k);
        bits |= bit_de(index_de(k));
    }
    return bits;
}

TEST(Disques, RandomGamesReplayAsTheGridRulesPlayThem)
{
    for (const test::PartieSynthetique& p : test::parties_synthetiques(200, 7)) {
        Grille jeu = position_initiale();
        int16_t couleur = noir;
        PositionJeu position;
        for (const int coup : p.coups) {
            if (!joueur_passe(jeu, couleur)) couleur = adversaire(couleur);
            const uint64_t joueur = couleur == noir ? position.disques.noirs : position.disques.blancs;
            const uint64_t autre = couleur == noir ? position.disques.blancs : position.disques.noirs;
            uint64_t attendus = 0;
            for (int i = 0; i < 64; ++i)
                if (test_coup_possible(jeu, couleur, case_de(i).ligne, case_de(i).colonne))
                    attendus |= bit_de(i);
            ASSERT_EQ(coups_possibles(joueur, autre), attendus);
            ASSERT_EQ(position.trait_effectif(), couleur == blanc);
            const Case c = case_de(coup);
            coup_joue(jeu, couleur, c.ligne, c.colonne);
            jeu[c.ligne][c.colonne] = static_cast<int8_t>(couleur);
            couleur = adversaire(couleur);
            ASSERT_TRUE(position.joue(coup));
            ASSERT_EQ(position.disques, disques_de(jeu));
        }
    }
}

TEST(Disques, IllegalMovesChangeNothingAndPassesAreFoundByReplaying)
{
    PositionJeu p;
    const PositionJeu debut = p;
    EXPECT_FALSE(p.joue(index_de({5, 5}))); // E5: taken
    EXPECT_FALSE(p.joue(index_de({1, 1}))); // A1: captures nothing
    EXPECT_FALSE(p.joue(index_de({3, 5}))); // E3: white's, while black has moves
    EXPECT_EQ(p.disques, debut.disques);
    EXPECT_FALSE(p.blanc_au_trait);

    // Black to move has no legal square: C1 is white's, and takes B1.
    PositionJeu passe {disques_de(grille_depuis("ox......"
                                                "........"
                                                "........"
                                                "........"
                                                "........"
                                                "........"
                                                "........"
                                                "........")),
                       false};
    EXPECT_TRUE(passe.trait_effectif());
    EXPECT_TRUE(passe.joue(index_de({1, 3})));
    EXPECT_EQ(passe.disques.blancs, cases_bits({"A1", "B1", "C1"}));
    EXPECT_EQ(passe.disques.noirs, 0u);
    EXPECT_FALSE(passe.trait_effectif()); // neither side can move: black, by convention
}

TEST(Symetries, SetsOfSquaresTurnAsEachSquareDoes)
{
    // An asymmetric set: its eight images are eight different sets.
    const uint64_t forme = cases_bits({"A1", "B1", "C1", "A2", "H3", "E7", "D5"});
    std::set<uint64_t> images;
    for (int s = 0; s < nb_symetries; ++s) {
        uint64_t attendue = 0;
        for (int i = 0; i < 64; ++i)
            if (forme & bit_de(i)) attendue |= bit_de(index_de(image(s, case_de(i))));
        EXPECT_EQ(image_bits(s, forme), attendue) << "symmetry " << s;
        for (int i = 0; i < 64; ++i) EXPECT_EQ(image_index(s, i), index_de(image(s, case_de(i))));
        images.insert(image_bits(s, forme));
    }
    EXPECT_EQ(images.size(), 8u);
}

TEST(Symetries, ImagesAndTranspositionsShareOneKeyTheSideToMoveDoesNot)
{
    // F5 D6 C3 D3 C4 and F5 D6 C4 D3 C3 reach one position by two orders.
    PositionJeu a, b;
    for (const int c : {37, 43, 18, 19, 26}) a.joue(c);
    for (const int c : {37, 43, 26, 19, 18}) b.joue(c);
    ASSERT_EQ(a.disques, b.disques);
    const Reduction r = reduit(a.disques, a.blanc_au_trait);
    EXPECT_EQ(reduit(b.disques, b.blanc_au_trait).cle, r.cle);
    for (int s = 0; s < nb_symetries; ++s) {
        const Disques image {image_bits(s, a.disques.noirs), image_bits(s, a.disques.blancs)};
        const Reduction ri = reduit(image, true);
        EXPECT_EQ(ri.cle, r.cle) << s;
        EXPECT_EQ(ri.empreinte(), r.empreinte());
        // A move of the image is seen as the same square of the reduced position.
        for (int i = 0; i < 64; ++i) EXPECT_EQ(ri.vers_reduite(image_index(s, i)), r.vers_reduite(i));
    }
    EXPECT_NE(reduit(a.disques, false).cle, r.cle);
    // Colours swapped: another position.
    EXPECT_NE(reduit({a.disques.blancs, a.disques.noirs}, true).cle, r.cle);
}

TEST(Symetries, EquivalentMovesMeetOnOneSquareAndComeBackOnTheBoard)
{
    const Reduction depart = reduit(disques_initiaux(), false);
    std::set<int> vues;
    for (const char* c : {"F5", "D3", "C4", "E6"}) {
        Case k;
        lit_case(c, k);
        vues.insert(depart.vers_reduite(index_de(k)));
    }
    EXPECT_EQ(vues.size(), 1u);
    EXPECT_EQ(depart.depuis_reduite(*vues.begin()), 37); // F5, as records begin

    // After F5 the three replies stay three.
    PositionJeu p;
    p.joue(37);
    const Reduction apres = reduit(p.disques, true);
    std::set<int> reponses;
    for (const int c : {43, 45, 29}) { // D6, F6, F4
        reponses.insert(apres.vers_reduite(c));
        EXPECT_EQ(apres.depuis_reduite(apres.vers_reduite(c)), c);
    }
    EXPECT_EQ(reponses.size(), 3u);
}

} // namespace
} // namespace tavik
