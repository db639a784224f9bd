#include "entrainement_support.h"
#include "library/noms.h"

#include <gtest/gtest.h>

namespace tavik::test {

// Names are found without regard to case or accents, ligatures included.
TEST(Noms, FoundWithoutCaseOrAccents)
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

} // namespace tavik::test
