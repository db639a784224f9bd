#include "library/codes.h"
#include "library/noms.h"
#include "library/recherche.h"
#include "support.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tavik::test {

using Lignes = std::vector<std::string>;

static Lignes suites(const Plateau& p)
{
    Lignes v;
    for (const Liste::Entree& e : p.controles.LstSuite.entrees) v.push_back(e.texte);
    return v;
}

// Z, ending at F6, names the entry that Y opened; A's f6 is another one. The comment's moves
// turn with the game, and "var." is spelled out in the label only.
TEST(Recherche, ExactLineAndContinuationsInTwoOrientations)
{
    const Lignes biblio = {"X;;C4E3;n+;voir f5/n+= c4 E9 E0 EX", "Y;;C4E3 F6E6",
                           "Z var. 2;;C4E3 F6", "A var. 1;;C4E3 f6"};
    Fenetre c4(biblio), f5(biblio);
    c4.joue("C4 E3");
    EXPECT_EQ(c4.p().controles.LblBilan.legende, "Avantage à noir.");
    EXPECT_EQ(c4.p().controles.LblCommentaire.legende,
              "voir F5\nLéger avantage à noir. C4 E9 E0 EX");
    EXPECT_EQ(suites(c4.p()), (Lignes {"F6\u00a0: Z var. 2", "F6\u00a0: A var. 1"}));
    f5.joue("F5 D6");
    EXPECT_EQ(f5.p().controles.LblCommentaire.legende,
              "voir C4\nLéger avantage à noir. F5 E9 E0 EX");
    EXPECT_EQ(suites(f5.p()), (Lignes {"C3\u00a0: Z var. 2", "C3\u00a0: A var. 1"}));
    f5.joue("C3");
    EXPECT_EQ(f5.p().controles.LblOuverture.legende, "A variante 1");
    EXPECT_EQ(suites(f5.p()), Lignes {"D3\u00a0: Y"});
}

// A line that goes on past a move never takes back the name that an earlier line ending there
// gave it; blanks before a line's next move are skipped.
TEST(Recherche, NameKeptAndBlanksBeforeTheNextMoveSkipped)
{
    Fenetre f(Lignes {"Z;;C4E3 F6", "Y;;C4E3 F6E6", "Espacee;;C4 C3", "Double;;C4E3  F5"});
    f.joue("C4");
    EXPECT_EQ(suites(f.p()), (Lignes {"E3\u00a0: ...", "C3\u00a0: ..."}));
    f.joue("E3");
    EXPECT_EQ(suites(f.p()), (Lignes {"F6\u00a0: Z", "F5\u00a0: ..."}));
}

// A continuation that is no square is not listed and takes no place among the thirty.
TEST(Recherche, AtMostThirtyContinuationsAndTrailingBlankNeverExact)
{
    Lignes biblio = {"sans blanc;;C4E3F6", "hors plateau;;C4E3 Z9", "blanc final;;C4E3 "};
    Lignes attendu;
    for (int i = 0; i < 31; ++i) {
        const std::string coup = notation(case_de(i));
        biblio.push_back("S" + std::to_string(i) + ";;C4E3 " + coup);
        if (i < 30) attendu.push_back(coup + "\u00a0: S" + std::to_string(i));
    }
    Fenetre f(biblio);
    f.joue("C4 E3");
    EXPECT_EQ(suites(f.p()), attendu);
    EXPECT_EQ(f.p().controles.LblOuverture.legende, ""); // the trailing blank is never exact
}

// D3 C3 B3 B2 F5 A3 A1 C1 leaves black without a move; from C4 it reads C4C3 C2B2 E6C1 A1A3.
TEST(Recherche, GameWithAPassFindsNothing)
{
    Fenetre f(Lignes {"P;;C4C3 C2B2 E6C1 A1A3", "Q;;C4C3 C2B2 E6C1 A1A3 H8"});
    f.joue("D3 C3 B3 B2 F5 A3 A1 C1");
    EXPECT_TRUE(suites(f.p()).empty());
    f.p().CmdPrecedent_Click();
    EXPECT_EQ(suites(f.p()), Lignes {"H8\u00a0: Q"});
}

// The lines through a game come in file order, whether few lines match (sorted) or many (read
// off the index).
TEST(Recherche, LinesThroughAGameInFileOrder)
{
    const char* coups[] = {"C4E3 F6", "C4C3", "C4E3 F4"};
    std::vector<std::string> enregistrements;
    for (int i = 0; i < 40; ++i) enregistrements.push_back(";;" + std::string(coups[i % 3]));
    for (const char* l : {";;C4E3 F6E6", ";;C4E3 F6E6 F5G6", ";;C4E3 F6E6 F5C5"})
        enregistrements.push_back(l); // the last two sort against file order
    const BiblioChargee b(enregistrements);
    const auto attendues = [](bool f4) {
        std::vector<int> v;
        for (int r = 0; r < 43; ++r)
            if (r >= 40 || r % 3 == 0 || (f4 && r % 3 == 2)) v.push_back(r);
        return v;
    };
    EXPECT_EQ(lignes_commencant_par(b.biblio, b.nb, "C4E3"), attendues(true));
    EXPECT_EQ(lignes_commencant_par(b.biblio, b.nb, "C4E3 F6"), attendues(false));
    EXPECT_EQ(lignes_commencant_par(b.biblio, b.nb, "C4E3 F6E6"), (std::vector<int> {40, 41, 42}));
    EXPECT_EQ(lignes_commencant_par(b.biblio, b.nb, "C4E3 F6E6 F5"), (std::vector<int> {41, 42}));
    EXPECT_TRUE(lignes_commencant_par(b.biblio, b.nb, "C4E3 F5").empty());
}

// Names are found without regard to case or accents, ligatures included.
TEST(Noms, FoundWithoutCaseOrAccents)
{
    EXPECT_EQ(forme_de_recherche("Bétonnage ŒIL Cœur À Ça Ñ × ß"),
              "betonnage oeil coeur a ca n × ss");
    EXPECT_TRUE(nom_contient("De Grey de bétonnage", "BETON") && nom_contient("Tigre", ""));
    EXPECT_FALSE(nom_contient("Tigre", "tigres"));
    const BiblioChargee b(petite_biblio());
    EXPECT_EQ(lignes_par_nom(b.biblio, b.nb, "PARALLELE"), std::vector<int> {6});
    EXPECT_EQ(lignes_par_nom(b.biblio, b.nb, "").size(), petite_biblio().size());
}

// Inside a comment each code is replaced, the longer ones before the shorter ones they hold; in
// the continuation list each evaluation has its short code.
TEST(CodeEvaluation, FourteenExactCaseSensitiveCodes)
{
    const std::tuple<std::string, std::string, std::string> cas[]
        = {{"n++", "Gros avantage à noir, c'est gagné.", "N++"},
           {"b++", "Gros avantage à blanc, c'est gagné.", "B++"},
           {"n--", "Gros désavantage à noir, ça va être dur.", "N--"},
           {"b--", "Gros désavantage à blanc, ça va être dur.", "B--"},
           {"eq", "Égalité.", "="},
           {"!?", "Coup intéressant, peut-être bon.", "!?"},
           {"n+", "Avantage à noir.", "N+"},
           {"b+", "Avantage à blanc.", "B+"},
           {"?!", "Coup douteux\u00a0!!", "?!"},
           {"n+=", "Léger avantage à noir.", "N+="},
           {"b+=", "Léger avantage à blanc.", "B+="},
           {">", ">", ">"},
           {"!bn", "! béton noir.", "!BN"},
           {"!bb", "! béton blanc.", "!BB"}};
    const TableCommentaires t = table_commentaires();
    for (const auto& [code, francais, court] : cas) {
        EXPECT_EQ(conv_abrev(t, code), francais) << code;
        EXPECT_EQ(conv_abrev(t, code + " "), "") << code;
        EXPECT_EQ(remplace_codes(t, "(" + code + ")"), "(" + francais + ")") << code;
        EXPECT_EQ(code_court(t, francais), court) << code;
    }
    for (const std::string code : {"", "N+", "EQ", "B+=", "!BN"}) {
        EXPECT_EQ(conv_abrev(t, code), "") << code;
        EXPECT_EQ(code_court(t, code), "") << code;
    }
}

// Each continuation shows the evaluation of the line that names it, or of an unnamed line ending
// there when none names it; the tooltip of its square, turned with the game, says it in full.
TEST(Recherche, EachContinuationWithItsEvaluation)
{
    const Lignes biblio = {"X;;C4E3;n+;",         "Y;;C4E3 F6E6;b+;", "Z;;C4E3 F6;n+=;",
                           ";;C4E3 F6;b--;",      ";;C4E3 F5;b++;",   "Inconnu;;C4E3 F4;zz;",
                           "Passant;;C4E3 F2E6;", ";;C4E3 F2;eq;",    "Ouverte;;C4E3 F3F4;b+;"};
    Fenetre c4(biblio), f5(biblio);
    c4.joue("C4 E3");
    EXPECT_EQ(suites(c4.p()),
              (Lignes {"F6\u00a0: Z [N+=]", "F5\u00a0: ... [B++]", "F4\u00a0: Inconnu",
                       "F2\u00a0: ... [=]", "F3\u00a0: ..."}));
    const Plateau& p = c4.p();
    EXPECT_EQ(p.infobulle_case(index_de("F6")), "F6\u00a0: Z\nLéger avantage à noir.");
    EXPECT_EQ(p.infobulle_case(index_de("F4")), "F4\u00a0: Inconnu");
    EXPECT_EQ(p.infobulle_case(index_de("F3")), "F3\u00a0: ...");
    EXPECT_EQ(p.infobulle_case(index_de("E6")), "");
    f5.joue("F5 D6");
    EXPECT_EQ(f5.p().infobulle_case(index_de("C3")), "C3\u00a0: Z\nLéger avantage à noir.");
    EXPECT_EQ(f5.p().infobulle_case(index_de("F6")), "");
}

} // namespace tavik::test
