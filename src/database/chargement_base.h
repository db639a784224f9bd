#pragma once

#include "database/index_positions.h"
#include "database/partie_base.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace tavik {

// The games of every file loaded, their names and the index of their positions.
struct Base
{
    std::vector<std::filesystem::path> fichiers; // as given, in order
    std::vector<PartieBase> parties;
    std::vector<std::string> joueurs; // the players files of every folder, one after the other
    std::vector<std::string> tournois;
    IndexPositions index;
    std::vector<std::string> refus; // a French message per game or line left out
    std::vector<std::string> illisibles; // a French message per file that gave nothing
    bool annule = false;

    // A name, or empty text for -1.
    const std::string& joueur(int32_t numero) const;
    const std::string& tournoi(int32_t numero) const;
};

// Whether the file is read as tournament games (its name ends in .wtb, .wtd, .jou or .trn,
// in any case); any other file is read as a text of one's own games.
bool fichier_wthor(const std::filesystem::path& chemin);

// Reads the files in order, then indexes the positions up to move `profondeur`. A games file
// finds its players and tournaments in "WTHOR.JOU" and "WTHOR.TRN" beside it, in any letter
// case; a games file that names a number that they lack leaves that name empty. Players and
// tournament files given among `fichiers` are read only for their folder's games. When the
// task is cancelled the base comes back empty with `annule` set.
Base charge_base(std::span<const std::filesystem::path> fichiers, int profondeur,
                 const Suivi& suivi = {});

} // namespace tavik
