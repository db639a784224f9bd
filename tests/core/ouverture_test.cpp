#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavik::test {
namespace {

using Lignes = std::vector<std::string>;

void charge(Fenetre& f, int entree)
{
    f.ouverture->Form_Load();
    f.ouverture->LstOuverture.selection = entree;
    f.ouverture->Cmdcharger_Click();
}

std::string grille_apres(const std::string& coups)
{
    Fenetre g;
    g.joue(coups);
    return image_grille(g.tab());
}

TEST(Selecteur, ListsEveryNameAsWrittenWithItsRow)
{
    FichierTemporaire fichier("Nom\nTigre var. 1;;C4E3 F6E6 F5\n\nBuffle;;C4E3 F6E6 F5F4\n");
    Fenetre f(fichier.chemin());
    f.ouverture->Form_Load();
    f.ouverture->Form_Load(); // loading again does not add the names twice
    const std::vector<Liste::Entree> attendu = {{"Tigre var. 1", 1}, {"", 2}, {"Buffle", 3}};
    EXPECT_EQ(f.ouverture->LstOuverture.entrees, attendu);
}

TEST(Selecteur, ChargerWithoutSelectionDoesNothing)
{
    Fenetre f(Lignes {"Tigre;;C4E3 F6E6 F5"});
    f.joue("F5 D6");
    const std::string avant = image_grille(f.tab());
    charge(f, -1);
    EXPECT_EQ(partie(f.p()), "F5 D6");
    EXPECT_EQ(f.p().num_coup, 3);
    EXPECT_EQ(image_grille(f.tab()), avant);
    EXPECT_TRUE(f.hote.messages.empty());
}

struct CasLigne {
    const char* nom;
    std::string coups;
    std::string partie;
};

class LigneChargee : public testing::TestWithParam<CasLigne> {};

TEST_P(LigneChargee, LoadsTheGameAndGoesToItsEnd)
{
    const CasLigne& cas = GetParam();
    Fenetre f(Lignes {"Propre;;C4E3 F6E6", "Chargee;;" + cas.coups});
    f.joue("D3");
    charge(f, 1);

    EXPECT_EQ(partie(f.p()), cas.partie);
    const int16_t fin = static_cast<int16_t>(1 + (cas.partie.size() + 1) / 3);
    EXPECT_EQ(f.p().num_coup, fin);
    EXPECT_EQ(f.p().num_rejoue, fin);
    EXPECT_EQ(image_grille(f.tab()), grille_apres(cas.partie));
    EXPECT_EQ(f.p().controles.LstCoup.nombre(), fin / 2);
    EXPECT_TRUE(f.p().controles.CmdPrecedent.actif);
    EXPECT_FALSE(f.p().controles.CmdSuivant.actif);
    EXPECT_TRUE(f.hote.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lignes, LigneChargee,
    testing::Values(CasLigne {"minuscules_et_blancs", "c4e3  f6e6", "C4 E3 F6 E6"},
                    CasLigne {"sans_blanc", "C4E3F6E6F5", "C4 E3 F6 E6 F5"},
                    CasLigne {"autre_premier_coup", "F5D6 C3", "F5 D6 C3"},
                    CasLigne {"un_coup", " C4 ", "C4"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

// The entry carries its library row: the load follows it, not the entry's place in the list.
TEST(Selecteur, ChargerFollowsTheRowOfTheEntry)
{
    Fenetre f(Lignes {"Perpendiculaire;;C4E3", "Diagonale;;C4C3"});
    f.ouverture->Form_Load();
    auto& entrees = f.ouverture->LstOuverture.entrees;
    std::swap(entrees[0], entrees[1]);
    f.ouverture->LstOuverture.selection = 0;
    f.ouverture->Cmdcharger_Click();
    EXPECT_EQ(partie(f.p()), "C4 C3");
}

// Extra blanks keep a line from matching itself; the clean line of the same moves is found.
TEST(Selecteur, LoadedGameIsLookedUp)
{
    Fenetre f(Lignes {"Propre;;C4E3 F6E6;eq;x", "Sale;;c4e3  f6e6"});
    charge(f, 1);
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "Propre");
    EXPECT_EQ(f.p().controles.LblBilan.legende, "Egalité.");
}

TEST(Selecteur, EmptyLineGivesTheStartPosition)
{
    Fenetre f(Lignes {"Vide;;"});
    f.joue("F5 D6");
    charge(f, 0);
    EXPECT_EQ(f.p().num_coup, 1);
    EXPECT_EQ(f.p().num_rejoue, 1);
    EXPECT_EQ(image_grille(f.tab()), grille_apres(""));
    EXPECT_EQ(f.joueur(), noir);
    EXPECT_EQ(f.p().controles.LstCoup.nombre(), 0);
    EXPECT_FALSE(f.p().controles.CmdDebut.actif);
    EXPECT_FALSE(f.p().controles.CmdPrecedent.actif);
    EXPECT_FALSE(f.p().controles.CmdSuivant.actif);
    EXPECT_FALSE(f.p().controles.CmdFin.actif);
    f.joue("F5");
    EXPECT_EQ(partie(f.p()), "F5");
}

TEST(Selecteur, ShortLineAfterALongOneShowsOnlyTheShortOne)
{
    Fenetre f(Lignes {"Longue;;C4E3 F6E6 F5C5 C3", "Courte;;C4C3"});
    charge(f, 0);
    charge(f, 1);
    EXPECT_EQ(partie(f.p()), "C4 C3");
    EXPECT_EQ(f.p().num_rejoue, 3);
    EXPECT_EQ(image_grille(f.tab()), grille_apres("C4 C3"));
    EXPECT_EQ(f.p().controles.LstCoup.nombre(), 1);
    EXPECT_FALSE(f.p().controles.CmdSuivant.actif);
}

TEST(Selecteur, LoadResetsTheOrientation)
{
    Fenetre f(Lignes {"Tigre;;C4E3 F6E6 F5"});
    f.joue("F5 D6");
    f.p().CmdRotation_Click();
    f.p().CmdSymPositive_Click();
    f.p().CmdSymNegative_Click();
    charge(f, 0);
    EXPECT_EQ(f.p().rotation, 0);
    EXPECT_EQ(f.p().sym_positive, 0);
    EXPECT_EQ(f.p().sym_negative, 0);
    EXPECT_EQ(image_grille(f.tab()), grille_apres("C4 E3 F6 E6 F5"));
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "Tigre");
}

struct CasRefus {
    const char* nom;
    std::string coups;
    std::string motif; // part of the reason given
};

class LigneRefusee : public testing::TestWithParam<CasRefus> {};

TEST_P(LigneRefusee, MessageNamesTheOpeningAndTheGameStays)
{
    const CasRefus& cas = GetParam();
    Fenetre f(Lignes {"Fautive n°1;;" + cas.coups});
    f.joue("F5 D6 C3");
    f.p().CmdPrecedent_Click();
    f.p().CmdRotation_Click();
    const std::string grille = image_grille(f.tab());
    const std::string record = partie(f.p());

    charge(f, 0);

    ASSERT_EQ(f.hote.messages.size(), 1U);
    const std::string& message = f.hote.messages[0];
    EXPECT_NE(message.find("« Fautive n°1 »"), std::string::npos) << message;
    EXPECT_NE(message.find(cas.motif), std::string::npos) << message;
    EXPECT_EQ(partie(f.p()), record);
    EXPECT_EQ(f.p().num_coup, 3);
    EXPECT_EQ(f.p().num_rejoue, 4);
    EXPECT_EQ(f.p().rotation, 1);
    EXPECT_EQ(image_grille(f.tab()), grille);
}

std::string trop_longue()
{
    std::string s;
    for (int i = 0; i < 61; ++i) s += "C4E3 "; // 122 moves
    return s;
}

INSTANTIATE_TEST_SUITE_P(Lignes, LigneRefusee,
                         testing::Values(CasRefus {"longueur_impaire", "C4E3 F", "incomplet"},
                                         CasRefus {"chiffre_hors_plateau", "C4E9", "« E9 »"},
                                         CasRefus {"lettre_hors_plateau", "C4Z3", "« Z3 »"},
                                         CasRefus {"passe", "C4E3 -1-1", "« -1 »"},
                                         CasRefus {"case_occupee", "C4C4", "« C4 »"},
                                         CasRefus {"coup_blanc_impossible", "C4D3", "« D3 »"},
                                         CasRefus {"premier_coup_impossible", "A1", "« A1 »"},
                                         CasRefus {"trop_de_coups", trop_longue(), "122"}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

} // namespace
} // namespace tavik::test
