#include "support.h"
#include "windows/drill/entrainement.h"
#include "windows/invariants.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tavik::test {

namespace {

using Lignes = std::vector<std::string>;

// The main window and the training window, its notebook in a folder not made yet; a fixed day.
struct Seance
{
    explicit Seance(const Lignes& lignes = biblio_du_tigre())
        : f(lignes)
    {
        Services s = f.hote.services();
        s.maintenant = [this] { return maintenant; };
        s.choisit_fichier = [this](const DemandeFichier& d) {
            demandes.push_back(d);
            return choisi;
        };
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
    // The exercise under way played to its end, each move the line's own.
    void finit_l_exercice()
    {
        while (e->exercice_en_cours()) {
            const std::vector<Case> suite = e->session()->exercice().coups_attendus();
            ASSERT_FALSE(suite.empty());
            joue(notation(suite.front()));
        }
    }

    Fenetre f;
    FichierTemporaire dossier {""};
    std::filesystem::path chemin = dossier.chemin().parent_path() / "donnees" / "carnet.sqlite";
    Moment maintenant {1'700'000'000, 19'675};
    std::vector<DemandeFichier> demandes; // the file dialogs shown
    std::optional<std::filesystem::path> choisi; // what each of them gives
    std::unique_ptr<Entrainement> e;
};

} // namespace

// A session for black: a change of target line, then a line with an error played half a turn
// round; the panel, the marks and the boards; "Arrêter"; then the notebook read back. While an
// exercise runs nothing shows the library's moves: not the continuations, nor "Coups d'ouv.",
// nor the list of openings; they come back when it ends.
TEST(Entrainement, ASessionThroughTheWindowsWrittenToTheNotebook)
{
    Seance s;
    s.p().controles.ChkNoirAuto.fixe(1); // plays black's first move at once
    s.p().controles.ChkVoirOuverture.fixe(1);
    EXPECT_EQ(s.e->LstOuverture.texte(1), "Tigre (F5D6 C3D3 C4)");
    s.e->CmdCommencer_Click(); // the automatic boxes off and disabled: the invariants say so
    EXPECT_EQ(partie(s.p()), ""); // the exercise starts from the start position
    EXPECT_EQ(s.e->LblAnnonce.legende, "Nouvelle ligne\u00a0: Tigre (F5D6 C3D3 C4)");
    EXPECT_EQ(s.e->LstOuverture.texte(1), "Tigre");
    s.sain();

    // 1. Cheval's F4 instead of Bill's F6: accepted, Cheval aimed at; the line ends on E6.
    s.joue("C4 F4");
    EXPECT_EQ(s.e->LblMessage.legende, "Autre ligne de la bibliothèque\u00a0: coup accepté.");
    EXPECT_EQ(s.e->LblAnnonce.legende, "Nouvelle ligne\u00a0: Cheval (C4E3 F4C5 E6)");
    s.joue("E6");
    EXPECT_EQ(partie(s.p()), "C4 E3 F4 C5 E6");
    EXPECT_EQ(s.e->LstOuverture.texte(1), "Tigre (F5D6 C3D3 C4)");
    EXPECT_EQ(s.e->LblLigne.legende + "|" + s.e->LblBilan.legende + "|" + s.e->LblScore.legende,
              "Cheval|Léger avantage à blanc.|3 coups sur 3 trouvés du premier coup");

    // 2. Tigre again, from F5: the continuations C3 (Tigre) and C5 (Cheval) are neither listed
    // nor marked. A legal move that no line plays is an error, not played; Tigre's move alone
    // is marked until one is played, through a release and a step back.
    s.e->CmdSuivant_Click();
    EXPECT_EQ(s.e->LblAnnonce.legende, "Nouvelle ligne\u00a0: Tigre (F5D6 C3D3 C4)");
    s.joue("F5");
    EXPECT_EQ(s.p().controles.LstSuite.nombre(), 2); // known to the board, not shown
    EXPECT_TRUE(s.p().suites_cachees());
    EXPECT_EQ(s.image("C3") * 10 + s.image("C5"), 11);
    EXPECT_EQ(s.p().description_case(index_de("C3")), "C3\u00a0: vide");
    s.joue("C7");
    EXPECT_EQ(partie(s.p()), "F5 D6");
    const std::string erreur = "Coup hors bibliothèque. Coup de la ligne\u00a0: C3.";
    EXPECT_EQ(s.e->LblMessage.legende, erreur);
    EXPECT_EQ(s.image("C3") * 10 + s.image("C5"), 61); // the library picture, black to move
    s.joue("A1"); // illegal: ignored, not an error
    s.p().CmdPrecedent_Click();
    EXPECT_EQ(s.image("C3"), image_vide);
    s.joue("F4"); // not the recorded move: judging waits for the exercise's position
    EXPECT_EQ(partie(s.p()), "F5 D6");
    EXPECT_EQ(s.e->LblMessage.legende, "Revenez à la position de l'exercice («\u00a0>>\u00a0») pour jouer.");
    s.p().CmdFin_Click(); // back at the exercise: the message no longer asks for it
    EXPECT_EQ(s.e->LblMessage.legende, erreur);
    EXPECT_EQ(s.image("C3"), 6);
    s.joue("C3 C4");
    EXPECT_EQ(s.image("C3"), image_blanc); // played, then taken by B3: no longer marked
    EXPECT_EQ(partie(s.p()), "F5 D6 C3 D3 C4 B3");
    EXPECT_EQ(s.e->LblScore.legende, "2 coups sur 3 trouvés du premier coup");
    EXPECT_EQ(s.e->LblCommentaire.legende, "voir C4\nLéger avantage à noir."); // turned
    EXPECT_FALSE(s.p().suites_cachees());
    s.p().CmdPrecedent_Click(); // the exercise is over: Bill's B3 is listed and marked again
    EXPECT_EQ(s.image("B3"), 7);
    EXPECT_EQ(s.p().description_case(index_de("B3")), "B3\u00a0: vide, coup d'ouverture");
    s.p().CmdFin_Click();

    // The board is the learner's again: stepping back through the exercise, any legal move.
    s.p().CmdDebut_Click();
    s.joue("D3");
    EXPECT_EQ(partie(s.p()), "D3");
    // Each exercise is written to the notebook's log; "Arrêter" copies the log into the file,
    // so that a backup of the file alone holds the session.
    const Jour d = s.maintenant.jour;
    EXPECT_EQ(fichier_seul(s.chemin).activite(noir, d, d), std::vector<JourActivite> {});
    s.e->CmdArreter_Click();
    EXPECT_EQ(fichier_seul(s.chemin).activite(noir, d, d), std::vector<JourActivite>({{d, 2, 1}}));
    EXPECT_FALSE(s.e->en_seance());
    EXPECT_EQ(s.e->LblConnues.legende + " " + s.e->LblDues.legende + " " + s.e->LblNouvelles.legende
                  + " " + s.e->LblApprentissage.legende,
              "1 1 1 1");
    EXPECT_EQ(s.e->LstFaibles.texte(0), "Tigre\u00a0: 1 échec sur 1 (100\u00a0%)");
    // Closing the window without a session copies the log too: the pace set since is in the file.
    s.e->TxtNouvelles.valeur = 4;
    s.e->TxtNouvelles_Change();
    s.e->Form_Unload();
    EXPECT_EQ(fichier_seul(s.chemin).nouvelles_par_jour(), 4);
    s.e.reset();

    Carnet carnet = Carnet::ouvre(s.chemin, s.maintenant.secondes);
    EXPECT_EQ(carnet.avertissement(), "");
    EXPECT_EQ(carnet.activite(noir, d, d), std::vector<JourActivite>({{d, 2, 1}}));
    EXPECT_EQ(carnet.etats(noir).at("C4E3 F6E6 F5").echecs, 1);
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
    EXPECT_EQ(s.e->LblAnnonce.legende, "Nouvelle ligne\u00a0: Tigre (F5D6 C3D3 C4)");

    s.joue("C4 F2");
    s.p().cmd_jouer_Click();
    EXPECT_FALSE(s.e->en_seance());
    EXPECT_EQ(s.e->LblMessage.legende, "Séance terminée\u00a0: la bibliothèque a été relue.");
    EXPECT_EQ(s.e->repertoire().rangees[2].bilan, "Léger avantage à noir."); // read as shown
    s.joue("F5 F6"); // a game like any other, the marks gone
    EXPECT_EQ(partie(s.p()), "F5 F6");
    EXPECT_EQ(images(s.p()).find_first_of("6789"), std::string::npos);
}

// The library file grown on disk and read again by "Jouer": the progress shown for each colour
// is that of the new lines, as when the window opens on them.
TEST(Entrainement, ProgressOfTheLibraryReadAgain)
{
    const auto progres = [](Seance& s) {
        return s.e->LblProgres.legende + " | " + s.e->LblConnues.legende + " "
            + s.e->LblDues.legende + " " + s.e->LblNouvelles.legende + " "
            + s.e->LblApprentissage.legende;
    };
    Seance s({biblio_du_tigre()[0], biblio_du_tigre()[4]}), attendue;
    s.e->OptCouleur_Click(Entrainement::choix_blanc);
    const std::string blancs_avant = progres(s);
    s.e->OptCouleur_Click(Entrainement::choix_noir);
    const std::string noirs_avant = progres(s);

    std::ofstream(s.f.fichier->chemin(), std::ios::binary | std::ios::trunc)
        << fichier_de(biblio_du_tigre());
    s.p().cmd_jouer_Click();
    EXPECT_EQ(progres(s), progres(attendue));
    EXPECT_NE(progres(s), noirs_avant);
    s.e->OptCouleur_Click(Entrainement::choix_blanc);
    attendue.e->OptCouleur_Click(Entrainement::choix_blanc);
    EXPECT_EQ(progres(s), progres(attendue));
    EXPECT_NE(progres(s), blancs_avant);
    s.sain();
}

// White is answered from F5, on an opening picked by name, which stays picked when the filter
// widens; the score in the singular; a position outside the library; a notebook that cannot be
// used, which the learner is told of.
TEST(Entrainement, ColourScopeAndAnUnusableNotebook)
{
    Seance s;
    s.e->OptCouleur_Click(Entrainement::choix_blanc);
    s.e->TxtFiltre.texte = "CHEV";
    s.e->TxtFiltre_Change();
    ASSERT_EQ(s.e->LstOuverture.nombre(), 1);
    EXPECT_EQ(s.e->LstOuverture.texte(0), "Cheval (F5D6 C5F4 D3)");
    s.e->LstOuverture.selection = 0;
    s.e->LstOuverture_Click();
    EXPECT_TRUE(s.e->OptPortee[Entrainement::choix_ouverture].choisie);
    s.e->TxtFiltre.texte = "";
    s.e->TxtFiltre_Change();
    ASSERT_EQ(s.e->LstOuverture.nombre(), 5);
    EXPECT_EQ(s.e->LstOuverture.texte(s.e->LstOuverture.selection), "Cheval (F5D6 C5F4 D3)");
    s.e->ChkDepuisF5.fixe(0);
    EXPECT_EQ(s.e->LstOuverture.texte(4), "Cheval (C4E3 F4C5 E6)");
    s.e->ChkDepuisF5.fixe(1);
    s.e->CmdCommencer_Click();
    EXPECT_EQ(partie(s.p()), "F5"); // the program's move; white to find D6
    EXPECT_EQ(s.e->LblAnnonce.legende, "Nouvelle ligne\u00a0: Cheval (F5D6 C5F4)");
    s.joue("F4");
    EXPECT_EQ(s.e->LblMessage.legende, "Coup hors bibliothèque. Coup de la ligne\u00a0: D6.");
    s.joue("D6 F4");
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

// The progress exported from one notebook and imported into another that has its own: the
// files come from the dialog, a cancelled dialog does nothing, the counts add up, importing
// again counts nothing twice, a file that is no progress changes nothing, and no import runs
// during a session, which builds on the states it read.
TEST(Entrainement, ProgressExportedThenImportedIntoAnotherNotebook)
{
    Seance a;
    a.e->CmdCommencer_Click();
    a.joue("C4 F4 E6"); // Cheval
    a.e->CmdSuivant_Click();
    a.finit_l_exercice();
    EXPECT_FALSE(a.e->CmdImporter.actif);
    a.e->CmdImporter_Click();
    EXPECT_TRUE(a.demandes.empty());
    a.e->CmdArreter_Click();
    EXPECT_TRUE(a.e->CmdImporter.actif);
    a.e->CmdExporter_Click();
    ASSERT_EQ(a.demandes.size(), 1U);
    EXPECT_TRUE(a.demandes[0].pour_ecrire);
    EXPECT_TRUE(a.demandes[0].propose.string().starts_with("progression-tavik-2023111"));
    EXPECT_EQ(a.f.hote.messages, Lignes {});
    const std::filesystem::path copie = a.dossier.chemin().parent_path() / "copie.sqlite";
    a.choisi = copie;
    a.e->CmdExporter_Click();
    EXPECT_EQ(a.f.hote.messages,
              Lignes {"La progression a été exportée dans «\u00a0" + copie.string() + "\u00a0»."});

    Seance b;
    b.e->CmdCommencer_Click();
    b.joue("C4 F4 E6");
    b.e->CmdArreter_Click();
    b.choisi = copie;
    b.e->CmdImporter_Click();
    EXPECT_FALSE(b.demandes.at(0).pour_ecrire);
    b.e->CmdImporter_Click();
    const std::filesystem::path autre = b.dossier.chemin().parent_path() / "notes.txt";
    std::ofstream(autre) << std::string(2000, 'x');
    b.choisi = autre;
    b.e->CmdImporter_Click();
    EXPECT_EQ(b.f.hote.messages,
              (Lignes {"2 exercices, sur 2 lignes, ajoutés à la progression depuis «\u00a0"
                           + copie.string() + "\u00a0».",
                       "Rien de nouveau dans «\u00a0" + copie.string()
                           + "\u00a0»\u00a0: chacun de ses exercices est déjà dans la progression.",
                       "La progression de «\u00a0" + autre.string()
                           + "\u00a0» n'a pas pu être importée (ce n'est pas un fichier "
                             "d'entraînement)\u00a0: rien n'a été changé."}));
    EXPECT_EQ(b.e->LblConnues.legende, "2");
    EXPECT_EQ(b.e->activite.back().revues, 3); // b's Cheval, then a's two
    Carnet carnet = Carnet::ouvre(b.chemin, 0);
    EXPECT_EQ(carnet.etats(noir).at("C4E3 F4C5 E6").revues, 2);
}

// A notebook that may only be read takes no import: the learner is told why in French before
// any dialog, and the file stays as it was.
TEST(Entrainement, NoImportIntoANotebookThatMayOnlyBeRead)
{
    Seance s;
    s.e->CmdCommencer_Click();
    s.joue("C4 F4 E6");
    s.e->CmdArreter_Click();
    s.choisi = s.chemin.parent_path() / "copie.sqlite";
    s.e->CmdExporter_Click();
    s.e.reset();
    chmod(s.chemin.c_str(), 0444);
    Services services = s.f.hote.services();
    services.choisit_fichier = [&](const DemandeFichier&) { return s.choisi; };
    services.maintenant = [&] { return s.maintenant; };
    s.f.hote.messages.clear();
    EXPECT_EQ(
        sans_droits([&] {
            Entrainement e(s.p(), services, s.chemin);
            e.Form_Load();
            e.CmdImporter_Click();
            return s.f.hote.messages.at(1) + "|" + e.LblConnues.legende;
        }),
        "Le fichier d'entraînement ne peut être que lu\u00a0: aucune progression ne peut y être "
        "importée.|1");
}

} // namespace tavik::test
