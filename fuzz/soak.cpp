// The soak: N user actions drawn from a seeded generator, on the two windows loaded with the
// shipped library, every invariant checked after each action. The same seed gives the same
// actions, so a break reproduces with the seed and the number of the action that broke.
//
// Usage: tavik_soak [N [SEED [LIBRARY]]]   (defaults: 100000 actions, seed 2024, the shipped
// library)

#include "harnais.h"
#include "library/fichier.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <string>

using namespace tavik;
using namespace tavik::fuzz;

namespace {

constexpr std::uint64_t graine_par_defaut = 2024;
constexpr std::size_t longueur_historique = 20;

bool lit_nombre(const char* texte, std::uint64_t& n)
{
    char* fin = nullptr;
    n = std::strtoull(texte, &fin, 10);
    return *texte != '\0' && *fin == '\0' && texte[0] != '-';
}

void resume(const fuzz::Statistiques& s, std::uint64_t graine, double secondes)
{
    std::cout << "soak: " << s.actions << " actions from seed " << graine << " in " << secondes
              << " s (" << static_cast<long>(s.actions / std::max(secondes, 1e-9))
              << " actions/s)\n"
              << "  " << s.coups_joues << " moves, " << s.passes << " passes, " << s.fins_de_partie
              << " games to their end, " << s.chargements << " lines loaded, longest record "
              << s.plus_long << " slots\n"
              << "  " << s.seances << " training sessions, " << s.exercices
              << " exercises finished, " << s.erreurs << " wrong moves in exercises\n"
              << "  " << s.bases << " game bases loaded, " << s.coups_parties
              << " moves played from the games window\n";
    for (const auto& [texte, nombre] : s.messages)
        std::cout << "  " << nombre << " x \"" << texte << "\"\n";
}

} // namespace

int main(int argc, char** argv)
{
    std::uint64_t n = 100000;
    std::uint64_t graine = graine_par_defaut;
    if ((argc > 1 && !lit_nombre(argv[1], n)) || (argc > 2 && !lit_nombre(argv[2], graine))
        || argc > 4) {
        std::cerr << "usage: " << argv[0] << " [N [SEED [LIBRARY]]]\n";
        return 2;
    }
    const std::filesystem::path chemin = argc > 3 ? argv[3] : TAVIK_BIBLIO;
    std::string octets;
    std::string raison;
    if (!lit_fichier(chemin, octets, raison)) {
        std::cerr << "soak: cannot read " << chemin << ": " << raison << "\n";
        return 2;
    }

    const auto debut = std::chrono::steady_clock::now();
    SourceGraine source(graine);
    Harnais harnais(octets, source);
    if (!harnais.rompus_au_chargement().empty()) {
        std::cerr << "soak: seed " << graine << ", the start "
                  << rapport(harnais.rompus_au_chargement(), "the start", harnais.plateau());
        return 1;
    }

    std::deque<std::string> historique;
    for (std::uint64_t i = 1; i <= n; ++i) {
        const Action action = tire_action(source, harnais.plateau(), harnais.ouverture(),
                                          harnais.entrainement(), harnais.parties());
        historique.push_back(std::to_string(i) + ". " + decrit(action));
        if (historique.size() > longueur_historique) historique.pop_front();

        const std::vector<std::string> rompus = harnais.joue(action);
        if (rompus.empty()) continue;
        std::cerr << "soak: seed " << graine << ", action " << i << " of " << n << " "
                  << rapport(rompus, decrit(action), harnais.plateau()) << "  last actions:\n";
        for (const std::string& h : historique) std::cerr << "    " << h << "\n";
        std::cerr << "reproduce with: scripts/soak " << i << " " << graine << "\n";
        return 1;
    }

    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    resume(harnais.statistiques(), graine, duree.count());
    return 0;
}
