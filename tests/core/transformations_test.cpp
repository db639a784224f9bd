#include "orientation/transformations.h"

#include <gtest/gtest.h>

namespace tavik {

// The quarter turn is clockwise as drawn; "Sym /" keeps A8-H1 in place, "Sym \" keeps A1-H8.
TEST(CoupTransforme, ThreeMapsAndAnythingElseUnchanged)
{
    const std::array<std::string, 4> cas[]
        = {{"A1", "H1", "H8", "A1"}, {"H1", "H8", "H1", "A8"}, {"f5", "D6", "D3", "E6"}};
    for (const auto& [coup, rot, pos, neg] : cas)
        EXPECT_EQ(rot_coup(coup) + SymPos_coup(coup) + SymNeg_coup(coup), rot + pos + neg) << coup;
    for (const std::string coup : {"", "F", "I5", "F9", "F0", "-1-1", "F55", "5F"})
        EXPECT_EQ(rot_coup(coup) + SymPos_coup(coup) + SymNeg_coup(coup), coup + coup + coup);
}

// The library is written from C4: each first move has a way there and one back. No two maps
// take C4 to the same square, so "C4 back to the first move" settles the way back.
TEST(Orientations, EachFirstMoveGoesToC4AndBack)
{
    for (const std::string premier : {"C4", "D3", "F5", "E6", "E3", "F4", "D6", "C5"}) {
        std::string coup = premier;
        for (const Transformation t : orientation_de(premier).vers_biblio)
            coup = transforme_coup(t, coup);
        EXPECT_EQ(coup, "C4") << premier;
        EXPECT_EQ(vers_jeu(premier, "C4"), premier);
    }
    EXPECT_EQ(vers_jeu("-1-1", "F6"), "F6"); // a pass first: nothing to turn
}

} // namespace tavik
