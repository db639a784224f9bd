#pragma once

// A full library for the benchmarks: the shipped file completed to 1001 rows.

#include "engine/grille.h"
#include "windows/services.h"

#include <filesystem>
#include <vector>

namespace tavik::banc {

extern const std::filesystem::path biblio_livree;

// No messages, no events, a clock that jumps a second at each reading (every animation wait
// ends at once) and draws of 0.
Services services_muets();

// A full library of 1001 rows in a temporary file: the shipped file, then lines that share the
// first 30 moves of one game (`tronc`) and go their own way after some of them, then random
// lines. The file is removed with the object.
struct BiblioPleine
{
    std::filesystem::path dossier;
    std::filesystem::path chemin;
    std::vector<Case> tronc;

    BiblioPleine();
    ~BiblioPleine();
};

const BiblioPleine& biblio_pleine();

} // namespace tavik::banc
