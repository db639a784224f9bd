#include "library/cle_ligne.h"
#include "library/symetries.h"

#include <gtest/gtest.h>

namespace tavik {

// The four first moves of the usual start begin one line written four ways (the maps of the
// lookup's table); after C4 C3 D3 the board is its own mirror image, and the lines that go on
// on either side of the diagonal are one line again.
TEST(FormeCommune, SymmetricWritingsOfALineShareOneFormThatBeginsWithC4)
{
    const auto forme
        = [](std::string_view coups) { return cle_de_ligne(forme_commune(cases_de_ligne(coups))); };
    for (const char* l : {"C4E3 F6E6 F5", "D3C5 F6F5 E6", "F5D6 C3D3 C4", "E6F4 C3C4 D3"})
        EXPECT_EQ(forme(l), "C4E3 F6E6 F5") << l;
    EXPECT_EQ(forme("C4C3 D3E3 F6E6 F5"), "C4C3 D3C5 F6F5 E6");
    EXPECT_EQ(forme("C4C3 D3C5 F6F5 E6"), "C4C3 D3C5 F6F5 E6");
    // The shipped library writes such lines both ways under one name, as the Zebra here.
    EXPECT_EQ(forme("C4C3 D3E3 F6C5 F3E6 D6C7 C6D7 B4"), "C4C3 D3C5 F6E3 C6F5 F4G3 F3G4 D2");
    // After C4 alone the board has no symmetry: C4 C5 and C4 E3 are two lines.
    EXPECT_EQ(forme("C4C5"), "C4C5");
}

} // namespace tavik
