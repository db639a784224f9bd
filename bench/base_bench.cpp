// Timings of the game database: reading and indexing a whole base, and the statistics of one
// position. The real files of 1977-2015 in ../shared/wthor are used when they are there;
// otherwise a synthetic base of 130,000 random games, written once to a temporary folder.

#include "base_synthetique.h"

#include "database/chargement_base.h"
#include "database/parties_par_ligne.h"
#include "database/statistiques.h"
#include "library/fichier.h"
#include "library/lecture_biblio.h"
#include "training/items.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>

namespace tavik {
namespace {

struct FichiersBase
{
    std::vector<std::filesystem::path> fichiers;
    std::string origine;
    std::filesystem::path temporaire; // removed at exit

    ~FichiersBase()
    {
        std::error_code e;
        if (!temporaire.empty()) std::filesystem::remove_all(temporaire, e);
    }
};

const FichiersBase& fichiers_base()
{
    static const FichiersBase f = [] {
        FichiersBase r;
        // TAVIK_BANC_SYNTHETIQUE=1 asks for the synthetic base even where the real one is.
        const std::filesystem::path reels
            = std::getenv("TAVIK_BANC_SYNTHETIQUE") ? std::filesystem::path() : TAVIK_WTHOR_DIR;
        std::error_code e;
        for (const auto& entree : std::filesystem::directory_iterator(reels, e))
            if (entree.path().extension() == ".wtb") r.fichiers.push_back(entree.path());
        std::sort(r.fichiers.begin(), r.fichiers.end());
        if (!r.fichiers.empty()) {
            r.origine = "real";
            return r;
        }
        const std::filesystem::path dossier = std::filesystem::temp_directory_path()
            / ("tavik-bench-base-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dossier);
        r.temporaire = dossier;
        const std::vector<test::PartieSynthetique> parties = test::parties_synthetiques(130'000, 1);
        constexpr std::size_t par_fichier = 5000;
        for (std::size_t debut = 0; debut < parties.size(); debut += par_fichier) {
            const std::size_t n = std::min(par_fichier, parties.size() - debut);
            r.fichiers.push_back(dossier / ("WTH_" + std::to_string(1990 + debut / par_fichier) + ".wtb"));
            std::ofstream(r.fichiers.back(), std::ios::binary)
                << test::octets_wthor(std::span(parties).subspan(debut, n), 2000);
        }
        r.origine = "synthetic";
        return r;
    }();
    return f;
}

double pic_memoire_mo()
{
    rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// Reads every file and indexes every position up to move `range(0)`.
void BM_charge_base(benchmark::State& state)
{
    const FichiersBase& f = fichiers_base();
    std::size_t parties = 0, entrees = 0;
    for (auto _ : state) {
        const Base base = charge_base(f.fichiers, static_cast<int>(state.range(0)));
        parties = base.parties.size();
        entrees = base.index.taille();
        benchmark::DoNotOptimize(base.index.taille());
    }
    state.counters["parties"] = static_cast<double>(parties);
    state.counters["positions"] = static_cast<double>(entrees);
    // The index's array and the games, as held once loaded (the sort works in place).
    state.counters["index_Mo"]
        = static_cast<double>(entrees * sizeof(IndexPositions::Entree) + parties * sizeof(PartieBase)) / 1e6;
    state.counters["pic_processus_Mo"] = pic_memoire_mo();
    state.SetLabel(f.origine);
}
BENCHMARK(BM_charge_base)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond)->Iterations(3);

const Base& base_entiere()
{
    static const Base base = charge_base(fichiers_base().fichiers, 60);
    return base;
}

// The statistics of positions `range(0)` moves deep, taken from the games themselves: the
// start holds every game, later positions fewer.
void BM_statistiques(benchmark::State& state)
{
    const Base& base = base_entiere();
    const auto profondeur = static_cast<std::size_t>(state.range(0));
    std::vector<PositionJeu> positions;
    for (std::size_t i = 0; i < base.parties.size() && positions.size() < 256; i += 397) {
        const PartieBase& p = base.parties[i];
        if (p.nb_coups < profondeur) continue;
        PositionJeu pos;
        for (std::size_t k = 0; k < profondeur; ++k) pos.joue(p.coups[k]);
        positions.push_back(pos);
    }
    if (positions.empty()) throw std::runtime_error("no game that long");
    std::size_t i = 0, parties = 0;
    for (auto _ : state) {
        const PositionJeu& pos = positions[i++ % positions.size()];
        const Statistiques s = statistiques(base.index, pos.disques, pos.blanc_au_trait);
        parties += static_cast<std::size_t>(s.bilan.parties);
        benchmark::DoNotOptimize(s.suivants.data());
    }
    state.counters["parties_par_position"]
        = static_cast<double>(parties) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_statistiques)->Arg(0)->Arg(1)->Arg(4)->Arg(10)->Arg(20)->Arg(40)->Arg(60)->Unit(benchmark::kMicrosecond);

// The order of a session's new lines with the base loaded: the games through the end of each
// of black's items of the shipped library, then the order most played first, parent first.
void BM_nouvelles_plus_jouees(benchmark::State& state)
{
    const Base& base = base_entiere();
    std::string octets, raison;
    if (!lit_fichier(std::filesystem::path(TAVIK_DATA_DIR) / "biblio.csv", octets, raison))
        throw std::runtime_error(raison);
    Biblio biblio;
    int nb = 0;
    for (LigneBiblio& ligne : lit_biblio(octets).lignes) biblio.lignes[nb++] = std::move(ligne);
    biblio.indexe(nb);
    const ItemsCouleur items = items_de(construit_repertoire(biblio, nb), noir);
    std::vector<std::vector<Case>> fins;
    for (const ItemRepertoire& i : items.items) fins.push_back(i.coups);
    for (auto _ : state) {
        const std::vector<int> parties = parties_au_bout(base.index, fins);
        benchmark::DoNotOptimize(ordre_des_nouveaux(items, false, parties).data());
    }
    state.counters["items"] = static_cast<double>(items.items.size());
}
BENCHMARK(BM_nouvelles_plus_jouees)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavik
