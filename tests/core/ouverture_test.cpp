#include "library/codes.h"
#include "support.h"

#include <gtest/gtest.h>

namespace tavik::test {

static void charge(Fenetre& f, std::size_t entree)
{
    f.ouverture->LstOuverture.selection = static_cast<int>(entree);
    f.ouverture->Cmdcharger_Click();
}

// Faulty lines are refused with a message naming them and the game stays; a loosely written
// line gives the clean game in the library's orientation; a long then a short line; no line.
TEST(Selecteur, ChargerLoadsTheCleanGameOrRefusesTheLine)
{
    std::string trop_longue = "C4";
    for (int i = 0; i < 60; ++i) trop_longue += "E3C4"; // 121 moves, one more than the record
    const std::pair<std::string, std::string> fautes[] = {{"C4E3 F", "incomplet"},
                                                          {"C4E9", "«\u00a0E9\u00a0»"},
                                                          {"C4E3 -1-1", "«\u00a0-1\u00a0»"},
                                                          {"C4D3", "«\u00a0D3\u00a0»"},
                                                          {trop_longue, "121"}};
    std::vector<std::string> biblio
        = {"Sale;;c4e3  f6e6", "Longue;;C4E3 F6E6 F5C5 C3", "Courte;;C4C3", "Vide;;"};
    for (const auto& faute : fautes)
        biblio.push_back("Fautive n°" + std::to_string(biblio.size()) + ";;" + faute.first);
    Fenetre f(biblio);
    Plateau& p = f.p();
    f.ouverture->Form_Load();
    f.joue("F5 D6 C3");
    p.CmdPrecedent_Click();
    p.CmdRotation_Click();
    const auto etat = [&] {
        return image_grille(f.tab()) + partie(p) + std::to_string(10 * p.num_coup + p.rotation);
    };
    const std::string avant = etat();
    for (std::size_t k = 0; k < std::size(fautes); ++k) {
        charge(f, 4 + k);
        ASSERT_EQ(f.hote.messages.size(), k + 1);
        const std::string& message = f.hote.messages[k];
        EXPECT_NE(message.find("«\u00a0Fautive n°" + std::to_string(4 + k) + "\u00a0»"), std::string::npos)
            << message;
        EXPECT_NE(message.find(fautes[k].second), std::string::npos) << message;
        EXPECT_EQ(etat(), avant);
    }

    // (That the board is the replay of the record is the invariants' part.)
    charge(f, 0);
    EXPECT_EQ(partie(p), "C4 E3 F6 E6");
    charge(f, 1);
    charge(f, 2);
    EXPECT_EQ(partie(p), "C4 C3");
    charge(f, 3);
    EXPECT_EQ(partie(p) + std::to_string(p.num_coup), "1");
}

// The refusal shows a faulty move readably and a nameless opening as "(sans nom)"; the list
// shows the names as written, "var." included.
TEST(Selecteur, RefusalReadableAndNamesAsWritten)
{
    Fenetre f(std::vector<std::string> {";;C4E\t", "Accent var. 1;;C4é3"});
    f.ouverture->Form_Load();
    EXPECT_EQ(f.ouverture->LstOuverture.entrees,
              (std::vector<Liste::Entree> {{"", 1}, {"Accent var. 1", 2}}));
    charge(f, 0);
    charge(f, 1);
    EXPECT_EQ(f.hote.messages,
              (std::vector<std::string> {"L'ouverture «\u00a0(sans nom)\u00a0» ne peut pas être chargée\u00a0: le "
                                         "coup 2 «\u00a0E[U+0009]\u00a0» n'est pas une case.",
                                         "L'ouverture «\u00a0Accent var. 1\u00a0» ne peut pas être chargée\u00a0: "
                                         "le coup 2 «\u00a0é3\u00a0» n'est pas une case."}));
}

// The rows that a filter lists, by their names or their first moves in any orientation.
static std::string listees(Fenetre& f, const std::string& filtre)
{
    f.ouverture->TxtFiltre.texte = filtre;
    f.ouverture->TxtFiltre_Change();
    std::string lignes;
    for (const Liste::Entree& e : f.ouverture->LstOuverture.entrees)
        lignes += std::to_string(e.donnee - 1);
    return lignes;
}

static Fenetre chooser_a_filtrer()
{
    return Fenetre(std::vector<std::string> {"Perpendiculaire;;C4E3", "Tigre;;C4E3 F6E6 F5",
                                             "Tigre;;C4E3 F6E6 F5G6", "Bétonnage Œil;;C4C3",
                                             "Parallèle;;c4 c5"});
}

// A name without case or accents, or a game from the usual start in any of its four
// orientations, with or without numbers and blanks; an empty filter lists every row.
TEST(Selecteur, FilterFindsNamesAndFirstMoves)
{
    Fenetre f = chooser_a_filtrer();
    f.ouverture->Form_Load();
    // clang-format off
    const std::pair<const char*, const char*> cas[] = {
        {"", "01234"}, {"TIGRE", "12"}, {"betonnage oe", "3"}, {"parallele", "4"},
        {"c4e3", "012"}, {"f5d6", "012"}, {"1. F5 d6 2. c3", "12"}, {"c4e3f6e6f5g6", "2"},
        {"d3c3", "3"}, {"e6f6", "3"}, {"f5f4", "4"}, {"z9", ""}, {"f5f5", ""}};
    // clang-format on
    for (const auto& [filtre, lignes] : cas) EXPECT_EQ(listees(f, filtre), lignes) << filtre;
}

// The selected line stays selected while the filter still lists it and when "Jouer" reads the
// same library again; a line filtered out is no longer selected.
TEST(Selecteur, SelectionFollowsTheLineThroughFilterAndReading)
{
    Fenetre f = chooser_a_filtrer();
    Ouverture& o = *f.ouverture;
    o.Form_Load();
    o.LstOuverture.selection = 2; // the second "Tigre"
    EXPECT_EQ(listees(f, "tig"), "12");
    EXPECT_EQ(o.LstOuverture.selection, 1);
    f.p().cmd_jouer_Click();
    EXPECT_EQ(o.TxtFiltre.texte, "tig");
    ASSERT_EQ(o.LstOuverture.selection, 1);
    o.Cmdcharger_Click();
    EXPECT_EQ(partie(f.p()), "C4 E3 F6 E6 F5 G6");
    EXPECT_EQ(listees(f, "perp"), "0");
    EXPECT_EQ(o.LstOuverture.selection, -1);
}

// Unticked, a line loads from C4 as the library writes it; ticked, from F5 as players write
// it, "Tigre" as f5d6c3d3c4, still found under its name; each entry's moves say so.
TEST(Selecteur, FromF5LoadsTheLineTurnedAndShowsItsMovesSo)
{
    Fenetre f = chooser_a_filtrer();
    Ouverture& o = *f.ouverture;
    Plateau& p = f.p();
    o.Form_Load();
    EXPECT_EQ(o.coups_de(1), "c4e3f6e6f5");
    EXPECT_EQ(o.coups_de(4), "c4c5");
    charge(f, 1);
    EXPECT_EQ(p.transcription(), "c4e3f6e6f5");

    o.ChkDepuisF5.fixe(1);
    EXPECT_EQ(o.coups_de(1), "f5d6c3d3c4");
    EXPECT_EQ(o.coups_de(4), "f5f4");
    charge(f, 1);
    EXPECT_EQ(p.transcription(), "f5d6c3d3c4");
    EXPECT_EQ(partie(p), "F5 D6 C3 D3 C4");
    EXPECT_EQ(p.controles.LblOuverture.legende, "Tigre");
    EXPECT_EQ(p.controles.LstSuite.nombre(), 1); // the second Tigre's G6, turned: B3
    EXPECT_EQ(p.controles.LstSuite.texte(0).substr(0, 2), "B3");
    EXPECT_TRUE(f.hote.messages.empty());
}

// Each line loaded by the chooser, then turned through the eight orientations: in each one its
// own row is found again.
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
