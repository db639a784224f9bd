#pragma once

#include <filesystem>
#include <string>

namespace tavik {

// Reads a whole file into `contenu`. On failure returns false and says why, in French.
bool lit_fichier(const std::filesystem::path& chemin, std::string& contenu, std::string& raison);

// Why a file operation failed, in French, from the system's error number (errno); never the
// system's own text, which may be English.
std::string raison_systeme(int erreur);

// Whether anything is at `chemin`; false also when the system cannot tell.
bool existe(const std::filesystem::path& chemin);

} // namespace tavik
