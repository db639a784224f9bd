#pragma once

#include <filesystem>
#include <string>

namespace tavik {

// Reads a whole file into `contenu`. On failure returns false and says why, in French.
bool lit_fichier(const std::filesystem::path& chemin, std::string& contenu, std::string& raison);

} // namespace tavik
