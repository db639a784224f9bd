#include "support.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tavik::test {

using Entrees = std::vector<Liste::Entree>;

static Entrees noms(Fenetre& f)
{
    f.ouverture->Form_Load();
    return f.ouverture->LstOuverture.entrees;
}

// One library in three encodings: the header goes, the blank line is an empty record, the
// final line break starts none, and the comment, last in its record, shows no stray CR.
TEST(Chargement, EncodingsAndLineEndsGiveTheSameLibrary)
{
    for (const std::string contenu :
         {"\xEF\xBB\xBFNom\r\nOuverture élevée;;C4E3;n+;solide, mais passif/sûr €\r\n\r\nDeux\r\n",
          "Nom\rOuverture \xE9lev\xE9"
          "e;;C4E3;n+;solide, mais passif/s\xFBr \x80\r\rDeux",
          "\xEF\xBB\xBFNom\nOuverture \xE9lev\xE9"
          "e;;C4E3;n+;solide, mais passif/s\xFBr \x80\n\nDeux\n"}) {
        FichierTemporaire fichier(contenu);
        Fenetre f(fichier.chemin());
        EXPECT_EQ(noms(f), (Entrees {{"Ouverture élevée", 1}, {"", 2}, {"Deux", 3}}));
        f.joue("C4 E3");
        EXPECT_EQ(f.p().controles.LblCommentaire.legende, "solide, mais passif\nsûr €");
    }
}

// A missing file: one message, the game goes on. "Jouer" reads it again, into an empty table.
TEST(Chargement, MissingFileTableLimitAndJouerRereading)
{
    const FichierTemporaire dossier("", "autre.csv");
    const std::filesystem::path chemin = dossier.chemin().parent_path() / "biblio.csv";
    Fenetre f(chemin);
    ASSERT_EQ(f.hote.messages.size(), 1U);
    EXPECT_NE(f.hote.messages[0].find("biblio.csv"), std::string::npos) << f.hote.messages[0];
    EXPECT_TRUE(noms(f).empty());
    f.joue("F5 D6");
    EXPECT_EQ(partie(f.p()), "F5 D6");

    std::string contenu = "Nom\n";
    for (int i = 0; i < 1003; ++i)
        contenu += "O" + std::to_string(i) + ";Old;C4E3;eq;commentaire\n";
    std::ofstream(chemin, std::ios::binary) << contenu;
    f.p().cmd_jouer_Click();
    EXPECT_EQ(noms(f).back(), (Liste::Entree {"O1000", 1001}));
    EXPECT_EQ(f.hote.messages.size(), 2U);

    std::ofstream(chemin, std::ios::binary) << "Nom\nNouvelle;;C4E3\n";
    f.p().cmd_jouer_Click();
    EXPECT_EQ(noms(f), (Entrees {{"Nouvelle", 1}}));
    EXPECT_EQ(f.com->biblio.lignes[0], (LigneBiblio {"Nouvelle", "", "C4E3", "", "", ""}));
}

} // namespace tavik::test
