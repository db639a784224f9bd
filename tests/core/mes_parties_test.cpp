// "Mes parties": one's own games against the library, the places where they left it kept for
// the drill, and the drill training exactly those lines, even after a restart.
#include "base_synthetique.h"
#include "database/chargement_base.h"
#include "support.h"
#include "windows/drill/entrainement.h"
#include "windows/games/mes_parties.h"
#include "windows/invariants.h"
#include "windows/lignes_de_mes_parties.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tavik::test {
namespace {

using Textes = std::vector<std::string>;

// The tiger from F5 (the library's C4E3 F6E6 F5 turned half a turn), then white's F3, which
// the library lacks: it plays B3 (Bill) and F4 (Tigre centrale) there.
const std::string tigre_f3 = "f5 d6 c3 d3 c4 f3";

// The main window on `biblio_du_tigre`, a base read from files, the view on it.
struct Vue
{
    explicit Vue(const std::string& mes_parties)
        : fichier(mes_parties, "mes_parties.txt")
    {
        const std::vector<std::filesystem::path> fichiers {fichier.chemin()};
        base = charge_base(fichiers, 60);
        m = std::make_unique<MesParties>(f.p(), f.hote.services());
        m->base_chargee(&base);
    }
    void sain() const { EXPECT_EQ(invariants_rompus(*m), Textes {}); }

    Fenetre f {biblio_du_tigre()};
    FichierTemporaire fichier;
    Base base;
    std::unique_ptr<MesParties> m;
};

std::vector<std::string> noms(const Entrainement& e, const std::vector<int>& lignes)
{
    std::vector<std::string> n;
    for (const int l : lignes) n.push_back(e.repertoire().nom(l));
    return n;
}

} // namespace

// Where each game left the library, written from F5 whatever orientation and order the game
// was played in, with what the library plays there.
TEST(MesParties, EachGameWithItsLineItsExitAndTheLibraryMovesThere)
{
    Vue v(tigre_f3 + "\n"
          + "c4 e3 f6 e6 f5 c6\n\n" // the same game written from C4, then a blank line
          + "f5 z9\n" // refused: the games keep the numbers of their lines
          + "f5 d6 c4 d3 c3 f3\n" // the tiger by another order
          + "f5 d6 c3 d3 c4 f4\n" // Tigre centrale to its end
          + "f5 f4\n"); // out at once: nowhere to train
    ASSERT_EQ(v.m->LstSource.nombre(), 1);
    EXPECT_EQ(v.m->LstSource.texte(0), "mes_parties.txt");
    ASSERT_EQ(v.m->LstParties.size(), 5u);
    EXPECT_EQ(v.m->LblBilan.legende, "5 parties.");
    for (int k = 0; k < 3; ++k) {
        const MesParties::PartieListee& p = v.m->LstParties[static_cast<std::size_t>(k)];
        EXPECT_EQ(p.partie_texte, "Ligne " + std::to_string(k < 2 ? k + 1 : 5) + ", 6 coups");
        EXPECT_EQ(p.ligne, "Tigre");
        EXPECT_EQ(p.sortie, "coup 6\u00a0: F3 (blanc)");
        EXPECT_NE(p.bibliotheque.find("B3 Bill (Léger avantage à noir)"), std::string::npos)
            << p.bibliotheque;
        EXPECT_NE(p.bibliotheque.find("F4 Tigre centrale (Égalité)"), std::string::npos)
            << p.bibliotheque;
        EXPECT_EQ(texte(p.debut), "C4 E3 F6 E6 F5"); // the row's moves as the library has them
    }
    EXPECT_EQ(v.m->LstParties[3].ligne, "Tigre centrale");
    EXPECT_EQ(v.m->LstParties[3].sortie, "jamais sortie");
    EXPECT_EQ(v.m->LstParties[3].bibliotheque, "—");
    EXPECT_EQ(v.m->LstParties[4].sortie, "coup 2\u00a0: F4 (blanc)");
    EXPECT_TRUE(v.m->CmdAjouter.actif);
    v.sain();
}

// The action keeps the places; the drill's last option trains the lines through them, for the
// colour chosen, and finds them again in a window made afresh on the same settings.
TEST(MesParties, TheLinesAddedAreTheLinesTrainedAfterARestartToo)
{
    Vue v(tigre_f3 + "\n");
    {
        Entrainement e(v.f.p(), v.f.hote.services(), std::nullopt);
        e.Form_Load();
        e.OptPortee_Click(Entrainement::choix_mes_parties);
        e.CmdCommencer_Click();
        EXPECT_FALSE(e.en_seance());
        EXPECT_NE(e.LblMessage.legende.find("Aucune ligne de vos parties"), std::string::npos);
    }
    v.m->CmdAjouter_Click();
    EXPECT_NE(v.m->LblMessage.legende.find("1 position"), std::string::npos)
        << v.m->LblMessage.legende;
    EXPECT_NE(v.m->LblMessage.legende.find("(1 nouvelle)"), std::string::npos);
    v.m->CmdAjouter_Click(); // twice: nothing new
    EXPECT_NE(v.m->LblMessage.legende.find("(0 nouvelle)"), std::string::npos);

    // A line that a settings file edited by hand spoils is passed over.
    std::string& reglage = v.f.hote.reglages[reglage_lignes_de_mes_parties];
    EXPECT_EQ(reglage, "C4E3 F6E6 F5\n");
    reglage += "Z9\nC4C4\n";

    // The drill made afresh: Bill and Tigre centrale, not Cheval; for white the same lines.
    Entrainement e(v.f.p(), v.f.hote.services(), std::nullopt);
    e.Form_Load();
    e.OptPortee_Click(Entrainement::choix_mes_parties);
    EXPECT_TRUE(e.OptPortee[Entrainement::choix_mes_parties].choisie);
    EXPECT_FALSE(e.OptPortee[Entrainement::choix_tout].choisie);
    e.CmdCommencer_Click();
    ASSERT_TRUE(e.en_seance());
    EXPECT_EQ(noms(e, e.session()->lignes()), (Textes {"Bill", "Tigre centrale"}));
    EXPECT_EQ(invariants_rompus(e, v.f.p()), Textes {});
    e.CmdArreter_Click();
    e.OptCouleur_Click(Entrainement::choix_blanc);
    e.CmdCommencer_Click();
    ASSERT_TRUE(e.en_seance());
    EXPECT_EQ(noms(e, e.session()->lignes()), (Textes {"Bill", "Tigre centrale"}));
}

// "Retirer ces lignes de l'entraînement" takes back the places of the games listed, however
// they were written in the settings; during a session neither action is offered, nor the
// drill's "Vider…", which forgets every place once the learner confirms. The progress on the
// lines stays in the notebook, and windows made afresh on the same settings see what is left.
TEST(MesParties, TheLinesTakenBackOrForgottenKeepTheirProgress)
{
    Vue v(tigre_f3 + "\n");
    std::string& reglage = v.f.hote.reglages[reglage_lignes_de_mes_parties];
    reglage = "F5D6 C3D3 C4\nC4E3 F4C5\n"; // the tiger from F5, by hand; Cheval's first moves
    v.m->actualise();
    EXPECT_TRUE(v.m->CmdRetirer.actif);
    v.sain();
    v.m->CmdRetirer_Click();
    EXPECT_EQ(reglage, "C4E3 F4C5\n");
    EXPECT_EQ(v.m->LblMessage.legende,
              "1 position où vos parties quittent la bibliothèque n'est plus retenue pour "
              "l'entraînement\u00a0; votre progression sur ses lignes est gardée.");
    EXPECT_FALSE(v.m->CmdRetirer.actif);
    EXPECT_TRUE(v.m->CmdAjouter.actif);
    v.sain();
    {
        MesParties apres(v.f.p(), v.f.hote.services()); // the next run
        apres.base_chargee(&v.base);
        EXPECT_FALSE(apres.CmdRetirer.actif);
        EXPECT_TRUE(apres.CmdAjouter.actif);
    }

    v.m->CmdAjouter_Click();
    Entrainement e(v.f.p(), v.f.hote.services(), std::nullopt);
    e.Form_Load();
    const Option& option = e.OptPortee[Entrainement::choix_mes_parties];
    EXPECT_EQ(option.legende, "Lignes de mes parties (2 positions)");
    e.OptPortee_Click(Entrainement::choix_mes_parties);
    e.CmdCommencer_Click();
    ASSERT_TRUE(e.en_seance());
    EXPECT_EQ(noms(e, e.session()->lignes()), (Textes {"Bill", "Tigre centrale", "Cheval"}));
    v.m->actualise();
    EXPECT_FALSE(v.m->CmdAjouter.actif);
    EXPECT_FALSE(v.m->CmdRetirer.actif);
    EXPECT_FALSE(e.CmdViderMesParties.actif);
    v.m->CmdRetirer_Click(); // as a stale window would: refused
    e.CmdViderMesParties_Click();
    EXPECT_EQ(reglage, "C4E3 F4C5\nC4E3 F6E6 F5\n");
    EXPECT_EQ(v.f.hote.questions, Textes {});
    v.sain();
    EXPECT_EQ(invariants_rompus(e, v.f.p()), Textes {});
    while (e.exercice_en_cours()) {
        const std::vector<Case> suite = e.session()->exercice().coups_attendus();
        ASSERT_FALSE(suite.empty());
        v.f.p().plateau_MouseDown(tavik::index_de(suite.front()), bouton_gauche);
        v.f.p().plateau_MouseUp(tavik::index_de(suite.front()), bouton_gauche);
    }
    e.CmdArreter_Click();
    const auto progres = e.carnet()->etats(noir);
    ASSERT_FALSE(progres.empty());

    // Asked first; "Annuler" keeps everything.
    v.f.hote.reponse = false;
    e.CmdViderMesParties_Click();
    ASSERT_EQ(v.f.hote.questions.size(), 1u);
    EXPECT_EQ(v.f.hote.questions[0],
              "Ne plus entraîner les lignes de vos parties\u00a0? Les 2 positions retenues depuis "
              "«\u00a0Mes parties\u00a0» seront oubliées\u00a0; votre progression sur leurs lignes "
              "est gardée.");
    EXPECT_EQ(reglage, "C4E3 F4C5\nC4E3 F6E6 F5\n");
    v.f.hote.reponse = true;
    e.CmdViderMesParties_Click();
    EXPECT_EQ(debuts_de_mes_parties(v.f.hote.services()).size(), 0u);
    EXPECT_EQ(option.legende, "Lignes de mes parties (aucune)");
    EXPECT_FALSE(e.CmdViderMesParties.actif);
    EXPECT_NE(e.LblMessage.legende.find("votre progression sur ces lignes est gardée"),
              std::string::npos);
    EXPECT_EQ(e.carnet()->etats(noir), progres);
    EXPECT_EQ(invariants_rompus(e, v.f.p()), Textes {});
    v.m->actualise();
    EXPECT_FALSE(v.m->CmdRetirer.actif);
    v.sain();
    e.CmdCommencer_Click();
    EXPECT_FALSE(e.en_seance());
    EXPECT_NE(e.LblMessage.legende.find("Aucune ligne de vos parties"), std::string::npos);

    // Added again from the games window: the drill's option follows at its next look.
    v.m->CmdAjouter_Click();
    e.actualise_mes_parties();
    EXPECT_EQ(option.legende, "Lignes de mes parties (1 position)");
    EXPECT_TRUE(e.CmdViderMesParties.actif);
}

// A double click loads the whole game as it was played, passes included.
TEST(MesParties, ADoubleClickLoadsTheGameOnTheBoard)
{
    std::string connue = partie_connue;
    connue.replace(connue.find(" -- "), 4, " "); // a text file of games leaves passes out
    Vue v(tigre_f3 + "\n" + connue + "\n");
    ASSERT_EQ(v.m->LstParties.size(), 2u);
    v.m->LstParties_DblClick(); // nothing selected: nothing loaded
    EXPECT_EQ(partie(v.f.p()), "");
    v.m->selection = 1;
    v.m->LstParties_DblClick();
    EXPECT_EQ(partie(v.f.p()), partie_connue);
    EXPECT_EQ(v.f.hote.messages, Textes {});
    v.m->selection = 0;
    v.m->LstParties_DblClick();
    EXPECT_EQ(partie(v.f.p()), "F5 D6 C3 D3 C4 F3");
    EXPECT_EQ(invariants_rompus(v.f.p()), Textes {});
}

// A player of the tournament files, found by part of the name, accents and case aside; the
// view follows the base as it comes and goes.
TEST(MesParties, APlayersTournamentGames)
{
    FichierTemporaire wthor("", "WTH_1990.wtb");
    const auto partie = [](const std::string& coups, int noir, int blanc, int score) {
        PartieSynthetique p;
        for (std::size_t i = 0; i + 1 < coups.size(); i += 3)
            p.coups.push_back(tavik::test::index_de(coups.substr(i, 2)));
        p.noir = noir;
        p.blanc = blanc;
        p.score_noir = score;
        return p;
    };
    const std::vector<PartieSynthetique> parties {partie("F5 D6 C3 D3 C4 F3", 0, 1, 40),
                                                  partie("F5 F6", 1, 2, 30),
                                                  partie("F5 D6 C3 D3 C4 F4", 2, 0, 33)};
    std::ofstream(wthor.chemin(), std::ios::binary) << octets_wthor(parties, 1990);
    std::ofstream(wthor.chemin().parent_path() / "WTHOR.JOU", std::ios::binary)
        << octets_noms({"Dupont J\xe9r\xf4me", "Martin Paul", "Durand Anne"}, 20); // Windows-1252
    Fenetre f(biblio_du_tigre());
    MesParties m(f.p(), f.hote.services());
    EXPECT_EQ(m.LstSource.nombre(), 0);
    EXPECT_NE(m.LblBilan.legende.find("Aucune partie n'est chargée"), std::string::npos);

    const std::vector<std::filesystem::path> fichiers {wthor.chemin()};
    const Base base = charge_base(fichiers, 60);
    m.base_chargee(&base);
    ASSERT_EQ(m.LstSource.nombre(), 1);
    EXPECT_EQ(m.LstSource.entrees[0].donnee, -1);
    EXPECT_TRUE(m.TxtJoueur.actif);
    EXPECT_TRUE(m.LstParties.empty());
    EXPECT_EQ(m.LblBilan.legende, "Tapez une partie du nom du joueur.");

    m.TxtJoueur.texte = "JEROME";
    m.TxtJoueur_Change();
    ASSERT_EQ(m.LstParties.size(), 2u);
    EXPECT_EQ(m.LstParties[0].partie_texte, "1990, Dupont Jérôme – Martin Paul, 40-24");
    EXPECT_EQ(m.LstParties[1].partie_texte, "1990, Durand Anne – Dupont Jérôme, 33-31");
    EXPECT_EQ(m.LstParties[1].ligne, "Tigre centrale");
    EXPECT_EQ(invariants_rompus(m), Textes {});

    m.TxtJoueur.texte = "du";
    m.TxtJoueur_Change();
    EXPECT_EQ(m.LstParties.size(), 3u);
    m.TxtJoueur.texte = "personne";
    m.TxtJoueur_Change();
    EXPECT_TRUE(m.LstParties.empty());
    EXPECT_FALSE(m.CmdAjouter.actif);

    m.base_chargee(nullptr); // the base is read again
    EXPECT_EQ(m.LstSource.nombre(), 0);
    EXPECT_TRUE(m.LstParties.empty());
    EXPECT_EQ(invariants_rompus(m), Textes {});
}

} // namespace tavik::test
