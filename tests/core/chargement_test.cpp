#include "library/fichier.h"
#include "support.h"
#include "windows/messages_chargement.h"

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

// A file that the reading cut shows one message for all of it (a file read whole, none).
TEST(Chargement, OneMessageAtMostSaysWhatTheReadingChanged)
{
    std::string longue = "Longue;;C4E3;eq;";
    for (int i = 0; i < 33000; ++i) longue += "é";
    Lignes biblio = {"A;;C4", longue};
    for (int i = 0; i < 1001; ++i) biblio.push_back("O" + std::to_string(i) + ";;C4E3");
    Fenetre f(biblio);
    EXPECT_EQ(f.com->nb_biblio, 1001);
    ASSERT_EQ(f.hote.messages.size(), 1U);
    EXPECT_EQ(f.hote.messages[0],
              "Le fichier « " + f.fichier->chemin().string()
                  + " » n'a pas été chargé en entier :\n"
                    "• ligne 3 : ouverture trop longue, coupée après 32767 caractères\n"
                    "• lignes 1003 à 1004 : au-delà des 1001 ouvertures que la bibliothèque peut "
                    "tenir, ignorées");
}

// "Jouer" with "Noir auto" ticked on a file that the reading changed: the file's message and
// the automatic player's, after black's first move leaves white without a line, share one box.
TEST(Chargement, FileMessageAndAutomaticPlayerShareOneBox)
{
    Fenetre f(Lignes {"Perpendiculaire;;F5D6;eq;;;texte en trop"});
    f.p().controles.ChkNoirAuto.fixe(1);
    f.hote.messages.clear();
    f.p().cmd_jouer_Click();
    EXPECT_EQ(partie(f.p()).size(), 2U); // black's first move was played
    ASSERT_EQ(f.hote.messages.size(), 1U);
    EXPECT_EQ(f.hote.messages[0],
              "Le fichier « " + f.fichier->chemin().string()
                  + " » n'a pas été chargé en entier :\n"
                    "• ligne 2 : plus de 6 champs, le texte au-delà du sixième est ignoré\n\n"
                    "Vous n'avez plus de coups d'ouverture.");
}

// The first five lines of a kind are named, then counted; a refusal empties the library.
TEST(Chargement, MessageNamesTheFirstLinesOfEachKind)
{
    RapportLecture r;
    for (const std::size_t ligne : {4, 9, 15, 22, 30, 31, 40})
        r.defauts.push_back({ligne, 1, GenreDefaut::trop_long, ""});
    r.defauts.push_back({12, 1, GenreDefaut::trop_de_champs, ""});
    r.defauts.push_back({1003, 1, GenreDefaut::hors_table, ""});
    EXPECT_EQ(message_lecture("b.csv", r),
              "Le fichier « b.csv » n'a pas été chargé en entier :\n"
              "• lignes 4, 9, 15, 22, 30 et 2 autres : ouvertures trop longues, coupées après "
              "32767 caractères\n"
              "• ligne 12 : plus de 6 champs, le texte au-delà du sixième est ignoré\n"
              "• ligne 1003 : au-delà des 1001 ouvertures que la bibliothèque peut tenir, "
              "ignorée");
    r.defauts.erase(r.defauts.begin() + 2, r.defauts.end());
    EXPECT_NE(message_lecture("b.csv", r)->find("• lignes 4 et 9 : ouvertures"), std::string::npos);
    r.refus = "il est vide";
    EXPECT_EQ(message_lecture("b.csv", r),
              "Le fichier « b.csv » ne peut pas être chargé : il est vide.\n"
              "La bibliothèque d'ouvertures est vide.");
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
    EXPECT_EQ(f.hote.messages,
              Lignes {"Impossible de lire le fichier « " + chemin.string()
                      + " » : fichier introuvable.\nLa bibliothèque d'ouvertures est vide."});
    EXPECT_TRUE(choix.LstOuverture.entrees.empty());
    choix.Cmdcharger_Click();
    f.joue("C4");
    EXPECT_EQ(f.p().controles.LstSuite.nombre(), 0);
    EXPECT_EQ(partie(f.p()), "C4");

    ecrit(chemin, std::string("Nom\nNulle;;C4E3\0\n", 17));
    f.p().cmd_jouer_Click();
    ASSERT_EQ(f.hote.messages.size(), 2U);
    EXPECT_NE(f.hote.messages[1].find("caractères nuls"), std::string::npos);
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

} // namespace tavik::test
