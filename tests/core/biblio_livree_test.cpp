#include "library/codes.h"
#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

// Each line loaded by the chooser, then turned through the eight orientations, three quarter
// turns, a mirror and three more; in each one its own row must be found again. (The checker's
// run of the program holds the file to no error and no warning: legal, unique, named lines.)
TEST(BiblioLivree, EveryLineLegalUniqueAndFoundWithItsNameInEachOrientation)
{
    Fenetre f(TAVIK_DATA_DIR "/biblio.csv");
    Plateau& p = f.p();
    ASSERT_GE(p.com().nb_biblio, 700);
    f.ouverture->Form_Load();
    const auto rot = &Plateau::CmdRotation_Click;
    const decltype(rot) etapes[]
        = {nullptr, rot, rot, rot, &Plateau::CmdSymNegative_Click, rot, rot, rot};
    for (int r = 0; r < p.com().nb_biblio; ++r) {
        const LigneBiblio& l = p.com().biblio.lignes[r];
        SCOPED_TRACE(l[col_nom] + " " + l[col_coups]);
        EXPECT_FALSE(l[col_bilan].empty()) << "not one of the 14 codes";
        f.ouverture->LstOuverture.selection = r;
        for (const auto etape : etapes) {
            p.controles.LblOuverture.legende.clear();
            if (etape)
                (p.*etape)();
            else
                f.ouverture->Cmdcharger_Click();
            EXPECT_EQ(p.controles.LblOuverture.legende,
                      remplace_tout(l[col_nom], "var.", "variante"));
            EXPECT_EQ(p.controles.LblBilan.legende, l[col_bilan]);
        }
        p.CmdSymNegative_Click(); // the library's orientation again: the comment reads as written
        EXPECT_EQ(p.controles.LblCommentaire.legende, remplace_tout(l[col_commentaire], "/", "\n"));
    }
    EXPECT_TRUE(f.hote.messages.empty()); // no line refused by the chooser
}

} // namespace tavik::test
