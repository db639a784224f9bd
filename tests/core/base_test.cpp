// The game database loaded from files: names found beside the games, the statistics of a
// position against a plain count over the same games, cancelling, and the command line's text.
#include "base_synthetique.h"
#include "support.h"

#include "database/chargement_base.h"
#include "database/sortie_biblio.h"
#include "database/statistiques.h"
#include "database/texte_statistiques.h"
#include "engine/regles.h"
#include "library/positions_biblio.h"
#include "library/symetries.h"

#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <map>

namespace tavik {
namespace {

using test::Etat;
using test::PartieSynthetique;
using test::apres_coup;
using test::meme_position;
using test::rejoue;

void ecrit(const std::filesystem::path& chemin, const std::string& octets)
{
    std::ofstream(chemin, std::ios::binary) << octets;
}

Issue issue_de(int score)
{
    return score > 32 ? Issue::noir : score == 32 ? Issue::nul : Issue::blanc;
}

TEST(Base, StatisticsMatchAPlainCountOverTheSameGames)
{
    const std::vector<PartieSynthetique> parties = test::parties_synthetiques(300, 21);
    test::FichierTemporaire f(test::octets_wthor(parties, 2003), "WTH_2003.wtb");
    const std::vector<std::filesystem::path> fichiers {f.chemin()};
    const Base base = charge_base(fichiers, 60);
    ASSERT_EQ(base.parties.size(), parties.size());

    // Every position of every game, once.
    std::vector<std::vector<Etat>> etats;
    for (const PartieSynthetique& p : parties) {
        etats.push_back({Etat {}});
        for (const int c : p.coups) etats.back().push_back(apres_coup(etats.back().back(), case_de(c)));
    }
    // Positions of a few games at several depths, each asked in a turned image.
    for (std::size_t g = 0; g < 8; ++g) {
        const std::vector<int>& question = parties[g * 7].coups;
        for (const std::size_t n : {std::size_t {0}, std::size_t {1}, std::size_t {3}, std::size_t {6}, std::size_t {12}, question.size()}) {
            const Etat q = rejoue(question, n);
            Grille tourne = q.jeu;
            const int s = static_cast<int>(g % nb_symetries);
            for (int i = 0; i < 64; ++i) {
                const Case c = case_de(i), d = image(s, c);
                tourne[d.ligne][d.colonne] = q.jeu[c.ligne][c.colonne];
            }
            const Statistiques stats = statistiques(base.index, disques_de(tourne), q.couleur == blanc);

            int nb = 0, noirs = 0, fins = 0;
            std::map<int, int> par_coup; // plain count: each move by the square it takes on `tourne`
            for (const PartieSynthetique& p : parties) {
                const std::vector<Etat>& e = etats[static_cast<std::size_t>(&p - parties.data())];
                if (p.coups.size() < n || !meme_position(e[n], q)) continue;
                ++nb;
                noirs += issue_de(p.score_noir) == Issue::noir;
                if (p.coups.size() == n) {
                    ++fins;
                    continue;
                }
                const Etat& apres = e[n + 1];
                int trouves = 0;
                for (const CoupPlaye& c : stats.suivants) {
                    if (meme_position(apres_coup({tourne, q.couleur}, case_de(c.index)), apres)) {
                        ++par_coup[c.index];
                        ++trouves;
                    }
                }
                EXPECT_EQ(trouves, 1) << "game " << &p - parties.data() << " depth " << n;
            }
            EXPECT_EQ(stats.bilan.parties, nb) << "depth " << n;
            EXPECT_EQ(stats.bilan.noir, noirs);
            int total = 0;
            for (std::size_t i = 0; i < stats.suivants.size(); ++i) {
                EXPECT_EQ(stats.suivants[i].bilan.parties, par_coup[stats.suivants[i].index]);
                if (i > 0) {
                    EXPECT_GE(stats.suivants[i - 1].bilan.parties, stats.suivants[i].bilan.parties);
                }
                total += stats.suivants[i].bilan.parties;
            }
            EXPECT_EQ(total, nb - fins) << "games that end on the position have no next move";
        }
    }
}

TEST(Base, NamesAreFoundBesideTheGamesAndBadFilesNamed)
{
    std::vector<PartieSynthetique> parties = test::parties_synthetiques(3, 2);
    parties[0].noir = 1;
    parties[0].blanc = 7; // beyond the players file: no name
    parties[0].tournoi = 0;
    test::FichierTemporaire f(test::octets_wthor(parties, 1985), "WTH_1985.wtb");
    const std::filesystem::path dossier = f.chemin().parent_path();
    ecrit(dossier / "wthor.jou", test::octets_noms({"Zéro", "Un Joueur"}, 20));
    ecrit(dossier / "WTHOR.TRN", test::octets_noms({"Paris 1985"}, 26));
    ecrit(dossier / "miennes.txt", "f5d6c3\nf5 f5\n");
    ecrit(dossier / "WTH_1986.wtd", test::octets_wthor(parties, 1986, -1, 10));
    const std::vector<std::filesystem::path> fichiers {f.chemin(), dossier / "miennes.txt",
                                                       dossier / "WTH_1986.wtd",
                                                       dossier / "absent.wtb"};
    const Base base = charge_base(fichiers, 10);
    ASSERT_EQ(base.parties.size(), 4u);
    EXPECT_EQ(base.joueur(base.parties[0].noir), "Un Joueur");
    EXPECT_EQ(base.joueur(base.parties[0].blanc), "");
    EXPECT_EQ(base.tournoi(base.parties[0].tournoi), "Paris 1985");
    EXPECT_EQ(base.parties[0].annee, 1985);
    EXPECT_EQ(base.parties[3].fichier, 1);
    EXPECT_EQ(base.parties[3].noir, -1);
    ASSERT_EQ(base.refus.size(), 1u);
    EXPECT_TRUE(base.refus[0].starts_with("«\u00a0miennes.txt\u00a0», ligne 2\u00a0: ")) << base.refus[0];
    ASSERT_EQ(base.illisibles.size(), 2u);
    EXPECT_EQ(base.illisibles[0], "«\u00a0WTH_1986.wtd\u00a0»\u00a0: parties sur 10 × 10, que Tavik ne lit pas.");
    EXPECT_TRUE(base.illisibles[1].starts_with("«\u00a0" + (dossier / "absent.wtb").string() + "\u00a0»\u00a0: "));
}

TEST(Base, ACancelledLoadingLeavesNothingHalfDone)
{
    // 3000 games: enough for the index to look at the request a few times.
    const std::vector<PartieSynthetique> quelques = test::parties_synthetiques(30, 4);
    std::vector<PartieSynthetique> parties;
    for (int i = 0; i < 100; ++i) parties.insert(parties.end(), quelques.begin(), quelques.end());
    test::FichierTemporaire f(test::octets_wthor(parties, 2010), "WTH_2010.wtb");
    const std::vector<std::filesystem::path> fichiers {f.chemin()};
    std::atomic<bool> annule {false};
    double derniere = -1;
    bool en_ordre = true;
    const Suivi suivi {[&](double x) {
                           en_ordre = en_ordre && x >= derniere;
                           derniere = x;
                           if (x > 0.3) annule = true;
                       },
                       &annule};
    const Base base = charge_base(fichiers, 60, suivi);
    EXPECT_TRUE(en_ordre);
    EXPECT_TRUE(base.annule);
    EXPECT_TRUE(base.parties.empty());
    EXPECT_EQ(base.index.taille(), 0u);

    const Base entiere = charge_base(fichiers, 60, {[&](double x) { derniere = x; }, nullptr});
    EXPECT_FALSE(entiere.annule);
    EXPECT_EQ(derniere, 1.0);
}

TEST(Base, TheCommandLineTextInTheOrientationOfItsMoves)
{
    // Three games after F5: two go on with D6, one with F6; black wins two.
    std::vector<PartieSynthetique> parties(3);
    parties[0].coups = {37, 43, 18};
    parties[0].score_noir = 40;
    parties[1].coups = {37, 43};
    parties[1].score_noir = 20;
    parties[2].coups = {37, 45};
    parties[2].score_noir = 33;
    // The same as the first, turned: E6 F4 ... is F5 D6 ... mirrored in the diagonal.
    PartieSynthetique tournee;
    for (const int c : parties[0].coups) tournee.coups.push_back(image_index(4, c));
    tournee.score_noir = 32;
    parties.push_back(tournee);
    test::FichierTemporaire f(test::octets_wthor(parties, 2000), "WTH_2000.wtb");
    const std::vector<std::filesystem::path> fichiers {f.chemin()};

    const ReponseStatistiques r = repond_statistiques(fichiers, "f5");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.sortie, "4 parties : noir 50,0 %, nul 25,0 %, blanc 25,0 %\n"
                        "d6 : 3 parties, 50,0 % pour blanc\n"
                        "f6 : 1 partie, 0,0 % pour blanc\n");
    // Asked from the mirrored first move, the replies are written in its orientation.
    const ReponseStatistiques miroir = repond_statistiques(fichiers, "E6");
    EXPECT_EQ(miroir.sortie.substr(miroir.sortie.find('\n') + 1, 4), "f4 :");

    const std::vector<std::filesystem::path> absent {f.chemin().parent_path() / "non.wtb"};
    EXPECT_EQ(repond_statistiques(absent, "").code, 2);
    const ReponseStatistiques faux = repond_statistiques(fichiers, "f5 a1");
    EXPECT_EQ(faux.code, 2);
    EXPECT_TRUE(faux.sortie.empty());
}

TEST(PositionsBiblio, NamesAreFoundForAnyOrderAndOrientation)
{
    test::BiblioChargee b({"Tigre;Tiger;F5D6 C3D3 C4;=;;",
                           "Buffle;;F5D6 C5;=;;",
                           "Ligne tigre;;F5D6 C3D3 C4F4;+1;;"});
    PositionsBiblio positions;
    positions.construit(b.biblio, b.nb);
    // F5 D6 C4 D3 C3 reaches the tiger's position in another order.
    PositionJeu p;
    for (const int c : {37, 43, 26, 19, 18}) p.joue(c);
    EXPECT_EQ(positions.ligne_nommant(p.disques, p.blanc_au_trait), 0);
    // Turned, one move earlier: the first line that goes through names it.
    PositionJeu q;
    for (const int c : {37, 43, 18}) ASSERT_TRUE(q.joue(image_index(2, c)));
    EXPECT_EQ(positions.ligne_nommant(q.disques, q.blanc_au_trait), 0);
    EXPECT_EQ(positions.suivants(q.disques, q.blanc_au_trait),
              (std::vector<PositionsBiblio::CoupBiblio> {{image_index(2, 19), 0}}));
    // From F5 D6 the lines go on with C3 (the tiger, through) and C5 (the buffalo).
    PositionJeu r;
    for (const int c : {37, 43}) r.joue(c);
    EXPECT_EQ(positions.suivants(r.disques, r.blanc_au_trait),
              (std::vector<PositionsBiblio::CoupBiblio> {{18, 0}, {34, 1}}));
    uint64_t hors_livre = coups_possibles(r.disques.noirs, r.disques.blancs) & ~(bit_de(18) | bit_de(34));
    ASSERT_TRUE(r.joue(std::countr_zero(hors_livre)));
    EXPECT_FALSE(positions.ligne_nommant(r.disques, r.blanc_au_trait).has_value());
    EXPECT_TRUE(positions.suivants(r.disques, r.blanc_au_trait).empty());
}

// One's own games against the library: how far each stayed in it, and what it had there.
TEST(SortieBiblio, TheDeepestPositionKeptAndTheMovesTheLibraryHadThere)
{
    test::BiblioChargee b({"Tigre;Tiger;F5D6 C3D3 C4;=;;", "Ligne tigre;;F5D6 C3D3 C4F4;+1;;"});
    PositionsBiblio positions;
    positions.construit(b.biblio, b.nb);
    const auto partie = [](std::initializer_list<int> coups) {
        PartieBase p;
        for (const int c : coups) p.coups[p.nb_coups++] = static_cast<uint8_t>(c);
        return p;
    };
    // The tiger by another order (off the book at C4, back at C3), then off where the
    // library plays F4.
    PositionJeu tigre;
    for (const int c : {37, 43, 26, 19, 18}) tigre.joue(c);
    const int autre = std::countr_zero(coups_possibles(tigre.disques.blancs, tigre.disques.noirs)
                                       & ~bit_de(29));
    const SortieBiblio s = sortie_biblio(partie({37, 43, 26, 19, 18, autre}), positions);
    EXPECT_EQ(s.coups_suivis, 5);
    EXPECT_EQ(s.ligne, 0);
    EXPECT_EQ(s.coup_sorti, autre);
    EXPECT_EQ(s.attendus, (std::vector<PositionsBiblio::CoupBiblio> {{29, 1}}));

    // Still in the book at its end; out at the first move when the library lacks it.
    const SortieBiblio dedans = sortie_biblio(partie({37, 43, 18, 19, 26, 29}), positions);
    EXPECT_EQ(dedans.coups_suivis, 6);
    EXPECT_EQ(dedans.ligne, 1);
    EXPECT_EQ(dedans.coup_sorti, -1);
    const SortieBiblio dehors = sortie_biblio(partie({44}), positions); // E6: F5's mirror, in
    EXPECT_EQ(dehors.coups_suivis, 1);
    const SortieBiblio perpendiculaire = sortie_biblio(partie({37, 45}), positions); // F5 F6
    EXPECT_EQ(perpendiculaire.coups_suivis, 1);
    EXPECT_EQ(perpendiculaire.coup_sorti, 45);
    EXPECT_EQ(perpendiculaire.attendus, (std::vector<PositionsBiblio::CoupBiblio> {{43, 0}}));
}

} // namespace
} // namespace tavik
