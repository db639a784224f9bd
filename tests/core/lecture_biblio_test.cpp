#include "library/lecture_biblio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavik {
namespace {

using Lignes = std::vector<std::string>;

// ---------------------------------------------------------------------------------------------
// Bytes to text

TEST(DecodeTexte, ByteOrderMarkDroppedAndValidUtf8Kept)
{
    const std::string texte = "Tigre;;C4E3 F6E6 F5;eq;Légère faiblesse, « œuf » 20 € — 𝄞";
    EXPECT_EQ(decode_texte(texte), texte);
    EXPECT_EQ(decode_texte("\xEF\xBB\xBF" + texte), texte);
    EXPECT_EQ(decode_texte("\xEF\xBB\xBF"), "");
    EXPECT_EQ(decode_texte("a\xEF\xBB\xBF"), "a\xEF\xBB\xBF"); // only at the very start
}

TEST(DecodeTexte, AnythingElseIsWindows1252)
{
    EXPECT_EQ(decode_texte("\xE9t\xE9"), "été");
    EXPECT_EQ(decode_texte("\x80"), "€");
    EXPECT_EQ(decode_texte("\x9C" "uf \xAB \xE0 \xBB \x92\x85\x96 \xC7\xFF"), "œuf « à » ’…– Çÿ");
    EXPECT_EQ(decode_texte("\x81"), "\xC2\x81"); // undefined in the code page: kept as U+0081
    EXPECT_EQ(decode_texte("\xEF\xBB\xBF\xE9"), "é");
    // One invalid byte is enough: the whole text is read as Windows-1252.
    EXPECT_EQ(decode_texte("é\xE9"), "Ã©é");
    // Overlong forms, surrogates and cut characters are not UTF-8.
    EXPECT_EQ(decode_texte("\xC0\xAF"), "À¯");
    EXPECT_EQ(decode_texte("\xED\xA0\x80"), "í\xC2\xA0€");
    EXPECT_EQ(decode_texte("a\xC3"), "aÃ");
}

// ---------------------------------------------------------------------------------------------
// Text to records

TEST(LitEnregistrements, EveryLineBreakConventionAndTheHeader)
{
    for (const std::string fin : {"\r\n", "\n", "\r"}) {
        const LectureBiblio l = lit_enregistrements("Nom;Name;Coups" + fin + "A;;C4E3" + fin + "B;;C4C3" + fin);
        EXPECT_EQ(l.enregistrements, (Lignes {"A;;C4E3", "B;;C4C3"})) << "line break of " << fin.size();
        EXPECT_EQ(l.ignores, 0);
        EXPECT_TRUE(l.defauts.empty());
    }
    // Mixed in one file, and no final line break.
    EXPECT_EQ(lit_enregistrements("H\ra\r\nb\nc").enregistrements, (Lignes {"a", "b", "c"}));
}

TEST(LitEnregistrements, FirstLineIsAlwaysTheHeader)
{
    EXPECT_EQ(lit_enregistrements("X;;C4E3\nY;;C4C3\n").enregistrements, Lignes {"Y;;C4C3"});
    EXPECT_TRUE(lit_enregistrements("Nom;Name;Coups\n").enregistrements.empty());
    EXPECT_TRUE(lit_enregistrements("Nom;Name;Coups").enregistrements.empty());
    EXPECT_TRUE(lit_enregistrements("").enregistrements.empty());
}

TEST(LitEnregistrements, BlankLinesAndBlanks)
{
    // A blank line in the middle is an empty record; the final line break starts none.
    EXPECT_EQ(lit_enregistrements("H\na\n\nb\n").enregistrements, (Lignes {"a", "", "b"}));
    EXPECT_EQ(lit_enregistrements("H\r\na\r\n\r\nb\r\n").enregistrements, (Lignes {"a", "", "b"}));
    // Leading blanks of a line are skipped; blanks elsewhere stay.
    EXPECT_EQ(lit_enregistrements("H\n   A ; B;C4E3 \n\t C\n").enregistrements,
              (Lignes {"A ; B;C4E3 ", "C"}));
    EXPECT_EQ(lit_enregistrements("H\n   \nb\n").enregistrements, (Lignes {"", "b"}));
}

TEST(LitEnregistrements, CommasAndQuotesAreOrdinaryCharacters)
{
    const std::string ligne = "Tigre;\"Tiger\";C4E3 F6E6 F5;eq;solide, mais passif;\"a,b\"";
    EXPECT_EQ(lit_enregistrements("H\n" + ligne + "\n").enregistrements, Lignes {ligne});
}

TEST(LitEnregistrements, AtMostTheTableAndTheRestIsCounted)
{
    std::string texte = "Nom;Name;Coups\n";
    for (int i = 0; i < 1006; ++i) texte += "L" + std::to_string(i) + "\n";
    const LectureBiblio l = lit_enregistrements(texte);
    ASSERT_EQ(l.enregistrements.size(), 1001U);
    EXPECT_EQ(l.enregistrements.front(), "L0");
    EXPECT_EQ(l.enregistrements.back(), "L1000");
    EXPECT_EQ(l.ignores, 5);

    const LectureBiblio juste = lit_enregistrements("H\na\nb\n", 2);
    EXPECT_EQ(juste.enregistrements, (Lignes {"a", "b"}));
    EXPECT_EQ(juste.ignores, 0);
}

TEST(LitEnregistrements, OverlongRecordIsCutAtACharacterBoundary)
{
    std::string longue;
    for (int i = 0; i < 20000; ++i) longue += "é"; // 40000 bytes, two per character
    const std::string limite(longueur_max_enregistrement, 'a');
    const LectureBiblio l = lit_enregistrements("H\n" + limite + "\n" + longue + "\nsuite\n");

    ASSERT_EQ(l.enregistrements.size(), 3U);
    EXPECT_EQ(l.enregistrements[0], limite); // exactly the limit: kept whole
    // 32767 bytes would split a character: 16383 whole characters remain.
    EXPECT_EQ(l.enregistrements[1], longue.substr(0, 32766));
    EXPECT_EQ(l.enregistrements[2], "suite");
    ASSERT_EQ(l.defauts.size(), 1U);
    EXPECT_EQ(l.defauts[0].ligne, 3);
    EXPECT_FALSE(l.defauts[0].raison.empty());
}

// ---------------------------------------------------------------------------------------------
// A record to its columns

struct CasDecoupe {
    std::string enregistrement;
    LigneBiblio attendu;
};

class Decoupe : public testing::TestWithParam<CasDecoupe> {};

TEST_P(Decoupe, Columns) { EXPECT_EQ(decoupe(GetParam().enregistrement), GetParam().attendu); }

INSTANTIATE_TEST_SUITE_P(
    Cas, Decoupe,
    testing::Values(CasDecoupe {"a;;b", {"a", "", "b", "", "", ""}},
                    CasDecoupe {"a;", {"a", "", "", "", "", ""}},
                    CasDecoupe {"a", {"a", "", "", "", "", ""}},
                    CasDecoupe {"", {"", "", "", "", "", ""}},
                    CasDecoupe {";;;;;", {"", "", "", "", "", ""}},
                    // Blanks next to a separator belong to the field.
                    CasDecoupe {"Nom ; Name;C4E3 ;eq", {"Nom ", " Name", "C4E3 ", "eq", "", ""}},
                    // Fields beyond the sixth are ignored, not glued to it.
                    CasDecoupe {"1;2;3;4;5;6;7;8", {"1", "2", "3", "4", "5", "6"}},
                    CasDecoupe {"1;2;3;4;5;6;", {"1", "2", "3", "4", "5", "6"}},
                    CasDecoupe {"a,b;\"c;d\"", {"a,b", "\"c", "d\"", "", "", ""}}));

} // namespace
} // namespace tavik
