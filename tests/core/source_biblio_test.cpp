#include "library/source_biblio.h"
#include "support.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tavik::test {

namespace fs = std::filesystem;

// A folder that the host does not know is not searched; a named file is taken alone, relative
// to the working folder unless it is absolute (the fixture below takes a relative one).
TEST(CandidatsBiblio, UnknownFolderSkippedAbsoluteNamedFileKept)
{
    DossiersBiblio d {std::nullopt, "/travail", "", "/opt/t/share/tavik"};
    EXPECT_EQ(candidats_biblio(d),
              (std::vector<Candidat> {{Endroit::dossier_de_travail, "/travail/biblio.csv"},
                                      {Endroit::installation, "/opt/t/share/tavik/biblio.csv"}}));
    d.fichier_nomme = "/ailleurs/o.csv";
    EXPECT_EQ(candidats_biblio(d), (std::vector<Candidat> {{Endroit::nomme, "/ailleurs/o.csv"}}));
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

// The message names every place searched, in order, and how to name another file.
TEST_F(Endroits, NothingFoundSaysWhereAndJouerSearchesAgain)
{
    auto p = plateau();
    ASSERT_EQ(hote.messages.size(), 1U);
    const std::string& m = hote.messages[0];
    std::size_t avant = 0;
    for (const auto& [ou, dossier] : {std::pair {"dossier de travail : ", travail},
                                      {"vos données : ", utilisateur},
                                      {"programme installé : ", installation}}) {
        const std::size_t ici = m.find(ou + (dossier / "biblio.csv").string());
        EXPECT_TRUE(ici != std::string::npos && ici > avant) << ou << "\n" << m;
        avant = ici;
    }
    EXPECT_NE(m.find("tavik --biblio FICHIER"), std::string::npos) << m;
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
