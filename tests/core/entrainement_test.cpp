#include "support.h"
#include "windows/drill/entrainement.h"
#include "windows/invariants.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tavik::test {

namespace {

using Lignes = std::vector<std::string>;

// Bill, Tigre centrale and Cheval are the lines for black, in this order; Bill and Tigre
// centrale part at white's third move, Cheval leaves them at black's second.
const Lignes biblio = {
    "Perpendiculaire;;C4E3;eq;",
    "Tigre;;C4E3 F6E6 F5;eq;",
    "Bill;;C4E3 F6E6 F5G6;n+=;voir F5/n+=",
    "Tigre centrale;;C4E3 F6E6 F5C5 F4;eq;",
    "Cheval;;C4E3 F4C5 E6;b+=;",
};

// The main window and the training window, its notebook in a folder not made yet; a fixed day.
struct Seance
{
    explicit Seance(const Lignes& lignes = biblio)
        : f(lignes)
    {
        Services s = f.hote.services();
        s.maintenant = [this] { return maintenant; };
        e = std::make_unique<Entrainement>(f.p(), s, chemin);
        e->Form_Load();
    }

    Plateau& p() { return f.p(); }
    // Left presses with their releases, the windows checked after each.
    void joue(const std::string& coups)
    {
        for (std::size_t i = 0; i + 1 < coups.size(); i += 3) {
            const int index = tavik::test::index_de(coups.substr(i, 2));
            p().plateau_MouseDown(index, bouton_gauche);
            p().plateau_MouseUp(index, bouton_gauche);
            sain();
        }
    }
    void sain()
    {
        EXPECT_EQ(invariants_rompus(p()), Lignes {});
        EXPECT_EQ(invariants_rompus(*e, p()), Lignes {});
    }
    int image(const std::string& coup) { return p().controles.plateau[index_de(coup)]; }

    Fenetre f;
    FichierTemporaire dossier {""};
    std::filesystem::path chemin = dossier.chemin().parent_path() / "donnees" / "carnet.sqlite";
    Moment maintenant {1'700'000'000, 19'675};
    std::unique_ptr<Entrainement> e;
};

} // namespace

// A session for black: a change of target line, then a line with an error played half a turn
// round; the panel, the marks and the boards; "Arrêter"; then the notebook read back.
TEST(Entrainement, ASessionThroughTheWindowsWrittenToTheNotebook)
{
    Seance s;
    s.p().controles.ChkNoirAuto.fixe(1); // plays black's first move at once
    s.e->CmdCommencer_Click(); // the automatic boxes off and disabled: the invariants say so
    EXPECT_EQ(partie(s.p()), ""); // the exercise starts from the start position
    EXPECT_EQ(s.e->LblAnnonce.legende, "Nouvelle ligne : Bill (C4E3 F6E6 F5G6)");
    s.sain();

    // 1. Cheval's F4 instead of Bill's F6: accepted, Cheval aimed at; the line ends on E6.
    s.joue("C4 F4");
    EXPECT_EQ(s.e->LblMessage.legende, "Autre ligne de la bibliothèque : coup accepté.");
    EXPECT_EQ(s.e->LblAnnonce.legende, "Nouvelle ligne : Cheval (C4E3 F4C5 E6)");
    s.joue("E6");
    EXPECT_EQ(partie(s.p()), "C4 E3 F4 C5 E6");
    EXPECT_EQ(s.e->LblLigne.legende + "|" + s.e->LblBilan.legende + "|" + s.e->LblScore.legende,
              "Cheval|Léger avantage à blanc.|3 coups sur 3 trouvés du premier coup");

    // 2. Bill again, from F5: a legal move that no line plays is an error, not played; the
    // library moves are marked until one is played, through a release and a step back.
    s.e->CmdSuivant_Click();
    EXPECT_EQ(s.e->LblAnnonce.legende, "Nouvelle ligne : Bill (C4E3 F6E6 F5G6)");
    s.joue("F5 C7");
    EXPECT_EQ(partie(s.p()), "F5 D6");
    EXPECT_EQ(s.e->LblMessage.legende,
              "Coup hors bibliothèque. Coups de la bibliothèque : C3, C5.");
    EXPECT_EQ(s.image("C3") * 10 + s.image("C5"), 66); // the library picture, black to move
    s.joue("A1"); // illegal: ignored, not an error
    s.p().CmdPrecedent_Click();
    EXPECT_EQ(s.image("C3"), image_vide);
    s.joue("F4"); // not the recorded move: judging waits for the exercise's position
    EXPECT_EQ(partie(s.p()), "F5 D6");
    s.joue("D6"); // the recorded move steps forward
    EXPECT_EQ(s.image("C5"), 6);
    s.joue("C3 C4");
    EXPECT_EQ(s.image("C5"), image_vide);
    EXPECT_EQ(partie(s.p()), "F5 D6 C3 D3 C4 B3");
    EXPECT_EQ(s.e->LblScore.legende, "2 coups sur 3 trouvés du premier coup");
    EXPECT_EQ(s.e->LblCommentaire.legende, "voir C4\nLéger avantage à noir."); // turned

    // The board is the learner's again: stepping back through the exercise, any legal move.
    s.p().CmdDebut_Click();
    s.joue("D3");
    EXPECT_EQ(partie(s.p()), "D3");
    s.e->CmdArreter_Click();
    EXPECT_FALSE(s.e->en_seance());
    EXPECT_EQ(s.e->LblConnues.legende + " " + s.e->LblDues.legende + " " + s.e->LblNouvelles.legende
                  + " " + s.e->LblApprentissage.legende,
              "1 0 1 1");
    EXPECT_EQ(s.e->LstFaibles.texte(0), "Bill : 1 échec sur 1 (100 %)");
    s.e.reset();

    Carnet carnet = Carnet::ouvre(s.chemin, s.maintenant.secondes);
    const Jour d = s.maintenant.jour;
    EXPECT_EQ(carnet.avertissement(), "");
    EXPECT_EQ(carnet.activite(noir, d, d), std::vector<JourActivite>({{d, 2, 1}}));
    EXPECT_EQ(carnet.etats(noir).at("C4E3 F6E6 F5G6").echecs, 1);
}

// Turned mid-exercise, the moves are judged on the turned board; a game loaded from the chooser
// interrupts the exercise, ungraded, and the board is free until "Suivant"; "Jouer" ends the
// session (closing the window is the Qt test's) and the automatic boxes take clicks again.
TEST(Entrainement, TurnedInterruptedByALoadedGameThenEndedByJouer)
{
    Seance s;
    s.e->CmdCommencer_Click();
    s.joue("C4");
    s.p().CmdRotation_Click(); // C4 E3 turned a quarter: E3 F5, and Bill's F6 E6 on C6 C5
    s.joue("C6");
    EXPECT_EQ(s.e->LblMessage.legende, "Coup juste.");
    EXPECT_EQ(partie(s.p()), "E3 F5 C6 C5");

    s.f.ouverture->LstOuverture.selection = 0;
    s.f.ouverture->Cmdcharger_Click();
    EXPECT_FALSE(s.e->exercice_en_cours());
    s.joue("F4"); // any legal move: the board's own rules
    EXPECT_EQ(partie(s.p()), "C4 E3 F4");
    s.e->CmdSuivant_Click();
    EXPECT_EQ(s.e->LblAnnonce.legende, "Nouvelle ligne : Bill (C4E3 F6E6 F5G6)");

    s.joue("C4 F2");
    s.p().cmd_jouer_Click();
    EXPECT_FALSE(s.e->en_seance());
    EXPECT_EQ(s.e->LblMessage.legende, "Séance terminée : la bibliothèque a été relue.");
    EXPECT_EQ(s.e->repertoire().rangees[2].bilan, "Léger avantage à noir."); // read as shown
    s.joue("F5 F6"); // a game like any other, the marks gone
    EXPECT_EQ(partie(s.p()), "F5 F6");
    EXPECT_EQ(images(s.p()).find_first_of("6789"), std::string::npos);
}

// White is answered from the start, on an opening picked by name, the score in the singular;
// a position outside the library; a notebook that cannot be used, which the learner is told of.
TEST(Entrainement, ColourScopeAndAnUnusableNotebook)
{
    Seance s;
    s.e->OptCouleur_Click(Entrainement::choix_blanc);
    s.e->TxtFiltre.texte = "CHEV";
    s.e->TxtFiltre_Change();
    ASSERT_EQ(s.e->LstOuverture.nombre(), 1);
    EXPECT_EQ(s.e->LstOuverture.texte(0), "Cheval (C4E3 F4C5 E6)");
    s.e->LstOuverture.selection = 0;
    s.e->LstOuverture_Click();
    EXPECT_TRUE(s.e->OptPortee[Entrainement::choix_ouverture].choisie);
    s.e->CmdCommencer_Click();
    EXPECT_EQ(partie(s.p()), "C4"); // the program's move; white to find E3
    s.joue("C5");
    EXPECT_EQ(s.e->LblMessage.legende, "Coup hors bibliothèque. Coup de la bibliothèque : E3.");
    s.joue("E3 C5");
    EXPECT_EQ(s.e->LblScore.legende, "1 coup sur 2 trouvé du premier coup");
    s.e->CmdArreter_Click();

    s.p().CmdDebut_Click();
    s.joue("F5 F6"); // through no line
    s.e->OptPortee_Click(Entrainement::choix_position);
    s.e->CmdCommencer_Click();
    EXPECT_FALSE(s.e->en_seance());
    EXPECT_EQ(s.e->LblAnnonce.legende,
              "Aucune ligne à entraîner pour cette couleur dans ce choix.");

    s.e.reset();
    const std::filesystem::path abime = s.chemin.parent_path() / "abime.sqlite";
    std::ofstream(abime, std::ios::binary) << "pas une base";
    Entrainement autre(s.p(), s.f.hote.services(), abime);
    autre.Form_Load();
    ASSERT_EQ(s.f.hote.messages.size(), 1U);
    EXPECT_EQ(s.f.hote.messages[0].rfind("Le fichier d'entraînement", 0), 0U);
    autre.CmdCommencer_Click();
    EXPECT_TRUE(autre.en_seance());
}

} // namespace tavik::test
