#include "support.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace tavik::test {

// The marked squares in reading order, each with its picture: "C3:4 E3:4 C5:4 ".
static std::string marques(const Plateau& p)
{
    std::string s;
    for (int i = 0; i < 64; ++i)
        if (const int image = p.controles.plateau[i]; image > image_blanc)
            s += notation(case_de(i)) + ":" + std::to_string(image) + " ";
    return s;
}

// After C4 white may play C3, C5, E3, the library continues with E3 and C3; after C4 E3
// black may play F2 to F6, the library continues with F6.
TEST(Affichage, MarksFollowTheTwoCheckBoxesAndTheSideToMove)
{
    Fenetre f(std::vector<std::string> {"Perpendiculaire;;C4E3;;;", "Parallele;;C4C3;;;",
                                        "Inhumaine;;C4E3 F6;;;"});
    f.clic("C4");
    f.p().controles.ChkVoirOuverture.fixe(1);
    EXPECT_EQ(marques(f.p()), "C3:7 E3:7 ");
    f.p().controles.chk_voir_coup.fixe(1);
    EXPECT_EQ(marques(f.p()), "C3:9 E3:9 C5:4 ");
    f.clic("E3");
    EXPECT_EQ(marques(f.p()), "F2:4 F3:4 F4:4 F5:4 F6:8 ");
    f.p().controles.chk_voir_coup.fixe(0); // unticked: the legal-move marks go
    EXPECT_EQ(marques(f.p()), "F6:6 ");
}

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
