#include "library/source_biblio.h"
#include "support.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tavik::test {

namespace fs = std::filesystem;

TEST(CandidatsBiblio, NamedFileAloneOtherwiseWorkingFolderUserDataInstallation)
{
    DossiersBiblio d {std::nullopt, "/travail", "/home/u/.local/share/tavik", "/opt/t/share/tavik"};
    EXPECT_EQ(candidats_biblio(d),
              (std::vector<Candidat> {
                  {Endroit::dossier_de_travail, "/travail/biblio.csv"},
                  {Endroit::donnees_utilisateur, "/home/u/.local/share/tavik/biblio.csv"},
                  {Endroit::installation, "/opt/t/share/tavik/biblio.csv"}}));

    d.donnees_utilisateur.clear(); // no home folder known: that place is not searched
    EXPECT_EQ(candidats_biblio(d),
              (std::vector<Candidat> {{Endroit::dossier_de_travail, "/travail/biblio.csv"},
                                      {Endroit::installation, "/opt/t/share/tavik/biblio.csv"}}));

    d.fichier_nomme = "mes/ouvertures.csv";
    EXPECT_EQ(candidats_biblio(d),
              (std::vector<Candidat> {{Endroit::nomme, "/travail/mes/ouvertures.csv"}}));
    d.fichier_nomme = "/ailleurs/o.csv";
    EXPECT_EQ(candidats_biblio(d), (std::vector<Candidat> {{Endroit::nomme, "/ailleurs/o.csv"}}));
}

TEST(ChoisitBiblio, FirstPresentPlaceOrTheNamedFileEvenAbsent)
{
    const auto choix = [](bool travail, bool utilisateur, bool installation) {
        const std::vector<Candidat> c {{Endroit::dossier_de_travail, "t/biblio.csv", travail},
                                       {Endroit::donnees_utilisateur, "u/biblio.csv", utilisateur},
                                       {Endroit::installation, "i/biblio.csv", installation}};
        return choisit_biblio(c).value_or("aucun").string();
    };
    EXPECT_EQ(choix(true, true, true), "t/biblio.csv");
    EXPECT_EQ(choix(false, true, true), "u/biblio.csv");
    EXPECT_EQ(choix(false, false, true), "i/biblio.csv");
    EXPECT_EQ(choix(true, false, false), "t/biblio.csv");
    EXPECT_EQ(choix(false, false, false), "aucun");

    const std::vector<Candidat> nomme {{Endroit::nomme, "/x/absent.csv", false}};
    EXPECT_EQ(choisit_biblio(nomme), fs::path("/x/absent.csv"));
}

TEST(ChoisitBiblio, MessageNamesEveryPlaceSearchedInOrder)
{
    const std::vector<Candidat> c {{Endroit::dossier_de_travail, "/t/biblio.csv"},
                                   {Endroit::donnees_utilisateur, "/u/biblio.csv"},
                                   {Endroit::installation, "/i/biblio.csv"}};
    const std::string m = message_biblio_introuvable(c);
    const std::size_t t = m.find("dossier de travail : /t/biblio.csv");
    const std::size_t u = m.find("vos données : /u/biblio.csv");
    const std::size_t i = m.find("programme installé : /i/biblio.csv");
    EXPECT_TRUE(t != std::string::npos && u != std::string::npos && i != std::string::npos) << m;
    EXPECT_TRUE(t < u && u < i) << m;
    EXPECT_NE(m.find("--biblio"), std::string::npos) << m;
}

// Three real folders standing for the working folder, the user's data and the installation.
struct Endroits : ::testing::Test
{
    const FichierTemporaire racine {"", "vide"};
    const fs::path travail = racine.chemin().parent_path() / "travail";
    const fs::path utilisateur = racine.chemin().parent_path() / "donnees";
    const fs::path installation = racine.chemin().parent_path() / "installation";
    Hote hote;
    FonCom com;

    static void ecrit(const fs::path& dossier, const std::string& nom)
    {
        fs::create_directories(dossier);
        std::ofstream(dossier / "biblio.csv", std::ios::binary) << "Nom\n" << nom << ";;C4E3\n";
    }
    std::unique_ptr<Plateau> plateau(std::optional<fs::path> nomme = std::nullopt)
    {
        auto p = std::make_unique<Plateau>(
            com, hote.services(),
            candidats_biblio({std::move(nomme), travail, utilisateur, installation}));
        p->Form_Load();
        return p;
    }
    std::string premiere() const { return com.nb_biblio ? com.biblio.lignes[0][col_nom] : "-"; }
};

TEST_F(Endroits, EarliestPlaceWinsAndJouerRereadsThatSameFile)
{
    ecrit(installation, "Installée");
    ecrit(utilisateur, "Personnelle");
    auto p = plateau();
    EXPECT_TRUE(hote.messages.empty());
    EXPECT_EQ(premiere(), "Personnelle");

    ecrit(utilisateur, "Personnelle modifiée");
    ecrit(travail, "Du dossier de travail"); // appears later: not taken in mid-session
    p->cmd_jouer_Click();
    EXPECT_EQ(premiere(), "Personnelle modifiée");
    EXPECT_EQ(p->fichier_biblio(), utilisateur / "biblio.csv");

    com = {};
    plateau();
    EXPECT_EQ(premiere(), "Du dossier de travail");
    EXPECT_TRUE(hote.messages.empty());
}

TEST_F(Endroits, NothingFoundSaysWhereAndJouerSearchesAgain)
{
    auto p = plateau();
    ASSERT_EQ(hote.messages.size(), 1U);
    for (const fs::path& dossier : {travail, utilisateur, installation})
        EXPECT_NE(hote.messages[0].find((dossier / "biblio.csv").string()), std::string::npos)
            << hote.messages[0];
    EXPECT_EQ(com.nb_biblio, 0);
    p->plateau_MouseDown(index_de("F5"), bouton_gauche); // the game goes on without a library
    EXPECT_EQ(partie(*p), "F5");

    ecrit(installation, "Installée");
    p->cmd_jouer_Click();
    EXPECT_EQ(hote.messages.size(), 1U);
    EXPECT_EQ(premiere(), "Installée");
}

// A file named on the command line is never swapped for another: its fault is reported.
TEST_F(Endroits, NamedFileMissingIsReportedNotReplaced)
{
    ecrit(travail, "Du dossier de travail");
    plateau("absent.csv");
    ASSERT_EQ(hote.messages.size(), 1U);
    EXPECT_NE(hote.messages[0].find("« " + (travail / "absent.csv").string() + " »"),
              std::string::npos)
        << hote.messages[0];
    EXPECT_NE(hote.messages[0].find("introuvable"), std::string::npos) << hote.messages[0];
    EXPECT_EQ(com.nb_biblio, 0);
}

} // namespace tavik::test
