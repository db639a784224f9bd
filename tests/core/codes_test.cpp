#include "library/codes.h"

#include <gtest/gtest.h>

namespace tavik {

// Inside a comment each code is replaced, the longer ones before the shorter ones they hold.
TEST(CodeEvaluation, FourteenExactCaseSensitiveCodes)
{
    const std::pair<std::string, std::string> cas[]
        = {{"n++", "Gros avantage à noir, c'est gagné."},
           {"b++", "Gros avantage à blanc, c'est gagné."},
           {"n--", "Gros désavantage à noir, çà va être dur."},
           {"b--", "Gros désavantage à blanc, çà va être dur."},
           {"eq", "Egalité."},
           {"!?", "Coup intéressant, peut-être bon."},
           {"n+", "Avantage à noir."},
           {"b+", "Avantage à blanc."},
           {"?!", "Coup douteux !!"},
           {"n+=", "Léger avantage à noir."},
           {"b+=", "Léger avantage à blanc."},
           {">", ">"},
           {"!bn", "! béton noir."},
           {"!bb", "! béton blanc."}};
    const TableCommentaires t = table_commentaires();
    for (const auto& [code, francais] : cas) {
        EXPECT_EQ(conv_abrev(t, code), francais) << code;
        EXPECT_EQ(conv_abrev(t, code + " "), "") << code;
        EXPECT_EQ(remplace_codes(t, "(" + code + ")"), "(" + francais + ")") << code;
    }
    for (const std::string code : {"", "N+", "EQ", "B+=", "!BN"})
        EXPECT_EQ(conv_abrev(t, code), "") << code;
}

} // namespace tavik
