#include "library/fichier.h"
#include "library/source_biblio.h"
#include "support.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>

namespace tavik::test {

using Entrees = std::vector<Liste::Entree>;
using Lignes = std::vector<std::string>;

static void ecrit(const std::filesystem::path& chemin, const std::string& contenu)
{
    std::ofstream(chemin, std::ios::binary) << contenu;
}

// A file that the reading changed shows one message for all of it (a file read whole, none):
// the first five lines of a kind are named, then counted.
TEST(Chargement, OneMessageNamesTheLinesThatTheReadingChanged)
{
    for (const auto& [longues, autres] :
         {std::pair {6, "1 autre\u00a0: ouvertures"}, {7, "2 autres\u00a0: ouvertures"}}) {
        Lignes biblio(longues, "Longue;;C4E3;eq;" + std::string(33000, 'x'));
        biblio.insert(biblio.end(), {"B;;C4;;;;trop", "C;;C4;;;;trop"});
        while (biblio.size() < 1003) biblio.push_back("O;;C4E3");
        Fenetre f(biblio);
        EXPECT_EQ(f.com->nb_biblio, 1001);
        ASSERT_EQ(f.hote.messages.size(), 1U);
        const std::string b = std::to_string(longues + 2), c = std::to_string(longues + 3);
        EXPECT_EQ(f.hote.messages[0],
                  "Le fichier «\u00a0" + f.fichier->chemin().string()
                      + "\u00a0» n'a pas été chargé en entier\u00a0:\n"
                        "• lignes 2, 3, 4, 5, 6 et "
                      + autres + " trop longues, coupées après 32767 caractères\n• lignes " + b
                      + " et " + c
                      + "\u00a0: plus de 6 champs, le texte au-delà du sixième est ignoré\n"
                        "• lignes 1003 à 1004\u00a0: au-delà des 1001 ouvertures que la "
                        "bibliothèque peut tenir, ignorées");
    }
}

// "Jouer" with "Noir auto" ticked on a file that the reading changed: the file's message and
// the automatic player's, after black's first move leaves white without a line, share one box.
TEST(Chargement, FileMessageAndAutomaticPlayerShareOneBox)
{
    Fenetre f(Lignes {"Perpendiculaire;;F5D6;eq;" + std::string(33000, 'x')});
    f.p().controles.ChkNoirAuto.fixe(1);
    f.hote.messages.clear();
    f.p().cmd_jouer_Click();
    EXPECT_EQ(partie(f.p()).size(), 2U); // black's first move was played
    ASSERT_EQ(f.hote.messages.size(), 1U);
    EXPECT_EQ(f.hote.messages[0],
              "Le fichier «\u00a0" + f.fichier->chemin().string()
                  + "\u00a0» n'a pas été chargé en entier\u00a0:\n"
                    "• ligne 2\u00a0: ouverture trop longue, coupée après 32767 caractères\n\n"
                    "Vous n'avez plus de coups d'ouverture.");
}

// "Jouer" reads the file again, whatever became of it: gone, not text, then saved as UTF-16.
// The open chooser follows each time, its selection cleared, so "Charger" never loads a row
// of another file.
TEST(Chargement, JouerRereadsTheFileAndTheOpenChooserFollows)
{
    Fenetre f(Lignes {"Ancienne;;C4E3", "Autre;;C4C3"});
    const std::filesystem::path chemin = f.fichier->chemin();
    Ouverture& choix = *f.ouverture;
    choix.Form_Load();
    choix.LstOuverture.selection = 1;

    std::filesystem::remove(chemin);
    f.p().cmd_jouer_Click();
    EXPECT_EQ(
        f.hote.messages,
        Lignes {"Impossible de lire le fichier «\u00a0" + chemin.string()
                + "\u00a0»\u00a0: fichier introuvable.\nLa bibliothèque d'ouvertures est vide."});
    EXPECT_TRUE(choix.LstOuverture.entrees.empty());
    choix.Cmdcharger_Click();
    f.joue("C4");
    EXPECT_EQ(f.p().controles.LstSuite.nombre(), 0);
    EXPECT_EQ(partie(f.p()), "C4");

    ecrit(chemin, std::string("Nom\nNulle;;C4E3\0\n", 17));
    f.p().cmd_jouer_Click();
    ASSERT_EQ(f.hote.messages.size(), 2U);
    EXPECT_EQ(f.hote.messages[1],
              "Le fichier «\u00a0" + chemin.string()
                  + "\u00a0» ne peut pas être chargé\u00a0: il contient des caractères nuls\u00a0: "
                    "ce n'est pas "
                    "un texte que Tavik sait lire (enregistrez-le en UTF-8).\nLa bibliothèque "
                    "d'ouvertures est vide.");
    EXPECT_EQ(f.com->nb_biblio, 0);

    ecrit(chemin,
          std::string("\xFF\xFEN\0\n\0E\0\xE9\0;\0;\0C\0"
                      "4\0",
                      18));
    choix.LstOuverture.selection = 0;
    f.p().cmd_jouer_Click();
    EXPECT_EQ(f.hote.messages.size(), 2U);
    EXPECT_EQ(choix.LstOuverture.entrees, (Entrees {{"Eé", 1}}));
    EXPECT_EQ(choix.LstOuverture.selection, -1);
    choix.Cmdcharger_Click();
    EXPECT_EQ(partie(f.p()), "");
}

// Whatever the system's error, the reason given is French, never the system's own text.
TEST(Chargement, ReasonsAreFrench)
{
    for (int erreur = 1; erreur < 134; ++erreur)
        EXPECT_NE(raison_systeme(erreur), std::strerror(erreur)) << erreur;
    std::string contenu, raison;
    EXPECT_FALSE(lit_fichier(std::filesystem::temp_directory_path(), contenu, raison));
    EXPECT_EQ(raison, "c'est un dossier, pas un fichier");
}

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

// The earliest place wins and "Jouer" rereads that same file; a file named on the command line
// is never swapped for another: its fault is reported.
TEST_F(Endroits, EarliestPlaceWinsAndANamedFileIsNeverReplaced)
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

    com = {};
    plateau("absent.csv");
    EXPECT_EQ(
        hote.messages,
        (Lignes {"Impossible de lire le fichier «\u00a0" + (travail / "absent.csv").string()
                 + "\u00a0»\u00a0: fichier introuvable.\nLa bibliothèque d'ouvertures est vide."}));
    EXPECT_EQ(com.nb_biblio, 0);
}

// Started from the menu, the working folder is the home folder: a "biblio.csv" there that is no
// library of this program is passed over for the next place; one with this program's header
// is taken, faults and all, and so is one with no error.
TEST_F(Endroits, AnotherProgramsFileInTheWorkingFolderIsPassedOver)
{
    const auto depose = [&](const std::string& contenu) {
        fs::create_directories(travail);
        std::ofstream(travail / "biblio.csv", std::ios::binary) << contenu;
    };
    depose("Auteur,Titre,Année\nHugo,Les Misérables,1862\n");
    ecrit(utilisateur, "Personnelle");
    ecrit(installation, "Installée");
    plateau();
    EXPECT_EQ(premiere(), "Personnelle");
    EXPECT_TRUE(hote.messages.empty());

    for (const auto& [contenu, attendue] :
         {std::pair {"nom ; Name ; COUPS\nDe travail;;C4E3\nFautive;;C4C4\n", "De travail"},
          {"Ouverture;;Coups\nDe travail;;C4E3\n", "De travail"},
          {"Ouverture;;Coups\nDe travail;;C4E3\nFautive;;C4C4\n", "Personnelle"}}) {
        depose(contenu);
        com = {};
        plateau();
        EXPECT_EQ(premiere(), attendue) << contenu;
    }
}

// The message names every place searched, in order, and how to name another file.
TEST_F(Endroits, NothingFoundSaysWhereAndJouerSearchesAgain)
{
    auto p = plateau();
    ASSERT_EQ(hote.messages.size(), 1U);
    const std::string& m = hote.messages[0];
    std::size_t avant = 0;
    for (const auto& [ou, dossier] : {std::pair {"dossier de travail\u00a0: ", travail},
                                      {"vos données\u00a0: ", utilisateur},
                                      {"programme installé\u00a0: ", installation}}) {
        const std::size_t ici = m.find(ou + (dossier / "biblio.csv").string());
        EXPECT_TRUE(ici != std::string::npos && ici > avant) << ou << "\n" << m;
        avant = ici;
    }
    // What to do, for a desktop user first: the file put in their data folder, then "Jouer".
    const std::size_t copie = m.find("sous le nom «\u00a0biblio.csv\u00a0» dans le dossier «\u00a0"
                                     + utilisateur.string() + "\u00a0»");
    const std::size_t jouer = m.find("«\u00a0Jouer\u00a0»");
    const std::size_t option = m.find("«\u00a0tavik --biblio FICHIER\u00a0»");
    EXPECT_TRUE(copie > avant && copie < jouer && jouer < option && option != std::string::npos)
        << m;
    EXPECT_EQ(com.nb_biblio, 0);
    p->plateau_MouseDown(index_de("F5"), bouton_gauche); // the game goes on without a library
    EXPECT_EQ(partie(*p), "F5");

    ecrit(installation, "Installée");
    p->cmd_jouer_Click();
    EXPECT_EQ(hote.messages.size(), 1U);
    EXPECT_EQ(premiere(), "Installée");
}

} // namespace tavik::test
