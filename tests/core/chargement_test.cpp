#include "support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tavik::test {
namespace {

using Lignes = std::vector<std::string>;

const std::string entete = "Nom;Name;Coups;Bilan;Commentaire;Sources\n";

Lignes noms_du_selecteur(Fenetre& f)
{
    f.ouverture->Form_Load();
    Lignes v;
    for (const Liste::Entree& e : f.ouverture->LstOuverture.entrees) v.push_back(e.texte);
    return v;
}

Lignes suites(const Plateau& p)
{
    Lignes v;
    for (const Liste::Entree& e : p.controles.LstSuite.entrees) v.push_back(e.texte);
    return v;
}

void reecrit(const std::filesystem::path& chemin, const std::string& contenu)
{
    std::ofstream(chemin, std::ios::binary | std::ios::trunc) << contenu;
}

// A header alone, or not even a header: no row, no match, no message.
TEST(Chargement, HeaderOnlyOrEmptyFileGivesAnEmptyLibrary)
{
    for (const std::string& contenu : {entete, std::string()}) {
        FichierTemporaire fichier(contenu);
        Fenetre f(fichier.chemin());
        EXPECT_EQ(f.com->nb_biblio, 0);
        EXPECT_TRUE(noms_du_selecteur(f).empty());
        f.joue("C4 E3");
        EXPECT_EQ(partie(f.p()), "C4 E3");
        EXPECT_TRUE(suites(f.p()).empty());
        EXPECT_EQ(f.p().controles.LblOuverture.legende, "");
        EXPECT_TRUE(f.hote.messages.empty());
    }
}

TEST(Chargement, FirstLineIsDiscardedWhateverItHolds)
{
    FichierTemporaire fichier("X;;C4E3\nY;;C4E3 F6\n");
    Fenetre f(fichier.chemin());
    ASSERT_EQ(f.com->nb_biblio, 1);
    EXPECT_EQ(noms_du_selecteur(f), Lignes {"Y"});
    f.joue("C4 E3");
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "");
    EXPECT_EQ(suites(f.p()), Lignes {"F6 : Y"});
}

TEST(Chargement, CommaIsPartOfTheRecord)
{
    Fenetre f(Lignes {"Tigre;Tiger;C4E3 F6E6 F5;eq;solide, mais passif;source", "a,b;c"});
    ASSERT_EQ(f.com->nb_biblio, 2);
    EXPECT_EQ(noms_du_selecteur(f), (Lignes {"Tigre", "a,b"}));
    EXPECT_EQ(f.com->biblio.lignes[1][1], "c");
    f.joue("C4 E3 F6 E6 F5");
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "Tigre");
    EXPECT_EQ(f.p().controles.LblBilan.legende, "Egalité.");
    EXPECT_EQ(f.p().controles.LblCommentaire.legende, "solide, mais passif");
}

// Each record ends with its comment or its moves, where a stray carriage return would show.
struct CasFichier {
    const char* nom;
    std::string contenu;
};

class FichierEncode : public testing::TestWithParam<CasFichier> {};

TEST_P(FichierEncode, ReadsTheSameLibrary)
{
    FichierTemporaire fichier(GetParam().contenu);
    Fenetre f(fichier.chemin());
    ASSERT_EQ(f.com->nb_biblio, 2);
    EXPECT_EQ(noms_du_selecteur(f), (Lignes {"Ouverture élevée", "Deux"}));
    EXPECT_EQ(f.com->biblio.lignes[0][4], "très « sûr »");
    f.joue("C4 E3");
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "Ouverture élevée");
    EXPECT_EQ(f.p().controles.LblBilan.legende, "Avantage à noir.");
    EXPECT_EQ(suites(f.p()), Lignes {"F6 : Deux"});
}

INSTANTIATE_TEST_SUITE_P(
    Encodages, FichierEncode,
    testing::Values(
        CasFichier {"utf8_crlf_bom", "\xEF\xBB\xBFNom;Name;Coups;Bilan;Commentaire\r\n"
                                     "Ouverture élevée;;C4E3;n+;très « sûr »\r\n"
                                     "Deux;;C4E3 F6\r\n"},
        CasFichier {"windows1252_cr", "Nom;Name;Coups;Bilan;Commentaire\r"
                                      "Ouverture \xE9lev\xE9" "e;;C4E3;n+;tr\xE8s \xAB s\xFBr \xBB\r"
                                      "Deux;;C4E3 F6"},
        CasFichier {"windows1252_lf_bom", "\xEF\xBB\xBFNom\n"
                                          "Ouverture \xE9lev\xE9" "e;;C4E3;n+;tr\xE8s \xAB s\xFBr \xBB\n"
                                          "Deux;;C4E3 F6\n"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(Chargement, UnreadableFileShowsOneMessageAndTheGameGoesOn)
{
    const FichierTemporaire dossier("");
    const std::filesystem::path absent = dossier.chemin().parent_path() / "ailleurs" / "biblio.csv";
    const std::filesystem::path repertoire = dossier.chemin().parent_path() / "rep" / "biblio.csv";
    std::filesystem::create_directories(repertoire); // a folder where the file should be

    for (const std::filesystem::path& chemin : {absent, repertoire}) {
        Fenetre f(chemin);
        ASSERT_EQ(f.hote.messages.size(), 1U) << chemin;
        EXPECT_NE(f.hote.messages[0].find("biblio.csv"), std::string::npos) << f.hote.messages[0];
        EXPECT_EQ(f.com->nb_biblio, 0);
        f.joue("F5 D6");
        EXPECT_EQ(partie(f.p()), "F5 D6");
        EXPECT_EQ(f.hote.messages.size(), 1U);
    }
}

TEST(Chargement, BeyondTheTableTheRestIsIgnoredWithOneMessage)
{
    Lignes biblio;
    for (int i = 0; i < 1200; ++i) biblio.push_back("O" + std::to_string(i) + ";;C4E3");
    Fenetre f(biblio);
    EXPECT_EQ(f.com->nb_biblio, 1001);
    EXPECT_EQ(f.com->biblio.lignes[1000][0], "O1000");
    EXPECT_EQ(noms_du_selecteur(f).size(), 1001U);
    ASSERT_EQ(f.hote.messages.size(), 1U);
    EXPECT_NE(f.hote.messages[0].find("199"), std::string::npos) << f.hote.messages[0];
    EXPECT_NE(f.hote.messages[0].find("biblio.csv"), std::string::npos) << f.hote.messages[0];
}

TEST(Chargement, ReloadOfAShorterFileKeepsNoEarlierCell)
{
    FichierTemporaire fichier(entete + "A;Aa;C4E3;eq;commentaire;source\nB;;C4C3\n");
    Fenetre f(fichier.chemin());
    ASSERT_EQ(f.com->nb_biblio, 2);

    reecrit(fichier.chemin(), entete + "C\n");
    f.p().cmd_jouer_Click();

    ASSERT_EQ(f.com->nb_biblio, 1);
    EXPECT_EQ(f.com->biblio.lignes[0], (LigneBiblio {"C", "", "", "", "", ""}));
    EXPECT_EQ(f.com->biblio.lignes[1], LigneBiblio {});
    f.joue("C4 E3");
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "");
}

TEST(Chargement, JouerRereadsTheFileAndStartsAgain)
{
    FichierTemporaire fichier(entete + "Ancienne;;C4E3\n");
    Fenetre f(fichier.chemin());
    f.joue("F5 D6 C3");
    f.p().CmdSymPositive_Click();
    f.p().CmdRotation_Click();

    reecrit(fichier.chemin(), entete + "Nouvelle;;C4E3\n");
    f.p().cmd_jouer_Click();

    EXPECT_EQ(f.p().num_coup, 1);
    EXPECT_EQ(f.p().num_rejoue, 0);
    EXPECT_EQ(f.p().rotation, 0);
    EXPECT_EQ(f.p().sym_positive, 1); // the mirror flags keep their state
    for (int k = 1; k < nb_emplacements; ++k) EXPECT_TRUE(f.com->liste_coups[k].est_passe()) << k;
    EXPECT_EQ(image_grille(f.tab()), image_grille(Fenetre().tab()));
    EXPECT_EQ(f.p().controles.LstCoup.nombre(), 0);

    f.joue("C4 E3");
    EXPECT_EQ(f.p().controles.LblOuverture.legende, "Nouvelle");
}

TEST(Chargement, EvaluationCodesBecomeTheirSentences)
{
    Fenetre f(Lignes {"a;;;n+", "b;;;N+", "c;;;", "d;;;n+ ", "e;;;b--", "f;;", "g;;;>", "h;;;!bb"});
    const Lignes attendu = {"Avantage à noir.", "", "", "", "Gros désavantage à blanc, çà va être dur.",
                            "", ">", "! béton blanc."};
    ASSERT_EQ(f.com->nb_biblio, 8);
    for (int r = 0; r < 8; ++r) EXPECT_EQ(f.com->biblio.lignes[r][3], attendu[r]) << r;
}

} // namespace
} // namespace tavik::test
