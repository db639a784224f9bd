#include "base_synthetique.h"

#include "engine/regles.h"
#include "library/symetries.h"

#include <random>

namespace tavik::test {

namespace {

std::vector<Case> legaux(const Grille& jeu, int16_t couleur)
{
    std::vector<Case> cases;
    for (int i = 0; i < 64; ++i) {
        const Case c = case_de(i);
        if (test_coup_possible(jeu, couleur, c.ligne, c.colonne)) cases.push_back(c);
    }
    return cases;
}

int score_noir(const Grille& jeu)
{
    int noirs = 0, blancs = 0;
    for (int16_t l = 1; l <= 8; ++l)
        for (int16_t c = 1; c <= 8; ++c) {
            noirs += jeu[l][c] == noir;
            blancs += jeu[l][c] == blanc;
        }
    const int vides = 64 - noirs - blancs;
    return noirs > blancs ? noirs + vides : noirs < blancs ? noirs : 32;
}

PartieSynthetique une_partie(std::mt19937& hasard)
{
    PartieSynthetique p;
    Grille jeu = position_initiale();
    int16_t couleur = noir;
    std::geometric_distribution<int> rang(0.45);
    // Only the symmetries that keep the start turn a game into a game.
    int symetrie = static_cast<int>(hasard() % nb_symetries);
    while (!invariante(jeu, symetrie)) symetrie = (symetrie + 1) % nb_symetries;
    while (!partie_finie(jeu)) {
        if (!joueur_passe(jeu, couleur)) couleur = adversaire(couleur);
        const std::vector<Case> cases = legaux(jeu, couleur);
        const Case c = cases[static_cast<std::size_t>(rang(hasard)) % cases.size()];
        coup_joue(jeu, couleur, c.ligne, c.colonne);
        jeu[c.ligne][c.colonne] = static_cast<int8_t>(couleur);
        couleur = adversaire(couleur);
        p.coups.push_back(index_de(image(symetrie, c)));
    }
    p.score_noir = score_noir(jeu);
    p.tournoi = static_cast<int>(hasard() % 20);
    p.noir = static_cast<int>(hasard() % 50);
    p.blanc = static_cast<int>(hasard() % 50);
    return p;
}

void ecrit16(std::string& o, uint32_t v)
{
    o += static_cast<char>(v & 0xFF);
    o += static_cast<char>(v >> 8 & 0xFF);
}

} // namespace

std::vector<PartieSynthetique> parties_synthetiques(std::size_t nb, uint32_t graine)
{
    std::mt19937 hasard(graine);
    std::vector<PartieSynthetique> parties;
    parties.reserve(nb);
    for (std::size_t i = 0; i < nb; ++i) parties.push_back(une_partie(hasard));
    return parties;
}

std::string octets_wthor(std::span<const PartieSynthetique> parties, uint16_t annee,
                         int64_t annoncees, uint8_t taille_plateau, uint8_t probleme)
{
    const auto n1 = static_cast<uint32_t>(annoncees < 0 ? static_cast<int64_t>(parties.size()) : annoncees);
    std::string o {20, 26, 12, 7};
    ecrit16(o, n1 & 0xFFFF);
    ecrit16(o, n1 >> 16);
    ecrit16(o, 0);
    ecrit16(o, annee);
    o += static_cast<char>(taille_plateau);
    o += static_cast<char>(probleme);
    o += static_cast<char>(0);
    o += static_cast<char>(0);
    for (const PartieSynthetique& p : parties) {
        ecrit16(o, static_cast<uint32_t>(p.tournoi));
        ecrit16(o, static_cast<uint32_t>(p.noir));
        ecrit16(o, static_cast<uint32_t>(p.blanc));
        o += static_cast<char>(p.score_noir);
        o += static_cast<char>(p.score_noir);
        for (std::size_t i = 0; i < 60; ++i) {
            const Case c = i < p.coups.size() ? case_de(p.coups[i]) : Case {};
            o += static_cast<char>(i < p.coups.size() ? 10 * c.ligne + c.colonne : 0);
        }
    }
    return o;
}

std::string octets_noms(const std::vector<std::string>& noms, std::size_t taille)
{
    std::string o {20, 26, 12, 7, 0, 0, 0, 0};
    ecrit16(o, static_cast<uint32_t>(noms.size()));
    o += std::string(6, '\0');
    for (const std::string& n : noms) o += (n + std::string(taille, '\0')).substr(0, taille);
    return o;
}

} // namespace tavik::test
