#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tavik {

// How a game of the database ended, for black and white.
enum class Issue : uint8_t { noir, nul, blanc, inconnue };

// A game of the database: its moves (square indexes, `index_de`, passes left out), its result
// and where it comes from. 80 bytes, so that 130,000 games take about 10 MB.
struct PartieBase
{
    std::array<uint8_t, 60> coups {};
    uint8_t nb_coups = 0;
    int8_t score_noir = -1; // black's discs at the end, -1 when the game has no result
    int16_t annee = 0; // 0 when unknown
    int32_t noir = -1; // the players and the tournament, in the base's name lists; -1: none
    int32_t blanc = -1;
    int32_t tournoi = -1;
    uint16_t fichier = 0; // the file that it was read from, in the base's list
    uint32_t rang = 0; // its line in a text file, its record in a games file, from 1

    // Black wins with more than 32 discs at the end.
    Issue issue() const;
};

// The moves in lower case, one after the other: "f5d6c3d3c4".
std::string texte_partie(const PartieBase& partie);

} // namespace tavik
