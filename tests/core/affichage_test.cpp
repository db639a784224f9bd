#include "support.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace tavik::test {

// Readings 1/16 s apart: start, +1/16, +2/16 (equal: wait on), +3/16, from any clock value.
TEST(Affichage, WaitEndsAtTheFirstReadingPastTheDurationAndPumpsMeanwhile)
{
    for (const double depart : {0.0, 86399.9375, 1099511627776.0}) {
        Fenetre f;
        f.hote.pas = 0.0625;
        f.hote.temps = depart - f.hote.pas;
        f.hote.pendant_pompe = [&] {
            if (f.hote.pompes > 9) throw std::runtime_error("endless");
        };
        f.p().wait(0.125);
        EXPECT_EQ(f.hote.pompes, 2) << depart;
        EXPECT_EQ(f.hote.temps, depart + 0.1875) << depart;
    }
}

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
    EXPECT_EQ(lues(), "E3\u00a0: vide, coup d'ouverture|C3\u00a0: vide");
    p.controles.chk_voir_coup.fixe(1);
    EXPECT_EQ(lues(), "E3\u00a0: vide, coup possible, coup d'ouverture|C3\u00a0: vide, coup possible");
    p.controles.ChkVoirOuverture.fixe(0);
    EXPECT_EQ(lues(), "E3\u00a0: vide, coup possible|C3\u00a0: vide, coup possible");
}

} // namespace tavik::test
