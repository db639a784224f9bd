#include "engine/regles.h"
#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

// A board written by its first rows, blanks ignored; the rows left out are empty.
static Grille haut(std::string lignes)
{
    std::erase(lignes, ' ');
    return grille_depuis(lignes + std::string(64 - lignes.size(), '.'));
}

TEST(Regles, LegalSquaresPassesAndCaptures)
{
    const Grille depart = haut("........ ........ ........ ...ox... ...xo...");
    std::string noirs, blancs;
    for (int i = 0; i < 64; ++i) {
        const Case c = case_de(i);
        if (test_coup_possible(depart, noir, c.ligne, c.colonne)) noirs += notation(c);
        if (test_coup_possible(depart, blanc, c.ligne, c.colonne)) blancs += notation(c);
    }
    EXPECT_EQ(noirs + "|" + blancs, "D3C4F5E6|E3F4C5D6");

    // joueur_passe is true when the side can move: black takes C8 from D8; white cannot.
    const Grille noir_seul = haut(std::string(56, '.') + "xxo.....");
    const Grille tout_blanc = haut(std::string(28, 'o'));
    EXPECT_TRUE(joueur_passe(depart, noir) && joueur_passe(depart, blanc));
    EXPECT_TRUE(joueur_passe(noir_seul, noir));
    EXPECT_FALSE(joueur_passe(noir_seul, blanc));
    EXPECT_FALSE(joueur_passe(tout_blanc, noir) || joueur_passe(tout_blanc, blanc));

    // Black plays A1 before white, white, black, white, black: only the first two turn.
    Grille g = haut(".ooxox..");
    coup_joue(g, noir, 1, 1);
    EXPECT_EQ(image_grille(g), image_grille(haut(".xxxox..")));
    // C3 captures in all eight directions; once taken, it is never legal.
    g = haut("x.x.x... .ooo.... xo.ox... .ooo.... x.x.x...");
    EXPECT_TRUE(test_coup_possible(g, noir, 3, 3));
    coup_joue(g, noir, 3, 3);
    EXPECT_EQ(image_grille(g), image_grille(haut("x.x.x... .xxx.... xx.xx... .xxx.... x.x.x...")));
    g = haut("x.x.x... .ooo.... xooox... .ooo.... x.x.x...");
    EXPECT_FALSE(test_coup_possible(g, noir, 3, 3));
}

} // namespace tavik::test
