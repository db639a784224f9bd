#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {
namespace {

TEST(Demarrage, F5FromTheStartTurnsE5)
{
    Fenetre f;
    f.clic("F5");
    EXPECT_EQ(image_grille(f.tab()),
              "........\n"
              "........\n"
              "........\n"
              "...ox...\n"
              "...xxx..\n"
              "........\n"
              "........\n"
              "........\n");
    EXPECT_EQ(f.p().controles.nb_noir.legende, "4");
    EXPECT_EQ(f.p().controles.nb_blanc.legende, "1");
    EXPECT_EQ(partie(f.p()), "F5");
}

} // namespace
} // namespace tavik::test
