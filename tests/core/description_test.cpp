#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

static std::string lues(const Plateau& p, std::initializer_list<const char*> cases)
{
    std::string s;
    for (const char* c : cases) s += p.description_case(index_de(c)) + "|";
    return s + p.description_trait();
}

// A tile reads as its square and its content, with the marks of the ticked boxes, and follows
// the game.
TEST(Description, TilesReadTheirSquareContentAndShownMarks)
{
    Fenetre f(std::vector<std::string> {"Tigre;;C4E3 F6E6 F5"});
    Plateau& p = f.p();
    const auto cases = {"A1", "D4", "E4", "F5", "C3", "E3"};
    EXPECT_EQ(lues(p, cases),
              "A1 : vide|D4 : pion blanc|E4 : pion noir|F5 : vide|C3 : vide|E3 : vide|"
              "Au tour de noir");
    p.controles.chk_voir_coup.fixe(1);
    EXPECT_EQ(lues(p, cases),
              "A1 : vide|D4 : pion blanc|E4 : pion noir|F5 : vide, coup possible|C3 : vide|"
              "E3 : vide|Au tour de noir");
    f.clic("C4");
    p.controles.ChkVoirOuverture.fixe(1);
    EXPECT_EQ(lues(p, cases),
              "A1 : vide|D4 : pion noir|E4 : pion noir|F5 : vide|C3 : vide, coup possible|"
              "E3 : vide, coup possible, coup d'ouverture|Au tour de blanc");
    p.controles.chk_voir_coup.fixe(0);
    EXPECT_EQ(p.description_case(index_de("E3")), "E3 : vide, coup d'ouverture");
    EXPECT_EQ(p.description_case(index_de("C3")), "C3 : vide");
}

} // namespace tavik::test
