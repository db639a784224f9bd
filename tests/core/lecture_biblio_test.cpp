#include "library/lecture_biblio.h"

#include <gtest/gtest.h>

namespace tavik {

TEST(LitEnregistrements, OverlongRecordCutBetweenCharacters)
{
    std::string longue;
    for (int i = 0; i < 20000; ++i) longue += "é"; // 40000 bytes
    const std::string limite(longueur_max_enregistrement, 'a');
    const LectureBiblio l = lit_enregistrements("H\n" + limite + "\n" + longue + "\nsuite");
    EXPECT_TRUE(l.enregistrements
                == (std::vector<std::string> {limite, longue.substr(0, 32766), "suite"}));
}

TEST(Decoupe, BlanksKeptAndFieldsBeyondTheSixthIgnored)
{
    EXPECT_EQ(decoupe("Nom ; x,y;;C4E3 "), (LigneBiblio {"Nom ", " x,y", "", "C4E3 ", "", ""}));
    EXPECT_EQ(decoupe("1;2;3;4;5;6;7;8"), (LigneBiblio {"1", "2", "3", "4", "5", "6"}));
}

TEST(DecodeTexte, MarkDroppedAndAnythingButValidUtf8IsWindows1252)
{
    EXPECT_EQ(decode_texte("\xEF\xBB\xBFé\xE9 \x80"), "Ã©é €");
}

} // namespace tavik
