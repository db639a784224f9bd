#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

using Lignes = std::vector<std::string>;

// Black's first move is drawn among four in the board's orientation, whatever the library offers.
TEST(JoueAuto, FirstMoveDrawn)
{
    const struct
    {
        int rotation;
        float tirage;
        std::string coup;
    } cas[] = {{0, 0.2499f, "D3"},
               {0, 0.25f, "C4"},
               {0, 0.99999f, "E6"},
               {1, 0.0f, "E3"},
               {1, 0.6f, "C5"}};
    for (const auto& c : cas) {
        Fenetre f(Lignes {"Perpendiculaire;;C4E3"});
        if (c.rotation) f.p().CmdRotation_Click();
        f.hote.tirages = {c.tirage, 0.0f};
        f.p().controles.ChkNoirAuto.fixe(1);
        EXPECT_EQ(partie(f.p()), c.coup) << c.tirage;
        EXPECT_EQ(f.hote.tirages.size(), 1U); // one draw for one move
    }
}

// Ticking one box unticks the other, and the newly automatic colour moves once, entry
// floor(n r) of the continuations; the user is then held to the library until "<" or untick.
TEST(JoueAuto, OneBoxAtATimeAndTheUserHeldToTheLibrary)
{
    for (const bool recule : {false, true}) {
        Fenetre f(Lignes {"a;;C4E3", "b;;C4C3", "c;;C4C3 D3"});
        ControlesPlateau& c = f.p().controles;
        f.hote.tirages = {0.0f, 0.5f};
        c.ChkNoirAuto.fixe(1); // D3
        c.ChkBlancAuto.fixe(1); // C3, second of "C5 : a" and "C3 : b"
        EXPECT_EQ(partie(f.p()), "D3 C3"); // black no longer automatic
        c.ChkNoirAuto.fixe(1); // C4; white, no longer automatic, has no line left
        EXPECT_EQ(f.hote.messages, Lignes {"Vous n'avez plus de coups d'ouverture."});
        f.joue("E3"); // legal for white, offered by no line
        EXPECT_EQ(partie(f.p()), "D3 C3 C4");
        if (recule)
            f.p().CmdPrecedent_Click();
        else
            c.ChkNoirAuto.fixe(0);
        f.joue(recule ? "B3" : "E3");
        EXPECT_EQ(partie(f.p()), recule ? "D3 C3 B3" : "D3 C3 C4 E3");
        EXPECT_EQ(f.hote.messages.size(), 1U); // both boxes off: no message
    }
}

// The user's colour must pass right after an automatic move: the automatic colour is asked again.
TEST(JoueAuto, AutomaticColourAskedAgainAfterTheUsersPass)
{
    const struct
    {
        bool noir;
        std::string ligne, coups, partie, couleur;
    } cas[]
        = {{true, "C4C3 C2B2 D3C1 A1C5 B1E3 D1", "C3 B2 C1 C5 E3",
            "C4 C3 C2 B2 D3 C1 A1 C5 B1 E3 D1 --", "noir"},
           {false, "C4C3 C2B2 E6C1 A1A3", "C4 C2 E6 A1", "C4 C3 C2 B2 E6 C1 A1 A3 --", "blanc"}};
    for (const auto& c : cas) {
        Fenetre f(Lignes {"Passe;;" + c.ligne});
        f.hote.tirages = {0.25f}; // black's first move C4
        (c.noir ? f.p().controles.ChkNoirAuto : f.p().controles.ChkBlancAuto).fixe(1);
        f.joue(c.coups);
        EXPECT_EQ(partie(f.p()), c.partie);
        EXPECT_EQ(f.hote.messages, Lignes {"Il n'y a plus de suite pour " + c.couleur + "."});
    }
}

// The program's own source is never seeded: every run draws the same numbers, hence the same game.
TEST(JoueAuto, SameDrawsSameGame)
{
    const Services a = Services::par_defaut(), b = Services::par_defaut();
    for (int i = 0; i < 100; ++i) EXPECT_EQ(a.hasard(), b.hasard());
}

} // namespace tavik::test
