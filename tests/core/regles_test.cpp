#include "engine/regles.h"
#include "support.h"

#include <gtest/gtest.h>
#include <sstream>

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

// Leaves of the game tree after `profondeur` moves, a forced pass counted as a move.
static long perft(const Grille& g, int16_t couleur, int profondeur)
{
    const int16_t autre = couleur == noir ? blanc : noir;
    if (profondeur == 0) return 1;
    if (partie_finie(g)) return 0;
    if (!joueur_passe(g, couleur)) return perft(g, autre, profondeur - 1);
    long n = 0;
    for (int i = 0; i < 64; ++i) {
        const Case c = case_de(i);
        if (!test_coup_possible(g, couleur, c.ligne, c.colonne)) continue;
        Grille suite = g;
        coup_joue(suite, couleur, c.ligne, c.colonne);
        suite[c.ligne][c.colonne] = couleur;
        n += perft(suite, autre, profondeur - 1);
    }
    return n;
}

// The published counts of the game tree from the usual start.
TEST(Regles, PerftFromTheStart)
{
    const long attendus[] = {1, 4, 12, 56, 244, 1396, 8200, 55092};
    for (int p = 0; p < 8; ++p) EXPECT_EQ(perft(position_initiale(), noir, p), attendus[p]) << p;
}

// After C1 white cannot move but black can: the pass is recorded without a word, then C8 takes
// white's last disc. Black moves last in the other two; in the third H8 stays empty, blocked
// for both. The game then takes no more moves.
TEST(Tour, ForcedPassesAndTheResultFollowingTheCounts)
{
    const std::tuple<std::string, const char*, const char*, const char*> cas[] = {
        {"xo...... " + std::string(48, '.') + " xo......", "C1 -- C8", "6-0",
         "Le joueur noir a gagné, 6 à 0."},
        {".oxxxxxx xxxxxxxx xxxxxxxx xxxxxxxx oooooooo oooooooo oooooooo oooooooo", "A1", "32-32",
         "Égalité, 32 à 32."},
        {"oooooooo oooooooo .ooooooo xooooooo xxxooooo xxoooooo xooooooo ooooooo.", "A3", "9-54",
         "Le joueur blanc a gagné, 54 à 9."},
    };
    for (const auto& [avant, jouee, compte, message] : cas) {
        Fenetre f;
        f.tab() = grille_depuis(avant);
        const ControlesPlateau& c = f.p().controles;
        std::istringstream in(jouee);
        for (std::string coup; in >> coup;)
            if (coup != "--") f.clic(coup);
        for (int i = 0; i < 64; ++i) f.p().plateau_MouseDown(i, bouton_gauche);
        EXPECT_EQ(c.nb_noir.legende + "-" + c.nb_blanc.legende, compte);
        EXPECT_EQ(f.hote.messages, std::vector<std::string> {message});
        EXPECT_EQ(partie(f.p()), jouee) << "no pass after the last move, nor any move";
    }
}

} // namespace tavik::test
