#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tavik::test {
namespace {

std::vector<std::string> lignes(const Liste& l)
{
    std::vector<std::string> v;
    for (const Liste::Entree& e : l.entrees) v.push_back(e.texte);
    return v;
}

// "<<", "<", ">", ">>" as 1 (enabled) or 0.
std::string boutons(const Plateau& p)
{
    const ControlesPlateau& c = p.controles;
    std::string s;
    for (const Bouton* b : {&c.CmdDebut, &c.CmdPrecedent, &c.CmdSuivant, &c.CmdFin})
        s += b->actif ? '1' : '0';
    return s;
}

// Everything that a refused press must leave as it was.
struct Etat {
    std::string grille, tuiles, record;
    std::vector<std::string> liste;
    int16_t num_coup, num_rejoue, joueur;
    std::string noirs, blancs;
    int pompes;

    explicit Etat(Fenetre& f)
        : grille(image_grille(f.tab()))
        , tuiles(images(f.p()))
        , record(partie(f.p()))
        , liste(lignes(f.p().controles.LstCoup))
        , num_coup(f.p().num_coup)
        , num_rejoue(f.p().num_rejoue)
        , joueur(f.joueur())
        , noirs(f.p().controles.nb_noir.legende)
        , blancs(f.p().controles.nb_blanc.legende)
        , pompes(f.hote.pompes)
    {
    }
    friend bool operator==(const Etat&, const Etat&) = default;
};

std::string grille_apres(const std::string& coups)
{
    Fenetre g;
    g.joue(coups);
    return image_grille(g.tab());
}

class ClicRefuse : public ::testing::TestWithParam<const char*> {};

TEST_P(ClicRefuse, ChangesNothingAndShowsNothing)
{
    Fenetre f;
    f.p().controles.chk_voir_coup.fixe(1);
    const Etat avant(f);
    f.clic(GetParam());
    EXPECT_EQ(Etat(f), avant);
    EXPECT_TRUE(f.hote.messages.empty());
}

// Occupied by white, occupied by black, far from any disc, next to discs but closing no
// run, white's move rather than black's.
INSTANTIATE_TEST_SUITE_P(Depart, ClicRefuse, ::testing::Values("D4", "E4", "A1", "C3", "F4"));

TEST(Clic, F5FromTheStart)
{
    Fenetre f;
    Plateau& p = f.p();
    p.controles.chk_voir_coup.fixe(1);
    int vu_sur_f5 = 0;
    f.hote.pendant_pompe = [&] { vu_sur_f5 += p.controles.plateau[37] == image_noir; };

    f.clic("F5");

    EXPECT_GT(vu_sur_f5, 0) << "the disc is animated on F5";
    EXPECT_EQ(image_grille(f.tab()),
              "........\n"
              "........\n"
              "........\n"
              "...ox...\n"
              "...xxx..\n"
              "........\n"
              "........\n"
              "........\n");
    EXPECT_EQ(p.controles.nb_noir.legende, "4");
    EXPECT_EQ(p.controles.nb_blanc.legende, "1");
    EXPECT_EQ(boutons(p), "1100");
    EXPECT_FALSE(p.controles.TxtSuivant.visible);
    EXPECT_EQ(lignes(p.controles.LstCoup), std::vector<std::string> {" 1. F5"});
    EXPECT_EQ(p.controles.LstCoup.selection, 0);
    EXPECT_EQ(f.joueur(), blanc);
    EXPECT_EQ(p.controles.quijoue, image_blanc);
    // White's replies D6, F4 and F6 are marked.
    EXPECT_EQ(images(p),
              "11111111\n"
              "11111111\n"
              "11111111\n"
              "11132411\n"
              "11122211\n"
              "11141411\n"
              "11111111\n"
              "11111111\n");
}

TEST(Clic, RecordedNextMoveIsFollowedNotPlayedAgain)
{
    Fenetre f;
    Plateau& p = f.p();
    f.joue("F5 D6 C3");
    p.CmdDebut_Click();
    const int pompes = f.hote.pompes;

    f.clic("F5");
    EXPECT_EQ(p.num_coup, 2);
    EXPECT_EQ(p.num_rejoue, 4);
    EXPECT_EQ(partie(p), "F5 D6 C3");
    EXPECT_EQ(f.hote.pompes, pompes) << "no animation";
    EXPECT_EQ(boutons(p), "1111");
    EXPECT_TRUE(p.controles.TxtSuivant.visible);
    EXPECT_EQ(p.controles.TxtSuivant.texte, "2. D6");
    EXPECT_EQ(image_grille(f.tab()), grille_apres("F5"));

    // Another legal move at the same point cuts the record there.
    f.clic("F4");
    EXPECT_EQ(partie(p), "F5 F4");
    EXPECT_EQ(p.num_coup, 3);
    EXPECT_EQ(p.num_rejoue, 3);
    EXPECT_EQ(boutons(p), "1100");
    EXPECT_FALSE(p.controles.TxtSuivant.visible);
    EXPECT_EQ(image_grille(f.tab()), grille_apres("F5 F4"));

    // So does another first move after "<<".
    p.CmdDebut_Click();
    f.clic("D3");
    EXPECT_EQ(partie(p), "D3");
    EXPECT_EQ(p.num_rejoue, 2);
    EXPECT_EQ(lignes(p.controles.LstCoup), std::vector<std::string> {" 1. D3"});
}

TEST(Clic, MoveLeftBeyondTheEndOfTheRecordIsAnOrdinaryMove)
{
    Fenetre f;
    Plateau& p = f.p();
    f.joue("F5 D6 C3");
    p.CmdPrecedent_Click();
    p.CmdPrecedent_Click();
    f.clic("F4");
    ASSERT_EQ(partie(p), "F5 F4");
    ASSERT_EQ(p.com().liste_coups[3].texte(), "C3"); // left over from the longer game
    const int pompes = f.hote.pompes;

    // C3 is legal here too: it is animated, played and recorded.
    f.clic("C3");
    EXPECT_GT(f.hote.pompes, pompes);
    EXPECT_EQ(partie(p), "F5 F4 C3");
    EXPECT_EQ(p.num_rejoue, 4);
    EXPECT_EQ(image_grille(f.tab()), grille_apres("F5 F4 C3"));
    EXPECT_EQ(p.controles.nb_noir.legende, "5");
    EXPECT_EQ(p.controles.nb_blanc.legende, "2");
}

// C4 E3 continues with F6 (legal), D4 (occupied) and A1 (turns nothing) in this library.
const std::vector<std::string> biblio_fautive = {
    "Perpendiculaire;;C4E3;;;",
    "Inhumaine;;C4E3 F6;;;",
    "Fautive;;C4E3 D4;;;",
    "Perdue;;C4E3 A1;;;",
};

class BiblioTenue : public ::testing::TestWithParam<const char*> {};

TEST_P(BiblioTenue, SquareNotListedOrNotLegalIsRefused)
{
    Fenetre f(biblio_fautive);
    f.joue("C4 E3");
    f.p().CoupJoueurBiblio = true;
    ASSERT_EQ(lignes(f.p().controles.LstSuite),
              (std::vector<std::string> {"F6 : Inhumaine", "D4 : Fautive", "A1 : Perdue"}));
    const Etat avant(f);

    f.clic(GetParam());
    EXPECT_EQ(Etat(f), avant);
}

// Listed but occupied, listed but capturing nothing, legal but not listed, neither.
INSTANTIATE_TEST_SUITE_P(Cases, BiblioTenue, ::testing::Values("D4", "A1", "F4", "B1"));

TEST(BiblioTenue, ListedLegalMoveIsPlayedEvenInsideTheRecord)
{
    Fenetre f(biblio_fautive);
    Plateau& p = f.p();
    f.joue("C4 E3 F6 E6");
    p.CmdPrecedent_Click();
    p.CmdPrecedent_Click();
    p.CoupJoueurBiblio = true;
    const int pompes = f.hote.pompes;

    f.clic("F6");
    EXPECT_GT(f.hote.pompes, pompes) << "played, not followed";
    EXPECT_EQ(partie(p), "C4 E3 F6");
    EXPECT_EQ(p.num_rejoue, 4);
    EXPECT_EQ(image_grille(f.tab()), grille_apres("C4 E3 F6"));
}

TEST(BiblioTenue, FirstMoveOnlyNeedsToBeLegal)
{
    Fenetre f(biblio_fautive);
    f.p().CoupJoueurBiblio = true;
    f.clic("A1");
    EXPECT_EQ(f.p().num_coup, 1);
    f.clic("C4");
    EXPECT_EQ(partie(f.p()), "C4");
}

TEST(BiblioTenue, WithoutContinuationsNothingIsAcceptedNorFollowed)
{
    Fenetre f;
    Plateau& p = f.p();
    f.joue("F5 D6 C3");
    p.CmdPrecedent_Click();
    p.CoupJoueurBiblio = true;
    ASSERT_EQ(p.controles.LstSuite.nombre(), 0);
    const Etat avant(f);

    f.clic("C3"); // the recorded next move
    f.clic("C5"); // another legal move
    EXPECT_EQ(Etat(f), avant);
}

class Apercu : public ::testing::TestWithParam<int16_t> {};

TEST_P(Apercu, ShowsThePositionAfterTheMoveAndTheReplies)
{
    Fenetre f;
    Plateau& p = f.p();
    p.controles.chk_voir_coup.fixe(1);
    const Etat avant(f);
    const std::string tuiles_avant = images(p);

    p.plateau_MouseDown(index_de("F5"), GetParam());
    EXPECT_EQ(images(p),
              "11111111\n"
              "11111111\n"
              "11111111\n"
              "11132511\n"
              "11122211\n"
              "11151511\n"
              "11111111\n"
              "11111111\n");
    EXPECT_EQ(image_grille(AccesPlateau::tab_copie(p)), grille_apres("F5"));
    Etat pendant(f);
    pendant.tuiles = avant.tuiles;
    EXPECT_EQ(pendant, avant) << "the game itself is untouched";
    EXPECT_EQ(p.controles.quijoue, image_noir);

    p.plateau_MouseUp(index_de("F5"), GetParam());
    EXPECT_EQ(images(p), tuiles_avant);
}

INSTANTIATE_TEST_SUITE_P(Boutons, Apercu,
                         ::testing::Values(int16_t {bouton_droit}, int16_t {bouton_milieu}));

TEST(Apercu, IllegalSquareShowsNothingNew)
{
    Fenetre f;
    f.p().controles.chk_voir_coup.fixe(1);
    const std::string tuiles = images(f.p());
    f.p().plateau_MouseDown(index_de("F4"), bouton_droit);
    EXPECT_EQ(images(f.p()), tuiles);
}

TEST(Apercu, IgnoresTheLibraryHoldAndMarksRepliesOnlyWhenAsked)
{
    Fenetre f;
    Plateau& p = f.p();
    f.joue("F5 D6");
    p.CoupJoueurBiblio = true; // no continuation listed: a left press would be refused

    p.plateau_MouseDown(index_de("C3"), bouton_droit);
    EXPECT_EQ(images(p),
              "11111111\n"
              "11111111\n"
              "11211111\n"
              "11122111\n"
              "11132211\n"
              "11131111\n"
              "11111111\n"
              "11111111\n");
    EXPECT_EQ(partie(p), "F5 D6");
}

TEST(Clic, PressDuringThePlacingAnimationIsIgnored)
{
    Fenetre f;
    Plateau& p = f.p();
    int pressions = 0;
    f.hote.pendant_pompe = [&] {
        if (pressions++ > 0) return;
        f.clic("D3"); // another legal move for black
        p.plateau_MouseDown(index_de("C4"), bouton_droit);
    };

    f.clic("F5");
    EXPECT_GT(pressions, 1);
    EXPECT_EQ(partie(p), "F5");
    EXPECT_EQ(image_grille(f.tab()), grille_apres("F5"));
    EXPECT_FALSE(AccesPlateau::en_pose(p));

    f.hote.pendant_pompe = nullptr;
    f.clic("D6");
    EXPECT_EQ(partie(p), "F5 D6");
}


TEST(Clic, CommandsDuringThePlacingAnimationChangeNothing)
{
    Fenetre f(std::vector<std::string> {"Tigre;;C4E3 F6E6 F5;eq;;"});
    Plateau& p = f.p();
    f.joue("F5 D6 C3 D3");
    p.CmdDebut_Click();
    p.CmdSuivant_Click();
    p.CmdSuivant_Click();
    bool une_fois = false;
    f.hote.pendant_pompe = [&] {
        if (std::exchange(une_fois, true)) return;
        p.CmdFin_Click();
        p.CmdDebut_Click();
        p.CmdPrecedent_Click();
        p.CmdSuivant_Click();
        p.CmdRotation_Click();
        p.CmdSymPositive_Click();
        p.CmdSymNegative_Click();
        p.cmd_jouer_Click();
        f.ouverture->Form_Load();
        f.ouverture->LstOuverture.selection = 0;
        f.ouverture->Cmdcharger_Click();
    };

    f.clic("C5"); // not the recorded next move: a move of its own, animated
    EXPECT_TRUE(une_fois);
    EXPECT_EQ(partie(p), "F5 D6 C5");
    EXPECT_EQ(p.rotation, 0);
    EXPECT_EQ(p.sym_positive, 0);
    EXPECT_EQ(p.sym_negative, 0);

    // The replay of the record gives the board on screen.
    const Grille vu = f.tab();
    p.CmdFin_Click();
    EXPECT_EQ(image_grille(f.tab()), image_grille(vu));
}
TEST(Clic, JouerMidGameStartsAgain)
{
    Fenetre f;
    Plateau& p = f.p();
    f.joue("F5 D6 C3");
    p.CmdPrecedent_Click();
    p.CmdRotation_Click();
    p.CmdSymNegative_Click();
    p.controles.chk_voir_coup.fixe(1);

    p.cmd_jouer_Click();

    EXPECT_EQ(image_grille(f.tab()), grille_apres(""));
    EXPECT_EQ(p.num_coup, 1);
    EXPECT_EQ(p.num_rejoue, 0);
    EXPECT_EQ(p.rotation, 0);
    EXPECT_EQ(p.sym_negative, 1);
    EXPECT_EQ(p.controles.LstCoup.nombre(), 0);
    EXPECT_FALSE(p.controles.TxtSuivant.visible);
    EXPECT_EQ(boutons(p), "0000");
    for (int k = 1; k < nb_emplacements; ++k) EXPECT_TRUE(p.com().liste_coups[k].est_passe()) << k;
    // Drawn with its legal-move marks, since "Coups" stays ticked.
    Fenetre neuve;
    neuve.p().controles.chk_voir_coup.fixe(1);
    EXPECT_EQ(images(p), images(neuve.p()));
}

} // namespace
} // namespace tavik::test
