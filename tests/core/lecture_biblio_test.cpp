#include "library/lecture_biblio.h"

#include <gtest/gtest.h>

namespace tavik {

using Lignes = std::vector<LigneBiblio>;

// UTF-16 bytes of `s`, after the byte-order mark of the byte order chosen.
static std::string utf16(std::u16string_view s, bool gros_boutiste)
{
    std::string octets = gros_boutiste ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t u : s) {
        const char fort = static_cast<char>(u >> 8), faible = static_cast<char>(u & 0xFF);
        octets += gros_boutiste ? std::string {fort, faible} : std::string {faible, fort};
    }
    return octets;
}

// One library as editors write it: the header goes, a blank line is an empty record, a final
// line break starts none, and the comment, last in its record, keeps no stray CR.
TEST(LitBiblio, EveryEncodingAndLineEndGivesTheSameRows)
{
    const std::u16string texte = u"Nom\r\nOuverture élevée;;C4E3;n+;passif/sûr €\r\n\r\nDeux 𝄞\r\n";
    const struct
    {
        std::string octets, codage, deux;
    } cas[] = {
        {"\xEF\xBB\xBFNom\r\nOuverture élevée;;C4E3;n+;passif/sûr €\r\n\r\nDeux 𝄞\r\n", "UTF-8",
         "Deux 𝄞"},
        {"Nom\nOuverture élevée;;C4E3;n+;passif/sûr €\n\nDeux 𝄞", "UTF-8", "Deux 𝄞"},
        {"Nom\rOuverture \xE9lev\xE9"
         "e;;C4E3;n+;passif/s\xFBr \x80\r\rDeux \xF0",
         "Windows-1252", "Deux ð"},
        {utf16(texte, false), "UTF-16 LE", "Deux 𝄞"},
        {utf16(texte, true), "UTF-16 BE", "Deux 𝄞"},
    };
    for (const auto& c : cas) {
        const LectureBiblio l = lit_biblio(c.octets);
        EXPECT_EQ(l.rapport.codage, c.codage);
        EXPECT_FALSE(l.rapport.refus || !l.rapport.defauts.empty()) << c.codage;
        EXPECT_EQ(l.lignes,
                  (Lignes {{"Ouverture élevée", "", "C4E3", "n+", "passif/sûr €", ""},
                           {},
                           {c.deux, "", "", "", "", ""}}))
            << c.codage;
    }
}

// The whole 0x80-0x9F row of Windows-1252 as the code page's chart gives it: the typographic
// quotes, dashes, bullet and ligatures of French text, and the five bytes that it leaves
// undefined kept as their C1 code points.
TEST(LitBiblio, Windows1252PunctuationAndLigatures)
{
    std::string octets = "Nom\n";
    for (int c = 0x80; c <= 0x9F; ++c) octets += static_cast<char>(c);
    octets += "\xE9;;C4";
    const LectureBiblio l = lit_biblio(octets);
    EXPECT_EQ(l.rapport.codage, "Windows-1252");
    ASSERT_EQ(l.lignes.size(), 1u);
    EXPECT_EQ(l.lignes[0][0],
              "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
              "\u0090‘’“”•–—˜™š›œ\u009DžŸé");
}

// NUL characters: UTF-16 without its mark, or no text at all. A damaged UTF-16 file shows
// where: a lone surrogate and a lone last byte become U+FFFD.
TEST(LitBiblio, NulRefusedEmptyRefusedDamagedUtf16Marked)
{
    const std::pair<std::string, std::string> refus[] = {
        {std::string("Nom\nA;;C4\0E3\n", 13), "nuls"},
        {std::string("N\0o\0m\0\n\0A\0", 10), "nuls"},
        {utf16(std::u16string_view(u"Nom\n\0", 5), false), "nuls"},
        {"", "vide"},
        {"\xEF\xBB\xBF", "vide"},
    };
    for (const auto& [octets, raison] : refus) {
        const LectureBiblio l = lit_biblio(octets);
        ASSERT_TRUE(l.rapport.refus) << octets;
        EXPECT_NE(l.rapport.refus->find(raison), std::string::npos) << *l.rapport.refus;
        EXPECT_TRUE(l.lignes.empty());
    }
    const std::u16string abime = {u'N', u'\n', u'a', 0xD800, u'b', 0xDC00};
    EXPECT_EQ(lit_biblio(utf16(abime, true) + "\x01").lignes[0][0], "a\uFFFDb\uFFFD\uFFFD");
}

// Each finding as "first line+lines:kind", the kinds written L (too long), C (fields) and T
// (beyond the table).
static std::string constats(const LectureBiblio& l)
{
    std::string s;
    for (const DefautLigne& d : l.rapport.defauts)
        s += std::to_string(d.ligne) + "+" + std::to_string(d.nombre) + ":"
            + "LCT"[static_cast<int>(d.genre)] + " ";
    return s;
}

// The limit counts characters, not bytes: "é" takes two.
TEST(LitBiblio, OverlongRecordCutAtItsCharacterLimitAndReported)
{
    const auto e = [](std::size_t n) {
        std::string s;
        for (std::size_t i = 0; i < n; ++i) s += "é";
        return s;
    };
    const LectureBiblio l
        = lit_biblio("Nom\n" + e(20000) + "\n  " + e(32767) + "\n" + e(32768) + "x\nfin");
    EXPECT_TRUE(l.lignes == (Lignes {{e(20000)}, {e(32767)}, {e(32767)}, {"fin"}}));
    EXPECT_EQ(constats(l), "4+1:L ");
    EXPECT_NE(l.rapport.defauts[0].raison.find("32769 caractères"), std::string::npos);
}

// Leading blanks go, blanks next to a separator stay. Separators alone after the sixth field
// lose nothing; text there is reported. Records beyond the table are one finding.
TEST(LitBiblio, BlanksFieldsAndRecordsBeyondTheTable)
{
    const LectureBiblio l = lit_biblio("H\n \t Nom ; x,y;;C4E3 ;;;\n1;2;3;4;5;6;7;8\nc\nd\ne\n", 3);
    EXPECT_EQ(
        l.lignes,
        (Lignes {{"Nom ", " x,y", "", "C4E3 ", "", ""}, {"1", "2", "3", "4", "5", "6"}, {"c"}}));
    EXPECT_EQ(constats(l), "3+1:C 5+2:T ");
}

} // namespace tavik
