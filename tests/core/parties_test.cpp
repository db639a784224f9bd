// The games window: the statistics of the board's position whatever its orientation and move
// order, a move played and a game loaded from its lists, its files and loads.
#include "base_synthetique.h"
#include "support.h"
#include "windows/games/parties.h"
#include "windows/invariants.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tavik {
namespace {

using test::PartieSynthetique;

// Runs every load that the window asks for, as its host does away from the windows.
void charge(Parties& g)
{
    while (std::optional<DemandeChargement> d = g.prend_demande())
        g.termine(d->numero, charge_base(d->fichiers, d->profondeur, {nullptr, d->annule.get()}));
}

PartieSynthetique partie(const std::string& coups, int score_noir)
{
    PartieSynthetique p;
    for (std::size_t i = 0; i + 1 < coups.size(); i += 3)
        p.coups.push_back(test::index_de(coups.substr(i, 2)));
    p.score_noir = score_noir;
    p.noir = 1;
    p.blanc = 2;
    return p;
}

// Five games: the tiger (F5 D6 C3 D3 C4) played as written (black wins), then on with F4 (white
// wins); its mirror image from E6 (a draw); the tiger by another move order, then on with F4 (a
// draw); and a game that leaves at once (white wins).
struct Cinq
{
    Cinq()
        : wtb(test::octets_wthor(std::vector {partie("F5 D6 C3 D3 C4", 40),
                                              partie("F5 D6 C3 D3 C4 F4", 20),
                                              partie("E6 F4 C3 C4 D3", 32),
                                              partie("F5 D6 C4 D3 C3 F4", 32), partie("F5 F6", 10)},
                                 2001),
              "WTH_2001.wtb")
    {
        std::ofstream(wtb.chemin().parent_path() / "WTHOR.JOU", std::ios::binary)
            << test::octets_noms({"Zéro", "Noire", "Blanche"}, 20);
        std::ofstream(wtb.chemin().parent_path() / "WTHOR.TRN", std::ios::binary)
            << test::octets_noms({"Paris"}, 26);
    }
    test::FichierTemporaire wtb;
    test::Fenetre f {std::vector<std::string> {"Tigre;;C4E3 F6E6 F5;eq;",
                                               "Tigre centrale;;C4E3 F6E6 F5C5;n+=;"}};
};

// The window open on the five games, loaded.
struct Chargee : Cinq
{
    Chargee()
    {
        g.Form_Load();
        charge(g);
    }
    Parties g {f.p(), {wtb.chemin()}};
};

TEST(FenetreParties, APositionCountsItsGamesWhateverItsOrientationAndMoveOrder)
{
    Chargee c;
    Parties& g = c.g;
    EXPECT_EQ(g.LblEtat.legende, "5 parties chargées.");

    c.f.joue("F5 D6 C3 D3 C4");
    c.f.p().CmdRotation_Click(); // a quarter turn: F4 is now on E6
    g.actualise();
    EXPECT_EQ(g.LblBilan.legende,
              "4 parties\u00a0: noir 25,0\u00a0%, nul 50,0\u00a0%, blanc 25,0\u00a0%");
    ASSERT_EQ(g.LstSuivants.nombre(), 1);
    // White plays it: a win and a draw for white in its two games.
    EXPECT_EQ(g.LstSuivants.lignes[0],
              (std::vector<std::string> {"E6", "2", "75,0\u00a0%", "Tigre centrale", "N+="}));
    EXPECT_TRUE(g.score_pour_blanc);
    ASSERT_EQ(g.LstParties.nombre(), 4);
    EXPECT_EQ(g.LstParties.lignes[1],
              (std::vector<std::string> {"Noire", "Blanche", "Paris", "2001", "20-44"}));
    EXPECT_EQ(invariants_rompus(g, c.f.p()), std::vector<std::string> {});

    // Mirrored as well, the same games.
    c.f.p().CmdSymNegative_Click();
    g.actualise();
    EXPECT_EQ(g.LstSuivants.nombre(), 1);
    EXPECT_EQ(g.LstParties.nombre(), 4);
    EXPECT_EQ(invariants_rompus(g, c.f.p()), std::vector<std::string> {});
}

TEST(FenetreParties, AMoveClickedIsPlayedOnTheBoardAndAGameDoubleClickedIsLoaded)
{
    Chargee c;
    Parties& g = c.g;
    c.f.joue("F5 D6 C3 D3 C4");
    c.f.p().CmdRotation_Click();
    g.actualise();

    g.LstSuivants_Click(0);
    EXPECT_TRUE(test::partie(c.f.p()).ends_with(" E6")) << test::partie(c.f.p());
    EXPECT_EQ(c.f.p().num_coup, 7);
    EXPECT_EQ(g.LblBilan.legende,
              "2 parties\u00a0: noir 0,0\u00a0%, nul 50,0\u00a0%, blanc 50,0\u00a0%");
    EXPECT_EQ(g.LstSuivants.nombre(), 0); // both games end there

    // The second of them, by the other move order, as it was played.
    ASSERT_EQ(g.LstParties.nombre(), 2);
    EXPECT_EQ(g.LstParties.lignes[1][4], "32-32");
    g.LstParties_DblClick(1);
    EXPECT_EQ(test::partie(c.f.p()), "F5 D6 C4 D3 C3 F4");
    EXPECT_EQ(c.f.p().rotation, 0);
    EXPECT_TRUE(c.f.hote.messages.empty());
    EXPECT_EQ(g.LstParties.nombre(), 2); // the same position, as played

    // An entry that is no longer listed does nothing.
    g.LstSuivants_Click(3);
    g.LstParties_DblClick(-1);
    EXPECT_EQ(test::partie(c.f.p()), "F5 D6 C4 D3 C3 F4");
}

TEST(FenetreParties, AFileThatCannotBeReadIsNamedInFrenchAndTheOthersAreKept)
{
    Cinq c;
    const std::filesystem::path dossier = c.wtb.chemin().parent_path();
    std::ofstream(dossier / "WTH_2002.wtd", std::ios::binary)
        << test::octets_wthor(test::parties_synthetiques(2, 1), 2002, -1, 10);
    std::ofstream(dossier / "miennes.txt") << "f5 d6 c3\nf5 f5\n";
    Parties g(c.f.p(), {});
    g.ajoute_fichiers({dossier / "absent.wtb", c.wtb.chemin(), dossier / "WTH_2002.wtd",
                       dossier / "miennes.txt"});
    charge(g);

    EXPECT_EQ(g.base().parties.size(), 6u);
    const std::string& etat = g.LblEtat.legende;
    EXPECT_TRUE(etat.starts_with(
        "6 parties chargées.\n1 partie refusée, dont\u00a0: «\u00a0miennes.txt\u00a0»"))
        << etat;
    EXPECT_NE(etat.find("«\u00a0" + (dossier / "absent.wtb").string() + "\u00a0»\u00a0: "),
              std::string::npos);
    EXPECT_NE(etat.find("«\u00a0WTH_2002.wtd\u00a0»\u00a0: parties sur 10 × 10"),
              std::string::npos);
    ASSERT_EQ(g.LstFichiers.nombre(), 4);
    EXPECT_EQ(g.LstFichiers.texte(0), (dossier / "absent.wtb").string() + " (aucune partie lue)");
    EXPECT_EQ(g.LstFichiers.texte(1), c.wtb.chemin().string());
    EXPECT_EQ(g.LstFichiers.texte(2), (dossier / "WTH_2002.wtd").string() + " (aucune partie lue)");

    // The start position: six games, one of them without a result.
    g.actualise();
    EXPECT_EQ(g.LblBilan.legende,
              "6 parties\u00a0: noir 20,0\u00a0%, nul 40,0\u00a0%, blanc "
              "40,0\u00a0% (1 sans résultat)");
    // Every first move is one move of the start, which only goes on to a named line.
    ASSERT_EQ(g.LstSuivants.nombre(), 1);
    EXPECT_EQ(g.LstSuivants.lignes[0],
              (std::vector<std::string> {"F5", "6", "40,0\u00a0%", "...", ""}));
    EXPECT_EQ(invariants_rompus(g, c.f.p()), std::vector<std::string> {});
}

TEST(FenetreParties, TheFilesAreRememberedAndEachChangeLoadsThemAgain)
{
    Cinq c;
    std::vector<std::filesystem::path> retenus;
    Parties g(c.f.p(), {}, [&](const auto& f) { retenus = f; });
    g.Form_Load();
    EXPECT_FALSE(g.prend_demande()) << "nothing to load";
    EXPECT_TRUE(g.LblEtat.legende.starts_with("Ajoutez des fichiers de parties"));

    const std::filesystem::path autre = c.wtb.chemin().parent_path() / "autre.txt";
    std::ofstream(autre) << "f5 d6\n";
    g.ajoute_fichiers({c.wtb.chemin(), c.wtb.chemin(), autre});
    EXPECT_EQ(retenus, (std::vector {c.wtb.chemin(), autre}));
    g.ajoute_fichiers({autre});
    EXPECT_EQ(g.LstFichiers.nombre(), 2);
    charge(g);
    EXPECT_EQ(g.base().parties.size(), 6u);

    EXPECT_FALSE(g.CmdRetirer.actif);
    g.LstFichiers_Click(0);
    EXPECT_TRUE(g.CmdRetirer.actif);
    g.CmdRetirer_Click();
    EXPECT_EQ(retenus, std::vector {autre});
    EXPECT_FALSE(g.base_chargee()) << "the old base is dropped at once";
    charge(g);
    EXPECT_EQ(g.base().parties.size(), 1u);
    EXPECT_EQ(g.LstFichiers.selection, 0);

    // Opened again with the list remembered, the window loads it.
    Parties rouverte(c.f.p(), retenus);
    rouverte.Form_Load();
    EXPECT_TRUE(rouverte.prend_demande());
}

TEST(FenetreParties, ALoadIsStoppedByCancelByClosingAndByANewerLoad)
{
    Cinq c;
    const std::filesystem::path autre = c.wtb.chemin().parent_path() / "autre.txt";
    std::ofstream(autre) << "f5 d6\n";
    Parties g(c.f.p(), {c.wtb.chemin()});
    g.Form_Load();
    std::optional<DemandeChargement> premiere = g.prend_demande();
    ASSERT_TRUE(premiere);
    EXPECT_FALSE(g.prend_demande()) << "a request is handed over once";
    EXPECT_TRUE(g.CmdAnnuler.actif);
    g.avance(premiere->numero, 0.5);
    EXPECT_EQ(g.progression, 0.5);
    EXPECT_EQ(g.LblEtat.legende, "Chargement des parties…");

    // A file added meanwhile: the first load is stopped and its result, if it still comes,
    // is not shown.
    g.ajoute_fichiers({autre});
    EXPECT_TRUE(premiere->annule->load());
    std::optional<DemandeChargement> seconde = g.prend_demande();
    ASSERT_TRUE(seconde);
    g.termine(premiere->numero, charge_base(premiere->fichiers, 60));
    EXPECT_FALSE(g.base_chargee());
    EXPECT_TRUE(g.en_chargement());

    g.CmdAnnuler_Click();
    EXPECT_TRUE(seconde->annule->load());
    EXPECT_FALSE(g.CmdAnnuler.actif);
    EXPECT_EQ(g.LblEtat.legende, "Chargement annulé.");
    g.termine(seconde->numero, charge_base(seconde->fichiers, 60));
    EXPECT_FALSE(g.base_chargee());

    // Opened again: the files load; closed during the load: it stops.
    g.Form_Load();
    std::optional<DemandeChargement> troisieme = g.prend_demande();
    ASSERT_TRUE(troisieme);
    g.Form_Unload();
    EXPECT_TRUE(troisieme->annule->load());
    EXPECT_FALSE(g.en_chargement());
    EXPECT_EQ(invariants_rompus(g, c.f.p()), std::vector<std::string> {});
}

TEST(FenetreParties, TheInvariantsSeeAMoveThatTheBoardCannotPlay)
{
    Chargee c;
    Parties& g = c.g;
    c.f.joue("F5 D6 C3 D3 C4");
    g.actualise();
    ASSERT_EQ(g.LstSuivants.nombre(), 1);
    EXPECT_EQ(g.LstSuivants.lignes[0][0], "F4");
    g.LstSuivants.donnees[0] = test::index_de("A1"); // a corner that no move reaches yet
    EXPECT_EQ(invariants_rompus(g, c.f.p()).size(), 1u);
}

} // namespace
} // namespace tavik
