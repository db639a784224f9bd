// Timings of the drill on a full library of 1001 rows with 10,000 recorded exercises: choosing
// the next exercise, the program's moves, writing a finished exercise, ending a session,
// building the lines.

#include "biblio_pleine.h"
#include "library/fichier.h"
#include "library/lecture_biblio.h"
#include "training/session.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>
#include <stdexcept>

namespace tavik {
namespace {

using namespace banc;

constexpr int nb_revues = 10'000;
constexpr Jour premier_jour = 19'000;

// How the session grades a line: from its stored state.
MiseAJour mise_a_jour(int erreurs, Jour jour)
{
    return [=](const std::optional<EtatLigne>& avant) {
        return apres_revue(avant ? &*avant : nullptr, erreurs, jour, {});
    };
}

struct Donnees
{
    Biblio biblio;
    int nb = 0;
    Repertoire rep;
    std::vector<int> lignes;
    std::filesystem::path fichier;
    std::unique_ptr<Carnet> carnet;
    Jour aujourdhui = premier_jour;

    Donnees()
    {
        const BiblioPleine& b = biblio_pleine();
        std::string octets, raison;
        if (!lit_fichier(b.chemin, octets, raison)) throw std::runtime_error(raison);
        for (LigneBiblio& ligne : lit_biblio(octets).lignes) biblio.lignes[nb++] = std::move(ligne);
        if (nb != nb_lignes_biblio) throw std::runtime_error("library not full");
        biblio.indexe(nb);
        rep = construit_repertoire(biblio, nb);
        lignes = portee_complete(rep, noir);

        // 10,000 exercises over 300 days, one in five with a wrong move, each written as the
        // session writes it.
        fichier = b.dossier / "entrainement.sqlite";
        carnet = std::make_unique<Carnet>(Carnet::ouvre(fichier, 0));
        std::mt19937 gen(7);
        std::string erreur;
        for (int i = 0; i < nb_revues; ++i) {
            const int l
                = lignes[std::uniform_int_distribution<std::size_t>(0, lignes.size() - 1)(gen)];
            aujourdhui = premier_jour + i * 300 / nb_revues;
            const int erreurs = std::uniform_int_distribution<int>(0, 4)(gen) == 0;
            if (!carnet->enregistre(noir, rep.lignes[l].cle, mise_a_jour(erreurs, aujourdhui),
                                    {aujourdhui * 86'400LL, aujourdhui, 8, 8 - erreurs, erreurs, 5},
                                    erreur))
                throw std::runtime_error(erreur);
        }
        ++aujourdhui;
    }
};

Donnees& donnees()
{
    static Donnees d;
    return d;
}

ServicesEntrainement services(Jour jour)
{
    return {[jour] { return Moment {jour * 86'400LL, jour}; }, [] { return 0.5f; }};
}

void BM_choix_exercice(benchmark::State& state)
{
    Donnees& d = donnees();
    Session session(d.rep, *d.carnet, noir, d.lignes, services(d.aujourdhui));
    for (auto _ : state) {
        session.nouvel_exercice();
        benchmark::DoNotOptimize(session.exercice().cible());
    }
    state.counters["lignes"] = static_cast<double>(d.lignes.size());
    state.counters["dues"] = session.progres().dues;
}
BENCHMARK(BM_choix_exercice)->Unit(benchmark::kMicrosecond);

// The program's move after `range(0)` moves of the full library's trunk, aiming at a line down
// it (range(1) = 1) or in free practice over every line (0), the learner playing white.
void BM_coup_programme(benchmark::State& state)
{
    Donnees& d = donnees();
    const std::vector<Case>& tronc = biblio_pleine().tronc;
    const auto profondeur = static_cast<std::size_t>(state.range(0));
    const std::vector<int> lignes = portee_complete(d.rep, blanc);
    const std::vector<int> par_le_tronc
        = lignes_par(d.rep, std::span(tronc).first(profondeur + 2), lignes);
    if (par_le_tronc.empty()) throw std::runtime_error("no line down the trunk");
    Exercice ex(d.rep, lignes, blanc,
                state.range(1) ? std::vector<int> {par_le_tronc.front()} : std::vector<int> {});
    for (std::size_t k = 0; k < profondeur; ++k) {
        if (ex.au_programme()) {
            // The draw that picks the trunk's move.
            const std::vector<Case> coups = ex.coups_programme();
            const auto i = std::find(coups.begin(), coups.end(), tronc[k]) - coups.begin();
            ex.joue_programme((static_cast<float>(i) + 0.5f) / static_cast<float>(coups.size()));
        } else {
            ex.joue_utilisateur(tronc[k]);
        }
    }
    if (!ex.au_programme()) throw std::runtime_error("not the program's turn");
    for (auto _ : state) {
        Exercice essai = ex;
        benchmark::DoNotOptimize(essai.joue_programme(0.5f));
    }
    state.counters["lignes_en_cours"] = static_cast<double>(ex.en_cours().size());
}
BENCHMARK(BM_coup_programme)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({10, 0})
    ->Args({10, 1})
    ->Unit(benchmark::kMicrosecond);

// A finished exercise: the line read, graded and written with the exercise in one write
// transaction.
void BM_enregistre_exercice(benchmark::State& state)
{
    Donnees& d = donnees();
    const MiseAJour etat = mise_a_jour(0, d.aujourdhui);
    std::string erreur;
    int i = 0;
    for (auto _ : state) {
        const std::string& cle
            = d.rep.lignes[static_cast<std::size_t>(i++) % d.rep.lignes.size()].cle;
        if (!d.carnet->enregistre(noir, cle, etat, {0, d.aujourdhui, 8, 8, 0, 5}, erreur))
            throw std::runtime_error(erreur);
    }
}
BENCHMARK(BM_enregistre_exercice)->Unit(benchmark::kMicrosecond);

// The end of a session of 20 exercises: the log that they filled copied into the file.
void BM_fin_de_seance(benchmark::State& state)
{
    Donnees& d = donnees();
    const MiseAJour etat = mise_a_jour(0, d.aujourdhui);
    std::string erreur;
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int n = 0; n < 20; ++n)
            if (!d.carnet->enregistre(noir, d.rep.lignes[i++ % d.rep.lignes.size()].cle, etat,
                                      {0, d.aujourdhui, 8, 8, 0, 5}, erreur))
                throw std::runtime_error(erreur);
        state.ResumeTiming();
        d.carnet->verse_le_journal();
    }
}
BENCHMARK(BM_fin_de_seance)->Unit(benchmark::kMillisecond);

void BM_construit_repertoire(benchmark::State& state)
{
    Donnees& d = donnees();
    for (auto _ : state) benchmark::DoNotOptimize(construit_repertoire(d.biblio, d.nb));
    state.counters["lignes"] = static_cast<double>(d.rep.lignes.size());
}
BENCHMARK(BM_construit_repertoire)->Unit(benchmark::kMillisecond);

// The items of a colour: the lines merged where the learner's own moves agree, each in the
// form common to its mirror images.
void BM_items_de(benchmark::State& state)
{
    Donnees& d = donnees();
    for (auto _ : state) benchmark::DoNotOptimize(items_de(d.rep, noir));
    state.counters["items"] = static_cast<double>(items_de(d.rep, noir).items.size());
}
BENCHMARK(BM_items_de)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavik
