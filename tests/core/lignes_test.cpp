#include "entrainement_support.h"
#include "library/lignes.h"
#include "library/recherche.h"

#include <gtest/gtest.h>

namespace tavik::test {

// Move texts read as squares whatever their spacing and case, and written back as the library
// writes them; anything that is not whole squares reads as nothing.
TEST(Lignes, MoveTextsAsSquares)
{
    EXPECT_EQ(texte(*lit_coups("c4e3  F6e6 f5")), "C4 E3 F6 E6 F5");
    EXPECT_EQ(texte(*lit_coups("")), "");
    EXPECT_FALSE(lit_coups("C4E"));
    EXPECT_FALSE(lit_coups("C4I3"));
    EXPECT_FALSE(lit_coups("C4E0"));
    EXPECT_EQ(ecrit_coups(*lit_coups("C4E3F6E6F5")), "C4E3 F6E6 F5");
    EXPECT_EQ(ecrit_coups(*lit_coups("C4E3")), "C4E3");
}

// Names are found without regard to case or accents, ligatures included.
TEST(Lignes, NamesFoundWithoutCaseOrAccents)
{
    EXPECT_EQ(forme_de_recherche("Bétonnage ŒIL À Ça Ñ × ß"), "betonnage oeil a ca n × ss");
    EXPECT_TRUE(nom_contient("De Grey de bétonnage", "BETON"));
    EXPECT_TRUE(nom_contient("Cœur", "coeur"));
    EXPECT_TRUE(nom_contient("Tigre", ""));
    EXPECT_FALSE(nom_contient("Tigre", "tigres"));
    const BiblioChargee b(petite_biblio());
    EXPECT_EQ(lignes_par_nom(b.biblio, b.nb, "tigre"), (std::vector<int> {1, 3, 4, 5}));
    EXPECT_EQ(lignes_par_nom(b.biblio, b.nb, "PARALLELE"), std::vector<int> {6});
    EXPECT_EQ(lignes_par_nom(b.biblio, b.nb, "").size(), petite_biblio().size());
}

// The lines through a game come in file order, whether few lines match (sorted) or many (read
// off the index).
TEST(Lignes, LinesThroughAGameInFileOrder)
{
    std::vector<std::string> enregistrements;
    for (int i = 0; i < 40; ++i)
        enregistrements.push_back("L" + std::to_string(i) + ";;"
                                  + (i % 3 == 0       ? "C4E3 F6"
                                         : i % 3 == 1 ? "C4C3"
                                                      : "C4E3 F4"));
    enregistrements.push_back("Z;;C4E3 F6E6");
    enregistrements.push_back("Y;;C4E3 F6E6 F5G6"); // sorts after the next row
    enregistrements.push_back("X;;C4E3 F6E6 F5C5");
    const BiblioChargee b(enregistrements);
    std::vector<int> f6, tous;
    for (int i = 0; i < 40; ++i) {
        if (i % 3 != 1) tous.push_back(i);
        if (i % 3 == 0) f6.push_back(i);
    }
    for (const int r : {40, 41, 42}) {
        tous.push_back(r);
        f6.push_back(r);
    }
    EXPECT_EQ(lignes_commencant_par(b.biblio, b.nb, "C4E3"), tous);
    EXPECT_EQ(lignes_commencant_par(b.biblio, b.nb, "C4E3 F6"), f6);
    EXPECT_EQ(lignes_commencant_par(b.biblio, b.nb, "C4E3 F6E6"), (std::vector<int> {40, 41, 42}));
    EXPECT_EQ(lignes_commencant_par(b.biblio, b.nb, "C4E3 F6E6 F5"), (std::vector<int> {41, 42}));
    EXPECT_TRUE(lignes_commencant_par(b.biblio, b.nb, "C4E3 F5").empty());
}

} // namespace tavik::test
