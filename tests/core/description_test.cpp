#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

// An empty tile reads the marks that the ticked boxes show on it, the library's included (the
// keyboard's Qt test hears the discs, the side to move and the legal-move marks).
TEST(Description, EmptyTilesReadTheMarksOfTheTickedBoxes)
{
    Fenetre f(std::vector<std::string> {"Tigre;;C4E3 F6E6 F5"});
    Plateau& p = f.p();
    const auto lues = [&p] {
        return p.description_case(index_de("E3")) + "|" + p.description_case(index_de("C3"));
    };
    f.clic("C4");
    p.controles.ChkVoirOuverture.fixe(1);
    EXPECT_EQ(lues(), "E3 : vide, coup d'ouverture|C3 : vide");
    p.controles.chk_voir_coup.fixe(1);
    EXPECT_EQ(lues(), "E3 : vide, coup possible, coup d'ouverture|C3 : vide, coup possible");
    p.controles.ChkVoirOuverture.fixe(0);
    EXPECT_EQ(lues(), "E3 : vide, coup possible|C3 : vide, coup possible");
}

} // namespace tavik::test
