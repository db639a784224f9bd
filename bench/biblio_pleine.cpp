#include "biblio_pleine.h"

#include "engine/regles.h"
#include "library/biblio.h"
#include "library/fichier.h"

#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace tavik::banc {

const std::filesystem::path biblio_livree = TAVIK_DATA_DIR "/biblio.csv";

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

namespace {

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

} // namespace

BiblioPleine::BiblioPleine()
{
    dossier
        = std::filesystem::temp_directory_path() / ("tavik-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier);
    chemin = dossier / "biblio.csv";

    std::ifstream livre(biblio_livree, std::ios::binary);
    std::string contenu((std::istreambuf_iterator<char>(livre)), std::istreambuf_iterator<char>());
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

BiblioPleine::~BiblioPleine()
{
    std::error_code ignoree;
    std::filesystem::remove_all(dossier, ignoree);
}

const BiblioPleine& biblio_pleine()
{
    static const BiblioPleine b;
    return b;
}

} // namespace tavik::banc
