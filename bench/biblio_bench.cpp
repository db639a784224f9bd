// Timings of the opening library: the lookup that runs after every move, on a full library,
// the start sequence that reads the shipped file, and the checker of library files.

#include "biblio_pleine.h"
#include "library/fichier.h"
#include "library/verification.h"
#include "windows/main_window/plateau.h"

#include <benchmark/benchmark.h>
#include <stdexcept>

namespace tavik {
namespace {

using namespace banc;

void BM_cherche_ouverture(benchmark::State& state)
{
    const BiblioPleine& b = biblio_pleine();
    FonCom com;
    Plateau p(com, services_muets(), b.chemin);
    p.Form_Load();
    if (com.nb_biblio != nb_lignes_biblio) throw std::runtime_error("library not full");
    const auto coups = static_cast<std::size_t>(state.range(0));
    for (std::size_t i = 0; i < coups; ++i)
        p.plateau_MouseDown(index_de(b.tronc[i]), bouton_gauche);
    if (p.num_coup != static_cast<int16_t>(coups + 1))
        throw std::runtime_error("a move was refused");

    for (auto _ : state) {
        p.cherche_ouverture();
        benchmark::DoNotOptimize(p.controles.LstSuite.entrees.data());
    }
    state.counters["suites"] = static_cast<double>(p.controles.LstSuite.nombre());
    state.counters["lignes"] = com.nb_biblio;
}
BENCHMARK(BM_cherche_ouverture)->Arg(10)->Arg(30)->Unit(benchmark::kMicrosecond);

// A whole move at move 30: animation steps, flips, record, lookup, turn change, marks.
void BM_coup_joue_au_trentieme(benchmark::State& state)
{
    const BiblioPleine& b = biblio_pleine();
    FonCom com;
    Plateau p(com, services_muets(), b.chemin);
    p.Form_Load();
    for (std::size_t i = 0; i < 29; ++i) p.plateau_MouseDown(index_de(b.tronc[i]), bouton_gauche);
    const int index = index_de(b.tronc[29]);
    for (auto _ : state) {
        p.plateau_MouseDown(index, bouton_gauche);
        state.PauseTiming();
        p.CmdPrecedent_Click();
        p.num_rejoue = p.num_coup; // the record ends here: the press plays, it does not follow
        state.ResumeTiming();
    }
}
BENCHMARK(BM_coup_joue_au_trentieme)->Unit(benchmark::kMicrosecond);

void BM_Form_Load(benchmark::State& state, bool pleine)
{
    const std::filesystem::path chemin = pleine ? biblio_pleine().chemin : biblio_livree;
    FonCom com;
    Plateau p(com, services_muets(), chemin);
    for (auto _ : state) {
        p.Form_Load();
        benchmark::DoNotOptimize(com.nb_biblio);
    }
    state.counters["lignes"] = com.nb_biblio;
}
BENCHMARK_CAPTURE(BM_Form_Load, biblio_livree, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Form_Load, biblio_pleine, true)->Unit(benchmark::kMillisecond);

// The checker on a whole file: every line replayed, its common form found, the report written.
void BM_verifie_biblio(benchmark::State& state, bool pleine)
{
    std::string octets, raison;
    if (!lit_fichier(pleine ? biblio_pleine().chemin : biblio_livree, octets, raison))
        throw std::runtime_error(raison);
    std::size_t constats = 0;
    for (auto _ : state) {
        const std::vector<Constat> c = verifie_biblio(octets);
        benchmark::DoNotOptimize(texte_verification(c));
        constats = c.size();
    }
    state.counters["constats"] = static_cast<double>(constats);
}
BENCHMARK_CAPTURE(BM_verifie_biblio, biblio_livree, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_verifie_biblio, biblio_pleine, true)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavik
