#include "actions_parties.h"
#include "engine/regles.h"
#include "harnais.h"
#include "support.h"

#include <gtest/gtest.h>
#include <set>

namespace tavik::test {

using namespace tavik::fuzz;
using Lignes = std::vector<std::string>;

static const std::string biblio = fichier_de({"Perpendiculaire;;C4E3", "Tigre;;C4E3 F6E6 F5"});

// The soak reproduces from its seed; every kind of action, the chooser's entries and "no
// selection" come up, presses mostly on legal squares.
TEST(Harnais, SameSeedSameRunAndEveryActionDrawn)
{
    std::set<Genre> genres;
    std::set<int> entrees;
    int clics = 0, jouables = 0;
    const auto parcours = [&](std::uint64_t graine) {
        SourceGraine source(graine);
        Harnais h(biblio, source);
        std::string actions;
        for (int i = 0; i < 6000; ++i) {
            const Action a = tire_action(source, h.plateau(), h.ouverture());
            actions += decrit(a) + "\n";
            genres.insert(a.genre);
            if (a.genre == Genre::charger) entrees.insert(a.entree);
            const Case c = case_de(a.genre == Genre::clic ? a.index : 0);
            clics += a.genre == Genre::clic;
            jouables += a.genre == Genre::clic
                && test_coup_possible(h.plateau().tab(), h.plateau().joueur(), c.ligne, c.colonne);
            h.joue(a);
        }
        return actions + texte_partie(h.plateau());
    };
    EXPECT_EQ(parcours(7), parcours(7));
    EXPECT_NE(parcours(7), parcours(8));
    EXPECT_EQ(genres.size(), static_cast<std::size_t>(nb_genres));
    EXPECT_EQ(entrees, (std::set<int> {-1, 0, 1}));
    EXPECT_GT(jouables * 2, clics);
}

// Actions are applied as the windows apply them: a right press is released, a box click runs
// its operation, "Charger" selects first, and a disabled button does nothing.
TEST(Harnais, ActionsAsTheWindowsApplyThem)
{
    SourceOctets aucun({});
    Harnais h(biblio, aucun);
    Plateau& p = h.plateau();
    ControlesPlateau& c = p.controles;

    EXPECT_EQ(h.joue({.genre = Genre::appui, .index = index_de("F5"), .bouton = bouton_droit}),
              Lignes {});
    EXPECT_EQ(images(p), images(Fenetre().p())); // the preview is gone, nothing played

    EXPECT_EQ(h.joue({.genre = Genre::blanc_auto}), Lignes {});
    EXPECT_TRUE(c.ChkBlancAuto.cochee() && p.CoupJoueurBiblio);
    h.joue({.genre = Genre::precedent}); // "<" is disabled at the start: the box stays ticked
    EXPECT_TRUE(c.ChkBlancAuto.cochee());
    h.joue({.genre = Genre::clic, .index = index_de("C4")}); // white answers E3 at once
    EXPECT_EQ(texte_partie(p), "C4 E3 |");

    h.joue({.genre = Genre::charger, .entree = -1});
    EXPECT_EQ(texte_partie(p), "C4 E3 |");
    EXPECT_EQ(h.joue({.genre = Genre::charger, .entree = 1}), Lignes {});
    EXPECT_EQ(texte_partie(p), "C4 E3 F6 E6 F5 |");
    EXPECT_EQ(h.joue({.genre = Genre::precedent}), Lignes {});
    EXPECT_FALSE(c.ChkBlancAuto.cochee());
    EXPECT_EQ(texte_partie(p), "C4 E3 F6 E6 | F5");
}

// A fault planted during an action, a second message, and an automatic player that has the
// move but stays silent are each reported, once, for the action where they happen.
TEST(Harnais, ReportsWhatAnActionBroke)
{
    SourceOctets aucun({});
    Harnais h(biblio, aucun);
    Plateau& p = h.plateau();
    h.joue({.genre = Genre::clic, .index = index_de("C4")});

    h.apres_gestionnaires = [](Harnais& x) { x.plateau().controles.nb_noir.legende = "7"; };
    EXPECT_EQ(
        h.joue({.genre = Genre::rotation}),
        Lignes {"after the action: the black count shows \"7\" but the board holds 4 black discs"});
    p.controles.nb_noir.legende = "4";

    h.apres_gestionnaires = [](Harnais& x) {
        x.services().message("un");
        x.services().message("deux");
    };
    EXPECT_EQ(h.joue({.genre = Genre::rotation}),
              Lignes {"2 messages for one action: \"un\", \"deux\""});

    // "Blanc auto" ticked with black to move, then exchanged for "Noir auto" behind the window's
    // back: the box's operation never ran, so nobody played.
    h.apres_gestionnaires = nullptr;
    h.joue({.genre = Genre::clic, .index = index_de("E3")});
    h.apres_gestionnaires = [](Harnais& x) {
        ControlesPlateau& c = x.plateau().controles;
        for (CaseACocher* cas : {&c.ChkNoirAuto, &c.ChkBlancAuto}) cas->sur_clic({});
        c.ChkBlancAuto.fixe(0);
        c.ChkNoirAuto.fixe(1);
    };
    EXPECT_EQ(h.joue({.genre = Genre::blanc_auto}),
              Lignes {"after the action: the automatic player has the move but neither played nor "
                      "said why"});
}

// Training actions: nothing while the window is closed, the automatic boxes unable to disturb a
// session (or reported); a seeded run finishes exercises, some with wrong moves.
TEST(Harnais, TrainingActions)
{
    SourceOctets aucun({});
    Harnais h(biblio, aucun);
    h.joue({.genre = Genre::commencer});
    EXPECT_FALSE(h.plateau().entraineur());
    h.joue({.genre = Genre::ouvre_entrainement});
    h.joue({.genre = Genre::commencer});
    EXPECT_EQ(h.joue({.genre = Genre::noir_auto}), Lignes {});
    EXPECT_FALSE(h.plateau().controles.ChkNoirAuto.cochee());
    h.apres_gestionnaires = [](Harnais& x) { x.plateau().controles.ChkNoirAuto.actif = true; };
    EXPECT_EQ(h.joue({.genre = Genre::rotation}),
              Lignes {"after the action: \"Noir auto\" is enabled during a drill"});
    h.apres_gestionnaires = nullptr;
    h.joue({.genre = Genre::ferme_entrainement});
    EXPECT_FALSE(h.plateau().entraineur());

    SourceGraine source(3);
    Harnais long_(biblio, source);
    for (int i = 0; i < 5000; ++i)
        long_.joue(tire_action(source, long_.plateau(), long_.ouverture(), long_.entrainement(),
                               long_.parties()));
    EXPECT_GT(long_.statistiques().exercices, 0);
    EXPECT_GT(long_.statistiques().erreurs, 0);
}

// The games window: its load runs over one action, a move clicked in it is played on the board,
// a listing that the board contradicts is reported, and a long run plays from it.
TEST(Harnais, GamesWindowActions)
{
    const auto parties = [](ActionParties a, int entree = -1) {
        return Action {.genre = Genre::parties, .entree = entree, .valeur = static_cast<int>(a)};
    };
    SourceOctets aucun({});
    Harnais h(biblio, aucun);
    EXPECT_EQ(h.joue(parties(ActionParties::coup, 0)), Lignes {});
    EXPECT_FALSE(h.parties());
    h.joue(parties(ActionParties::ouvre));
    ASSERT_TRUE(h.parties());
    EXPECT_TRUE(h.parties()->en_chargement());
    h.joue({.genre = Genre::rotation});
    ASSERT_TRUE(h.parties()->base_chargee());
    ASSERT_GT(h.parties()->LstSuivants.nombre(), 0);
    const int avant = h.plateau().num_coup;
    EXPECT_EQ(h.joue(parties(ActionParties::coup, 0)), Lignes {});
    EXPECT_EQ(h.plateau().num_coup, avant + 1);

    h.joue(parties(ActionParties::ajoute)); // a new load: the lists empty until it ends
    EXPECT_EQ(h.parties()->LstParties.nombre(), 0);
    h.apres_gestionnaires = [](Harnais& x) {
        if (x.parties()->LstParties.nombre()) x.parties()->LstParties.donnees[0] = 99999;
    };
    EXPECT_EQ(h.joue({.genre = Genre::debut}),
              Lignes {"in the games window: game 99999 is listed but does not reach the position"});
    h.apres_gestionnaires = nullptr;
    h.joue(parties(ActionParties::ferme));
    EXPECT_FALSE(h.parties());

    SourceGraine source(5);
    Harnais long_(biblio, source);
    for (int i = 0; i < 20000; ++i)
        joue_sans_faute(long_,
                        tire_action(source, long_.plateau(), long_.ouverture(),
                                    long_.entrainement(), long_.parties()));
    EXPECT_GT(long_.statistiques().bases, 0);
    EXPECT_GT(long_.statistiques().coups_parties, 0);
}

// "Mes parties" through the harness: the lines it adds are the drill's last scope, a game
// double-clicked is loaded, the lines are taken back or forgotten, and a page out of step with
// its base or a "Vider…" offered with nothing to forget is reported.
TEST(Harnais, MesPartiesActions)
{
    SourceOctets aucun({});
    Harnais h(biblio, aucun);
    const MesParties& m = h.mes_parties();
    ASSERT_EQ(m.LstSource.nombre(), 2); // the text file, then the tournament players
    EXPECT_EQ(h.joue({.genre = Genre::ajoute_mes_parties}), Lignes {});
    h.joue({.genre = Genre::ouvre_entrainement});
    h.joue({.genre = Genre::portee, .valeur = Entrainement::choix_mes_parties});
    h.joue({.genre = Genre::commencer});
    ASSERT_TRUE(h.entrainement()->en_seance());
    EXPECT_EQ(h.entrainement()->session()->lignes().size(), 1u); // the tiger, where they left
    EXPECT_EQ(h.joue({.genre = Genre::charge_mes_parties, .valeur = 17}), Lignes {});
    EXPECT_EQ(partie(h.plateau()), "C4 E3 F6 E6 F5 C6");

    EXPECT_EQ(h.joue({.genre = Genre::base_mes_parties}), Lignes {});
    EXPECT_EQ(m.base(), nullptr);
    h.apres_gestionnaires = [](Harnais& x) { x.mes_parties().CmdAjouter.actif = true; };
    EXPECT_EQ(h.joue({.genre = Genre::rotation}),
              Lignes {"in Mes parties: the addition offered during a session without a place to "
                      "add"});
    h.apres_gestionnaires = {};

    // The places taken back or forgotten, never during a session; "Vider…" answered "Annuler",
    // then "Vider".
    h.joue({.genre = Genre::base_mes_parties});
    const Entrainement& e = *h.entrainement();
    EXPECT_FALSE(m.CmdRetirer.actif);
    EXPECT_FALSE(e.CmdViderMesParties.actif);
    h.joue({.genre = Genre::arreter});
    ASSERT_TRUE(m.CmdRetirer.actif);
    ASSERT_TRUE(e.CmdViderMesParties.actif);
    EXPECT_EQ(h.joue({.genre = Genre::vide_mes_parties, .valeur = 0}), Lignes {});
    EXPECT_TRUE(e.CmdViderMesParties.actif);
    EXPECT_EQ(h.joue({.genre = Genre::retire_mes_parties}), Lignes {});
    EXPECT_FALSE(m.CmdRetirer.actif);
    EXPECT_FALSE(e.CmdViderMesParties.actif); // the page's games left the library nowhere else
    EXPECT_EQ(h.joue({.genre = Genre::ajoute_mes_parties}), Lignes {});
    EXPECT_TRUE(e.CmdViderMesParties.actif);
    EXPECT_EQ(h.joue({.genre = Genre::vide_mes_parties, .valeur = 1}), Lignes {});
    EXPECT_FALSE(e.CmdViderMesParties.actif);
    EXPECT_FALSE(m.CmdRetirer.actif);
    EXPECT_EQ(e.OptPortee[Entrainement::choix_mes_parties].legende,
              "Lignes de mes parties (aucune)");
    h.apres_gestionnaires = [](Harnais& x) { x.entrainement()->CmdViderMesParties.actif = true; };
    EXPECT_EQ(h.joue({.genre = Genre::rotation}),
              Lignes {"in the training window: \"Vider…\" is on but should be off"});
}

// The progress commands with the dialog's three answers: cancelled, nothing said; the run's
// export brought back, nothing added; a file that is no progress, refused. Brought into a
// fresh notebook, the export gives its exercises back; no import during a session.
TEST(Harnais, ProgressExportedAndImported)
{
    SourceGraine source(3);
    Harnais h(biblio, source);
    while (h.statistiques().exercices == 0)
        h.joue(tire_action(source, h.plateau(), h.ouverture(), h.entrainement()));
    if (h.entrainement()->en_seance()) {
        EXPECT_EQ(h.joue({.genre = Genre::importe_progres, .valeur = 1}), Lignes {});
        EXPECT_EQ(h.messages(), Lignes {});
        h.joue({.genre = Genre::arreter});
    }
    // The message that the command gives, the dialog answering `reponse`, cut after `debut`
    // when it starts so.
    const auto dit = [&h](Genre g, int reponse, const std::string& debut) {
        EXPECT_EQ(h.joue({.genre = g, .valeur = reponse}), Lignes {});
        const std::string m = h.messages().empty() ? std::string() : h.messages()[0];
        return m.starts_with(debut) ? debut : m;
    };
    for (const Genre g : {Genre::exporte_progres, Genre::importe_progres})
        EXPECT_EQ(dit(g, 0, "x"), ""); // cancelled
    const std::string refus = "La progression de «\u00a0/";
    EXPECT_EQ(dit(Genre::importe_progres, 1, refus), refus); // not exported yet
    const std::string exportee = "La progression a été exportée dans «\u00a0/";
    EXPECT_EQ(dit(Genre::exporte_progres, 1, exportee), exportee);
    const std::string rien = "Rien de nouveau dans «\u00a0/";
    EXPECT_EQ(dit(Genre::importe_progres, 1, rien), rien);
    EXPECT_EQ(dit(Genre::importe_progres, 2, refus), refus);
    h.joue({.genre = Genre::ferme_entrainement});
    h.joue({.genre = Genre::ouvre_entrainement});
    const long n = h.statistiques().exercices;
    const std::string ajoutes
        = std::to_string(n) + (n > 1 ? " exercices, sur " : " exercice, sur ");
    EXPECT_EQ(dit(Genre::importe_progres, 1, ajoutes), ajoutes);
}

} // namespace tavik::test
