#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavik::test {

// Games for the game database's tests and benchmarks, played with the grid rules: random legal
// moves, the first legal squares (in index order) drawn more often so that games share their
// openings, then each game turned by a random symmetry of the start so that its four orientations occur.
struct PartieSynthetique
{
    std::vector<int> coups; // square indexes, passes left out
    int score_noir = 0; // black's discs at the end, empty squares to the winner
    int tournoi = 0, noir = 0, blanc = 0;
};

std::vector<PartieSynthetique> parties_synthetiques(std::size_t nb, uint32_t graine);

// A 16-byte header and the 68-byte records of the games, as the federation writes them.
// `annoncees` is written as the number of games (N1); -1 writes the true number.
std::string octets_wthor(std::span<const PartieSynthetique> parties, uint16_t annee,
                         int64_t annoncees = -1, uint8_t taille_plateau = 8, uint8_t probleme = 0);

// A player or tournament file: the names in records of `taille` bytes, zero-padded.
std::string octets_noms(const std::vector<std::string>& noms, std::size_t taille);

} // namespace tavik::test
