// Timings of the opening library: the lookup that runs after every move, on a full library,
// the start sequence that reads the shipped file, and the checker of library files.

#include "engine/regles.h"
#include "library/fichier.h"
#include "library/verification.h"
#include "windows/plateau.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace tavik {
namespace {

const std::filesystem::path biblio_livree = TAVIK_DATA_DIR "/biblio.csv";

// No messages, no events, a clock that jumps a second at each reading (every animation wait
// ends at once) and draws of 0.
Services services_muets()
{
    auto temps = std::make_shared<double>(0.0);
    return {
        .message = [](const std::string&) {},
        .horloge = [temps] { return *temps += 1.0; },
        .traite_evenements = [] {},
        .hasard = [] { return 0.0f; },
        .lit_fichier = &lit_fichier,
    };
}

// A random legal game from the usual start, black first, without passes; empty when the game
// needed a pass before `longueur` moves.
std::vector<Case> partie_au_hasard(std::mt19937& gen, const std::vector<Case>& debut,
                                   std::size_t longueur)
{
    Grille jeu = position_initiale();
    int16_t couleur = noir;
    std::vector<Case> coups;
    const auto joue = [&](Case c) {
        coup_joue(jeu, couleur, c.ligne, c.colonne);
        jeu[c.ligne][c.colonne] = static_cast<int8_t>(couleur);
        coups.push_back(c);
        couleur = adversaire(couleur);
    };
    for (const Case c : debut) joue(c);
    while (coups.size() < longueur) {
        std::vector<Case> possibles;
        for (int16_t l = 1; l <= 8; ++l)
            for (int16_t c = 1; c <= 8; ++c)
                if (test_coup_possible(jeu, couleur, l, c)) possibles.push_back({l, c});
        if (possibles.empty()) return {};
        joue(possibles[std::uniform_int_distribution<std::size_t>(0, possibles.size() - 1)(gen)]);
    }
    return coups;
}

// "C4E3 F6E6 F5": pairs glued, one space between pairs.
std::string ecrit(const std::vector<Case>& coups)
{
    std::string s;
    for (std::size_t i = 0; i < coups.size(); ++i) {
        if (i > 0 && i % 2 == 0) s += ' ';
        s += notation(coups[i]);
    }
    return s;
}

// A full library of 1001 rows: the shipped file, then lines that share the first 30 moves of
// one game (`tronc`) and go their own way after some of them, then random lines.
struct BiblioPleine
{
    std::filesystem::path dossier;
    std::filesystem::path chemin;
    std::vector<Case> tronc;

    BiblioPleine()
    {
        dossier = std::filesystem::temp_directory_path()
            / ("tavik-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dossier);
        chemin = dossier / "biblio.csv";

        std::ifstream livre(biblio_livree, std::ios::binary);
        std::string contenu((std::istreambuf_iterator<char>(livre)),
                            std::istreambuf_iterator<char>());
        if (contenu.empty()) throw std::runtime_error("shipped library not found");
        int lignes = -1; // the header
        for (const char c : contenu) lignes += c == '\n';

        std::mt19937 gen(2024);
        const Case c4 {4, 3};
        while (tronc.empty()) tronc = partie_au_hasard(gen, {c4}, 34);
        for (int n = 0; lignes < nb_lignes_biblio; ++n) {
            std::vector<Case> ligne;
            if (n % 3 != 2) {
                // Branches off the trunk after 8 to 32 moves.
                const std::size_t branche = 8 + static_cast<std::size_t>(n) % 25;
                ligne = partie_au_hasard(
                    gen, {tronc.begin(), tronc.begin() + static_cast<long>(branche)}, branche + 4);
            } else {
                ligne = partie_au_hasard(gen, {c4}, 12 + static_cast<std::size_t>(n) % 20);
            }
            if (ligne.empty()) continue;
            contenu += "Ligne " + std::to_string(n) + ";;" + ecrit(ligne) + ";eq;Commentaire/n+ en "
                + notation(ligne.back()) + ";banc d'essai\n";
            ++lignes;
        }
        std::ofstream(chemin, std::ios::binary) << contenu;
    }
    ~BiblioPleine()
    {
        std::error_code ignoree;
        std::filesystem::remove_all(dossier, ignoree);
    }
};

const BiblioPleine& biblio_pleine()
{
    static const BiblioPleine b;
    return b;
}

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
