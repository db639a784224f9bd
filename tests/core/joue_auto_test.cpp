#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

using Lignes = std::vector<std::string>;

static const std::string plus_de_coups = "Vous n'avez plus de coups d'ouverture.";
static std::string plus_de_suite(bool noir)
{
    return std::string("Il n'y a plus de suite pour ") + (noir ? "noir." : "blanc.");
}

// Black's first move is drawn among four in the board's orientation, whatever the library offers,
// with one draw.
TEST(JoueAuto, FirstMoveDrawn)
{
    const std::tuple<int, float, std::string> cas[] = {{0, 0.2499f, "D3"},
                                                       {0, 0.25f, "C4"},
                                                       {0, 0.99999f, "E6"},
                                                       {1, 0.0f, "E3"},
                                                       {1, 0.6f, "C5"}};
    for (const auto& [rotation, tirage, coup] : cas) {
        Fenetre f(Lignes {"Perpendiculaire;;C4E3"});
        if (rotation) f.p().CmdRotation_Click();
        f.hote.tirages = {tirage, 0.0f};
        f.p().controles.ChkNoirAuto.fixe(1);
        EXPECT_EQ(partie(f.p()) + "|" + std::to_string(f.hote.tirages.size()), coup + "|1")
            << tirage;
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
        EXPECT_EQ(f.hote.messages, Lignes {plus_de_coups});
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

// The user's forced pass after an automatic move asks the automatic colour again; a line that
// ends the game gives the result as the one message, whichever side is automatic.
TEST(JoueAuto, AfterTheUsersPassAndAtTheEndOneMessage)
{
    const std::tuple<bool, std::string, std::string, std::string, std::string> cas[] = {
        {true, "C4C3 C2B2 D3C1 A1C5 B1E3 D1", "C3 B2 C1 C5 E3",
         "C4 C3 C2 B2 D3 C1 A1 C5 B1 E3 D1 --", plus_de_suite(true)},
        {false, "C4C3 C2B2 E6C1 A1A3", "C4 C2 E6 A1", "C4 C3 C2 B2 E6 C1 A1 A3 --",
         plus_de_suite(false)},
        {false, "C4C3 C2B4 A5F4 G4C5 D6", "C4 C2 A5 G4 D6", "C4 C3 C2 B4 A5 F4 G4 C5 D6",
         "Le joueur noir a gagné, 13 à 0."},
        {true, "C4C3 C2B4 A5F4 G4C5 D6", "C3 B4 F4 C5", "C4 C3 C2 B4 A5 F4 G4 C5 D6",
         "Le joueur noir a gagné, 13 à 0."},
    };
    for (const auto& [noir_auto, ligne, coups, jouee, message] : cas) {
        Fenetre f(Lignes {"Ligne;;" + ligne});
        f.hote.tirages = {0.25f}; // black's first move C4
        (noir_auto ? f.p().controles.ChkNoirAuto : f.p().controles.ChkBlancAuto).fixe(1);
        f.joue(coups);
        EXPECT_EQ(partie(f.p()), jouee) << coups;
        EXPECT_EQ(f.hote.messages, Lignes {message}) << coups;
    }
}

// One user action, one message at most: the box that the ticking unticks leaves the turn to
// the box just ticked, whose colour has no library move left.
TEST(JoueAuto, TickingTheOtherBoxShowsOneMessage)
{
    for (const bool noir : {true, false}) {
        Fenetre f(Lignes {noir ? "a;;C4E3" : "a;;C4"});
        ControlesPlateau& c = f.p().controles;
        f.hote.tirages = {0.25f}; // black's first move C4
        if (noir) f.joue("C4");
        (noir ? c.ChkBlancAuto : c.ChkNoirAuto).fixe(1);
        ASSERT_EQ(f.hote.messages, Lignes {plus_de_coups});
        (noir ? c.ChkNoirAuto : c.ChkBlancAuto).fixe(1);
        EXPECT_EQ(f.hote.messages, (Lignes {plus_de_coups, plus_de_suite(noir)}));
        EXPECT_EQ(partie(f.p()), noir ? "C4 E3" : "C4");
        EXPECT_TRUE(f.p().CoupJoueurBiblio && !(noir ? c.ChkBlancAuto : c.ChkNoirAuto).cochee());
    }
}

// After C4 a faulty library lists D4 (occupied) and A1 (turns nothing): they are never drawn,
// and with nothing else left either side is told so.
TEST(JoueAuto, OnlyLegalContinuationsCount)
{
    for (const float tirage : {0.0f, 0.5f, 0.99f}) {
        Fenetre f(Lignes {"Fautive;;C4D4", "Perpendiculaire;;C4E3", "Perdue;;C4A1"});
        f.joue("C4");
        f.hote.tirages = {tirage};
        f.p().controles.ChkBlancAuto.fixe(1);
        EXPECT_EQ(partie(f.p()), "C4 E3") << tirage;
    }
    Fenetre blanc(Lignes {"Fautive;;C4D4", "Perdue;;C4A1"});
    blanc.joue("C4");
    blanc.p().controles.ChkBlancAuto.fixe(1);
    EXPECT_EQ(blanc.hote.messages, Lignes {plus_de_suite(false)});
    Fenetre noir(Lignes {"Perpendiculaire;;C4E3", "Fautive;;C4E3 D4"});
    noir.joue("C4");
    noir.p().controles.ChkBlancAuto.fixe(1); // E3, then the user may not play D4
    EXPECT_EQ(noir.hote.messages, Lignes {plus_de_coups});
}

// The program's own source is never seeded: every run draws this sequence, so two runs given
// the same clicks play the same game.
TEST(JoueAuto, DrawsFollowTheSameSequenceInEveryRun)
{
    const Services s = Services::par_defaut();
    for (const float attendu : {0.81472367f, 0.135476947f, 0.905791879f, 0.835008562f})
        EXPECT_FLOAT_EQ(s.hasard(), attendu);
}

} // namespace tavik::test

namespace tavik::test {

// Held to the library, a legal move that it does not offer is refused with a bubble at the
// square naming the moves that it offers, each once; with none left, the bubble says how to go
// on. An illegal press, or any press without automatic play, stays silent.
TEST(JoueAuto, ARefusedMoveSaysWhyInABubble)
{
    Fenetre f(Lignes {"a;;C4E3 F6", "b;;C4E3 F4", "c;;C4E3 f4", "d;;C4E3 F4C5"});
    const ControlesPlateau& c = f.p().controles;
    const auto bulle = [&c] { return std::to_string(c.bulle.numero) + " " + c.bulle.texte; };
    f.p().controles.ChkBlancAuto.fixe(1);
    f.joue("C4"); // white answers E3
    f.joue("F2");
    EXPECT_EQ(bulle(), "1 Coup hors bibliothèque\u00a0: F4 ou F6");
    EXPECT_EQ(c.bulle.index, index_de("F2"));
    f.joue("A1");
    f.joue("F2");
    EXPECT_EQ(bulle(), "2 Coup hors bibliothèque\u00a0: F4 ou F6") << "said again, not for A1";
    f.joue("F6"); // white has no continuation
    EXPECT_EQ(f.hote.messages, Lignes {plus_de_suite(false)});
    f.joue("C5");
    EXPECT_EQ(bulle(),
              "3 Plus de coup de bibliothèque\u00a0: décochez «\u00a0Blanc auto\u00a0» "
              "pour jouer librement.");
    EXPECT_EQ(partie(f.p()), "C4 E3 F6");

    f.p().controles.ChkBlancAuto.fixe(0);
    f.joue("A1");
    f.joue("C5");
    EXPECT_EQ(partie(f.p()) + " " + bulle().substr(0, 1), "C4 E3 F6 C5 3");
}

} // namespace tavik::test
