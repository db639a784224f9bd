#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

// A press on the next move of a loaded record, its row a digit text, follows the record.
TEST(Rejoue, PressOnTheNextLoadedMoveFollowsTheRecord)
{
    Fenetre f;
    Plateau& p = f.p();
    p.com().liste_coups[1] = Emplacement::coup_charge('F', '5');
    p.com().liste_coups[2] = Emplacement::coup_charge('F', '6');
    p.num_rejoue = 3;
    p.CmdDebut_Click();
    f.clic("F5");
    EXPECT_EQ(p.controles.TxtSuivant.texte, "2. F6");
    EXPECT_EQ(partie(p), "F5 F6");
}

} // namespace tavik::test
