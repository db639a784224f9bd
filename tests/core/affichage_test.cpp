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

} // namespace tavik::test
