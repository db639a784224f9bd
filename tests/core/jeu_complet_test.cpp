#include "support.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tavik::test {
namespace {

// A complete game, 61 slots: after white's H4 (slot 12) black has no move and passes in slot
// 13; black's A4 in slot 61 ends the game with 25 discs against 39.
constexpr const char* partie_connue =
    "F5 F6 F7 F4 D3 G5 H5 H6 G3 E3 F3 H4 -- F2 F1 E1 H2 F8 D1 C4 B5 E2 G6 D6 E6 A6 G8 H8 C3 E8 "
    "G1 G4 D2 E7 H7 C6 G7 C1 B1 D7 C5 C2 B7 B6 G2 C8 B2 H1 A5 H3 A8 C7 B4 A1 A2 B3 A7 B8 D8 A3 A4";

constexpr const char* apres_la_passe =
    "........\n"
    "........\n"
    "...xxxx.\n"
    "...xxx.o\n"
    "...xxxoo\n"
    ".....x.o\n"
    ".....x..\n"
    "........\n";

constexpr const char* position_finale =
    "oooooooo\n"
    "oooxxxoo\n"
    "ooooxooo\n"
    "xxxxoooo\n"
    "xxxxoooo\n"
    "xxxxooxo\n"
    "xoxxooox\n"
    "xxxxoooo\n";

std::vector<std::string> mots(const std::string& s)
{
    std::istringstream in(s);
    std::vector<std::string> v;
    for (std::string m; in >> m;) v.push_back(m);
    return v;
}

std::vector<std::string> lignes(const Liste& l)
{
    std::vector<std::string> v;
    for (const Liste::Entree& e : l.entrees) v.push_back(e.texte);
    return v;
}

std::string boutons(const Plateau& p)
{
    const ControlesPlateau& c = p.controles;
    std::string s;
    for (const Bouton* b : {&c.CmdDebut, &c.CmdPrecedent, &c.CmdSuivant, &c.CmdFin})
        s += b->actif ? '1' : '0';
    return s;
}

// What the window shows at one point of the game.
struct Vue {
    std::string grille, noirs, blancs;
    std::vector<std::string> liste;

    explicit Vue(Fenetre& f)
        : grille(image_grille(f.tab()))
        , noirs(f.p().controles.nb_noir.legende)
        , blancs(f.p().controles.nb_blanc.legende)
        , liste(lignes(f.p().controles.LstCoup))
    {
    }
    friend bool operator==(const Vue&, const Vue&) = default;
};

class JeuComplet : public ::testing::Test {
protected:
    // Plays the known game by presses on the board, checking it on the way, and keeps what
    // the window showed at each point reached.
    void SetUp() override
    {
        Plateau& p = f.p();
        vues.emplace(1, Vue(f));
        for (std::size_t i = 0; i < coups.size(); ++i) {
            const int16_t slot = static_cast<int16_t>(i + 1);
            if (coups[i] == "--") {
                // Recorded by the move before, without a message.
                ASSERT_TRUE(p.com().liste_coups[slot].est_passe());
                ASSERT_EQ(p.num_coup, slot + 1);
                continue;
            }
            ASSERT_EQ(p.num_coup, slot);
            ASSERT_EQ(f.joueur(), slot % 2 == 1 ? noir : blanc) << coups[i];
            f.clic(coups[i]);
            ASSERT_GT(p.num_coup, slot) << coups[i] << " was refused";
            ASSERT_EQ(p.num_rejoue, p.num_coup);
            if (slot < 61) {
                ASSERT_TRUE(f.hote.messages.empty()) << "after " << coups[i];
            }
            vues.emplace(p.num_coup, Vue(f));

            if (slot == 12) {
                // Black must pass: white keeps the turn.
                EXPECT_EQ(p.num_coup, 14);
                EXPECT_EQ(f.joueur(), blanc);
                EXPECT_EQ(p.controles.quijoue, image_blanc);
                EXPECT_EQ(image_grille(f.tab()), apres_la_passe);
                EXPECT_EQ(p.controles.LstCoup.texte(p.controles.LstCoup.selection), "13. --");
            }
        }
    }

    Fenetre f;
    const std::vector<std::string> coups = mots(partie_connue);
    std::map<int, Vue> vues; // by num_coup
};

TEST_F(JeuComplet, PlayedToTheEndWithOneForcedPass)
{
    const Plateau& p = f.p();
    EXPECT_EQ(partie(p), partie_connue);
    EXPECT_EQ(f.hote.messages, std::vector<std::string> {"le joueur blanc à gagné !"});
    EXPECT_EQ(image_grille(f.tab()), position_finale);
    EXPECT_EQ(p.controles.nb_noir.legende, "25");
    EXPECT_EQ(p.controles.nb_blanc.legende, "39");
    EXPECT_EQ(p.num_coup, 62);
    EXPECT_EQ(p.num_rejoue, 62);
    EXPECT_EQ(f.joueur(), noir) << "the side that made the last move";
    EXPECT_EQ(boutons(p), "1100");

    const Liste& liste = p.controles.LstCoup;
    ASSERT_EQ(liste.nombre(), 31);
    EXPECT_EQ(liste.selection, 30);
    EXPECT_EQ(liste.texte(0), " 1. F5   2. F6");
    EXPECT_EQ(liste.texte(6), "13. --  14. F2");
    EXPECT_EQ(liste.texte(29), "59. D8  60. A3");
    EXPECT_EQ(liste.texte(30), "61. A4");
}

TEST_F(JeuComplet, NavigationGivesBackThePositionsSeenWhilePlaying)
{
    Plateau& p = f.p();
    const Vue fin(f);

    p.CmdDebut_Click();
    EXPECT_EQ(Vue(f).grille, vues.at(1).grille);
    EXPECT_EQ(boutons(p), "0011");
    EXPECT_EQ(p.controles.TxtSuivant.texte, "1. F5");

    p.CmdFin_Click();
    EXPECT_EQ(Vue(f), fin);
    EXPECT_EQ(boutons(p), "1100");
    EXPECT_FALSE(p.controles.TxtSuivant.visible);

    p.CmdPrecedent_Click();
    EXPECT_EQ(p.controles.TxtSuivant.texte, "61. A4");
    EXPECT_EQ(Vue(f), vues.at(61));
    p.CmdSuivant_Click();
    EXPECT_EQ(Vue(f), fin);

    // Back to the start one slot at a time; the pass point 13 was never shown while playing
    // and holds the board of point 14 with black to move.
    for (int n = 61; n >= 1; --n) {
        p.CmdPrecedent_Click();
        ASSERT_EQ(p.num_coup, n);
        const Vue ici(f);
        if (n == 13) {
            EXPECT_EQ(ici.grille, vues.at(14).grille);
        } else {
            EXPECT_EQ(ici, vues.at(n)) << n;
        }
        EXPECT_EQ(f.joueur(), n % 2 == 1 ? noir : blanc) << n;
        EXPECT_EQ(boutons(p), n == 1 ? "0011" : "1111") << n;
        EXPECT_EQ(p.controles.TxtSuivant.texte, std::to_string(n) + ". " + coups[n - 1]) << n;
    }

    // And forward again to the end.
    for (int n = 2; n <= 62; ++n) {
        p.CmdSuivant_Click();
        ASSERT_EQ(p.num_coup, n);
        const Vue ici(f);
        if (n == 13) {
            EXPECT_EQ(ici.grille, vues.at(14).grille);
        } else {
            EXPECT_EQ(ici, vues.at(n)) << n;
        }
        EXPECT_EQ(boutons(p), n == 62 ? "1100" : "1111") << n;
        EXPECT_EQ(p.controles.TxtSuivant.visible, n < 62) << n;
    }
    EXPECT_EQ(Vue(f), fin);
    EXPECT_EQ(partie(p), partie_connue);
    EXPECT_EQ(f.hote.messages.size(), 1u) << "the result is announced once";
}

} // namespace
} // namespace tavik::test
