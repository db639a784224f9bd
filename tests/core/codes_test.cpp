#include "support.h"

#include "library/codes.h"

#include <gtest/gtest.h>

#include <string>

namespace tavik::test {
namespace {

struct CasCode {
    const char* nom;
    std::string code;
    std::string francais;
};

class CodeEvaluation : public testing::TestWithParam<CasCode> {};

TEST_P(CodeEvaluation, ExactCodeGivesItsSentence)
{
    const CasCode& cas = GetParam();
    EXPECT_EQ(conv_abrev(table_commentaires(), cas.code), cas.francais);
    // Inside a comment the code is replaced wherever it stands.
    EXPECT_EQ(remplace_codes(table_commentaires(), "(" + cas.code + ")"), "(" + cas.francais + ")");
}

INSTANTIATE_TEST_SUITE_P(
    Quatorze, CodeEvaluation,
    testing::Values(CasCode {"n_plus_plus", "n++", "Gros avantage à noir, c'est gagné."},
                    CasCode {"b_plus_plus", "b++", "Gros avantage à blanc, c'est gagné."},
                    CasCode {"n_moins_moins", "n--", "Gros désavantage à noir, çà va être dur."},
                    CasCode {"b_moins_moins", "b--", "Gros désavantage à blanc, çà va être dur."},
                    CasCode {"eq", "eq", "Egalité."},
                    CasCode {"interessant", "!?", "Coup intéressant, peut-être bon."},
                    CasCode {"n_plus", "n+", "Avantage à noir."},
                    CasCode {"b_plus", "b+", "Avantage à blanc."},
                    CasCode {"douteux", "?!", "Coup douteux !!"},
                    CasCode {"n_plus_egal", "n+=", "Léger avantage à noir."},
                    CasCode {"b_plus_egal", "b+=", "Léger avantage à blanc."},
                    CasCode {"superieur", ">", ">"},
                    CasCode {"beton_noir", "!bn", "! béton noir."},
                    CasCode {"beton_blanc", "!bb", "! béton blanc."}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(CodeEvaluation, AnythingElseGivesEmptyText)
{
    for (const std::string code : {"", "N+", "EQ", "Eq", "n+ ", " n+", "n", "n+++", "=", "!", "B+="})
        EXPECT_EQ(conv_abrev(table_commentaires(), code), "") << code;
}

TEST(CodeEvaluation, LongerCodesAreReplacedBeforeTheShorterOnesInside)
{
    const TableCommentaires t = table_commentaires();
    EXPECT_EQ(remplace_codes(t, "n+="), "Léger avantage à noir.");
    EXPECT_EQ(remplace_codes(t, "b+="), "Léger avantage à blanc.");
    EXPECT_EQ(remplace_codes(t, "n++"), "Gros avantage à noir, c'est gagné.");
    EXPECT_EQ(remplace_codes(t, "b++ puis n+ puis n+="),
              "Gros avantage à blanc, c'est gagné. puis Avantage à noir. puis Léger avantage à noir.");
    // Upper case is not a code; codes inside words are.
    EXPECT_EQ(remplace_codes(t, "EQ N+ B++"), "EQ N+ B++");
    EXPECT_EQ(remplace_codes(t, "sequence"), "sEgalité.uence");
    EXPECT_EQ(remplace_codes(t, "?!?"), "?Coup intéressant, peut-être bon."); // "!?" comes first
}

// ---------------------------------------------------------------------------------------------
// A library comment as the comment label shows it.

TEST(ConvCommentJeu, CodesAndLineBreaks)
{
    Fenetre f;
    const Plateau& p = f.p();
    EXPECT_EQ(p.ConvCommentJeu(""), "");
    EXPECT_EQ(p.ConvCommentJeu("x"), "x");
    EXPECT_EQ(p.ConvCommentJeu("/"), "\n");
    EXPECT_EQ(p.ConvCommentJeu("n+="), "Léger avantage à noir.");
    EXPECT_EQ(p.ConvCommentJeu("b+="), "Léger avantage à blanc.");
    EXPECT_EQ(p.ConvCommentJeu("eq/n+"), "Egalité.\nAvantage à noir.");
    EXPECT_EQ(p.ConvCommentJeu("EQ"), "EQ");
    EXPECT_EQ(p.ConvCommentJeu("Anglais : Tiger//Moteur : blanc +1,2 pion (prof. 19-20)"),
              "Anglais : Tiger\n\nMoteur : blanc +1,2 pion (prof. 19-20)");
}

TEST(ConvCommentJeu, LetterAndDigitOutsideTheBoardAreNoMove)
{
    Fenetre f;
    f.joue("F5");
    for (const std::string texte : {"E9", "E0", "EX", "I5", "e9 e0 ex", "5F", "E 5"})
        EXPECT_EQ(f.p().ConvCommentJeu(texte), texte);
}

struct CasCommentaire {
    const char* nom;
    std::string partie; // moves played before the comment is shown
    std::string commentaire;
    std::string affiche;
};

class CommentaireTourne : public testing::TestWithParam<CasCommentaire> {};

TEST_P(CommentaireTourne, MovesFollowTheGamesOrientation)
{
    const CasCommentaire& cas = GetParam();
    Fenetre f;
    f.joue(cas.partie);
    EXPECT_EQ(f.p().ConvCommentJeu(cas.commentaire), cas.affiche);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, CommentaireTourne,
    testing::Values(
        // The library's own orientation: squares kept, upper case.
        CasCommentaire {"depuis_c4_f5", "C4", "f5", "F5"},
        CasCommentaire {"depuis_c4_mot", "C4", "puis c4e3/ou h8 n+", "puis C4E3\nou H8 Avantage à noir."},
        // No move yet: nothing to turn.
        CasCommentaire {"sans_coup", "", "jouer f5", "jouer F5"},
        // Half a turn: C4 is F5, E3 is D6.
        CasCommentaire {"depuis_f5", "F5", "C4", "F5"},
        CasCommentaire {"depuis_f5_suite", "F5", "c4e3 a1", "F5D6 H8"},
        // A letter and a digit inside a word are a move too.
        CasCommentaire {"depuis_f5_mot", "F5", "prof.a1b", "prof.H8b"},
        CasCommentaire {"depuis_d3", "D3", "C4 F5 A2", "D3 E6 B1"},
        CasCommentaire {"depuis_e6", "E6", "C4 B1", "E6 H7"},
        CasCommentaire {"code_et_coup", "F5", "n+ c4", "Avantage à noir. F5"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

} // namespace
} // namespace tavik::test
