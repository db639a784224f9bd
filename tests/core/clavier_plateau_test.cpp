#include "engine/regles.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tavik::test {

using Lignes = std::vector<std::string>;

static void tape(Plateau& p, const std::string& texte)
{
    for (const char c : texte) p.frappe(c);
}

static std::string curseur(const Plateau& p)
{
    return notation(case_de(p.controles.curseur.index));
}

// The bubble shown since the previous call, with its square ("D4: text"); "" when none.
struct Bulles
{
    int vues = 0;
    std::string nouvelle(const Plateau& p)
    {
        const Bulle& b = p.controles.bulle;
        if (std::exchange(vues, b.numero) == b.numero) return "";
        return notation(case_de(b.index)) + ": " + b.texte;
    }
};

// A whole recorded game typed square by square, passes left to the rules, in both letter
// cases, with no bubble; then every square is refused because the game is over.
TEST(ClavierPlateau, WholeGameTypedThenRefusedOnceOver)
{
    Fenetre f;
    Bulles bulles;
    bool majuscules = false;
    const std::string_view coups = partie_connue;
    for (std::size_t i = 0; i < coups.size(); i += 3) {
        std::string coup(coups.substr(i, 2));
        if (coup == "--") continue;
        if (!majuscules) coup[0] = static_cast<char>(coup[0] + 32);
        majuscules = !majuscules;
        tape(f.p(), coup);
        EXPECT_EQ(bulles.nouvelle(f.p()), "") << coup;
    }
    EXPECT_EQ(partie(f.p()), partie_connue);
    EXPECT_EQ(f.p().controles.nb_noir.legende + "-" + f.p().controles.nb_blanc.legende, "25-39");
    tape(f.p(), "a4");
    EXPECT_EQ(bulles.nouvelle(f.p()), "A4: La partie est finie.");
    EXPECT_EQ(partie(f.p()), partie_connue);
}

// A square refused says why in a bubble at it; what is not a square says how to type one, at
// the cursor, and the next letter starts a new name.
TEST(ClavierPlateau, RefusedSquaresAndBadTypingSayWhy)
{
    const std::string comment
        = "Pour jouer une case, tapez sa colonne (de A à H) puis sa rangée (de 1 à 8), comme F5.";
    const std::pair<const char*, std::string> cas[] = {
        {"d4", "D4: D4\u00a0: la case est occupée."},
        {"a1", "A1: A1\u00a0: ce coup ne retourne aucun pion."},
        {"E6", ""},
        {"5", "E6: " + comment},
        {"f9", "E6: " + comment},
        {"z", "E6: " + comment},
        {"ad", ""}, // the column typed last counts
    };
    Fenetre f;
    Bulles bulles;
    for (const auto& [texte, bulle] : cas) {
        tape(f.p(), texte);
        EXPECT_EQ(bulles.nouvelle(f.p()), bulle) << texte;
    }
    EXPECT_EQ(f.p().controles.curseur.saisie, "d");
    tape(f.p(), "6");
    EXPECT_EQ(partie(f.p()), "E6 D6");
    EXPECT_EQ(curseur(f.p()), "D6");
    EXPECT_TRUE(f.hote.messages.empty());
}

// The arrows stop at the edges; Space or Enter presses the cursor's square like a left click,
// which also follows the recorded next move after a step back.
TEST(ClavierPlateau, CursorMovesWithinTheBoardAndPresses)
{
    Fenetre f;
    Plateau& p = f.p();
    Bulles bulles;
    EXPECT_EQ(curseur(p), "F5");
    p.curseur_deplace(-10, 0);
    EXPECT_EQ(curseur(p), "A5");
    p.curseur_deplace(0, -10);
    EXPECT_EQ(curseur(p), "A1");
    p.curseur_deplace(9, 9);
    EXPECT_EQ(curseur(p), "H8");
    p.curseur_deplace(-4, -5);
    EXPECT_EQ(curseur(p), "D3");
    p.curseur_joue();
    EXPECT_EQ(partie(p), "D3");
    p.curseur_joue();
    EXPECT_EQ(bulles.nouvelle(p), "D3: D3\u00a0: la case est occupée.");

    p.CmdPrecedent_Click();
    p.curseur_joue(); // the recorded D3 again: followed, not refused
    EXPECT_EQ(p.num_coup, 2);
    EXPECT_EQ(bulles.nouvelle(p), "");
}

// Held to the library by the automatic player, a legal square outside the library gets the
// click's own bubble, once; a listed one is played.
TEST(ClavierPlateau, HeldToTheLibraryTheClicksBubble)
{
    Fenetre f(Lignes {"c;;C4C3 D3"});
    Plateau& p = f.p();
    Bulles bulles;
    p.controles.ChkBlancAuto.fixe(1);
    tape(p, "c4");
    EXPECT_EQ(partie(p), "C4 C3");
    tape(p, "e6");
    EXPECT_EQ(bulles.nouvelle(p), "E6: Coup hors bibliothèque\u00a0: D3");
    EXPECT_EQ(p.controles.bulle.numero, 1);
    tape(p, "d3");
    EXPECT_EQ(partie(p), "C4 C3 D3");
}

} // namespace tavik::test
