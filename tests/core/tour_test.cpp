#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

// After C1 white cannot move but black can: the pass is recorded without a word; then C8
// takes white's last disc and ends the game.
TEST(Tour, ForcedPassIsRecordedSilentlyAndTheMoverPlaysAgain)
{
    Fenetre f;
    f.tab() = grille_depuis("xo...... " + std::string(48, '.') + " xo......");
    f.clic("C1");
    EXPECT_EQ(partie(f.p()), "C1 --");
    EXPECT_TRUE(f.hote.messages.empty());
    f.clic("C8");
    EXPECT_EQ(partie(f.p()), "C1 -- C8");
    EXPECT_EQ(f.hote.messages, std::vector<std::string> {"le joueur noir à gagné !"});
}

// Black moves last; in the second case H8 stays empty, blocked for both.
TEST(Tour, ResultFollowsTheCountsAndTheGameTakesNoMoreMoves)
{
    const struct
    {
        const char *avant, *coup, *compte, *message;
    } cas[] = {
        {".oxxxxxx xxxxxxxx xxxxxxxx xxxxxxxx oooooooo oooooooo oooooooo oooooooo", "A1", "32-32",
         "Egalité !"},
        {"oooooooo oooooooo .ooooooo xooooooo xxxooooo xxoooooo xooooooo ooooooo.", "A3", "9-54",
         "le joueur blanc à gagné !"},
    };
    for (const auto& fin : cas) {
        Fenetre f;
        f.tab() = grille_depuis(fin.avant);
        const ControlesPlateau& c = f.p().controles;
        f.clic(fin.coup);
        for (int i = 0; i < 64; ++i) f.p().plateau_MouseDown(i, bouton_gauche);
        EXPECT_EQ(c.nb_noir.legende + "-" + c.nb_blanc.legende, fin.compte);
        EXPECT_EQ(f.hote.messages, std::vector<std::string> {fin.message});
        EXPECT_EQ(partie(f.p()), fin.coup) << "no pass after the last move, nor any move";
    }
}

} // namespace tavik::test
