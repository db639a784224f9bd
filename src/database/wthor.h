#pragma once

#include "database/partie_base.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// The tournament game files of the French federation (little-endian throughout): a 16-byte
// header, then 68-byte game records (".wtb"), or 20-byte player names ("WTHOR.JOU") or 26-byte
// tournament names ("WTHOR.TRN").

inline constexpr std::size_t taille_entete_wthor = 16;
inline constexpr std::size_t taille_partie_wthor = 68;
inline constexpr std::size_t taille_joueur_wthor = 20;
inline constexpr std::size_t taille_tournoi_wthor = 26;

struct EnTeteWthor
{
    int siecle = 0, annee_creation = 0, mois = 0, jour = 0;
    uint32_t nb_parties = 0; // N1
    uint16_t nb_noms = 0; // N2
    uint16_t annee = 0; // the year of the games
    uint8_t taille_plateau = 0; // 0 or 8: 8 x 8; 10: 10 x 10
    uint8_t probleme = 0; // 1 for a file of puzzles
    uint8_t profondeur = 0; // of the theoretical score; 0 means 22
};

// Nothing when the bytes are shorter than a header.
std::optional<EnTeteWthor> lit_entete_wthor(std::string_view octets);

// What a game file gave: its games, and a French message for each thing refused, naming the
// file and the game. `refuse` is set when the whole file is refused (10 x 10 board, puzzles,
// no header): then it holds no game.
struct LectureWthor
{
    EnTeteWthor entete;
    std::vector<PartieBase> parties; // players and tournament as numbered in the file
    std::vector<std::string> refus;
    bool refuse = false;
};

// Every complete record is read, whatever the header says; a game whose move is no square,
// is not legal (passes are found by replaying), or follows the end is refused alone.
LectureWthor lit_parties_wthor(std::string_view octets, const std::string& nom);

// The names of a player or tournament file, Windows-1252 turned into UTF-8, each cut at its
// first zero byte: every complete record, whatever the header's count says.
std::vector<std::string> lit_noms_wthor(std::string_view octets, std::size_t taille);

} // namespace tavik
